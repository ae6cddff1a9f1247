#pragma once
// Where the tests find the build: the program, the helper programs, the artwork and the payload.
#include <string>

namespace testing_support {

// A path below the build folder as the programs under Wine see it; `relative` uses backslashes.
std::string BuildPath(const std::string& relative);

}  // namespace testing_support
