#include "support/Build.h"

#include <windows.h>

#include <cstdlib>

#include "support/Text.h"

namespace testing_support {
namespace {

// The build folder: from the test environment, or else the folder above the test program's own
// (test programs lie in <build>\bin).
std::string BuildFolder() {
  if (const char* root = std::getenv("PRATILO_BINARY_DIR"); root && *root) {
    std::string path = std::string("Z:") + root;
    for (char& c : path)
      if (c == '/') c = '\\';
    return path.back() == '\\' ? path : path + '\\';
  }
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::string path = Narrow(self);
  path.resize(path.find_last_of('\\'));  // <build>\bin
  path.resize(path.find_last_of('\\') + 1);
  return path;
}

}  // namespace

std::string BuildPath(const std::string& relative) {
  static const std::string folder = BuildFolder();
  return folder + relative;
}

}  // namespace testing_support
