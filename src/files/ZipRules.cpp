#include "files/ZipRules.h"

#include <windows.h>

#include <algorithm>
#include <array>

#include "files/ZipError.h"

namespace files::zip {
namespace {

wchar_t Fold(wchar_t c) {
  if (c < 0x80) return (c >= L'a' && c <= L'z') ? static_cast<wchar_t>(c - 32) : c;
  return static_cast<wchar_t>(reinterpret_cast<ULONG_PTR>(CharUpperW(reinterpret_cast<LPWSTR>(static_cast<ULONG_PTR>(c)))));
}

bool IsSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

bool SameText(std::wstring_view a, std::wstring_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                             [](wchar_t x, wchar_t y) { return Fold(x) == Fold(y); });
}

// Iterative wildcard match with one backtrack point: linear in practice, never exponential.
bool Match(std::wstring_view s, std::wstring_view p) {
  size_t si = 0, pi = 0, starP = std::wstring_view::npos, starS = 0;
  while (si < s.size()) {
    if (pi < p.size() && (p[pi] == L'?' || Fold(p[pi]) == Fold(s[si]))) {
      ++si;
      ++pi;
    } else if (pi < p.size() && p[pi] == L'*') {
      starP = pi++;
      starS = si;
    } else if (starP != std::wstring_view::npos) {
      pi = starP + 1;
      si = ++starS;
    } else {
      return false;
    }
  }
  while (pi < p.size() && p[pi] == L'*') ++pi;
  return pi == p.size();
}

std::wstring Normalized(std::wstring_view s) {
  std::wstring out(s);
  std::replace(out.begin(), out.end(), L'/', L'\\');
  return out;
}

std::wstring_view FileNamePart(std::wstring_view path) {
  size_t cut = path.find_last_of(L"\\/");
  return cut == std::wstring_view::npos ? path : path.substr(cut + 1);
}

bool IsDeviceName(std::wstring_view component) {
  std::wstring_view stem = component.substr(0, component.find(L'.'));
  while (!stem.empty() && stem.back() == L' ') stem.remove_suffix(1);
  static constexpr std::array<std::wstring_view, 6> kPlain = {L"CON", L"PRN", L"AUX", L"NUL",
                                                              L"CONIN$", L"CONOUT$"};
  for (auto name : kPlain)
    if (SameText(stem, name)) return true;
  // Windows reserves the superscript digits one to three as well (COM\u00B9, LPT\u00B2...).
  if (stem.size() == 4 && (SameText(stem.substr(0, 3), L"COM") || SameText(stem.substr(0, 3), L"LPT")))
    return (stem[3] >= L'0' && stem[3] <= L'9') || stem[3] == L'\u00B9' || stem[3] == L'\u00B2' ||
           stem[3] == L'\u00B3';
  return false;
}

bool IsSafeComponent(std::wstring_view c) {
  if (c == L"..") return false;
  if (c.back() == L'.' || c.back() == L' ') return false;  // Windows would strip them
  for (wchar_t ch : c)
    if (ch < 32 || std::wstring_view(L"<>:\"|?*").find(ch) != std::wstring_view::npos) return false;
  return !IsDeviceName(c);
}

}  // namespace

bool AsksAboutFileFailure(int code) {
  switch (code) {
    case zerr::CorruptedEntry:
    case zerr::CannotCreateFile:
    case zerr::CannotCreateDir:
    case zerr::CannotOpenFile:
    case zerr::Zip64CompressedSize:
    case zerr::Zip64FileSize:
    case zerr::Deflate64:
      return true;
    default:
      return false;
  }
}

int LevelToMode(TZACompressionLevel level) {
  switch (level) {
    case TZACompressionLevel::clNone: return 0;
    case TZACompressionLevel::clFastest: return 1;
    case TZACompressionLevel::clNormal: return 6;
    case TZACompressionLevel::clMax: return 9;
  }
  return 1;
}

std::optional<TZACompressionLevel> ModeToLevel(int mode) {
  if (mode < 0 || mode > 9) return std::nullopt;
  if (mode == 0) return TZACompressionLevel::clNone;
  if (mode <= 3) return TZACompressionLevel::clFastest;
  if (mode <= 6) return TZACompressionLevel::clNormal;
  return TZACompressionLevel::clMax;
}

size_t BufferSizeForMode(int mode) {
  if (mode >= 1 && mode <= 3) return 0x80000;
  if (mode >= 7 && mode <= 9) return 0x180000;
  return 0x100000;
}

double OverallProgress(uint64_t done, uint64_t size, size_t index, size_t count) {
  if (count == 0) return 100.0;
  double part = size == 0 ? 1.0 : static_cast<double>(std::min(done, size)) / static_cast<double>(size);
  return (part + static_cast<double>(index)) / static_cast<double>(count) * 100.0;
}

bool MatchesMask(std::wstring_view name, std::wstring_view mask) {
  if (mask == L"*.*") mask = L"*";
  return Match(name, mask);
}

bool HasWildcards(std::wstring_view mask) { return mask.find_first_of(L"*?") != std::wstring_view::npos; }

bool EntryMatches(std::wstring_view storedName, std::wstring_view mask, bool recurse) {
  std::wstring name = Normalized(storedName);
  while (!name.empty() && name.back() == L'\\') name.pop_back();
  std::wstring pattern = Normalized(mask);
  if (MatchesMask(name, pattern)) return true;
  return recurse && MatchesMask(FileNamePart(name), pattern);
}

bool EntryPassesAttributes(uint32_t externalAttributes, uint16_t searchAttr) {
  constexpr uint32_t kGuarded = attr::Hidden | attr::System | attr::Volume | attr::Directory;
  return (externalAttributes & kGuarded & ~static_cast<uint32_t>(searchAttr)) == 0;
}

ExtractedAttributes AttributesForExtraction(uint32_t externalAttributes) {
  const uint32_t kept = externalAttributes & (attr::ReadOnly | attr::Hidden | attr::System | attr::Archive);
  const uint32_t atCreation = kept & ~attr::ReadOnly;
  return {kept ? kept : attr::Normal, atCreation ? atCreation : attr::Normal,
          (kept & attr::ReadOnly) != 0 || (kept & attr::Archive) == 0};
}

bool FileQualifies(uint32_t attributes, uint16_t searchAttr) {
  uint32_t mask = searchAttr & ~attr::Directory;
  if (attributes & mask) return true;
  constexpr uint32_t kPlainFile = attr::ReadOnly | attr::Hidden | attr::System | attr::Archive;
  return attributes == 0 && (searchAttr & kPlainFile) == kPlainFile;
}

std::wstring ResolveMask(std::wstring_view baseDir, std::wstring_view mask) {
  if (mask.find(L':') != std::wstring_view::npos || mask.find(L"..\\") != std::wstring_view::npos ||
      mask.find(L"../") != std::wstring_view::npos)
    return std::wstring(mask);
  if (!mask.empty() && IsSeparator(mask[0])) {
    if (mask.size() > 1 && IsSeparator(mask[1])) return std::wstring(mask);
    std::wstring_view drive = baseDir.size() >= 2 && baseDir[1] == L':' ? baseDir.substr(0, 2) : L"";
    return std::wstring(drive) + std::wstring(mask);
  }
  std::wstring out(baseDir);
  if (!out.empty() && !IsSeparator(out.back())) out += L'\\';
  return out + std::wstring(mask);
}

std::optional<std::wstring> SafeRelativePath(std::wstring_view storedName) {
  std::wstring name = Normalized(storedName);
  if (name.empty() || name[0] == L'\\' || name.size() > 32000) return std::nullopt;
  std::wstring out;
  size_t start = 0;
  while (start < name.size()) {
    size_t end = name.find(L'\\', start);
    if (end == std::wstring::npos) end = name.size();
    std::wstring_view component = std::wstring_view(name).substr(start, end - start);
    start = end + 1;
    if (component.empty() || component == L".") continue;  // "a//b" and "./a" are harmless
    if (!IsSafeComponent(component)) return std::nullopt;
    if (!out.empty()) out += L'\\';
    out += component;
  }
  return out;
}

std::wstring StoredName(std::wstring_view relativePath, bool folder) {
  std::wstring out(relativePath);
  std::replace(out.begin(), out.end(), L'\\', L'/');
  if (folder && (out.empty() || out.back() != L'/')) out += L'/';
  return out;
}

std::wstring PathForStorage(std::wstring_view fullPath, std::wstring_view baseDir, TZAStorePathMode mode) {
  std::wstring base = Normalized(baseDir);
  if (!base.empty() && base.back() != L'\\') base += L'\\';
  std::wstring path = Normalized(fullPath);
  if (mode == TZAStorePathMode::spNoPath) return std::wstring(FileNamePart(path));
  if (mode == TZAStorePathMode::spFullPathWithDrive) return path;
  if (mode == TZAStorePathMode::spRelativePath && path.size() > base.size() &&
      SameText(std::wstring_view(path).substr(0, base.size()), base))
    return path.substr(base.size());
  // Full path without its drive: "C:\a\b" and "\\server\share\a\b" both give "a\b" relative parts.
  std::wstring_view rest = path;
  if (rest.size() >= 2 && rest[1] == L':') rest.remove_prefix(2);
  else if (rest.starts_with(L"\\\\")) {
    size_t server = rest.find(L'\\', 2);
    size_t share = server == std::wstring_view::npos ? server : rest.find(L'\\', server + 1);
    rest = share == std::wstring_view::npos ? FileNamePart(rest) : rest.substr(share);
  }
  while (!rest.empty() && rest[0] == L'\\') rest.remove_prefix(1);
  return std::wstring(rest);
}

}  // namespace files::zip
