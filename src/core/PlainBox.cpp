#include "core/PlainBox.h"

#include "core/Utf8.h"

namespace core {

int PlainBox(std::string_view text, std::string_view caption, UINT flags) {
  return MessageBoxW(nullptr, Widen(text).c_str(), Widen(caption).c_str(), flags);
}

}  // namespace core
