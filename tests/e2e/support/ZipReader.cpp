#include "e2e/support/ZipReader.h"

#include <zlib.h>

#include <cstdint>

namespace e2e {
namespace {

constexpr uint32_t kEndSignature = 0x06054b50;
constexpr uint32_t kCentralSignature = 0x02014b50;
constexpr uint32_t kLocalSignature = 0x04034b50;
constexpr size_t kEndSize = 22, kCentralSize = 46, kLocalSize = 30;

class Bytes {
 public:
  explicit Bytes(const std::string& s) : s_(s) {}
  bool Has(size_t at, size_t n) const { return at <= s_.size() && n <= s_.size() - at; }
  uint32_t U16(size_t at) const { return Byte(at) | Byte(at + 1) << 8; }
  uint32_t U32(size_t at) const { return U16(at) | U16(at + 2) << 16; }

 private:
  uint32_t Byte(size_t at) const { return static_cast<uint8_t>(s_[at]); }
  const std::string& s_;
};

std::optional<std::string> Inflate(const std::string& compressed, size_t size) {
  std::string out(size, '\0');
  z_stream z{};
  if (inflateInit2(&z, -15) != Z_OK) return std::nullopt;
  z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(compressed.data()));
  z.avail_in = static_cast<uInt>(compressed.size());
  z.next_out = reinterpret_cast<Bytef*>(out.data());
  z.avail_out = static_cast<uInt>(out.size());
  int rc = inflate(&z, Z_FINISH);
  size_t produced = z.total_out;
  inflateEnd(&z);
  if (rc != Z_STREAM_END || produced != size) return std::nullopt;
  return out;
}

}  // namespace

std::optional<std::vector<ZipEntry>> ReadZip(const std::string& archive) {
  Bytes b(archive);
  if (archive.size() < kEndSize) return std::nullopt;
  // The end record lies within the last 64 KiB (its comment is at most that long).
  size_t end = std::string::npos;
  size_t lowest = archive.size() > kEndSize + 0xFFFF ? archive.size() - kEndSize - 0xFFFF : 0;
  for (size_t at = archive.size() - kEndSize + 1; at-- > lowest;) {
    if (b.U32(at) == kEndSignature) {
      end = at;
      break;
    }
  }
  if (end == std::string::npos) return std::nullopt;
  size_t count = b.U16(end + 10);
  size_t at = b.U32(end + 16);
  std::vector<ZipEntry> entries;
  for (size_t i = 0; i < count; ++i) {
    if (!b.Has(at, kCentralSize) || b.U32(at) != kCentralSignature) return std::nullopt;
    uint32_t method = b.U16(at + 10), crc = b.U32(at + 16);
    size_t packed = b.U32(at + 20), size = b.U32(at + 24);
    size_t nameLength = b.U16(at + 28), extra = b.U16(at + 30), comment = b.U16(at + 32);
    size_t local = b.U32(at + 42);
    if (!b.Has(at + kCentralSize, nameLength)) return std::nullopt;
    ZipEntry entry{archive.substr(at + kCentralSize, nameLength), {}};
    at += kCentralSize + nameLength + extra + comment;

    if (!b.Has(local, kLocalSize) || b.U32(local) != kLocalSignature) return std::nullopt;
    size_t data = local + kLocalSize + b.U16(local + 26) + b.U16(local + 28);
    if (!b.Has(data, packed)) return std::nullopt;
    std::string raw = archive.substr(data, packed);
    if (method == 0) {
      if (packed != size) return std::nullopt;
      entry.data = std::move(raw);
    } else if (method == 8) {
      auto inflated = Inflate(raw, size);
      if (!inflated) return std::nullopt;
      entry.data = std::move(*inflated);
    } else {
      return std::nullopt;
    }
    uLong actual = crc32(crc32(0, nullptr, 0), reinterpret_cast<const Bytef*>(entry.data.data()),
                         static_cast<uInt>(entry.data.size()));
    if (actual != crc) return std::nullopt;
    entries.push_back(std::move(entry));
  }
  return entries;
}

std::optional<std::string> ZipEntryData(const std::string& archive, const std::string& name) {
  auto entries = ReadZip(archive);
  if (!entries) return std::nullopt;
  for (ZipEntry& e : *entries)
    if (e.name == name) return std::move(e.data);
  return std::nullopt;
}

}  // namespace e2e
