#pragma once
// Test helper: decodes a JPEG held in memory to 8-bit RGB.
#include <cstdio>
#include <cstdint>
#include <vector>

#include <jpeglib.h>

#include "Raster.h"

namespace artgen {

inline RgbImage DecodeJpeg(const std::vector<std::uint8_t>& data) {
  jpeg_decompress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, data.data(), static_cast<unsigned long>(data.size()));
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  RgbImage image{int(info.output_width), int(info.output_height), {}};
  image.rgb.resize(std::size_t(image.width) * image.height * 3);
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = &image.rgb[std::size_t(info.output_scanline) * image.width * 3];
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return image;
}

}  // namespace artgen
