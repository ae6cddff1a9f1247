#include "files/EntryCheck.h"

#include <zlib.h>

#include <algorithm>
#include <memory>
#include <optional>

#include "core/Utf8.h"
#include "files/FileHandle.h"
#include "files/ZipArchiver.h"

namespace files {
namespace {

bool SameName(std::string_view stored, std::string_view wanted) {
  std::wstring a = core::Widen(stored), b = core::Widen(wanted);
  std::replace(a.begin(), a.end(), L'\\', L'/');
  std::replace(b.begin(), b.end(), L'\\', L'/');
  return a.size() == b.size() &&
         CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()), TRUE) ==
             CSTR_EQUAL;
}

std::optional<zip::CentralHeader> FindEntry(std::string_view archivePath, std::string_view entryName) {
  // A missing archive would be taken for a new, empty one.
  if (!FileExists(core::Widen(archivePath))) return std::nullopt;
  std::optional<zip::CentralHeader> found;
  try {
    TZipBaseArchiver zip;
    zip.FileName = std::string(archivePath);
    zip.OpenZip();
    for (const auto& item : zip.Items())
      if (!item.IsFolder() && SameName(item.name, entryName)) found = item.header;
    zip.CloseZip();
  } catch (const EZAException&) {
    return std::nullopt;  // unreadable or damaged: nothing can be confirmed
  }
  return found;
}

}  // namespace

bool FileMatchesEntry(std::string_view archivePath, std::string_view entryName, std::string_view filePath) {
  auto entry = FindEntry(archivePath, entryName);
  if (!entry) return false;
  FileHandle file = FileHandle::Open(core::Widen(filePath), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                     OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN);
  uint64_t size = 0;
  if (!file.Valid() || !file.Size(size) || size != entry->size) return false;
  constexpr size_t kBuffer = 1 << 20;
  std::unique_ptr<uint8_t[]> buffer(new uint8_t[kBuffer]);
  uint32_t crc = crc32(0, nullptr, 0);
  uint64_t total = 0;
  for (size_t got = kBuffer; got == kBuffer;) {
    if (!file.Read(buffer.get(), kBuffer, got)) return false;
    crc = crc32(crc, buffer.get(), static_cast<uInt>(got));
    total += got;
  }
  return total == entry->size && crc == entry->crc;
}

}  // namespace files
