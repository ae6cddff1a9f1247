#include "files/EntryCheck.h"

#include <memory>

#include "core/Utf8.h"
#include "files/Crc32.h"
#include "files/FileHandle.h"
#include "files/ZipArchiver.h"
#include "files/ZipNames.h"

namespace files {
namespace {

// Opens the archive for reading; nothing when it is missing (it would be taken for a new, empty one)
// or cannot be read.
std::unique_ptr<TZipBaseArchiver> OpenForReading(std::string_view archivePath) {
  if (!FileExists(core::Widen(archivePath))) return nullptr;
  auto zip = std::make_unique<TZipBaseArchiver>();
  zip->FileName = std::string(archivePath);
  try {
    zip->OpenZip();
  } catch (const EZAException&) {
    return nullptr;
  }
  return zip;
}

const TZipItem* LastFileEntry(const TZipBaseArchiver& zip, std::string_view entryName) {
  const TZipItem* found = nullptr;
  for (const auto& item : zip.Items())
    if (!item.IsFolder() && zip::SameEntryName(item.name, entryName)) found = &item;
  return found;
}

}  // namespace

std::optional<FileStamp> StampOfFile(std::string_view filePath) {
  FileHandle file = FileHandle::Open(core::Widen(filePath), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                     OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN);
  if (!file.Valid()) return std::nullopt;
  constexpr size_t kBuffer = 1 << 20;
  std::unique_ptr<uint8_t[]> buffer(new uint8_t[kBuffer]);
  FileStamp stamp;
  stamp.crc = 0;
  for (size_t got = kBuffer; got == kBuffer;) {
    if (!file.Read(buffer.get(), kBuffer, got)) return std::nullopt;
    stamp.crc = Crc32(stamp.crc, buffer.get(), got);
    stamp.size += got;
  }
  return stamp;
}

bool FileHasContent(std::string_view filePath, const FileStamp& expected) {
  const auto stamp = StampOfFile(filePath);
  return stamp && stamp->SameContent(expected);
}

std::optional<std::vector<FileStamp>> ArchiveEntries(std::string_view archivePath) {
  auto zip = OpenForReading(archivePath);
  if (!zip) return std::nullopt;
  std::vector<FileStamp> entries;
  for (const auto& item : zip->Items()) entries.push_back({item.name, item.header.size, item.header.crc, item.IsFolder()});
  return entries;
}

std::optional<std::vector<FileStamp>> FileEntries(std::string_view archivePath) {
  auto entries = ArchiveEntries(archivePath);
  if (entries) std::erase_if(*entries, [](const FileStamp& entry) { return entry.folder; });
  return entries;
}

bool FileMatchesEntry(std::string_view archivePath, std::string_view entryName, std::string_view filePath) {
  auto zip = OpenForReading(archivePath);
  const TZipItem* entry = zip ? LastFileEntry(*zip, entryName) : nullptr;
  if (!entry) return false;
  FileStamp recorded{entry->name, entry->header.size, entry->header.crc};
  zip.reset();
  return FileHasContent(filePath, recorded);
}

EntryReadBack ReadBackEntry(std::string_view archivePath, std::string_view entryName) {
  auto zip = OpenForReading(archivePath);
  if (!zip) return EntryReadBack::Unreadable;
  if (zip->Items().empty()) return EntryReadBack::NoEntries;
  const TZipItem* entry = LastFileEntry(*zip, entryName);
  if (!entry) return EntryReadBack::Missing;
  bool failed = false;
  zip->OnProcessFileFailure = [&failed](TZipBaseArchiver&, const std::string&, TZAProcessOperation,
                                        const EZAException&) {
    failed = true;
    return TZAAction::fxaAbort;
  };
  try {
    zip->TestMatching(entryName);
  } catch (const EZAException&) {
    failed = true;
  }
  return failed ? EntryReadBack::Damaged : EntryReadBack::Intact;
}

}  // namespace files
