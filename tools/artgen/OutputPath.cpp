#include "OutputPath.h"

namespace artgen {

std::wstring ToWindowsPath(std::wstring_view path) {
  std::wstring out;
  // A single leading slash is a host path; two are a UNC name and stay as they are.
  if (path.size() >= 1 && path[0] == L'/' && !(path.size() >= 2 && path[1] == L'/')) out = L"Z:";
  for (wchar_t ch : path) out.push_back(ch == L'/' ? L'\\' : ch);
  return out;
}

}  // namespace artgen
