#include "files/ZipRecords.h"

namespace files::zip {
namespace {

class Writer {
 public:
  explicit Writer(uint8_t* out) : p_(out) {}
  void U16(uint16_t v) {
    *p_++ = static_cast<uint8_t>(v);
    *p_++ = static_cast<uint8_t>(v >> 8);
  }
  void U32(uint32_t v) {
    U16(static_cast<uint16_t>(v));
    U16(static_cast<uint16_t>(v >> 16));
  }

 private:
  uint8_t* p_;
};

class Reader {
 public:
  explicit Reader(const uint8_t* in) : p_(in) {}
  uint16_t U16() {
    uint16_t v = static_cast<uint16_t>(p_[0] | (p_[1] << 8));
    p_ += 2;
    return v;
  }
  uint32_t U32() {
    uint32_t lo = U16();
    return lo | (static_cast<uint32_t>(U16()) << 16);
  }

 private:
  const uint8_t* p_;
};

uint32_t Signature(std::span<const uint8_t> b) { return Reader(b.data()).U32(); }

bool IsLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int DaysInMonth(int y, int m) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return m == 2 && IsLeap(y) ? 29 : kDays[m - 1];
}

}  // namespace

std::array<uint8_t, kLocalSize> EncodeLocalHeader(const LocalHeader& h) {
  std::array<uint8_t, kLocalSize> out{};
  Writer w(out.data());
  w.U32(kLocalSignature);
  w.U16(h.versionNeeded);
  w.U16(h.flags);
  w.U16(h.method);
  w.U16(h.time);
  w.U16(h.date);
  w.U32(h.crc);
  w.U32(h.compressedSize);
  w.U32(h.size);
  w.U16(h.nameLength);
  w.U16(h.extraLength);
  return out;
}

std::array<uint8_t, kCentralSize> EncodeCentralHeader(const CentralHeader& h) {
  std::array<uint8_t, kCentralSize> out{};
  Writer w(out.data());
  w.U32(kCentralSignature);
  w.U16(h.versionMadeBy);
  w.U16(h.versionNeeded);
  w.U16(h.flags);
  w.U16(h.method);
  w.U16(h.time);
  w.U16(h.date);
  w.U32(h.crc);
  w.U32(h.compressedSize);
  w.U32(h.size);
  w.U16(h.nameLength);
  w.U16(h.extraLength);
  w.U16(h.commentLength);
  w.U16(h.diskStart);
  w.U16(h.internalAttributes);
  w.U32(h.externalAttributes);
  w.U32(h.localOffset);
  return out;
}

std::array<uint8_t, kEndSize> EncodeEndRecord(const EndRecord& r) {
  std::array<uint8_t, kEndSize> out{};
  Writer w(out.data());
  w.U32(kEndSignature);
  w.U16(r.thisDisk);
  w.U16(r.directoryDisk);
  w.U16(r.entriesOnDisk);
  w.U16(r.entries);
  w.U32(r.directorySize);
  w.U32(r.directoryOffset);
  w.U16(r.commentLength);
  return out;
}

std::optional<LocalHeader> DecodeLocalHeader(std::span<const uint8_t> bytes) {
  if (bytes.size() < kLocalSize || Signature(bytes) != kLocalSignature) return std::nullopt;
  Reader r(bytes.data() + 4);
  LocalHeader h;
  h.versionNeeded = r.U16();
  h.flags = r.U16();
  h.method = r.U16();
  h.time = r.U16();
  h.date = r.U16();
  h.crc = r.U32();
  h.compressedSize = r.U32();
  h.size = r.U32();
  h.nameLength = r.U16();
  h.extraLength = r.U16();
  return h;
}

std::optional<CentralHeader> DecodeCentralHeader(std::span<const uint8_t> bytes) {
  if (bytes.size() < kCentralSize || Signature(bytes) != kCentralSignature) return std::nullopt;
  Reader r(bytes.data() + 4);
  CentralHeader h;
  h.versionMadeBy = r.U16();
  h.versionNeeded = r.U16();
  h.flags = r.U16();
  h.method = r.U16();
  h.time = r.U16();
  h.date = r.U16();
  h.crc = r.U32();
  h.compressedSize = r.U32();
  h.size = r.U32();
  h.nameLength = r.U16();
  h.extraLength = r.U16();
  h.commentLength = r.U16();
  h.diskStart = r.U16();
  h.internalAttributes = r.U16();
  h.externalAttributes = r.U32();
  h.localOffset = r.U32();
  return h;
}

std::optional<EndRecord> DecodeEndRecord(std::span<const uint8_t> bytes) {
  if (bytes.size() < kEndSize || Signature(bytes) != kEndSignature) return std::nullopt;
  Reader r(bytes.data() + 4);
  EndRecord e;
  e.thisDisk = r.U16();
  e.directoryDisk = r.U16();
  e.entriesOnDisk = r.U16();
  e.entries = r.U16();
  e.directorySize = r.U32();
  e.directoryOffset = r.U32();
  e.commentLength = r.U16();
  return e;
}

std::optional<size_t> FindEndRecord(std::span<const uint8_t> tail) {
  if (tail.size() < kEndSize) return std::nullopt;
  for (size_t pos = tail.size() - kEndSize + 1; pos-- > 0;) {
    auto record = DecodeEndRecord(tail.subspan(pos));
    if (record && record->commentLength == tail.size() - pos - kEndSize) return pos;
  }
  return std::nullopt;
}

DosTime ToDosTime(const CivilTime& t) {
  if (t.year < 1980) return {0, (0 << 9) | (1 << 5) | 1};
  if (t.year > 2107) return {(23 << 11) | (59 << 5) | 29, (127 << 9) | (12 << 5) | 31};
  DosTime d;
  d.time = static_cast<uint16_t>((t.hour << 11) | (t.minute << 5) | (t.second / 2));
  d.date = static_cast<uint16_t>(((t.year - 1980) << 9) | (t.month << 5) | t.day);
  return d;
}

std::optional<CivilTime> FromDosTime(DosTime d) {
  CivilTime t;
  t.year = 1980 + (d.date >> 9);
  t.month = (d.date >> 5) & 15;
  t.day = d.date & 31;
  t.hour = d.time >> 11;
  t.minute = (d.time >> 5) & 63;
  t.second = (d.time & 31) * 2;
  if (t.month < 1 || t.month > 12 || t.day < 1 || t.day > DaysInMonth(t.year, t.month)) return std::nullopt;
  if (t.hour > 23 || t.minute > 59 || t.second > 59) return std::nullopt;
  return t;
}

}  // namespace files::zip
