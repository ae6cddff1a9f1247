#pragma once
// Whether a file on disk holds what an archive entry holds, judged by size and CRC-32 as recorded
// in the archive's directory. Used before deleting a backup: the restored file must match it.
#include <string_view>

namespace files {

// True when the archive can be read, holds a file entry named entryName (stored name, either
// separator, letters compared without regard to case; the last one when there are several, as
// extraction leaves it) and the file exists with that entry's size and CRC-32. Never raises.
bool FileMatchesEntry(std::string_view archivePath, std::string_view entryName, std::string_view filePath);

}  // namespace files
