#pragma once
// The build passes the artwork folder as a host path; under Wine that host root is drive Z:.
#include <string>
#include <string_view>

namespace artgen {

// "/a/b" becomes "Z:\a\b"; Windows paths (drive or UNC) and relative paths keep their form,
// with forward slashes turned into backslashes.
std::wstring ToWindowsPath(std::wstring_view path);

}  // namespace artgen
