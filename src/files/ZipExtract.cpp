// Extracting and testing entries. Each file is inflated into a temporary file beside its target
// and moved into place only after its size and CRC-32 check out.
#include <zlib.h>

#include <memory>

#include "core/FolderNames.h"
#include "core/Utf8.h"
#include "files/Crc32.h"
#include "files/ZipArchiver.h"
#include "files/ZipInternal.h"
#include "files/ZipRules.h"

namespace files {
namespace {

struct Inflater {
  z_stream s{};
  bool ready = false;
  Inflater() { ready = inflateInit2(&s, -15) == Z_OK; }
  ~Inflater() {
    if (ready) inflateEnd(&s);
  }
};

bool StartsWithFolder(const std::wstring& path, const std::wstring& folder) {
  std::wstring prefix = folder.ends_with(L'\\') ? folder : folder + L'\\';
  return path.size() > prefix.size() &&
         CompareStringOrdinal(path.c_str(), static_cast<int>(prefix.size()), prefix.c_str(),
                              static_cast<int>(prefix.size()), TRUE) == CSTR_EQUAL;
}

// Whether the entry may replace an existing file under the overwrite mode.
bool MayOverwrite(TZAOverwriteMode mode, const std::wstring& target, zip::DosTime entryTime) {
  if (mode == TZAOverwriteMode::omAlways || mode == TZAOverwriteMode::omPrompt) return true;
  if (mode == TZAOverwriteMode::omNever) return false;
  WIN32_FILE_ATTRIBUTE_DATA data{};
  FILETIME entry{};
  if (!GetFileAttributesExW(target.c_str(), GetFileExInfoStandard, &data) || !zip::FileTimeOf(entryTime, entry))
    return true;
  LONG order = CompareFileTime(&entry, &data.ftLastWriteTime);
  return mode == TZAOverwriteMode::omIfNewer ? order > 0 : order < 0;
}

}  // namespace

void TZipBaseArchiver::ExtractMatching(std::string_view fileMask, uint16_t attributes,
                                       std::string_view exclusionMask) {
  ProcessMatching(fileMask, attributes, exclusionMask, TZAProcessOperation::poExtract);
}

void TZipBaseArchiver::TestMatching(std::string_view fileMask, uint16_t attributes, std::string_view exclusionMask) {
  ProcessMatching(fileMask, attributes, exclusionMask, TZAProcessOperation::poTest);
}

void TZipBaseArchiver::ProcessMatching(std::string_view fileMask, uint16_t attributes,
                                       std::string_view exclusionMask, TZAProcessOperation operation) {
  RequireOpen();
  if (updateDepth_ > 0) Fail(zerr::UpdateNotEnded);
  std::wstring mask = core::Widen(fileMask), exclusion = core::Widen(exclusionMask);
  std::vector<size_t> marked;
  for (size_t i = 0; i < items_.size(); ++i) {
    std::wstring name = core::Widen(items_[i].name);
    if (!zip::EntryMatches(name, mask, Options.Recurse)) continue;
    if (!zip::EntryPassesAttributes(items_[i].header.externalAttributes, attributes)) continue;
    if (!exclusion.empty() && zip::EntryMatches(name, exclusion, Options.Recurse)) continue;
    marked.push_back(i);
  }
  std::lock_guard lock(zip::ArchiveLock());
  if (!Progress(0, operation, TZAProgressPhase::ppStart)) return;
  for (size_t k = 0; k < marked.size(); ++k) {
    const TZipItem item = items_[marked[k]];
    for (bool again = true; again;) {
      again = false;
      try {
        if (!ExtractEntry(item, k, marked.size(), operation)) return;  // cancelled
      } catch (const EZAException& failure) {
        if (!zip::AsksAboutFileFailure(failure.code())) throw;
        switch (AskFileFailure(item.name, operation, failure)) {
          case TZAAction::fxaRetry: again = true; break;
          case TZAAction::fxaIgnore: break;
          default: return;
        }
      }
    }
  }
  Progress(100, operation, TZAProgressPhase::ppEnd);
}

bool TZipBaseArchiver::ExtractEntry(const TZipItem& item, size_t index, size_t count, TZAProcessOperation operation) {
  if (operation == TZAProcessOperation::poTest) return item.IsFolder() || InflateEntry(item, nullptr, index, count, operation);
  auto relative = zip::SafeRelativePath(core::Widen(item.name));
  if (!relative || (relative->empty() && !item.IsFolder())) Fail(zerr::CannotCreateFile, item.name);
  if (relative->empty()) return true;  // "./": the destination itself
  std::wstring base = FullPath(core::Widen(BaseDir.empty() ? std::string(".") : BaseDir));
  std::wstring target = FullPath((base.ends_with(L'\\') ? base : base + L'\\') + *relative);
  if (!StartsWithFolder(target, base)) Fail(zerr::CannotCreateFile, item.name);
  std::string targetName = core::Narrow(target);

  if (item.IsFolder()) {
    if (!(Options.CreateDirs ? core::CreateFolders(targetName) : FolderExists(target)))
      Fail(zerr::CannotCreateDir, targetName);
    return true;
  }
  std::wstring parent = target.substr(0, target.find_last_of(L'\\'));
  if (!(Options.CreateDirs ? core::CreateFolders(core::Narrow(parent)) : FolderExists(parent)))
    Fail(zerr::CannotCreateDir, core::Narrow(parent));
  if (FolderExists(target)) Fail(zerr::CannotCreateFile, targetName);
  DWORD existing = GetFileAttributesW(target.c_str());
  bool exists = existing != INVALID_FILE_ATTRIBUTES;
  if (exists && !MayOverwrite(Options.OverwriteMode, target, {item.header.time, item.header.date})) return true;
  if (exists && (existing & FILE_ATTRIBUTE_READONLY) && !Options.ReplaceReadOnly) Fail(zerr::CannotCreateFile, targetName);

  const zip::ExtractedAttributes attributes = zip::AttributesForExtraction(item.header.externalAttributes);
  std::wstring tempPath;
  zip::TempFileGuard removeTemp;  // declared first: the file is closed before it is removed
  FileHandle out = CreateTempBeside(target, tempPath, Options.SetAttributes ? attributes.atCreation : attr::Normal);
  if (!out.Valid()) Fail(zerr::CannotCreateFile, targetName);
  removeTemp.Reset(tempPath);
  if (!InflateEntry(item, &out, index, count, operation)) return false;
  FILETIME when;
  if (zip::FileTimeOf({item.header.time, item.header.date}, when)) SetFileTime(out.Get(), nullptr, nullptr, &when);
  if (Options.FlushBuffers && !out.Flush()) Fail(zerr::WriteError);
  // Only these marks can stand in the way of replacing the file.
  const bool clearFirst = exists && (existing & (attr::ReadOnly | attr::Hidden | attr::System));
  if (clearFirst) SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_NORMAL);
  if (!RenameOver(out, target)) {
    if (clearFirst) SetFileAttributesW(target.c_str(), existing);
    Fail(zerr::CannotCreateFile, targetName);
  }
  removeTemp.Release();
  out.Close();
  if (Options.SetAttributes && attributes.setWhenPlaced) SetFileAttributesW(target.c_str(), attributes.final);
  return true;
}

bool TZipBaseArchiver::InflateEntry(const TZipItem& item, const FileHandle* out, size_t index, size_t count,
                                    TZAProcessOperation operation) {
  EntryData d = Locate(item);
  const auto& h = item.header;
  if (h.flags & zip::kFlagEncrypted) Fail(zerr::CorruptedEntry);
  if (h.method == zip::kMethodDeflate64) Fail(zerr::Deflate64);
  if (h.method != zip::kMethodStored && h.method != zip::kMethodDeflated) Fail(zerr::CorruptedEntry);
  if (h.method == zip::kMethodStored && h.compressedSize != h.size) Fail(zerr::CorruptedEntry);
  if (!archive_.Seek(d.dataStart)) Fail(zerr::InvalidArchive);

  const uint64_t declared = h.size;
  size_t bufferSize = zip::BufferSizeForMode(mode_);
  size_t inputSize = static_cast<size_t>(std::min<uint64_t>(bufferSize, std::max<uint32_t>(h.compressedSize, 1)));
  std::unique_ptr<uint8_t[]> input(new uint8_t[inputSize]);
  std::unique_ptr<uint8_t[]> output(new uint8_t[bufferSize]);
  uint32_t crc = 0;
  uint64_t total = 0, inputLeft = h.compressedSize;

  auto readInput = [&](size_t& n) {
    n = static_cast<size_t>(std::min<uint64_t>(inputLeft, inputSize));
    if (!archive_.ReadExact(input.get(), n)) Fail(zerr::InvalidArchive);
    inputLeft -= n;
  };
  // Hands on a full buffer; false when the progress event asked to cancel.
  auto emit = [&](size_t n) {
    crc = Crc32(crc, output.get(), n);
    total += n;
    if (out && !out->WriteAll(output.get(), n)) Fail(zerr::WriteError);
    return Progress(zip::OverallProgress(total, declared, index, count), operation, TZAProgressPhase::ppProcess);
  };

  if (h.method == zip::kMethodStored) {
    while (inputLeft > 0) {
      size_t n = static_cast<size_t>(std::min<uint64_t>(inputLeft, bufferSize));
      if (!archive_.ReadExact(output.get(), n)) Fail(zerr::InvalidArchive);
      inputLeft -= n;
      if (!emit(n)) return false;
    }
  } else {
    Inflater inflater;
    if (!inflater.ready) Fail(zerr::Unknown);
    z_stream& s = inflater.s;
    size_t filled = 0;
    for (;;) {
      if (s.avail_in == 0 && inputLeft > 0) {
        size_t n = 0;
        readInput(n);
        s.next_in = input.get();
        s.avail_in = static_cast<uInt>(n);
      }
      // One byte of room beyond the declared size reveals an entry that inflates to more.
      uint64_t room = declared - total - filled + 1;
      size_t avail = static_cast<size_t>(std::min<uint64_t>(bufferSize - filled, room));
      s.next_out = output.get() + filled;
      s.avail_out = static_cast<uInt>(avail);
      uInt inBefore = s.avail_in;
      int rc = inflate(&s, Z_NO_FLUSH);
      // zlib's own failures are not a question about one file: the data is not a deflate stream,
      // or zlib itself failed.
      if (rc == Z_DATA_ERROR || rc == Z_NEED_DICT) Fail(zerr::InvalidArchive);
      if (rc != Z_OK && rc != Z_STREAM_END && rc != Z_BUF_ERROR) Fail(zerr::Unknown);
      size_t produced = avail - s.avail_out;
      filled += produced;
      if (total + filled > declared) Fail(zerr::CorruptedEntry);
      bool ended = rc == Z_STREAM_END;
      if (filled == bufferSize || (ended && filled > 0)) {
        size_t n = filled;
        filled = 0;
        if (!emit(n)) return false;
      }
      if (ended) break;
      if (produced == 0 && s.avail_in == inBefore && (inputLeft == 0 || s.avail_in > 0))
        Fail(zerr::CorruptedEntry);  // truncated or stuck stream
    }
  }
  bool intact = total == declared && crc == h.crc;
  if (!intact && !(ExtractCorruptedFiles && out)) Fail(zerr::CorruptedEntry);
  return true;
}

}  // namespace files
