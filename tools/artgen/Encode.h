#pragma once
// File encodings of the artwork: Windows bitmaps and JPEG.
#include <cstdint>
#include <vector>

#include "Raster.h"

namespace artgen {

using Bytes = std::vector<std::uint8_t>;

// 24-bit BI_RGB bitmap, bottom-up rows padded to four bytes, BGR order.
Bytes EncodeBmp24(const RgbImage& image);
// 32-bit BI_RGB bitmap, bottom-up, BGRA with straight alpha in the fourth byte.
Bytes EncodeBmp32(const RgbaImage& image);
// Baseline JPEG with full-resolution chroma (small pictures keep their colour edges).
Bytes EncodeJpeg(const RgbImage& image, int quality);

}  // namespace artgen
