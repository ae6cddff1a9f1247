#include "core/EnvironmentRules.h"

#include <algorithm>

#include "core/Utf8.h"
#include "core/TextTools.h"

namespace core {

ProgramPathParts SplitProgramPath(std::string_view fullPath) {
  const size_t slash = fullPath.rfind('\\');
  ProgramPathParts parts;
  std::string_view file = fullPath;
  if (slash != std::string_view::npos) {
    parts.dir = std::string(fullPath.substr(0, slash + 1));
    file = fullPath.substr(slash + 1);
  }
  if (parts.dir.empty()) parts.dir = "\\";
  const std::wstring wide = Widen(file);  // characters, not bytes
  parts.name = wide.size() > 4 ? Narrow(std::wstring_view(wide).substr(0, wide.size() - 4)) : std::string();
  return parts;
}

Switches ParseSwitches(const std::vector<std::string>& parameters) {
  auto same = [](const std::string& a, std::string_view b) {
    return a.size() == b.size() && EndsWithText(a, b, false);
  };
  Switches s;
  for (const auto& p : parameters) {
    if (same(p, "/log")) s.log = true;
    if (same(p, "/m")) s.m = true;
    if (same(p, "/local")) s.local = true;
  }
  return s;
}

std::string BuildVersionText(std::string_view programName, const FileVersion& version, int count,
                             const std::function<std::string(double)>& formatNumber) {
  count = std::clamp(count, 1, 4);
  const int numbers[] = {version.major, version.minor, version.release, version.build};
  std::string text = "(" + std::string(programName) + " v" + formatNumber(numbers[0]);
  for (int i = 1; i < count; ++i) text += "." + formatNumber(numbers[i]);
  if (version.release == 99) text += " BETA";
  return text + ")";
}

std::string CharAt(std::string_view text, size_t index) {
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;
    if (index == 0) {
      start = i;
      size_t end = i + 1;
      while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) ++end;
      return std::string(text.substr(start, end - start));
    }
    --index;
  }
  return {};
}

}  // namespace core
