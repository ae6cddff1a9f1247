#include "app/commandline/RunLog.h"

#include <cstdio>

#include "core/Utf8.h"

namespace app {

std::string LogLine(const SYSTEMTIME& time, std::string_view text) {
  char stamp[32];
  std::snprintf(stamp, sizeof stamp, "%04u-%02u-%02u %02u:%02u:%02u  ", time.wYear, time.wMonth, time.wDay, time.wHour,
                time.wMinute, time.wSecond);
  return stamp + std::string(text) + "\r\n";
}

bool RunLog::Write(std::string_view text) const {
  if (path_.empty()) return true;
  SYSTEMTIME now;
  GetLocalTime(&now);
  const std::string line = LogLine(now, text);
  HANDLE file = CreateFileW(core::Widen(path_).c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool ok = WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr) && written == line.size();
  CloseHandle(file);
  return ok;
}

}  // namespace app
