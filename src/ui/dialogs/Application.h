#pragma once
// The program as a whole: a hidden top-level window that stands for it (other copies recognise it by
// its class and title), its title, its main window, the message loops, and the general error display.
#include <windows.h>

#include <exception>
#include <string>
#include <string_view>

namespace ui {

class Form;

// Class of the hidden window; no other program uses it.
inline constexpr wchar_t kApplicationClass[] = L"Pratilo.TApplication";

class Application {
 public:
  Application() = default;
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;
  ~Application();

  // Creates the hidden window and installs the forms' keyboard rules; true when it exists.
  bool Initialize();
  HWND Handle() const { return hwnd_; }

  // The name in the task bar and the default caption of warnings and errors; the program file's
  // name until the program sets one.
  std::string Title() const;
  void SetTitle(std::string_view title);

  Form* MainForm() const { return mainForm_; }
  void SetMainForm(Form* form) { mainForm_ = form; }

  // The program's message loop: runs until the main window is gone or the thread is told to quit.
  void Run();
  // Shows the form modally: the program's other windows are disabled until it gives a result,
  // which is kModalCancel when it was closed without one or when the program is ending.
  int ShowModal(Form& form);
  // Runs pending messages, so that windows stay painted during long steps.
  void ProcessMessages();

  // The program's one message box: owned by the application window, brought onto the monitor of
  // the active window, the program's other windows disabled until it is answered.
  int ShowBox(std::string_view text, std::string_view caption, UINT flags);

  // The general error display: the error's text in an error box, and the program goes on.
  void ShowError(std::exception_ptr error);

 private:
  HWND hwnd_ = nullptr;
  std::string title_;
  Form* mainForm_ = nullptr;
};

// The program's one application object.
Application& App();

}  // namespace ui
