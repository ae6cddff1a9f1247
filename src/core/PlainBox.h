#pragma once
// The one plain message box of the bottom layer, for what must be said before any window of the
// program exists (or after the last one has gone): no owner, the given flags.
#include <string_view>

#include <windows.h>

namespace core {

int PlainBox(std::string_view text, std::string_view caption, UINT flags);

}  // namespace core
