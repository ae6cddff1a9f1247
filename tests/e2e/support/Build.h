#pragma once
// Where the tests find the build: the program, the helper programs and the artwork.
#include <string>

namespace e2e {

// A path below the build folder as the programs under Wine see it; `relative` uses backslashes.
std::string BuildPath(const std::string& relative);

}  // namespace e2e
