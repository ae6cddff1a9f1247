#pragma once
// The program's environment, set up once at start and released once at the end.
#include <array>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace core {

struct TLockedFile {
  int32_t open = 0;  // non-zero: the file is held open
  std::FILE* file = nullptr;
};

struct Environment {
  std::string ProgramName;  // program file name without folder and last four characters
  std::string ProgramDir;   // program folder with trailing backslash
  std::string DesktopDir, PersonalDir, AppDataDir, CommonAppDataDir, LocalAppDataDir, SystemRootDir;
  std::string UserName, UserInitials;
  bool LogFlag = false, MFlag = false, LocalFlag = false;
  std::string ThousandSep, DecimalSep;  // one UTF-8 character each
  double BaseDate = 0.0;  // 1900-01-01 as a date-time value
  std::string HtmlStyle;
  std::vector<std::string> TempFiles;
  std::vector<TLockedFile> LockedFiles;
  std::vector<std::string> TrackedObjects;
};

Environment& Env();

void InitEnvironment();
void DoneEnvironment();

struct FileVersion {
  int major = 0, minor = 0, release = 0, build = 0;
  bool operator==(const FileVersion&) const = default;
};

std::string VersionText(int count);
FileVersion GetFileVersion(const std::string& fileName);
std::string GetEnvText(const std::string& name);
// The program file's full path.
std::string ProgramFilePath();
// The command-line parameters after the program name.
std::vector<std::string> CommandLineParameters();
bool DeleteTempFile(const std::string& path);

}  // namespace core
