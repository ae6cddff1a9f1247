#pragma once
// A top-level window: tool-window caption without caption buttons, fixed size, background colour,
// default font, and the keyboard rules of a dialog (Tab, default button on Enter, cancel on Escape).
#include <functional>
#include <string>
#include <vector>

#include "ui/Gdi.h"
#include "ui/widgets/Panel.h"

namespace ui {

class Button;

struct CloseEvent {
  bool cancel = false;  // set by the handler to keep the window open
};

class Form : public Panel {
 public:
  struct CreateArgs {
    std::wstring className;  // also what other copies of the program look for
    std::string name;
    std::string caption;
    int clientWidth = 0, clientHeight = 0;
    COLORREF background = GetSysColor(COLOR_BTNFACE);
    FontSpec font;
    bool toolWindow = true;
  };

  ~Form() override;
  bool Create(const CreateArgs& args);
  void Show();
  void Close();
  // Outer size, fixed by equal minimum and maximum tracking sizes.
  SIZE OuterSize() const { return outer_; }
  HFONT DefaultFont() const { return defaultFont_.Get(); }

  // Buttons that answer Enter and Escape; the first visible and enabled one wins.
  void AddDefaultButton(Button& button) { defaultButtons_.push_back(&button); }
  void AddCancelButton(Button& button) { cancelButtons_.push_back(&button); }
  // Keyboard handling for a message of this window's thread; true when the message was used.
  bool PreTranslate(MSG& msg);

  std::function<void(CloseEvent&)> onClose;
  std::function<void()> onDestroy;

  bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  bool PressFirstAvailable(const std::vector<Button*>& buttons);
  ui::Font defaultFont_;
  SIZE outer_{};
  std::vector<Button*> defaultButtons_, cancelButtons_;
};

// Runs pending messages with the forms' keyboard rules (the application's ProcessMessages).
void ProcessMessages();
// Runs messages until the window is gone.
void RunMessageLoop(const Form& form);

}  // namespace ui
