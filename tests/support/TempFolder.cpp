#include "support/TempFolder.h"

#include <windows.h>

#include <algorithm>
#include <atomic>

#include "support/Text.h"

namespace testing_support {


namespace {

std::wstring WithoutTrailingSlash(const std::string& path) {
  std::wstring p = Widen(path);
  while (p.size() > 3 && (p.back() == L'\\' || p.back() == L'/')) p.pop_back();
  return p;
}

void RemoveRecursive(const std::wstring& path) {
  const DWORD attr = GetFileAttributesW(path.c_str());
  if (attr == INVALID_FILE_ATTRIBUTES) return;
  SetFileAttributesW(path.c_str(), (attr & FILE_ATTRIBUTE_DIRECTORY) ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_NORMAL);
  if (!(attr & FILE_ATTRIBUTE_DIRECTORY)) {
    DeleteFileW(path.c_str());
    return;
  }
  WIN32_FIND_DATAW fd;
  HANDLE h = FindFirstFileW((path + L"\\*").c_str(), &fd);
  if (h != INVALID_HANDLE_VALUE) {
    do {
      if (wcscmp(fd.cFileName, L".") && wcscmp(fd.cFileName, L"..")) RemoveRecursive(path + L"\\" + fd.cFileName);
    } while (FindNextFileW(h, &fd));
    FindClose(h);
  }
  RemoveDirectoryW(path.c_str());
}

void CreateParents(const std::wstring& path) {
  for (size_t cut = path.find(L'\\', 3); cut != std::wstring::npos; cut = path.find(L'\\', cut + 1))
    CreateDirectoryW(path.substr(0, cut).c_str(), nullptr);
}

void ListInto(const std::wstring& folder, const std::string& prefix, std::vector<std::string>& out) {
  WIN32_FIND_DATAW d;
  HANDLE h = FindFirstFileW((folder + L"\\*").c_str(), &d);
  if (h == INVALID_HANDLE_VALUE) return;
  do {
    std::wstring name = d.cFileName;
    if (name == L"." || name == L"..") continue;
    std::string relative = prefix + Narrow(name);
    if (d.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      out.push_back(relative + "/");
      ListInto(folder + L"\\" + name, relative + "/", out);
    } else {
      out.push_back(relative);
    }
  } while (FindNextFileW(h, &d));
  FindClose(h);
}

}  // namespace

TempFolder::TempFolder(const std::string& label) {
  static std::atomic<int> counter{0};
  wchar_t buf[MAX_PATH];
  GetTempPathW(MAX_PATH, buf);
  path_ = Narrow(buf) + "pratilo-" + label + "-" + std::to_string(GetCurrentProcessId()) + "-" +
          std::to_string(counter++) + "\\";
  RemoveTree(path_);
  CreateDirectoryW(Widen(path_).c_str(), nullptr);
}

TempFolder::~TempFolder() { RemoveTree(path_); }

void RemoveTree(const std::string& path) { RemoveRecursive(WithoutTrailingSlash(path)); }

bool WriteFileBytes(const std::string& path, const std::string& bytes) {
  const std::wstring w = Widen(path);
  SetFileAttributesW(w.c_str(), FILE_ATTRIBUTE_NORMAL);
  HANDLE h = CreateFileW(w.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE && GetLastError() == ERROR_PATH_NOT_FOUND) {
    CreateParents(w);
    h = CreateFileW(w.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  }
  if (h == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const BOOL ok = bytes.empty() || WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(h);
  return ok && written == bytes.size();
}

std::string ReadFileBytes(const std::string& path) {
  HANDLE h = CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                         OPEN_EXISTING, 0, nullptr);
  if (h == INVALID_HANDLE_VALUE) return {};
  LARGE_INTEGER size{};
  GetFileSizeEx(h, &size);
  std::string data(static_cast<size_t>(size.QuadPart), '\0');
  DWORD read = 0;
  if (!data.empty()) ReadFile(h, data.data(), static_cast<DWORD>(data.size()), &read, nullptr);
  CloseHandle(h);
  data.resize(read);
  return data;
}

bool FileExists(const std::string& path) {
  const uint32_t a = Attributes(path);
  return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderExists(const std::string& path) {
  const uint32_t a = Attributes(path);
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

bool PathExists(const std::string& path) { return Attributes(path) != INVALID_FILE_ATTRIBUTES; }

uint32_t Attributes(const std::string& path) { return GetFileAttributesW(Widen(path).c_str()); }

void SetAttributes(const std::string& path, uint32_t attributes) { SetFileAttributesW(Widen(path).c_str(), attributes); }

std::vector<std::string> ListTree(const std::string& folder) {
  std::vector<std::string> out;
  ListInto(WithoutTrailingSlash(folder), "", out);
  std::sort(out.begin(), out.end());
  return out;
}

}  // namespace testing_support
