#pragma once
// A top-level window: fixed size, background colour, default font, one of three frames, and the
// keyboard rules of a dialog (Tab, default button on Enter, cancel on Escape). It is laid out for the
// DPI of its monitor, and again when it moves to a monitor of another DPI.
#include <functional>
#include <string>
#include <vector>

#include "ui/base/DpiScaling.h"
#include "ui/base/Gdi.h"
#include "ui/widgets/Panel.h"

namespace ui {

class Button;

struct CloseEvent {
  bool cancel = false;  // set by the handler to keep the window open
};

enum class Frame {
  Tool,           // small caption without any caption button (the wizard)
  None,           // no border, no caption (the wait window)
  ToolWithClose,  // small caption with a close box (the prompt dialog)
};

// The result a modal form gives when it is closed other than by one of its buttons.
inline constexpr int kModalCancel = 2;

class Form : public Panel {
 public:
  struct CreateArgs {
    std::wstring className;  // also what other copies of the program look for
    std::string name;
    std::string caption;
    int clientWidth = 0, clientHeight = 0;  // design units
    COLORREF background = GetSysColor(COLOR_BTNFACE);
    FontSpec font;
    Frame frame = Frame::Tool;
    HWND owner = nullptr;  // stays above its owner and goes with it
    bool topMost = false;
  };

  ~Form() override;
  bool Create(const CreateArgs& args);
  void Show();
  void Hide();
  void Close();
  // Puts the window's top-left corner at a point of the screen, in pixels; size and order stay.
  void MoveTo(int left, int top);
  // Destroys the window and every child now; owners of borrowed fonts and images call it first.
  void Destroy() { DestroyHandle(); }
  // Outer size in pixels, fixed by equal minimum and maximum tracking sizes.
  SIZE OuterSize() const { return outer_; }
  // Changes the fixed size, in design units; the window keeps its top-left corner.
  void SetClientSize(int designWidth, int designHeight);
  // The same in pixels, for a size worked out from measured text; it is worked out again when the
  // DPI changes.
  void SetClientPixels(int width, int height);
  HFONT DefaultFont() const { return defaultFont_; }
  // The fonts of this window's controls, at its DPI; they follow it when it changes.
  FontCache& Fonts() { return fonts_; }

  int Dpi() const { return fonts_.Dpi(); }
  int LayoutDpi() const override { return Dpi(); }
  // Lays the window and every control out again for another DPI (the window keeps its top-left
  // corner), then raises onDpiChanged for what the program lays out itself.
  void ApplyDpi(int dpi);

  // Hourglass over the whole window while set.
  void SetWaitCursor(bool wait);
  bool WaitCursor() const { return waitCursor_; }

  // While blocked the window takes no input, though it is still painted: it is disabled, and keyboard
  // and mouse messages for it or its controls are dropped. What waits in the thread's queue when the
  // block starts or ends (typed ahead, typed meanwhile) is dropped too. Unblocking gives the focus
  // back, or to the window when that control has gone.
  void SetInputBlocked(bool blocked);
  bool InputBlocked() const { return inputBlocked_; }

  // Set while the form runs modally; a non-zero result ends the modal loop.
  bool Modal() const { return modal_; }
  void SetModal(bool modal);
  int ModalResult() const { return modalResult_; }
  void SetModalResult(int result) { modalResult_ = result; }

  // Buttons that answer Enter and Escape; the first visible and enabled one wins.
  void AddDefaultButton(Button& button) { defaultButtons_.push_back(&button); }
  void AddCancelButton(Button& button) { cancelButtons_.push_back(&button); }
  void ClearKeyButtons();
  // Keyboard handling for a message of this window's thread; true when the message was used.
  bool PreTranslate(MSG& msg);

  std::function<void(CloseEvent&)> onClose;
  std::function<void()> onDestroy;
  std::function<void()> onActivate;
  std::function<void()> onDpiChanged;

  bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  bool PressFirstAvailable(const std::vector<Button*>& buttons);
  // Focus rectangles and underlined keys show from the first key a user presses.
  void ShowKeyboardCues();
  SIZE OuterFor(int clientWidth, int clientHeight) const;
  void FitClient(int width, int height);
  FontCache fonts_{kDesignDpi};
  HFONT defaultFont_ = nullptr;  // from fonts_
  SIZE designClient_{};
  SIZE outer_{};
  bool waitCursor_ = false;
  bool inputBlocked_ = false;
  HWND focusBeforeBlock_ = nullptr;
  HWND focusOnLeave_ = nullptr;
  bool keyboardUsed_ = false;
  bool modal_ = false;
  int modalResult_ = 0;
  std::vector<Button*> defaultButtons_, cancelButtons_;
};

// A form busy for as long as this lives: its input blocked and the hourglass shown, both undone
// however the scope is left.
class BusyForm {
 public:
  explicit BusyForm(Form& form) : form_(form) {
    form_.SetWaitCursor(true);
    form_.SetInputBlocked(true);
  }
  ~BusyForm() {
    form_.SetInputBlocked(false);
    form_.SetWaitCursor(false);
  }
  BusyForm(const BusyForm&) = delete;
  BusyForm& operator=(const BusyForm&) = delete;

 private:
  Form& form_;
};

// The forms' keyboard rules for a message of this thread; installed as the message filter.
bool PreTranslateForForms(MSG& msg);

}  // namespace ui
