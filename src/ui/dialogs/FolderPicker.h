#pragma once
// The system's folder picker.
#include <windows.h>

#include <string>

namespace ui {

// Shows the picker owned by `owner` with the prompt above its tree, opened at `start` when that
// folder exists; the chosen folder, or empty text when the user chose nothing.
std::string PickFolder(HWND owner, const std::string& prompt, const std::string& start);

}  // namespace ui
