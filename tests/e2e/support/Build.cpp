#include "e2e/support/Build.h"

#include <cstdlib>

namespace e2e {

std::string BuildPath(const std::string& relative) {
  const char* root = std::getenv("PRATILO_BINARY_DIR");
  if (!root || !*root) return {};
  std::string path = std::string("Z:") + root;
  for (char& c : path)
    if (c == '/') c = '\\';
  if (path.back() != '\\') path += '\\';
  return path + relative;
}

}  // namespace e2e
