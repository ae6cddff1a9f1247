#include "TestGrid.h"

#include <cmath>
#include <cstring>

namespace artgen {
namespace {

// 5 x 7 font: seven rows of five bits, the high bit on the left.
struct FontChar {
  char ch;
  std::uint8_t rows[7];
};
constexpr FontChar kFont[] = {
    {'0', {0x0E, 0x11, 0x13, 0x15, 0x19, 0x11, 0x0E}}, {'1', {0x04, 0x0C, 0x04, 0x04, 0x04, 0x04, 0x0E}},
    {'2', {0x0E, 0x11, 0x01, 0x02, 0x04, 0x08, 0x1F}}, {'3', {0x1F, 0x02, 0x04, 0x02, 0x01, 0x11, 0x0E}},
    {'4', {0x02, 0x06, 0x0A, 0x12, 0x1F, 0x02, 0x02}}, {'5', {0x1F, 0x10, 0x1E, 0x01, 0x01, 0x11, 0x0E}},
    {'6', {0x06, 0x08, 0x10, 0x1E, 0x11, 0x11, 0x0E}}, {'7', {0x1F, 0x01, 0x02, 0x04, 0x08, 0x08, 0x08}},
    {'8', {0x0E, 0x11, 0x11, 0x0E, 0x11, 0x11, 0x0E}}, {'9', {0x0E, 0x11, 0x11, 0x0F, 0x01, 0x02, 0x0C}},
    {'A', {0x0E, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x11}}, {'B', {0x1E, 0x11, 0x11, 0x1E, 0x11, 0x11, 0x1E}},
    {'C', {0x0E, 0x11, 0x10, 0x10, 0x10, 0x11, 0x0E}}, {'D', {0x1C, 0x12, 0x11, 0x11, 0x11, 0x12, 0x1C}},
    {'E', {0x1F, 0x10, 0x10, 0x1E, 0x10, 0x10, 0x1F}}, {'F', {0x1F, 0x10, 0x10, 0x1E, 0x10, 0x10, 0x10}},
    {'G', {0x0E, 0x11, 0x10, 0x17, 0x11, 0x11, 0x0F}}, {'H', {0x11, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x11}},
    {'I', {0x0E, 0x04, 0x04, 0x04, 0x04, 0x04, 0x0E}}, {'J', {0x07, 0x02, 0x02, 0x02, 0x02, 0x12, 0x0C}},
    {'K', {0x11, 0x12, 0x14, 0x18, 0x14, 0x12, 0x11}}, {'L', {0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x1F}},
    {'M', {0x11, 0x1B, 0x15, 0x15, 0x11, 0x11, 0x11}}, {'N', {0x11, 0x11, 0x19, 0x15, 0x13, 0x11, 0x11}},
    {'O', {0x0E, 0x11, 0x11, 0x11, 0x11, 0x11, 0x0E}}, {'P', {0x1E, 0x11, 0x11, 0x1E, 0x10, 0x10, 0x10}},
    {'Q', {0x0E, 0x11, 0x11, 0x11, 0x15, 0x12, 0x0D}}, {'R', {0x1E, 0x11, 0x11, 0x1E, 0x14, 0x12, 0x11}},
    {'S', {0x0F, 0x10, 0x10, 0x0E, 0x01, 0x01, 0x1E}}, {'T', {0x1F, 0x04, 0x04, 0x04, 0x04, 0x04, 0x04}},
    {'U', {0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x0E}}, {'V', {0x11, 0x11, 0x11, 0x11, 0x11, 0x0A, 0x04}},
    {'W', {0x11, 0x11, 0x11, 0x15, 0x15, 0x15, 0x0A}}, {'X', {0x11, 0x11, 0x0A, 0x04, 0x0A, 0x11, 0x11}},
    {'Y', {0x11, 0x11, 0x11, 0x0A, 0x04, 0x04, 0x04}}, {'Z', {0x1F, 0x01, 0x02, 0x04, 0x08, 0x10, 0x1F}},
};

const FontChar* Find(char ch) {
  for (const FontChar& f : kFont)
    if (f.ch == ch) return &f;
  return nullptr;
}

void FillRect(FloatImage& image, int x0, int y0, int x1, int y1, Color color) {
  for (int y = std::max(0, y0); y < std::min(image.height, y1); ++y)
    for (int x = std::max(0, x0); x < std::min(image.width, x1); ++x) image.At(x, y) = color;
}

// Pastel hue for row `row` of 8: warm at the top, cool at the bottom, so the orientation shows.
Color RowTint(int row) {
  static constexpr Color kTints[8] = {Rgb8(236, 170, 160), Rgb8(236, 196, 150), Rgb8(228, 222, 150),
                                      Rgb8(182, 222, 150), Rgb8(150, 214, 180), Rgb8(150, 204, 222),
                                      Rgb8(160, 176, 232), Rgb8(196, 166, 226)};
  return kTints[row];
}

}  // namespace

void DrawText(FloatImage& image, int x, int y, const char* text, int scale, Color color) {
  for (std::size_t n = 0; n < std::strlen(text); ++n) {
    const FontChar* f = Find(text[n]);
    int left = x + int(n) * 6 * scale;
    if (!f) continue;
    for (int row = 0; row < 7; ++row)
      for (int col = 0; col < 5; ++col)
        if (f->rows[row] & (0x10 >> col))
          FillRect(image, left + col * scale, y + row * scale, left + (col + 1) * scale, y + (row + 1) * scale,
                   color);
  }
}

FloatImage MakeTestGrid(int size) {
  FloatImage image(size, size);
  const int cell = size / 8, fine = size / 32;
  const Color ink = Rgb8(24, 24, 32);
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      int row = y / cell, col = x / cell;
      Color tint = RowTint(row);
      image.At(x, y) = (row + col) % 2 ? tint * 0.8f : tint;
    }
  const int thin = std::max(1, size / 512), thick = std::max(2, size / 128);
  for (int k = 0; k < 32; ++k) {
    int p = k * fine;
    bool major = k % 4 == 0;
    int w = major ? thick : thin;
    Color c = major ? ink : ink * 3.0f;
    // Lines centred on the cell boundary; the ones at 0 wrap to the far edge, so tiles join cleanly.
    FillRect(image, p - w / 2, 0, p + (w + 1) / 2, size, c);
    FillRect(image, 0, p - w / 2, size, p + (w + 1) / 2, c);
    if (p == 0) {
      FillRect(image, size - w / 2, 0, size, size, c);
      FillRect(image, 0, size - w / 2, size, size, c);
    }
  }
  // Tile edges: red along the top, blue along the left, inside the tile so each repeat shows them.
  const int band = std::max(2, size / 64), edge = (thick + 1) / 2;
  FillRect(image, edge, edge, size - thick / 2, edge + band, Rgb8(220, 30, 30));
  FillRect(image, edge, edge, edge + band, size - thick / 2, Rgb8(30, 60, 220));

  // Labels on light plates, so the lines do not cut through the letters.
  const int scale = std::max(1, size / 256);
  const int textWidth = 11 * scale, textHeight = 7 * scale, margin = 3 * scale;
  const int plateWidth = textWidth + 2 * margin, plateHeight = textHeight + 2 * margin;
  for (int row = 0; row < 8; ++row)
    for (int col = 0; col < 8; ++col) {
      char label[3] = {char('A' + col), char('1' + row), 0};
      int left = col * cell + (cell - plateWidth) / 2, top = row * cell + (cell - plateHeight) / 2 + cell / 10;
      FillRect(image, left - scale / 2 - 1, top - scale / 2 - 1, left + plateWidth + scale / 2 + 1,
               top + plateHeight + scale / 2 + 1, ink);
      FillRect(image, left, top, left + plateWidth, top + plateHeight, Mix(RowTint(row), Color{1, 1, 1}, 0.6f));
      DrawText(image, left + margin, top + margin, label, scale, ink);
    }
  // North arrow in A1, above its label: a triangle over a shaft, pointing to the top edge.
  const Color arrowRed = Rgb8(200, 20, 20);
  const int cx = cell / 2, top = cell / 8, head = cell / 6;
  for (int y = 0; y < head; ++y) {
    int half = (y * cell / 8) / head;
    FillRect(image, cx - half, top + y, cx + half + 1, top + y + 1, arrowRed);
  }
  FillRect(image, cx - cell / 40, top + head, cx + cell / 40 + 1, top + head + cell / 8, arrowRed);
  DrawText(image, cx + cell / 8, top + head / 2, "N", std::max(1, scale * 3 / 4), ink);
  return image;
}

}  // namespace artgen
