#include "core/Environment.h"

#include <windows.h>
#include <shellapi.h>

#include "core/DateSerial.h"
#include "core/PlainBox.h"
#include "core/SystemLibrary.h"
#include "core/EnvironmentRules.h"
#include "core/FolderNames.h"
#include "core/NumberFormat.h"
#include "core/Settings.h"
#include "core/Utf8.h"
#include "core/ValueParse.h"

#include <vector>

namespace core {

namespace {

constexpr char kShellFolders[] = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr char kCentralKey[] = "\\Software\\Nuvra Soft\\Central";
constexpr char kLaunchCounter[] = "Lancements";
constexpr char kDefaultLocalAppData[] = "C:\\Program Files\\Application data\\";
constexpr char kHtmlStyle[] =
    "<STYLE type=\"text/css\"><!-- BODY{font-family:\"Verdana,Arial\";font-size=\"10pt\";color:\"#000099\";"
    "background:\"#CCDDFF\"}TD{font-family:\"Verdana,Arial\";font-size=\"10pt\";}UL{margin-top:0;"
    "margin-bottom:0;margin-left:16;}P{margin-top:3;margin-bottom:0;} // --></STYLE>";


void CountLaunch(bool machine) {
  const double count = TextToValue(ReadSettingEx(machine, kLaunchCounter)).AsReal() + 1;
  WriteSettingEx(machine, kLaunchCounter, FormatNumber(count));
}

}  // namespace

std::string ProgramFilePath() {
  std::wstring buf(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, buf.data(), static_cast<DWORD>(buf.size()));
    if (n < buf.size()) return Narrow(std::wstring_view(buf.data(), n));
    buf.resize(buf.size() * 2);
  }
}

Environment& Env() {
  static Environment env;
  return env;
}

std::vector<std::string> CommandLineParameters() {
  std::vector<std::string> params;
  int argc = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (!argv) return params;
  for (int i = 1; i < argc; ++i) params.push_back(Narrow(argv[i]));
  LocalFree(argv);
  return params;
}

void InitEnvironment() {
  Environment& env = Env();
  env.BaseDate = *DateSerial(1900, 1, 1);

  const ProgramPathParts program = SplitProgramPath(ProgramFilePath());
  env.ProgramDir = program.dir;
  env.ProgramName = program.name;

  const Switches switches = ParseSwitches(CommandLineParameters());
  env.LogFlag = switches.log;
  env.MFlag = switches.m;
  env.LocalFlag = switches.local;

  const std::vector<std::string> folders =
      ReadRegTexts(false, kShellFolders, {"Desktop", "Personal", "AppData", "Local AppData"});
  env.DesktopDir = AddBackslash(folders[0]);
  env.PersonalDir = AddBackslash(folders[1]);
  env.AppDataDir = AddBackslash(folders[2]);
  env.CommonAppDataDir = AddBackslash(ReadRegText(true, kShellFolders, "Common AppData"));
  env.LocalAppDataDir = AddBackslash(folders[3]);
  env.SystemRootDir = AddBackslash(GetEnvText("systemroot"));
  if (env.LocalAppDataDir == "\\") {
    env.LocalAppDataDir = kDefaultLocalAppData;
    ForceFolder(env.LocalAppDataDir);  // best effort: the folder is only offered to callers
  }

  const std::vector<std::string> user = ReadRegTexts(false, kCentralKey, {"Nom utilisateur", "Initiales"});
  env.UserName = user[0];
  env.UserInitials = user[1];

  CountLaunch(true);
  CountLaunch(false);

  env.HtmlStyle = kHtmlStyle;
  env.TrackedObjects.clear();
  env.TempFiles.clear();
  env.LockedFiles.clear();

  const std::string sample = FormatNumber(Value::Real(1000.1), ' ', true, 0.1, true, false);
  env.ThousandSep = CharAt(sample, 1);
  env.DecimalSep = CharAt(sample, 5);
}

void DoneEnvironment() {
  Environment& env = Env();
  if (!env.TrackedObjects.empty()) {
    std::string text = "TNuvraMat non détruits :\r\n\r\n";
    for (const auto& name : env.TrackedObjects) text += name + "\r\n";
    PlainBox(text, env.ProgramName, MB_OK);
  }
  env.TrackedObjects.clear();
  while (!env.TempFiles.empty()) {
    const std::string first = env.TempFiles.front();
    DeleteTempFile(first);
  }
  for (auto& locked : env.LockedFiles)
    if (locked.open && locked.file) std::fclose(locked.file);  // a failed close leaves nothing to undo
  env = Environment{};
}

FileVersion GetFileVersion(const std::string& fileName) {
  // version.dll is no known DLL: from the system folder, never beside the program.
  static const auto infoSize = SystemFunction<decltype(&GetFileVersionInfoSizeW)>(L"version.dll", "GetFileVersionInfoSizeW");
  static const auto info = SystemFunction<decltype(&GetFileVersionInfoW)>(L"version.dll", "GetFileVersionInfoW");
  static const auto query = SystemFunction<decltype(&VerQueryValueW)>(L"version.dll", "VerQueryValueW");
  if (!infoSize || !info || !query) return {};
  const std::wstring name = Widen(fileName);
  DWORD ignored = 0;
  const DWORD size = infoSize(name.c_str(), &ignored);
  if (size == 0) return {};
  std::vector<BYTE> data(size);
  if (!info(name.c_str(), 0, size, data.data())) return {};
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT len = 0;
  if (!query(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &len) || !fixed ||
      len < sizeof(VS_FIXEDFILEINFO))
    return {};
  return {HIWORD(fixed->dwFileVersionMS), LOWORD(fixed->dwFileVersionMS), HIWORD(fixed->dwFileVersionLS),
          LOWORD(fixed->dwFileVersionLS)};
}

std::string VersionText(int count) {
  return BuildVersionText(Env().ProgramName, GetFileVersion(ProgramFilePath()), count,
                          [](double n) { return FormatNumber(n); });
}

std::string GetEnvText(const std::string& name) {
  const std::wstring wname = Widen(name);
  std::wstring buf(260, L'\0');
  for (;;) {
    SetLastError(ERROR_SUCCESS);
    const DWORD n = GetEnvironmentVariableW(wname.c_str(), buf.data(), static_cast<DWORD>(buf.size()));
    if (n == 0) return {};  // missing (or empty)
    if (n < buf.size()) return Narrow(std::wstring_view(buf.data(), n));
    buf.resize(n);  // longer than the buffer: n is the size needed, read it whole
  }
}

bool DeleteTempFile(const std::string& path) {
  auto& files = Env().TempFiles;
  for (auto it = files.begin(); it != files.end(); ++it) {
    if (*it == path) {
      DeleteFileW(Widen(path).c_str());  // the entry goes even when the file stays
      files.erase(it);
      return true;
    }
  }
  return false;
}

}  // namespace core
