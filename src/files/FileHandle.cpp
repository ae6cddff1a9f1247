#include "files/FileHandle.h"

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <cstring>
#include <cwctype>
#include <vector>

namespace files {

bool FileHandle::Read(void* data, size_t n, size_t& got) const {
  got = 0;
  auto* p = static_cast<uint8_t*>(data);
  while (got < n) {
    DWORD chunk = static_cast<DWORD>(std::min<size_t>(n - got, 1u << 30));
    DWORD read = 0;
    if (!ReadFile(h_, p + got, chunk, &read, nullptr)) return false;
    if (read == 0) break;
    got += read;
  }
  return true;
}

bool FileHandle::WriteAll(const void* data, size_t n) const {
  auto* p = static_cast<const uint8_t*>(data);
  while (n > 0) {
    DWORD chunk = static_cast<DWORD>(std::min<size_t>(n, 1u << 30));
    DWORD written = 0;
    if (!WriteFile(h_, p, chunk, &written, nullptr) || written == 0) return false;
    p += written;
    n -= written;
  }
  return true;
}

bool IsTempNameFor(std::wstring_view targetName, std::wstring_view name) {
  constexpr size_t kSuffix = 2 + 8 + 4;  // ".~" + hex + ".tmp"
  if (targetName.empty() || name.size() != targetName.size() + kSuffix) return false;
  if (CompareStringOrdinal(name.data(), static_cast<int>(targetName.size()), targetName.data(),
                           static_cast<int>(targetName.size()), TRUE) != CSTR_EQUAL)
    return false;
  std::wstring_view rest = name.substr(targetName.size());
  if (rest.substr(0, 2) != L".~" || CompareStringOrdinal(rest.data() + 10, 4, L".tmp", 4, TRUE) != CSTR_EQUAL)
    return false;
  return std::all_of(rest.begin() + 2, rest.begin() + 10, [](wchar_t c) { return iswxdigit(c) != 0; });
}

namespace {

// A temporary file is held without sharing while it is written, so only abandoned ones can be deleted.
void RemoveStaleTemps(const std::wstring& target) {
  size_t slash = target.find_last_of(L"\\/");
  std::wstring folder = slash == std::wstring::npos ? std::wstring() : target.substr(0, slash + 1);
  std::wstring targetName = target.substr(folder.size());
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((target + L".~*.tmp").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && IsTempNameFor(targetName, found.cFileName))
      DeleteFileW((folder + found.cFileName).c_str());
  } while (FindNextFileW(search, &found));
  FindClose(search);
}

}  // namespace

FileHandle CreateTempBeside(const std::wstring& target, std::wstring& path, DWORD attributes) {
  RemoveStaleTemps(target);
  static std::atomic<unsigned> counter{0};
  for (int attempt = 0; attempt < 100; ++attempt) {
    unsigned n = counter.fetch_add(1) ^ (GetCurrentProcessId() << 12) ^ GetTickCount();
    wchar_t suffix[32];
    swprintf(suffix, 32, L".~%08x.tmp", n);
    path = target + suffix;
    FileHandle h = FileHandle::Open(path, GENERIC_READ | GENERIC_WRITE | DELETE, 0, CREATE_NEW, attributes);
    if (h.Valid()) return h;
    if (GetLastError() != ERROR_FILE_EXISTS && GetLastError() != ERROR_ALREADY_EXISTS) break;
  }
  path.clear();
  return FileHandle();
}

bool RenameOver(const FileHandle& file, const std::wstring& target) {
  // Windows refuses to replace a read-only file; Wine renames over it unless asked first.
  const DWORD existing = GetFileAttributesW(target.c_str());
  if (existing != INVALID_FILE_ATTRIBUTES && (existing & FILE_ATTRIBUTE_READONLY)) {
    SetLastError(ERROR_ACCESS_DENIED);
    return false;
  }
  const size_t nameBytes = target.size() * sizeof(wchar_t);
  std::vector<uint8_t> buffer(offsetof(FILE_RENAME_INFO, FileName) + nameBytes + sizeof(wchar_t));
  auto* info = reinterpret_cast<FILE_RENAME_INFO*>(buffer.data());
  info->ReplaceIfExists = TRUE;
  info->RootDirectory = nullptr;
  info->FileNameLength = static_cast<DWORD>(nameBytes);
  std::memcpy(info->FileName, target.data(), nameBytes);
  return SetFileInformationByHandle(file.Get(), FileRenameInfo, info, static_cast<DWORD>(buffer.size())) != 0;
}

std::wstring FullPath(const std::wstring& name) {
  if (name.empty()) return name;
  DWORD n = GetFullPathNameW(name.c_str(), 0, nullptr, nullptr);
  if (n == 0) return name;
  std::wstring out(n, L'\0');
  n = GetFullPathNameW(name.c_str(), n, out.data(), nullptr);
  out.resize(n);
  return out;
}

}  // namespace files
