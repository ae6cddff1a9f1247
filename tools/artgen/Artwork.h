#pragma once
// Everything the generator writes, as named files in memory, so the writing stays a thin edge.
#include <string>
#include <vector>

#include "Encode.h"

namespace artgen {

struct ArtFile {
  std::string name;  // relative, with '/' for the payload subfolder
  Bytes data;
};

std::vector<ArtFile> MakeArtwork();

}  // namespace artgen
