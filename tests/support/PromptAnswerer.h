#pragma once
// Answers the program's prompt dialogs from inside their modal loop, as a user would: a thread timer
// finds each prompt dialog of this thread by its title, records what it shows, then types into its
// answer box, presses a key or a button, or closes it. Steps are taken in order, one per dialog
// showing; a dialog that no step expects is recorded and closed.
#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/widgets/Control.h"

namespace testing_support {

class PromptAnswerer {
 public:
  enum class Action {
    Enter,     // the Enter key, to the control that has the focus
    Escape,    // the Escape key, likewise
    Click,     // a click on the button at `button` (counted from the left)
    CloseBox,  // the close box of the title bar (the system close command)
    Close,     // WM_CLOSE
    Nothing,   // only look; the next step acts on the same dialog
  };
  struct Step {
    std::string title;
    Action action = Action::Enter;
    int button = 0;
    std::optional<std::string> type;      // typed into the answer box (replacing its text) first
    std::function<void(HWND)> before;     // anything else to do to the dialog first
  };
  struct Seen {
    std::string title;
    std::string text;                   // the message
    bool wordWrap = false;              // the message label wraps
    ui::Rect textRect;                  // in the client area
    std::vector<std::string> buttons;   // captions, left to right
    std::vector<ui::Rect> buttonRects;  // in the client area
    int defaultButton = -1;             // the one drawn as default
    ui::Rect panel;                     // the buttons' container, in the client area
    HICON icon = nullptr;
    ui::Rect iconRect;
    std::vector<COLORREF> iconPixels;   // the icon drawn at its place's size
    std::optional<std::string> answer;  // the answer box's text, when there is one
    std::optional<ui::Rect> answerRect;
    RECT window{};                      // on the screen
    SIZE client{};
    bool topMost = false;
    bool closeBox = false;
    bool expected = true;               // false: no step wanted it, so it was closed
  };

  explicit PromptAnswerer(std::vector<Step> steps);
  ~PromptAnswerer();
  PromptAnswerer(const PromptAnswerer&) = delete;
  PromptAnswerer& operator=(const PromptAnswerer&) = delete;

  const std::vector<Seen>& seen() const { return seen_; }
  // Steps not taken (their dialog never came).
  size_t pending() const { return steps_.size() - next_; }

  // What a prompt dialog shows now.
  static Seen Look(HWND dialog);

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
  void OnTick();
  void Act(HWND dialog, const Step& step);

  std::vector<Step> steps_;
  size_t next_ = 0;
  std::vector<Seen> seen_;
  UINT_PTR timer_ = 0;
  DWORD idleTicks_ = 0;
};

}  // namespace testing_support
