#include "Encode.h"

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include <jpeglib.h>

namespace artgen {
namespace {

void Put16(Bytes& out, std::uint32_t v) {
  out.push_back(std::uint8_t(v));
  out.push_back(std::uint8_t(v >> 8));
}

void Put32(Bytes& out, std::uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

// BITMAPFILEHEADER + BITMAPINFOHEADER for a bottom-up BI_RGB image.
Bytes BitmapHeaders(int width, int height, int bitsPerPixel, std::uint32_t imageSize) {
  constexpr std::uint32_t kHeaders = 14 + 40;
  Bytes out;
  out.reserve(kHeaders + imageSize);
  out.push_back('B');
  out.push_back('M');
  Put32(out, kHeaders + imageSize);
  Put32(out, 0);  // reserved
  Put32(out, kHeaders);
  Put32(out, 40);
  Put32(out, std::uint32_t(width));
  Put32(out, std::uint32_t(height));  // positive: bottom-up
  Put16(out, 1);                      // planes
  Put16(out, std::uint32_t(bitsPerPixel));
  Put32(out, 0);                      // BI_RGB
  Put32(out, imageSize);
  Put32(out, 2835);                   // 72 dpi
  Put32(out, 2835);
  Put32(out, 0);
  Put32(out, 0);
  return out;
}

}  // namespace

Bytes EncodeBmp24(const RgbImage& image) {
  const std::uint32_t stride = (std::uint32_t(image.width) * 3 + 3) & ~3u;
  Bytes out = BitmapHeaders(image.width, image.height, 24, stride * std::uint32_t(image.height));
  for (int y = image.height - 1; y >= 0; --y) {
    const std::uint8_t* row = &image.rgb[std::size_t(y) * image.width * 3];
    for (int x = 0; x < image.width; ++x) {
      out.push_back(row[x * 3 + 2]);
      out.push_back(row[x * 3 + 1]);
      out.push_back(row[x * 3]);
    }
    for (std::uint32_t pad = std::uint32_t(image.width) * 3; pad < stride; ++pad) out.push_back(0);
  }
  return out;
}

Bytes EncodeBmp32(const RgbaImage& image) {
  const std::uint32_t stride = std::uint32_t(image.width) * 4;
  Bytes out = BitmapHeaders(image.width, image.height, 32, stride * std::uint32_t(image.height));
  for (int y = image.height - 1; y >= 0; --y) {
    for (int x = 0; x < image.width; ++x) {
      const std::uint8_t* p = image.At(x, y);
      out.insert(out.end(), {p[2], p[1], p[0], p[3]});
    }
  }
  return out;
}

namespace {

[[noreturn]] void ThrowJpegError(j_common_ptr info) {
  char message[JMSG_LENGTH_MAX];
  (*info->err->format_message)(info, message);
  throw std::runtime_error(std::string("JPEG encoding failed: ") + message);
}

// Frees the compressor and the library's output buffer on every path, errors included.
struct Compressor {
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  unsigned char* buffer = nullptr;
  unsigned long size = 0;

  Compressor() {
    info.err = jpeg_std_error(&errors);
    errors.error_exit = ThrowJpegError;
    jpeg_create_compress(&info);
  }
  ~Compressor() {
    jpeg_destroy_compress(&info);
    std::free(buffer);
  }
};

}  // namespace

Bytes EncodeJpeg(const RgbImage& image, int quality) {
  Compressor c;
  jpeg_mem_dest(&c.info, &c.buffer, &c.size);
  c.info.image_width = JDIMENSION(image.width);
  c.info.image_height = JDIMENSION(image.height);
  c.info.input_components = 3;
  c.info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&c.info);
  jpeg_set_quality(&c.info, quality, TRUE);
  c.info.optimize_coding = TRUE;
  for (int i = 0; i < c.info.num_components; ++i) {
    c.info.comp_info[i].h_samp_factor = 1;
    c.info.comp_info[i].v_samp_factor = 1;
  }
  jpeg_start_compress(&c.info, TRUE);
  while (c.info.next_scanline < c.info.image_height) {
    auto* row = const_cast<JSAMPLE*>(&image.rgb[std::size_t(c.info.next_scanline) * image.width * 3]);
    jpeg_write_scanlines(&c.info, &row, 1);
  }
  jpeg_finish_compress(&c.info);
  return Bytes(c.buffer, c.buffer + c.size);
}

}  // namespace artgen
