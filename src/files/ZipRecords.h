#pragma once
// ZIP records (APPNOTE) as plain values, encoded to and decoded from little-endian byte buffers.
#include <array>
#include <cstdint>
#include <optional>
#include <span>

namespace files::zip {

inline constexpr uint32_t kLocalSignature = 0x04034B50;
inline constexpr uint32_t kCentralSignature = 0x02014B50;
inline constexpr uint32_t kEndSignature = 0x06054B50;
inline constexpr uint32_t kDescriptorSignature = 0x08074B50;
inline constexpr size_t kLocalSize = 30, kCentralSize = 46, kEndSize = 22;
// The end record is searched for in this many bytes at the end of the file.
inline constexpr size_t kEndSearchSpan = 65600;

inline constexpr uint16_t kVersion20 = 20;
inline constexpr uint16_t kFlagEncrypted = 1, kFlagDescriptor = 8, kFlagUtf8Name = 0x800;
inline constexpr uint16_t kFlagFolder = 2;  // written on folder entries (as the format table has it)
inline constexpr uint16_t kMethodStored = 0, kMethodDeflated = 8, kMethodDeflate64 = 9;
// Sizes and offsets at or beyond this need ZIP64 records, which are never written.
inline constexpr uint64_t kZip32Limit = 0xFFFFFFFFu;

struct LocalHeader {
  uint16_t versionNeeded = kVersion20;
  uint16_t flags = 0;
  uint16_t method = kMethodDeflated;
  uint16_t time = 0, date = 0;
  uint32_t crc = 0, compressedSize = 0, size = 0;
  uint16_t nameLength = 0, extraLength = 0;
  bool operator==(const LocalHeader&) const = default;
};

struct CentralHeader {
  uint16_t versionMadeBy = kVersion20;
  uint16_t versionNeeded = kVersion20;
  uint16_t flags = 0;
  uint16_t method = kMethodDeflated;
  uint16_t time = 0, date = 0;
  uint32_t crc = 0, compressedSize = 0, size = 0;
  uint16_t nameLength = 0, extraLength = 0, commentLength = 0, diskStart = 0, internalAttributes = 0;
  uint32_t externalAttributes = 0, localOffset = 0;
  bool operator==(const CentralHeader&) const = default;
};

struct EndRecord {
  uint16_t thisDisk = 0, directoryDisk = 0, entriesOnDisk = 0, entries = 0;
  uint32_t directorySize = 0, directoryOffset = 0;
  uint16_t commentLength = 0;
  bool operator==(const EndRecord&) const = default;
};

std::array<uint8_t, kLocalSize> EncodeLocalHeader(const LocalHeader& h);
std::array<uint8_t, kCentralSize> EncodeCentralHeader(const CentralHeader& h);
std::array<uint8_t, kEndSize> EncodeEndRecord(const EndRecord& r);
// Decoding needs at least the fixed size and the right signature.
std::optional<LocalHeader> DecodeLocalHeader(std::span<const uint8_t> bytes);
std::optional<CentralHeader> DecodeCentralHeader(std::span<const uint8_t> bytes);
std::optional<EndRecord> DecodeEndRecord(std::span<const uint8_t> bytes);

// Position in `tail` (the last bytes of the file) of the end record: scanning backwards from the
// end, the first signature with at least 22 bytes after it whose comment length equals exactly
// the bytes that follow the record.
std::optional<size_t> FindEndRecord(std::span<const uint8_t> tail);

struct CivilTime {
  int year = 1980, month = 1, day = 1, hour = 0, minute = 0, second = 0;
  bool operator==(const CivilTime&) const = default;
};
struct DosTime {
  uint16_t time = 0, date = 0;
  bool operator==(const DosTime&) const = default;
};
// DOS time keeps even seconds and years 1980..2107; earlier or later times are clamped.
DosTime ToDosTime(const CivilTime& t);
// Empty when the fields do not form a valid date and time.
std::optional<CivilTime> FromDosTime(DosTime d);

}  // namespace files::zip
