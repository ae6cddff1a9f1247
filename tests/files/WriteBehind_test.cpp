#include "files/WriteBehind.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <cstring>
#include <string>

#include "core/Utf8.h"
#include "support/TempFolder.h"

namespace {

using testing_support::ReadFileBytes;
using testing_support::TempFolder;

// Pieces of unequal sizes, each different, handed one after the other through the two buffers.
std::string Hand(files::WriteBehind& writer, const std::vector<size_t>& sizes, bool& allHanded) {
  std::string expected;
  allHanded = true;
  for (size_t k = 0; k < sizes.size(); ++k) {
    std::string piece(sizes[k], static_cast<char>('a' + k));
    std::memcpy(writer.Buffer(), piece.data(), piece.size());
    allHanded = writer.Hand(piece.size()) && allHanded;
    expected += piece;
  }
  return expected;
}

uint32_t CrcOf(const std::string& bytes) {
  return crc32(crc32(0, nullptr, 0), reinterpret_cast<const Bytef*>(bytes.data()), static_cast<uInt>(bytes.size()));
}

// A buffer is refilled only once what it held is on disk: a piece overwritten while it was being
// written would show in the file's bytes.
TEST(WriteBehind, WritesAndChecksEveryPieceInOrder) {
  TempFolder dir;
  const std::string path = dir / "out.bin";
  files::FileHandle out = files::FileHandle::Open(core::Widen(path), GENERIC_WRITE, 0, CREATE_ALWAYS);
  std::string expected;
  {
    files::WriteBehind writer(&out, 4096);
    bool handed = false;
    expected = Hand(writer, {4096, 1, 4096, 0, 4000, 4096, 17}, handed);
    EXPECT_TRUE(handed);
    EXPECT_TRUE(writer.Finish());
    EXPECT_EQ(writer.Crc(), CrcOf(expected));
  }
  out.Close();
  EXPECT_EQ(ReadFileBytes(path), expected);
}

TEST(WriteBehind, WithoutAFileOnlyChecks) {
  files::WriteBehind checker(nullptr, 64);
  bool handed = false;
  const std::string expected = Hand(checker, {64, 3, 64}, handed);
  EXPECT_TRUE(handed);
  EXPECT_TRUE(checker.Finish());
  EXPECT_EQ(checker.Crc(), CrcOf(expected));
  files::WriteBehind nothing(nullptr, 64);
  EXPECT_TRUE(nothing.Finish());
  EXPECT_EQ(nothing.Crc(), CrcOf(""));
}

// A file opened for reading only refuses every write: the failure shows at the next hand or at the
// finish, and stays.
TEST(WriteBehind, AFailedWriteIsReportedAndStays) {
  TempFolder dir;
  const std::string path = dir / "read-only.bin";
  ASSERT_TRUE(testing_support::WriteFileBytes(path, "kept"));
  files::FileHandle in = files::FileHandle::Open(core::Widen(path), GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING);
  files::WriteBehind writer(&in, 16);
  bool handed = true;
  Hand(writer, {16, 16, 16}, handed);
  EXPECT_FALSE(handed);
  EXPECT_FALSE(writer.Finish());
  EXPECT_FALSE(writer.Hand(1));
  EXPECT_EQ(ReadFileBytes(path), "kept");
}

}  // namespace
