#pragma once
// A fresh folder under %TEMP% for one test, removed with everything in it afterwards, and the small
// file helpers that tests use to prepare and inspect what the code under test leaves on disk.
#include <cstdint>
#include <string>
#include <vector>

namespace testing_support {

class TempFolder {
 public:
  explicit TempFolder(const std::string& label = "test");
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& path() const { return path_; }  // UTF-8, with trailing backslash
  std::string operator/(const std::string& relative) const { return path_ + relative; }

 private:
  std::string path_;
};

// Removes a file or folder tree (attributes cleared first); a missing one is fine.
void RemoveTree(const std::string& path);
// Replaces the file (read-only or not), creating missing folders on the way.
bool WriteFileBytes(const std::string& path, const std::string& bytes);
std::string ReadFileBytes(const std::string& path);  // empty when missing
bool FileExists(const std::string& path);
bool FolderExists(const std::string& path);
bool PathExists(const std::string& path);  // a file or a folder
uint32_t Attributes(const std::string& path);  // INVALID_FILE_ATTRIBUTES when missing
void SetAttributes(const std::string& path, uint32_t attributes);
// Names (not paths) of everything in a folder, recursively, "/"-separated, folders ending in "/", sorted.
std::vector<std::string> ListTree(const std::string& folder);

}  // namespace testing_support
