#pragma once
// The component's rules as functions from values to values: level and mode, buffer sizes,
// progress, mask matching, entry names.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "files/ZipTypes.h"

namespace files::zip {

int LevelToMode(TZACompressionLevel level);

// Whether a failure on one file is asked about (Abort, Retry, Ignore): a file that cannot be
// created or opened, an entry whose size or CRC-32 does not check out or whose form is not
// supported, a file too large for the format. Anything else (a read error of the archive, a write
// error, a zlib error) ends the request and reaches the caller.
bool AsksAboutFileFailure(int code);
// Empty for a mode outside 0..9.
std::optional<TZACompressionLevel> ModeToLevel(int mode);
// Bytes moved per step (and per progress event) at a compression mode.
size_t BufferSizeForMode(int mode);

// Percent done of a request over `count` entries, `done` of `size` bytes into entry `index`.
double OverallProgress(uint64_t done, uint64_t size, size_t index, size_t count);

// Wildcards "*" and "?", letters compared without regard to case, "*.*" meaning "*".
bool MatchesMask(std::wstring_view name, std::wstring_view mask);
bool HasWildcards(std::wstring_view mask);

// Extraction: the stored name (trailing "/" removed, either separator) matches the mask, or,
// when recursing, its file-name part does.
bool EntryMatches(std::wstring_view storedName, std::wstring_view mask, bool recurse);
// Entries with hidden, system, volume or directory bits outside the mask are skipped.
bool EntryPassesAttributes(uint32_t externalAttributes, uint16_t searchAttr);
// Gathering: a file qualifies when its attributes share a bit with the mask (directory bit left
// out), or when it has none and the mask holds read-only, hidden, system and archive.
bool FileQualifies(uint32_t attributes, uint16_t searchAttr);

// The attributes an extracted file takes from its entry (read-only, hidden, system, archive; normal
// when none), and how: the temporary file is created with all but read-only (the system marks every
// new file for archiving), so only a read-only entry, or one without the archive mark, needs a change
// once the file is in place.
struct ExtractedAttributes {
  uint32_t final;       // what the placed file holds
  uint32_t atCreation;  // given to the temporary file
  bool setWhenPlaced;
};
ExtractedAttributes AttributesForExtraction(uint32_t externalAttributes);

// The file mask placed for gathering: drive or "..\" masks unchanged, "\x" from the root of
// baseDir's drive, "\\server\x" as a network path, anything else under baseDir.
std::wstring ResolveMask(std::wstring_view baseDir, std::wstring_view mask);

// The relative Windows path an entry may be extracted to ("" for the destination itself), or
// nothing when its name could escape the destination or name a device: a leading separator,
// drive colons, ".." components, names Windows would silently alter. "." and empty components
// are dropped.
std::optional<std::wstring> SafeRelativePath(std::wstring_view storedName);

// Stored name of a gathered file: backslashes become "/", folder entries end with "/".
std::wstring StoredName(std::wstring_view relativePath, bool folder);
// Path of a file for storage: relative to baseDir when inside it, else by StorePath rules.
std::wstring PathForStorage(std::wstring_view fullPath, std::wstring_view baseDir, TZAStorePathMode mode);

}  // namespace files::zip
