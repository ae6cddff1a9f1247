#include "files/ZipError.h"

#include <cstdio>

namespace files {
namespace {

struct ErrorRow {
  int code;
  std::string_view text;
};

#define PRATILO_ZIP_ROW(name, code, text) ErrorRow{code, text},
constexpr ErrorRow kErrors[] = {PRATILO_ZIP_ERRORS(PRATILO_ZIP_ROW)};
#undef PRATILO_ZIP_ROW

// Fills "%s" and "%d" holes in order; a hole without an argument stays empty.
std::string FillHoles(std::string_view text, std::string_view arg1, std::string_view arg2) {
  std::string out;
  std::string_view args[] = {arg1, arg2};
  size_t next = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 1 < text.size() && (text[i + 1] == 's' || text[i + 1] == 'd')) {
      if (next < 2) out += args[next++];
      ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

}  // namespace

std::string_view ZipErrorTemplate(int code) {
  for (const auto& row : kErrors)
    if (row.code == code) return row.text;
  return kErrors[0].text;
}

std::string FormatZipError(int code, std::string_view componentName, std::string_view arg1,
                           std::string_view arg2) {
  char digits[16];
  std::snprintf(digits, sizeof digits, "%05d", code);
  std::string text = FillHoles(ZipErrorTemplate(code), arg1, arg2) + " - Native error: " + digits;
  if (componentName.empty()) return text;
  return std::string(componentName) + ": " + text;
}

}  // namespace files
