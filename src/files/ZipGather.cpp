// Gathering the files a mask takes under BaseDir, as pending entries of the update.
#include <algorithm>

#include "core/Utf8.h"
#include "files/ZipArchiver.h"
#include "files/ZipInternal.h"
#include "files/ZipNames.h"
#include "files/ZipRules.h"

namespace files {
namespace {

struct FoundName {
  std::wstring name;
  DWORD attributes;
};

std::vector<FoundName> ListFolder(const std::wstring& folder) {
  std::vector<FoundName> out;
  WIN32_FIND_DATAW data;
  std::wstring pattern = folder + (folder.ends_with(L'\\') ? L"*" : L"\\*");
  HANDLE find = FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &data, FindExSearchNameMatch, nullptr, 0);
  if (find == INVALID_HANDLE_VALUE) return out;
  do {
    std::wstring_view name = data.cFileName;
    if (name != L"." && name != L"..") out.push_back({data.cFileName, data.dwFileAttributes});
  } while (FindNextFileW(find, &data));
  FindClose(find);
  std::sort(out.begin(), out.end(), [](const FoundName& a, const FoundName& b) {
    return CompareStringOrdinal(a.name.c_str(), -1, b.name.c_str(), -1, TRUE) == CSTR_LESS_THAN;
  });
  return out;
}

std::wstring JoinPath(const std::wstring& folder, const std::wstring& name) {
  return folder.ends_with(L'\\') ? folder + name : folder + L'\\' + name;
}
}  // namespace

void TZipBaseArchiver::AddMatching(std::string_view fileMask, uint16_t attributes,
                                   std::string_view exclusionMask) {
  RequireOpen();
  BeginUpdate();
  try {
    std::lock_guard lock(zip::ArchiveLock());
    zip::CurrentDirectoryGuard restore;
    std::wstring base = FullPath(core::Widen(BaseDir.empty() ? std::string(".") : BaseDir));
    if (!SetCurrentDirectoryW(base.c_str())) Fail(zerr::FileNotFound, BaseDir);
    Gather(core::Widen(fileMask), attributes, core::Widen(exclusionMask));
  } catch (...) {
    pending_.clear();
    updateDepth_ = 0;
    throw;
  }
  EndUpdate();
}

void TZipBaseArchiver::Gather(std::wstring_view fileMask, uint16_t attributes, std::wstring_view exclusionMask) {
  std::wstring base = FullPath(L".");
  auto isArchive = [&](const std::wstring& full) {
    return CompareStringOrdinal(full.c_str(), -1, archivePath_.c_str(), -1, TRUE) == CSTR_EQUAL;
  };
  std::wstring resolved = zip::ResolveMask(base, fileMask);
  if (resolved == fileMask && !zip::HasWildcards(fileMask) && FileExists(FullPath(resolved))) {
    if (!isArchive(FullPath(resolved))) QueueFile(FullPath(resolved), base, false);
    return;
  }
  size_t cut = resolved.find_last_of(L"\\/");
  std::wstring folder = FullPath(cut == std::wstring::npos ? L"." : resolved.substr(0, cut + 1));
  std::wstring nameMask = cut == std::wstring::npos ? resolved : resolved.substr(cut + 1);
  if (nameMask.empty()) nameMask = L"*";

  auto excluded = [&](const std::wstring& name) {
    return !exclusionMask.empty() && zip::MatchesMask(name, exclusionMask);
  };
  auto walk = [&](auto&& self, const std::wstring& dir, bool takeAll) -> void {
    auto found = ListFolder(dir);
    for (const auto& f : found) {
      if (f.attributes & FILE_ATTRIBUTE_DIRECTORY) continue;
      std::wstring full = JoinPath(dir, f.name);
      if (!takeAll && !zip::MatchesMask(f.name, nameMask)) continue;
      if (!zip::FileQualifies(f.attributes, attributes) || excluded(f.name)) continue;
      if (!isArchive(full)) QueueFile(full, base, false);
    }
    if (!Options.Recurse) return;
    for (const auto& f : found) {
      // Junctions and links are not followed: they can loop or lead out of the folder.
      if (!(f.attributes & FILE_ATTRIBUTE_DIRECTORY) || (f.attributes & FILE_ATTRIBUTE_REPARSE_POINT)) continue;
      if (excluded(f.name)) continue;
      std::wstring sub = JoinPath(dir, f.name);
      bool whole = takeAll || zip::MatchesMask(f.name, nameMask);
      if (whole && (attributes & attr::Directory)) QueueFile(sub, base, true);
      self(self, sub, whole);
    }
  };
  walk(walk, folder, false);
}

void TZipBaseArchiver::QueueFile(const std::wstring& fullPath, const std::wstring& baseFull, bool folder) {
  std::wstring relative = zip::PathForStorage(fullPath, baseFull, Options.StorePath);
  Pending p;
  p.name = core::Narrow(zip::StoredName(relative, folder));
  if (!folder) p.source = fullPath;
  WIN32_FILE_ATTRIBUTE_DATA data{};
  bool known = GetFileAttributesExW(fullPath.c_str(), GetFileExInfoStandard, &data) != 0;
  zip::DosTime when = zip::DosTimeOf(known ? &data.ftLastWriteTime : nullptr);
  uint64_t size = known ? (uint64_t(data.nFileSizeHigh) << 32 | data.nFileSizeLow) : 0;
  p.header.time = when.time;
  p.header.date = when.date;
  p.header.externalAttributes = known ? data.dwFileAttributes : (folder ? attr::Directory : 0);
  p.header.flags = folder ? zip::kFlagFolder : 0;
  p.header.method = (folder || size == 0 || mode_ == 0) ? zip::kMethodStored : zip::kMethodDeflated;
  p.replaces = std::string::npos;
  for (size_t i = 0; i < items_.size(); ++i)
    if (zip::SameEntryName(items_[i].name, p.name)) p.replaces = i;
  for (auto& other : pending_)
    if (zip::SameEntryName(other.name, p.name)) {
      other = std::move(p);
      return;
    }
  pending_.push_back(std::move(p));
}

}  // namespace files
