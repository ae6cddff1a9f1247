#pragma once
// A small reader of ZIP archives for checking what the program wrote, independent of the program's
// own archive component: it finds an entry through the central directory, inflates it and checks
// its CRC.
#include <optional>
#include <string>
#include <vector>

namespace e2e {

struct ZipEntry {
  std::string name;
  std::string data;  // inflated
};

// Every entry of the archive, or nothing when the archive is incomplete, damaged or an entry's
// data does not match its size or CRC.
std::optional<std::vector<ZipEntry>> ReadZip(const std::string& archiveBytes);

// The data of one entry (names compared exactly), or nothing when the archive is unreadable or has
// no such entry.
std::optional<std::string> ZipEntryData(const std::string& archiveBytes, const std::string& name);

}  // namespace e2e
