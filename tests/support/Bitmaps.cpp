#include "support/Bitmaps.h"

#include <cstdint>

namespace testing_support {

std::string EncodeBmp(const ui::Image& image, int bits, bool topDown) {
  const size_t stride = (static_cast<size_t>(image.width) * bits / 8 + 3) & ~size_t{3};
  std::string data(54 + stride * image.height, '\0');
  auto put32 = [&](size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) data[at + i] = static_cast<char>(v >> (8 * i));
  };
  data[0] = 'B';
  data[1] = 'M';
  put32(2, static_cast<uint32_t>(data.size()));
  put32(10, 54);
  put32(14, 40);
  put32(18, static_cast<uint32_t>(image.width));
  put32(22, static_cast<uint32_t>(topDown ? -image.height : image.height));
  data[26] = 1;
  data[28] = static_cast<char>(bits);
  for (int y = 0; y < image.height; ++y) {
    const size_t row = 54 + stride * (topDown ? y : image.height - 1 - y);
    for (int x = 0; x < image.width; ++x)
      for (int c = 0; c < bits / 8; ++c)
        data[row + x * (bits / 8) + c] =
            static_cast<char>(image.bgra[(static_cast<size_t>(y) * image.width + x) * 4 + c]);
  }
  return data;
}

}  // namespace testing_support
