#pragma once
// Chooses a folder in the system's folder picker as a user does, for a DialogAnswerer to press OK after.
#include <windows.h>

#include <functional>
#include <string>

namespace testing_support {

inline constexpr wchar_t kFolderPickerTitle[] = L"Browse for Folder";

// Selects `folder` (a folder the picker's tree already shows, such as a sibling of the starting folder)
// in the open picker, and checks that the tree shows it selected: under load Wine's picker now and then
// leaves the selection where it was, and OK would then give the starting folder. Fails the running test
// when the folder cannot be selected.
void ChooseInFolderPicker(const std::string& folder);

// The DialogAnswerer step that chooses `folder` before OK is pressed.
std::function<void(size_t)> ChoosingFolder(std::string folder);

}  // namespace testing_support
