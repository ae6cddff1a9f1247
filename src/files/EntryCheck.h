#pragma once
// Whether a file on disk holds what an archive entry holds, judged by size and CRC-32 as recorded
// in the archive's directory, and whether an entry's data still reads back. Used to trust a backup
// before anything is replaced, and before a backup is deleted. None of these raises.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace files {

// A file's or an entry's size and CRC-32; for an entry, its stored name too, and whether it is a folder.
struct FileStamp {
  std::string name;
  uint64_t size = 0;
  uint32_t crc = 0;
  bool folder = false;
  bool SameContent(const FileStamp& other) const { return size == other.size && crc == other.crc; }
};

// The size and CRC-32 of a file's bytes; nothing when it cannot be read.
std::optional<FileStamp> StampOfFile(std::string_view filePath);

// True when the file can be read and has the stamp's size and CRC-32.
bool FileHasContent(std::string_view filePath, const FileStamp& expected);

// The file entries of a readable archive (folders left out); nothing when it cannot be read.
std::optional<std::vector<FileStamp>> FileEntries(std::string_view archivePath);

// Every entry of a readable archive, folders included; nothing when it cannot be read.
std::optional<std::vector<FileStamp>> ArchiveEntries(std::string_view archivePath);

// True when the archive can be read, holds a file entry named entryName (the last one when there are
// several, as extraction leaves it) and the file exists with that entry's size and CRC-32.
bool FileMatchesEntry(std::string_view archivePath, std::string_view entryName, std::string_view filePath);

// How one entry of an archive reads back when its data is inflated and checked, writing nothing.
enum class EntryReadBack {
  Unreadable,  // no archive, or not one that opens
  NoEntries,   // an archive holding nothing at all
  Missing,     // entries, but none of that name
  Damaged,     // the entry's data does not inflate to its size and CRC-32
  Intact,
};
EntryReadBack ReadBackEntry(std::string_view archivePath, std::string_view entryName);

}  // namespace files
