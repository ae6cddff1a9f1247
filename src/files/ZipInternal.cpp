#include "files/ZipInternal.h"

namespace files::zip {

std::recursive_mutex& ArchiveLock() {
  static std::recursive_mutex lock;
  return lock;
}

DosTime DosTimeOf(const FILETIME* utc) {
  FILETIME local;
  SYSTEMTIME st;
  if (!utc || !FileTimeToLocalFileTime(utc, &local) || !FileTimeToSystemTime(&local, &st)) GetLocalTime(&st);
  return ToDosTime({st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond});
}

bool FileTimeOf(DosTime dos, FILETIME& utc) {
  auto civil = FromDosTime(dos);
  if (!civil) return false;
  SYSTEMTIME st{};
  st.wYear = static_cast<WORD>(civil->year);
  st.wMonth = static_cast<WORD>(civil->month);
  st.wDay = static_cast<WORD>(civil->day);
  st.wHour = static_cast<WORD>(civil->hour);
  st.wMinute = static_cast<WORD>(civil->minute);
  st.wSecond = static_cast<WORD>(civil->second);
  FILETIME local;
  return SystemTimeToFileTime(&st, &local) && LocalFileTimeToFileTime(&local, &utc);
}

CurrentDirectoryGuard::CurrentDirectoryGuard() {
  DWORD n = GetCurrentDirectoryW(0, nullptr);
  saved_.resize(n);
  n = GetCurrentDirectoryW(n, saved_.data());
  saved_.resize(n);
}

CurrentDirectoryGuard::~CurrentDirectoryGuard() {
  if (!saved_.empty()) SetCurrentDirectoryW(saved_.c_str());
}

}  // namespace files::zip
