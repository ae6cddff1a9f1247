#pragma once
// The system's message box with the program's defaults.
#include <windows.h>

#include <string_view>

namespace ui {

// A question or message through the application; an empty caption gives the program's name.
int MsgBox(std::string_view text, std::string_view caption, UINT flags);
// Warning (exclamation icon, OK) and error (stop icon, OK) boxes owned by the main window; an empty
// caption gives the application title.
void WarningBox(std::string_view text, std::string_view caption);
void ErrorBox(std::string_view text, std::string_view caption);

}  // namespace ui
