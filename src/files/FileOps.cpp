#include "files/FileOps.h"

#include <windows.h>
#include <shellapi.h>

#include "core/FolderNames.h"
#include "core/MessagePump.h"
#include "core/Utf8.h"
#include "files/FileHandle.h"

namespace files {
namespace {

constexpr DWORD kGuardBits = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

// The shell's rename, as the installer has always made it: silent, no confirmation, undoable.
bool ShellRenameRequest(const std::wstring& source, const std::wstring& target) {
  std::wstring from = source + L'\0';  // lists end with two NULs; c_str() adds the second
  std::wstring to = target + L'\0';
  SHFILEOPSTRUCTW op{};
  op.wFunc = FO_RENAME;
  op.pFrom = from.c_str();
  op.pTo = to.c_str();
  op.fFlags = FOF_SILENT | FOF_NOCONFIRMATION | FOF_ALLOWUNDO | FOF_NOCONFIRMMKDIR;  // 596
  return SHFileOperationW(&op) == 0;
}

}  // namespace

uint32_t ClearReadOnly(std::string_view fileName) {
  std::wstring name = core::Widen(fileName);
  if (!FileExists(name)) return 0;
  DWORD before = GetFileAttributesW(name.c_str());
  DWORD after = before & ~kGuardBits;
  SetFileAttributesW(name.c_str(), after ? after : FILE_ATTRIBUTE_NORMAL);
  return before;
}

bool RemoveFile(std::string_view fileName) {
  std::wstring name = core::Widen(fileName);
  if (!FileExists(name)) return false;
  SetFileAttributesW(name.c_str(), FILE_ATTRIBUTE_NORMAL);
  if (DeleteFileW(name.c_str())) return true;
  core::ProcessMessages();
  return DeleteFileW(name.c_str()) != 0;
}

bool ShellRename(std::string_view sourceName, std::string_view targetName) {
  std::wstring source = core::Widen(core::RemoveBackslash(sourceName));
  std::wstring target = core::Widen(core::RemoveBackslash(targetName));
  DWORD sourceBefore = GetFileAttributesW(source.c_str());
  if (sourceBefore == INVALID_FILE_ATTRIBUTES) return false;
  bool sourceIsFolder = sourceBefore & FILE_ATTRIBUTE_DIRECTORY;
  DWORD remembered = sourceIsFolder ? 0 : ClearReadOnly(core::Narrow(source));

  bool done;
  if (FileExists(target)) {
    // Replaced in one step, so that a failed rename never leaves the simulator without its file.
    DWORD targetBefore = GetFileAttributesW(target.c_str());
    SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_NORMAL);
    done = MoveFileExW(source.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
    if (!done) SetFileAttributesW(target.c_str(), targetBefore);
  } else {
    done = ShellRenameRequest(source, target);
  }
  if (done) {
    SetFileAttributesW(target.c_str(), remembered ? remembered : FILE_ATTRIBUTE_NORMAL);
  } else if (!sourceIsFolder) {
    SetFileAttributesW(source.c_str(), sourceBefore);  // the source keeps its name, and its attributes
  }
  return done;
}

bool CanReplaceFile(std::string_view fileName) {
  std::wstring name = core::Widen(fileName);
  if (!FileExists(name)) return true;
  // No sharing at all: any other open handle on the file conflicts, as it would with the rename.
  FileHandle probe = FileHandle::Open(name, GENERIC_WRITE | DELETE, 0, OPEN_EXISTING);
  if (probe.Valid()) return true;
  DWORD error = GetLastError();
  return error != ERROR_SHARING_VIOLATION && error != ERROR_LOCK_VIOLATION;
}

}  // namespace files
