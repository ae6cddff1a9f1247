#include "support/FolderPickerChoice.h"

#include <commctrl.h>
#include <gtest/gtest.h>
#include <shlobj.h>

#include "core/FolderNames.h"
#include "core/Utf8.h"

namespace testing_support {
namespace {

HTREEITEM Next(HWND tree, UINT relation, HTREEITEM from) {
  return reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(from)));
}

std::wstring TextOf(HWND tree, HTREEITEM item) {
  wchar_t text[MAX_PATH] = {};
  TVITEMW tv{};
  tv.mask = TVIF_TEXT;
  tv.hItem = item;
  tv.pszText = text;
  tv.cchTextMax = MAX_PATH;
  if (!item || !SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&tv))) return {};
  return text;
}

// The item shown as `leaf` under an item shown as `parent`, among those the tree has filled in.
HTREEITEM FindItem(HWND tree, HTREEITEM under, const std::wstring& parent, const std::wstring& leaf) {
  for (HTREEITEM child = Next(tree, TVGN_CHILD, under); child; child = Next(tree, TVGN_NEXT, child)) {
    if (TextOf(tree, child) == leaf && TextOf(tree, under) == parent) return child;
    if (HTREEITEM found = FindItem(tree, child, parent, leaf)) return found;
  }
  return nullptr;
}

}  // namespace

void ChooseInFolderPicker(const std::string& folder) {
  const std::wstring path = core::Widen(core::RemoveBackslash(folder));
  const size_t slash = path.find_last_of(L'\\');
  const std::wstring leaf = path.substr(slash + 1);
  const std::wstring parentPath = path.substr(0, slash);
  const std::wstring parent = parentPath.substr(parentPath.find_last_of(L'\\') + 1);
  HWND picker = FindWindowW(nullptr, kFolderPickerTitle);
  HWND tree = FindWindowExW(picker, nullptr, WC_TREEVIEWW, nullptr);
  auto chosen = [&] { return TextOf(tree, Next(tree, TVGN_CARET, nullptr)) == leaf; };
  for (int attempt = 0; attempt < 100; ++attempt) {
    SendMessageW(picker, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(path.c_str()));
    if (chosen()) return;
    // Under load Wine's picker now and then fails to find a folder its tree already shows; a user clicks it.
    if (HTREEITEM item = FindItem(tree, TVI_ROOT, parent, leaf))
      SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
    if (chosen()) return;
    Sleep(50);
  }
  ADD_FAILURE() << "the folder picker would not select " << folder;
}

std::function<void(size_t)> ChoosingFolder(std::string folder) {
  return [folder = std::move(folder)](size_t) { ChooseInFolderPicker(folder); };
}

}  // namespace testing_support
