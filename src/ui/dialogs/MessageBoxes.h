#pragma once
// The faces of the program's one message box (Application::ShowBox): a question, a warning, an error.
#include <windows.h>

#include <string_view>

namespace ui {

// A question or message through the application; an empty caption gives the program's name.
int MsgBox(std::string_view text, std::string_view caption, UINT flags);
// Warning (exclamation icon, OK) and error (stop icon, OK) boxes through the application; an empty
// caption gives the application title.
void WarningBox(std::string_view text, std::string_view caption);
void ErrorBox(std::string_view text, std::string_view caption);

}  // namespace ui
