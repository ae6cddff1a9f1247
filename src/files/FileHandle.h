#pragma once
// An owned Win32 file handle with the few exact-size operations the archive code needs.
#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "core/PathTests.h"

namespace files {

class FileHandle {
 public:
  FileHandle() = default;
  explicit FileHandle(HANDLE h) : h_(h) {}
  FileHandle(FileHandle&& o) noexcept : h_(std::exchange(o.h_, INVALID_HANDLE_VALUE)) {}
  FileHandle& operator=(FileHandle&& o) noexcept {
    if (this != &o) {
      Close();
      h_ = std::exchange(o.h_, INVALID_HANDLE_VALUE);
    }
    return *this;
  }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  ~FileHandle() { Close(); }

  static FileHandle Open(const std::wstring& path, DWORD access, DWORD share, DWORD disposition,
                         DWORD flags = FILE_ATTRIBUTE_NORMAL) {
    return FileHandle(CreateFileW(path.c_str(), access, share, nullptr, disposition, flags, nullptr));
  }

  bool Valid() const { return h_ != INVALID_HANDLE_VALUE && h_ != nullptr; }
  HANDLE Get() const { return h_; }
  void Close() {
    if (Valid()) CloseHandle(h_);
    h_ = INVALID_HANDLE_VALUE;
  }

  bool Size(uint64_t& size) const {
    LARGE_INTEGER li;
    if (!GetFileSizeEx(h_, &li)) return false;
    size = static_cast<uint64_t>(li.QuadPart);
    return true;
  }
  bool Seek(uint64_t pos) const {
    LARGE_INTEGER li;
    li.QuadPart = static_cast<LONGLONG>(pos);
    return SetFilePointerEx(h_, li, nullptr, FILE_BEGIN) != 0;
  }
  bool Position(uint64_t& pos) const {
    LARGE_INTEGER zero{}, out{};
    if (!SetFilePointerEx(h_, zero, &out, FILE_CURRENT)) return false;
    pos = static_cast<uint64_t>(out.QuadPart);
    return true;
  }
  // Reads up to n bytes (less only at the end of the file); false on an I/O error.
  bool Read(void* data, size_t n, size_t& got) const;
  bool ReadExact(void* data, size_t n) const {
    size_t got = 0;
    return Read(data, n, got) && got == n;
  }
  bool ReadAt(uint64_t pos, void* data, size_t n) const { return Seek(pos) && ReadExact(data, n); }
  bool WriteAll(const void* data, size_t n) const;
  bool Truncate(uint64_t size) const { return Seek(size) && SetEndOfFile(h_) != 0; }
  bool Flush() const { return FlushFileBuffers(h_) != 0; }

 private:
  HANDLE h_ = INVALID_HANDLE_VALUE;
};

// True when `name` is one of the temporary files made beside `targetName`: the target's name,
// ".~", eight hex digits and ".tmp" (both names without folder; letters in any case).
bool IsTempNameFor(std::wstring_view targetName, std::wstring_view name);

// A new, empty file beside `target` whose name no other file has (created with CREATE_NEW, with the
// given attributes), open for reading, writing and RenameOver. Returns the handle and sets `path`; an
// invalid handle when nothing could be created. Temporary files of `target` that a killed run left
// behind are removed first; one still open is left alone.
FileHandle CreateTempBeside(const std::wstring& target, std::wstring& path,
                            DWORD attributes = FILE_ATTRIBUTE_NORMAL);

// Gives the open file the name `target` (a full path on the same volume), replacing a file of that
// name at once, as MoveFileExW with MOVEFILE_REPLACE_EXISTING would: renaming through the handle
// spares opening the file again by its name. False, with nothing changed, when the target is a
// folder, read-only or open in another program. The handle must have been opened with DELETE access.
bool RenameOver(const FileHandle& file, const std::wstring& target);

// Full path of a name (relative names against the current directory); the name itself on failure.
std::wstring FullPath(const std::wstring& name);
using core::FileExists;
using core::FolderExists;

}  // namespace files
