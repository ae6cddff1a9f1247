#pragma once
// A remembered installation choice ("cfgFS9", "cfgFSX"): two digits, variant then resolution.
#include <string_view>

namespace setup {

struct StoredChoice {
  int variant = 0;
  int resolution = 0;
  bool operator==(const StoredChoice&) const = default;
};

// A text that is not exactly two characters long counts as "00"; a character that is no digit gives 0.
StoredChoice ReadStoredChoice(std::string_view text);

}  // namespace setup
