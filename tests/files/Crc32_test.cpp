#include "files/Crc32.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <random>
#include <vector>

namespace {

std::vector<uint8_t> Noise(size_t n) {
  std::mt19937 rng(20261209);
  std::vector<uint8_t> bytes(n);
  for (auto& b : bytes) b = static_cast<uint8_t>(rng());
  return bytes;
}

uint32_t ZlibCrc(const uint8_t* data, size_t n) {
  return static_cast<uint32_t>(crc32(crc32(0, nullptr, 0), data, static_cast<uInt>(n)));
}

// Every length around the folding's steps (16, 64 and, where the processor has the wide instruction,
// 256 bytes) and every alignment of the start: the same value as zlib's, which the archives' readers
// check.
TEST(Crc32, GivesZlibsValueForEveryLengthAndAlignment) {
  const std::vector<uint8_t> bytes = Noise(4096);
  EXPECT_EQ(files::Crc32(0, bytes.data(), 0), 0u);
  for (size_t n = 1; n <= 1100; ++n)
    for (size_t start = 0; start < 16; ++start)
      ASSERT_EQ(files::Crc32(0, bytes.data() + start, n), ZlibCrc(bytes.data() + start, n)) << n << " from " << start;
  const uint8_t check[] = {'1', '2', '3', '4', '5', '6', '7', '8', '9'};
  EXPECT_EQ(files::Crc32(0, check, sizeof check), 0xCBF43926u) << "the CRC-32 check value";
}

// Continued over pieces cut anywhere, as the archive's buffers cut a file.
TEST(Crc32, ContinuesAcrossPiecesOfAnySize) {
  const std::vector<uint8_t> bytes = Noise(1 << 20);
  const uint32_t whole = ZlibCrc(bytes.data(), bytes.size());
  EXPECT_EQ(files::Crc32(0, bytes.data(), bytes.size()), whole);
  for (size_t piece : {size_t{1}, size_t{15}, size_t{63}, size_t{64}, size_t{1000}, size_t{0x80000 - 1}}) {
    uint32_t crc = 0;
    for (size_t at = 0; at < bytes.size(); at += piece)
      crc = files::Crc32(crc, bytes.data() + at, std::min(piece, bytes.size() - at));
    EXPECT_EQ(crc, whole) << piece;
  }
}

}  // namespace
