#include "files/ZipRecords.h"

#include <gtest/gtest.h>

#include <vector>

using namespace files::zip;

namespace {

std::vector<uint8_t> EndWithComment(size_t lead, const std::string& comment) {
  std::vector<uint8_t> b(lead, 0xA5);
  EndRecord r;
  r.commentLength = static_cast<uint16_t>(comment.size());
  auto e = EncodeEndRecord(r);
  b.insert(b.end(), e.begin(), e.end());
  b.insert(b.end(), comment.begin(), comment.end());
  return b;
}

}  // namespace

TEST(ZipRecords, LocalHeaderBytesFollowTheFormatTable) {
  LocalHeader h{20, 0, 8, 0x6B21, 0x5B88, 0xCAFEBABE, 0x1234, 0x56789, 11, 0};
  auto b = EncodeLocalHeader(h);
  const uint8_t expected[30] = {0x50, 0x4B, 0x03, 0x04, 20, 0, 0, 0, 8, 0, 0x21, 0x6B, 0x88, 0x5B, 0xBE,
                                0xBA, 0xFE, 0xCA, 0x34, 0x12, 0, 0, 0x89, 0x67, 0x05, 0, 11, 0, 0, 0};
  EXPECT_EQ(std::vector<uint8_t>(b.begin(), b.end()), std::vector<uint8_t>(expected, expected + 30));
  EXPECT_EQ(DecodeLocalHeader(b), h);
}

TEST(ZipRecords, CentralAndEndRecordsRoundTripEveryField) {
  CentralHeader c{0x031E, 20, 0x0802, 8, 1, 2, 0xFFFFFFFF, 3, 4, 5, 6, 7, 8, 9, 0x80000020, 0xFEDCBA98};
  auto cb = EncodeCentralHeader(c);
  EXPECT_EQ(cb[0], 0x50);
  EXPECT_EQ(cb[3], 0x02);
  EXPECT_EQ(cb[38], 0x20);  // external attributes at 38
  EXPECT_EQ(cb[42], 0x98);  // local header offset at 42
  EXPECT_EQ(DecodeCentralHeader(cb), c);

  EndRecord e{0, 0, 3, 3, 0x100, 0x2000, 0};
  auto eb = EncodeEndRecord(e);
  EXPECT_EQ(eb[8], 3);
  EXPECT_EQ(eb[13], 0x01);
  EXPECT_EQ(eb[17], 0x20);
  EXPECT_EQ(DecodeEndRecord(eb), e);
  // An empty archive is the end record alone: signature and eighteen zero bytes.
  auto empty = EncodeEndRecord({});
  std::vector<uint8_t> expected = {0x50, 0x4B, 0x05, 0x06};
  expected.resize(22, 0);
  EXPECT_EQ(std::vector<uint8_t>(empty.begin(), empty.end()), expected);
}

TEST(ZipRecords, DecodersRefuseShortBuffersAndWrongSignatures) {
  auto local = EncodeLocalHeader({});
  EXPECT_FALSE(DecodeLocalHeader(std::span(local).first(29)));
  local[0] = 0x51;
  EXPECT_FALSE(DecodeLocalHeader(local));
  auto central = EncodeCentralHeader({});
  EXPECT_FALSE(DecodeCentralHeader(std::span(central).first(45)));
  EXPECT_FALSE(DecodeLocalHeader(central));  // a central header is not a local one
  auto end = EncodeEndRecord({});
  EXPECT_FALSE(DecodeEndRecord(std::span(end).first(21)));
}

TEST(ZipRecords, EndRecordSearchAcceptsOnlyAnExactCommentLength) {
  struct Case {
    const char* what;
    std::vector<uint8_t> tail;
    std::optional<size_t> found;
  };
  auto withTrailingByte = EndWithComment(10, "");
  withTrailingByte.push_back(0);
  // A comment that itself holds a complete fake end record with an empty comment: the fake one
  // is nearer the end but its comment length (0) does not reach the end of the file... except
  // when it sits in the last 22 bytes, in which case it wins, as the rule says.
  auto fakeInComment = EndWithComment(5, std::string(reinterpret_cast<const char*>(EncodeEndRecord({}).data()), 22));
  auto fakeInside = EndWithComment(5, "ab" + std::string(reinterpret_cast<const char*>(EncodeEndRecord({}).data()), 22) + "cd");
  const Case cases[] = {
      {"bare record", EndWithComment(0, ""), 0},
      {"record after data", EndWithComment(100, ""), 100},
      {"record with comment", EndWithComment(7, "hello"), 7},
      {"one byte of garbage after it", withTrailingByte, std::nullopt},
      {"shorter than a record", std::vector<uint8_t>(21, 0x50), std::nullopt},
      {"fake record ending the comment wins", fakeInComment, 5 + 22},
      {"fake record inside the comment is skipped", fakeInside, 5},
  };
  for (const auto& c : cases) EXPECT_EQ(FindEndRecord(c.tail), c.found) << c.what;
}

TEST(ZipRecords, DosTimeConversionKeepsEvenSecondsAndClampsTheRange) {
  struct Case {
    CivilTime in;
    DosTime dos;
  };
  const Case cases[] = {
      {{1980, 1, 1, 0, 0, 0}, {0x0000, 0x0021}},
      {{2007, 12, 24, 13, 25, 2}, {(13 << 11) | (25 << 5) | 1, (27 << 9) | (12 << 5) | 24}},
      {{2007, 12, 24, 13, 25, 3}, {(13 << 11) | (25 << 5) | 1, (27 << 9) | (12 << 5) | 24}},
      {{2107, 12, 31, 23, 59, 58}, {0xBF7D, 0xFF9F}},
      {{1970, 6, 1, 12, 0, 0}, {0x0000, 0x0021}},  // before 1980: the earliest DOS time
      {{2200, 1, 1, 0, 0, 0}, {0xBF7D, 0xFF9F}},   // after 2107: the latest
  };
  for (const auto& c : cases) EXPECT_EQ(ToDosTime(c.in), c.dos) << c.in.year << "-" << c.in.second;
  EXPECT_EQ(FromDosTime({(13 << 11) | (25 << 5) | 1, (27 << 9) | (12 << 5) | 24}), (CivilTime{2007, 12, 24, 13, 25, 2}));
  EXPECT_EQ(FromDosTime({0, (20 << 9) | (2 << 5) | 29}), (CivilTime{2000, 2, 29, 0, 0, 0}));  // leap day
  EXPECT_FALSE(FromDosTime({0, 0}));                                   // month 0, day 0
  EXPECT_FALSE(FromDosTime({0, (21 << 9) | (2 << 5) | 29}));           // 2001 is no leap year
  EXPECT_FALSE(FromDosTime({0, (21 << 9) | (13 << 5) | 1}));           // month 13
  EXPECT_FALSE(FromDosTime({(24 << 11), (21 << 9) | (1 << 5) | 1}));   // hour 24
  EXPECT_FALSE(FromDosTime({(60 << 5), (21 << 9) | (1 << 5) | 1}));    // minute 60
  EXPECT_FALSE(FromDosTime({30, (21 << 9) | (1 << 5) | 1}));           // second 60
}
