#pragma once
// A fresh folder under %TEMP% for one test, removed with everything in it afterwards.
#include <string>

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
bool WriteFileBytes(const std::string& path, const std::string& bytes);
std::string ReadFileBytes(const std::string& path);
bool FileExists(const std::string& path);
bool FolderExists(const std::string& path);

}  // namespace testing_support
