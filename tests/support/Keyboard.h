#pragma once
// A keyboard user and a screen reader, for tests that create real windows in this thread: keys go
// to the focused control through the thread's message loop (so the forms' keyboard rules see them,
// as in the program), and what a reader reads comes through Active Accessibility.
#include <windows.h>

#include <string>

namespace testing_support {

// Presses and releases a key on the control that has the keyboard, with Shift held when asked, and
// runs the messages it causes through the forms' keyboard rules, as the program's loop does.
void PressKey(WPARAM key, bool shift = false);

// The focused control: its wrapper's name, or its class in brackets when it has none.
std::string FocusedName();

// What a screen reader reads of a window's client object, or of one of its items.
struct ReadAloud {
  bool found = false;
  std::string name, description;
  long role = 0;
};
ReadAloud ReadForScreenReader(HWND hwnd, long child = 0);

}  // namespace testing_support
