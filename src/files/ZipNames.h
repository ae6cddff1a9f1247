#pragma once
// Stored entry names: written in the OEM code page, read from it unless the entry is flagged UTF-8.
#include <cstdint>
#include <string>
#include <string_view>

namespace files::zip {

struct EncodedName {
  std::string bytes;
  bool utf8 = false;  // the name could not be written in the code page; flag bit 11 must be set
};

// UTF-8 name to stored bytes in the OEM (or ANSI) code page. A name the code page cannot hold
// is stored as UTF-8 instead, so it is not turned into question marks.
EncodedName EncodeEntryName(std::string_view utf8, bool oem);
// Stored bytes to UTF-8: as UTF-8 when flag bit 11 is set, else from the OEM (or ANSI) code page.
std::string DecodeEntryName(std::string_view stored, uint16_t flags, bool oem);

// Entry names as the archive compares them: either separator, letters without regard to case.
bool SameEntryName(std::string_view a, std::string_view b);

}  // namespace files::zip
