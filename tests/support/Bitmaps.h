#pragma once
// .bmp files made from images, for tests that feed pictures to the program.
#include <string>

#include "ui/base/Image.h"

namespace testing_support {

// An uncompressed .bmp file of 24 or 32 bits per pixel, bottom-up unless topDown.
std::string EncodeBmp(const ui::Image& image, int bits = 32, bool topDown = false);

}  // namespace testing_support
