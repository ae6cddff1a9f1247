#pragma once
// The payload entry an installation takes, read both ways, and the choice it leaves remembered.
#include <optional>
#include <string>
#include <string_view>

#include "setup/Simulator.h"

namespace setup {

inline constexpr int kTestGridIndex = 5;  // the variant item that has no resolution
// The resolution items, in the order of their indexes.
inline constexpr const char* kResolutionItems[] = {"1024", "512", "256"};

// "T" + (variant + 1), then "_" + the resolution item's text unless it is the test grid, then
// ".bmp": "T2_512.bmp", "T6.bmp".
std::string EntryName(int variantIndex, bool testGrid, std::string_view resolutionItem);

// What an entry name stands for: "T2_512.bmp" is variant index 1 at "512"; "T6.bmp" the test grid.
struct EntryChoice {
  int variantIndex = 0;
  std::string resolution;  // empty for the test grid
  bool operator==(const EntryChoice&) const = default;
};
std::optional<EntryChoice> ReadEntryName(std::string_view name);

// The choice remembered after an installation: variant and resolution indexes as decimal text, one
// after the other ("42"), under "cfgFS9" for FS2004 and "cfgFSX" otherwise.
std::string ChoiceText(int variantIndex, int resolutionIndex);
const char* ChoiceSetting(Simulator simulator);

}  // namespace setup
