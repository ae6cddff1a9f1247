#pragma once
// Looking at and acting on the windows of another process, as a user does: controls are found by
// class and caption among the visible ones, buttons are clicked, text is typed, message boxes are
// read and answered. Every call that waits on the other process is bounded.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace e2e {

std::wstring ClassOf(HWND window);
// The window's text (WM_GETTEXT, so it works for edits of other processes too), UTF-8.
std::string TextOf(HWND window);

// Top-level windows of a process with the given class (all classes when null).
std::vector<HWND> TopLevelWindows(DWORD processId, const wchar_t* className, bool visibleOnly);
// Visible windows below `root`, at any depth, of the given class (compared without case; all
// classes when null).
std::vector<HWND> VisibleDescendants(HWND root, const wchar_t* className);
// The first visible window below `root` with that class and exactly that text, or null.
HWND FindVisible(HWND root, const wchar_t* className, const std::string& text);

// A click as the user makes it: the control is pressed and released, so check boxes toggle and
// the parent hears the click. Posted: the click may open a modal box, which must not block us.
void Click(HWND control);
bool IsChecked(HWND control);
// The control of that window's thread that has the keyboard, or null.
HWND FocusOf(HWND window);
// A key pressed and released on the control of that window that has the keyboard, the window
// being made the active one first if another took that place (a window of another test).
void PressKey(HWND window, WPARAM key);
// Replaces the text of an edit control; the control reports the change to its parent.
bool SetText(HWND control, const std::string& text);
// Types text into an edit control key by key, over its whole current text; true once it shows the text.
bool Type(HWND edit, const std::string& text);

// A message box (dialog class #32770) of a process.
struct Box {
  HWND window = nullptr;
  std::string caption;
  std::string text;
  std::vector<std::string> buttons;  // captions from left to right
  std::string Describe() const;
};

std::optional<Box> FindBox(DWORD processId);
std::optional<Box> WaitForBox(DWORD processId, int timeoutMs);
// Presses the box's button with that id (IDOK, IDYES...) and waits until the box is gone.
bool Answer(const Box& box, int buttonId, int timeoutMs = 5000);

}  // namespace e2e
