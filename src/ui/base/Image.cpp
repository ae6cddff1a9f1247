#include "ui/base/Image.h"

#include <csetjmp>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include <jpeglib.h>

namespace ui {

namespace {

struct JpegError {
  jpeg_error_mgr mgr;
  std::jmp_buf jump;
};

void ThrowBack(j_common_ptr info) { std::longjmp(reinterpret_cast<JpegError*>(info->err)->jump, 1); }
void Silent(j_common_ptr) {}

// No C++ objects live in this frame: libjpeg's errors leave it through longjmp.
bool DecodeJpegInto(const unsigned char* data, unsigned long size, Image* out) {
  jpeg_decompress_struct info;
  JpegError error;
  info.err = jpeg_std_error(&error.mgr);
  error.mgr.error_exit = ThrowBack;
  error.mgr.output_message = Silent;
  if (setjmp(error.jump)) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, data, size);
  if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  info.out_color_space = JCS_EXT_BGRA;
  jpeg_start_decompress(&info);
  out->width = static_cast<int>(info.output_width);
  out->height = static_cast<int>(info.output_height);
  out->bgra.resize(static_cast<size_t>(out->width) * out->height * 4);
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = out->bgra.data() + static_cast<size_t>(info.output_scanline) * out->width * 4;
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return true;
}

bool EncodeJpegInto(const Image* image, int quality, unsigned char** buffer, unsigned long* size) {
  jpeg_compress_struct info;
  JpegError error;
  info.err = jpeg_std_error(&error.mgr);
  error.mgr.error_exit = ThrowBack;
  error.mgr.output_message = Silent;
  if (setjmp(error.jump)) {
    jpeg_destroy_compress(&info);
    return false;
  }
  jpeg_create_compress(&info);
  jpeg_mem_dest(&info, buffer, size);
  info.image_width = static_cast<JDIMENSION>(image->width);
  info.image_height = static_cast<JDIMENSION>(image->height);
  info.input_components = 4;
  info.in_color_space = JCS_EXT_BGRA;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, quality, TRUE);
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    auto row = const_cast<JSAMPROW>(image->bgra.data() + static_cast<size_t>(info.next_scanline) * image->width * 4);
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  return true;
}

uint32_t Read32(const unsigned char* p) { return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24; }
uint16_t Read16(const unsigned char* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }

}  // namespace

uint32_t Image::Pixel(int x, int y) const {
  const uint8_t* p = bgra.data() + (static_cast<size_t>(y) * width + x) * 4;
  return static_cast<uint32_t>(p[3]) << 24 | p[2] << 16 | p[1] << 8 | p[0];
}

Image ReplaceKeyColour(const Image& image, COLORREF colour) {
  Image out = image;
  if (image.Empty()) return out;
  const uint32_t key = image.Pixel(0, image.height - 1) & 0xFFFFFF;
  for (size_t i = 0; i + 3 < out.bgra.size(); i += 4) {
    uint8_t* p = &out.bgra[i];
    if ((static_cast<uint32_t>(p[2]) << 16 | p[1] << 8 | p[0]) != key) continue;
    p[0] = GetBValue(colour), p[1] = GetGValue(colour), p[2] = GetRValue(colour), p[3] = 255;
  }
  return out;
}

std::optional<Image> DecodeJpeg(std::string_view data) {
  if (data.size() < 4) return std::nullopt;
  Image image;
  if (!DecodeJpegInto(reinterpret_cast<const unsigned char*>(data.data()), static_cast<unsigned long>(data.size()),
                      &image))
    return std::nullopt;
  return image;
}

std::string EncodeJpeg(const Image& image, int quality) {
  if (image.Empty()) return {};
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  bool ok = EncodeJpegInto(&image, quality, &buffer, &size);
  std::string out = ok ? std::string(reinterpret_cast<char*>(buffer), size) : std::string();
  std::free(buffer);
  return out;
}

// Where the fields lie in a BMP file: the file header, then the info header.
constexpr size_t kInfoAt = sizeof(BITMAPFILEHEADER);
static_assert(kInfoAt == 14, "the file header is packed");
constexpr size_t kPixelsOffsetAt = offsetof(BITMAPFILEHEADER, bfOffBits);
constexpr size_t kWidthAt = kInfoAt + offsetof(BITMAPINFOHEADER, biWidth);
constexpr size_t kHeightAt = kInfoAt + offsetof(BITMAPINFOHEADER, biHeight);
constexpr size_t kBitsAt = kInfoAt + offsetof(BITMAPINFOHEADER, biBitCount);
constexpr size_t kCompressionAt = kInfoAt + offsetof(BITMAPINFOHEADER, biCompression);
constexpr size_t kHeadersSize = kInfoAt + sizeof(BITMAPINFOHEADER);

std::optional<Image> DecodeBmp(std::string_view data) {
  const auto* p = reinterpret_cast<const unsigned char*>(data.data());
  if (data.size() < kHeadersSize || p[0] != 'B' || p[1] != 'M') return std::nullopt;
  uint32_t offset = Read32(p + kPixelsOffsetAt);
  uint32_t headerSize = Read32(p + kInfoAt);
  auto width = static_cast<int32_t>(Read32(p + kWidthAt));
  auto height = static_cast<int32_t>(Read32(p + kHeightAt));
  uint16_t bits = Read16(p + kBitsAt);
  uint32_t compression = Read32(p + kCompressionAt);
  bool bitfields32 = compression == BI_BITFIELDS && bits == 32;  // in the usual BGRA order
  if (headerSize < sizeof(BITMAPINFOHEADER) || width <= 0 || height == 0 || (bits != 24 && bits != 32) ||
      (compression != 0 && !bitfields32) || width > 16384 || height > 16384 || height < -16384)
    return std::nullopt;
  bool bottomUp = height > 0;
  int rows = bottomUp ? height : -height;
  size_t stride = (static_cast<size_t>(width) * bits / 8 + 3) & ~size_t{3};
  if (offset > data.size() || data.size() - offset < stride * rows) return std::nullopt;
  Image image{width, rows, std::vector<uint8_t>(static_cast<size_t>(width) * rows * 4)};
  for (int y = 0; y < rows; ++y) {
    const unsigned char* src = p + offset + stride * (bottomUp ? rows - 1 - y : y);
    uint8_t* dst = image.bgra.data() + static_cast<size_t>(y) * width * 4;
    for (int x = 0; x < width; ++x, dst += 4) {
      std::memcpy(dst, src + x * (bits / 8), 3);
      dst[3] = bits == 32 ? src[x * 4 + 3] : 0xFF;
    }
  }
  return image;
}

Bitmap MakeBitmap(const Image& image) {
  if (image.Empty()) return {};
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = image.width;
  bi.bmiHeader.biHeight = -image.height;  // top-down, like the image
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  bi.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  Bitmap bitmap(CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (bitmap && bits) std::memcpy(bits, image.bgra.data(), image.bgra.size());
  return bitmap;
}

ImageList MakeImageList(int width, int height, const std::vector<Image>& images) {
  ImageList list(ImageList_Create(width, height, ILC_COLOR32, static_cast<int>(images.size()), 0));
  if (!list) return {};
  for (const Image& image : images) {
    Bitmap bitmap = MakeBitmap(image.Empty() ? Image{width, height, std::vector<uint8_t>(size_t(width) * height * 4)}
                                             : image);
    if (!bitmap || ImageList_Add(list.Get(), bitmap.Get(), nullptr) < 0) return {};
  }
  return list;
}

}  // namespace ui
