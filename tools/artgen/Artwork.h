#pragma once
// Everything the generator writes, as named files in memory, so the writing stays a thin edge.
#include <string>
#include <string_view>
#include <vector>

#include "Encode.h"

namespace artgen {

struct ArtFile {
  std::string name;  // relative, with '/' for the payload subfolder
  Bytes data;
};

// The wizard's pictures come at their design size and at twice that size for high-DPI screens.
std::vector<ArtFile> MakeArtwork();

// The name of the twice-size drawing of a picture: "banner.jpg" gives "banner_2x.jpg". The program
// finds the larger pictures by this rule.
std::string DoubleSizeName(std::string_view name);

}  // namespace artgen
