#include "files/ZipNames.h"

#include <windows.h>

#include <algorithm>

#include "core/TextTools.h"
#include "core/Utf8.h"
#include "files/ZipRecords.h"

namespace files::zip {

EncodedName EncodeEntryName(std::string_view utf8, bool oem) {
  std::wstring wide = core::Widen(utf8);
  if (wide.empty()) return {};
  UINT cp = oem ? CP_OEMCP : CP_ACP;
  BOOL usedDefault = FALSE;
  int n = WideCharToMultiByte(cp, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()), nullptr,
                              0, nullptr, &usedDefault);
  std::string out(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(cp, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()), out.data(), n,
                      nullptr, &usedDefault);
  if (usedDefault || n == 0) return {std::string(utf8), true};
  return {out, false};
}

std::string DecodeEntryName(std::string_view stored, uint16_t flags, bool oem) {
  if (stored.empty()) return {};
  UINT cp = (flags & kFlagUtf8Name) ? CP_UTF8 : (oem ? CP_OEMCP : CP_ACP);
  int n = MultiByteToWideChar(cp, 0, stored.data(), static_cast<int>(stored.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(cp, 0, stored.data(), static_cast<int>(stored.size()), wide.data(), n);
  return core::Narrow(wide);
}

bool SameEntryName(std::string_view a, std::string_view b) {
  std::string na(a), nb(b);
  std::replace(na.begin(), na.end(), '\\', '/');
  std::replace(nb.begin(), nb.end(), '\\', '/');
  return core::SameTextIgnoringCase(na, nb);
}

}  // namespace files::zip
