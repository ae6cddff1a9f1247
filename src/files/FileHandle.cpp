#include "files/FileHandle.h"

#include <algorithm>
#include <atomic>

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

FileHandle CreateTempBeside(const std::wstring& target, std::wstring& path) {
  static std::atomic<unsigned> counter{0};
  for (int attempt = 0; attempt < 100; ++attempt) {
    unsigned n = counter.fetch_add(1) ^ (GetCurrentProcessId() << 12) ^ GetTickCount();
    wchar_t suffix[32];
    swprintf(suffix, 32, L".~%08x.tmp", n);
    path = target + suffix;
    FileHandle h = FileHandle::Open(path, GENERIC_READ | GENERIC_WRITE, 0, CREATE_NEW);
    if (h.Valid()) return h;
    if (GetLastError() != ERROR_FILE_EXISTS && GetLastError() != ERROR_ALREADY_EXISTS) break;
  }
  path.clear();
  return FileHandle();
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

bool FileExists(const std::wstring& path) {
  DWORD a = GetFileAttributesW(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderExists(const std::wstring& path) {
  DWORD a = GetFileAttributesW(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace files
