#include "files/ZipArchiver.h"

#include <algorithm>
#include <exception>

#include "core/Utf8.h"
#include "files/ZipInternal.h"
#include "files/ZipNames.h"
#include "files/ZipRules.h"

namespace files {

TZipBaseArchiver::TZipBaseArchiver() = default;

TZipBaseArchiver::~TZipBaseArchiver() {
  try {
    CloseZip();
  } catch (...) {
    // A destructor cannot report; the archive on disk is intact either way (commits are atomic).
  }
}

void TZipBaseArchiver::SetCompressionLevel(TZACompressionLevel level) {
  level_ = level;
  mode_ = zip::LevelToMode(level);
}

void TZipBaseArchiver::SetCompressionMode(int mode) {
  auto level = zip::ModeToLevel(mode);
  if (!level) Fail(zerr::InvalidMode);
  mode_ = mode;
  level_ = *level;
}

void TZipBaseArchiver::Fail(int code, std::string_view arg1, std::string_view arg2) const {
  throw EZAException(code, Name, arg1, arg2);
}

void TZipBaseArchiver::RequireOpen() const {
  if (!active_) Fail(zerr::NotOpen);
}

void TZipBaseArchiver::OpenZip() {
  if (InMemory) Fail(zerr::InMemoryOnly);
  if (SpanningMode != TZASpanningMode::smNone) Fail(zerr::MultiVolume);
  // Neither encryption nor ZIP64 records are written: refused rather than silently ignored.
  if (!Password.empty() || Zip64Mode != TZip64Mode::zmDisabled) Fail(zerr::Unknown);
  if (FileName.empty() || FileName.back() == '\\' || FileName.back() == '/' || FileName.back() == ':')
    Fail(zerr::BlankFileName);
  // Whatever was open is closed first, so that reopening the same archive is not refused by
  // this component's own sharing mode.
  CloseZip();
  std::wstring path = FullPath(core::Widen(FileName));
  bool exists = FileExists(path);
  if (!exists && FolderExists(path)) Fail(zerr::CannotOpenFile, FileName);
  archivePath_ = path;
  readOnly_ = false;
  if (exists) {
    ReopenArchive();
    if (!archive_.Valid()) Fail(zerr::CannotOpenFile, FileName);
  }
  onDisk_ = exists;
  if (exists) {
    try {
      ReadDirectory();
    } catch (...) {
      archive_.Close();  // a refused archive is not kept open (and locked) by this component
      throw;
    }
  }
  active_ = true;
}

void TZipBaseArchiver::ReopenArchive() {
  // The read-only attribute is checked by hand too: a process with backup rights (or root under
  // Wine) could open the file for writing anyway.
  archive_.Close();
  if (!(GetFileAttributesW(archivePath_.c_str()) & FILE_ATTRIBUTE_READONLY))
    archive_ = FileHandle::Open(archivePath_, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, OPEN_EXISTING);
  readOnly_ = !archive_.Valid();
  if (readOnly_)
    archive_ = FileHandle::Open(archivePath_, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING);
}

void TZipBaseArchiver::ReadDirectory() {
  std::vector<TZipItem> items;
  uint64_t size = 0;
  if (!archive_.Size(size) || size < zip::kEndSize) Fail(zerr::CannotOpenArchive);
  size_t tailSize = static_cast<size_t>(std::min<uint64_t>(size, zip::kEndSearchSpan));
  std::vector<uint8_t> tail(tailSize);
  if (!archive_.ReadAt(size - tailSize, tail.data(), tailSize)) Fail(zerr::CannotOpenArchive);
  auto at = zip::FindEndRecord(tail);
  if (!at) Fail(zerr::CannotOpenArchive);
  uint64_t endPos = size - tailSize + *at;
  auto end = zip::DecodeEndRecord(std::span(tail).subspan(*at));
  if (end->entries == 0xFFFF || end->directorySize == 0xFFFFFFFF || end->directoryOffset == 0xFFFFFFFF)
    Fail(zerr::NoZip64End);
  if (end->thisDisk != 0 || end->directoryDisk != 0 || end->entriesOnDisk != end->entries)
    Fail(zerr::Damaged);
  if (uint64_t(end->directoryOffset) + end->directorySize > endPos) Fail(zerr::Damaged);

  std::vector<uint8_t> dir(end->directorySize);
  if (!dir.empty() && !archive_.ReadAt(end->directoryOffset, dir.data(), dir.size())) Fail(zerr::Damaged);
  size_t pos = 0;
  items.reserve(end->entries);
  for (unsigned i = 0; i < end->entries; ++i) {
    auto header = zip::DecodeCentralHeader(std::span(dir).subspan(std::min(pos, dir.size())));
    if (!header) Fail(zerr::Damaged);
    size_t varying = size_t(header->nameLength) + header->extraLength + header->commentLength;
    if (dir.size() - pos - zip::kCentralSize < varying) Fail(zerr::Damaged);
    if (uint64_t(header->localOffset) + zip::kLocalSize > end->directoryOffset) Fail(zerr::Damaged);
    const char* p = reinterpret_cast<const char*>(dir.data() + pos + zip::kCentralSize);
    TZipItem item;
    item.header = *header;
    item.rawName.assign(p, header->nameLength);
    item.comment.assign(p + header->nameLength + header->extraLength, header->commentLength);
    item.name = zip::DecodeEntryName(item.rawName, header->flags, Options.OEMFileNames);
    std::replace(item.name.begin(), item.name.end(), '\\', '/');
    items.push_back(std::move(item));
    pos += zip::kCentralSize + varying;
  }
  items_ = std::move(items);
  comment_.assign(reinterpret_cast<const char*>(tail.data() + *at + zip::kEndSize), end->commentLength);
  dataLimit_ = end->directoryOffset;
}

void TZipBaseArchiver::CloseZip() {
  if (!active_) return;
  // The file and the directory are released even when the pending update fails to commit.
  std::exception_ptr failure;
  if (updateDepth_ > 0) {
    updateDepth_ = 0;
    try {
      Commit();
    } catch (...) {
      failure = std::current_exception();
    }
  }
  archive_.Close();
  items_.clear();
  pending_.clear();
  comment_.clear();
  active_ = false;
  readOnly_ = false;
  onDisk_ = false;
  if (failure) std::rethrow_exception(failure);
}

void TZipBaseArchiver::BeginUpdate() {
  RequireOpen();
  if (readOnly_) Fail(zerr::ReadOnlyArchive);
  ++updateDepth_;
}

void TZipBaseArchiver::EndUpdate() {
  RequireOpen();
  if (updateDepth_ == 0) Fail(zerr::UpdateNotStarted);
  if (--updateDepth_ == 0) Commit();
}

bool TZipBaseArchiver::Progress(double percent, TZAProcessOperation operation, TZAProgressPhase phase) {
  bool cancel = false;
  if (OnOverallProgress) OnOverallProgress(*this, percent, operation, phase, cancel);
  return !cancel;
}

TZAAction TZipBaseArchiver::AskFileFailure(const std::string& fileName, TZAProcessOperation operation,
                                           const EZAException& failure) {
  if (OnProcessFileFailure) return OnProcessFileFailure(*this, fileName, operation, failure);
  return DefaultFileFailureAction(fileName, operation, failure);
}

TZAAction TZipBaseArchiver::DefaultFileFailureAction(const std::string&, TZAProcessOperation,
                                                     const EZAException&) {
  return TZAAction::fxaAbort;
}

TZipBaseArchiver::EntryData TZipBaseArchiver::Locate(const TZipItem& item) const {
  uint8_t bytes[zip::kLocalSize];
  uint64_t offset = item.header.localOffset;
  if (offset + zip::kLocalSize > dataLimit_ || !archive_.ReadAt(offset, bytes, sizeof bytes))
    Fail(zerr::InvalidArchive);
  auto local = zip::DecodeLocalHeader(bytes);
  if (!local) Fail(zerr::InvalidArchive);
  EntryData d;
  d.dataStart = offset + zip::kLocalSize + local->nameLength + local->extraLength;
  if (d.dataStart + item.header.compressedSize > dataLimit_) Fail(zerr::InvalidArchive);
  return d;
}

}  // namespace files
