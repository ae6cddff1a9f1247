#pragma once
// Pictures in memory: decoded from JPEG data or from 32-bit bitmap files, turned into bitmaps.
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "ui/base/Gdi.h"

namespace ui {

// Top-down rows of blue, green, red, alpha bytes (straight alpha).
struct Image {
  int width = 0, height = 0;
  std::vector<uint8_t> bgra;

  bool Empty() const { return width <= 0 || height <= 0; }
  // The pixel at x, y as 0xAARRGGBB.
  uint32_t Pixel(int x, int y) const;
};

// Decodes baseline or progressive JPEG data (grey or colour); none for damaged or foreign data.
std::optional<Image> DecodeJpeg(std::string_view data);
// Reads a .bmp file image of 24 or 32 bits (bottom-up or top-down, uncompressed); none otherwise.
std::optional<Image> DecodeBmp(std::string_view data);
// Encodes an image as JPEG (used to make pictures at build and test time).
std::string EncodeJpeg(const Image& image, int quality);

// The image with every pixel of its bottom-left pixel's colour (the key) turned into the given colour,
// opaque: how a picture with a transparent colour looks on a plain background.
Image ReplaceKeyColour(const Image& image, COLORREF colour);

// A 32-bit top-down DIB section holding the image.
Bitmap MakeBitmap(const Image& image);

// An image list of 32-bit images of one size, in the given order; an empty image stands as a
// transparent one, so the indexes of the others hold. Nothing when the list cannot be made.
ImageList MakeImageList(int width, int height, const std::vector<Image>& images);

}  // namespace ui
