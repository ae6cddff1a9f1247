#include "setup/StoredChoice.h"

#include "core/Utf8.h"
#include "core/ValueParse.h"

namespace setup {

StoredChoice ReadStoredChoice(std::string_view text) {
  // Characters, not bytes: an accented letter is one character of the stored text.
  std::wstring wide = core::Widen(text);
  if (wide.size() != 2) return {};
  auto digit = [](wchar_t c) {
    return static_cast<int>(core::TextToValue(core::Narrow(std::wstring(1, c))).AsReal());
  };
  return {digit(wide[0]), digit(wide[1])};
}

}  // namespace setup
