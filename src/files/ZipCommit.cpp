// Committing an update: the whole new archive is written to a temporary file beside the old one
// and moved over it only when it is complete, so a failure or a crash never damages the archive.
#include <zlib.h>

#include <algorithm>
#include <memory>

#include "core/Utf8.h"
#include "files/Crc32.h"
#include "files/ZipArchiver.h"
#include "files/ZipInternal.h"
#include "files/ZipNames.h"
#include "files/ZipRules.h"

namespace files {
namespace {

struct Deflater {
  z_stream s{};
  bool ready = false;
  explicit Deflater(int level) { ready = deflateInit2(&s, level, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY) == Z_OK; }
  ~Deflater() {
    if (ready) deflateEnd(&s);
  }
};

struct Written {
  zip::CentralHeader header;
  std::string name, comment;
};

}  // namespace

void TZipBaseArchiver::Commit() {
  struct ClearPending {
    std::vector<Pending>& p;
    ~ClearPending() { p.clear(); }
  } clear{pending_};  // the update is over however this ends
  // Replacements are written in the old entries' places, ahead of new entries: when there is one,
  // the first entry written is an update.
  bool replacing = std::any_of(pending_.begin(), pending_.end(),
                               [](const Pending& p) { return p.replaces != std::string::npos; });
  auto first = replacing ? TZAProcessOperation::poUpdate : TZAProcessOperation::poAdd;
  if (!Progress(0, first, TZAProgressPhase::ppStart)) return;
  if (pending_.empty() && onDisk_) {
    Progress(100, first, TZAProgressPhase::ppEnd);  // nothing changed, so nothing is written
    return;
  }
  std::wstring tempPath;
  zip::TempFileGuard removeTemp;  // declared first: the file is closed before it is removed
  FileHandle out = CreateTempBeside(archivePath_, tempPath);
  if (!out.Valid()) Fail(zerr::CannotCreateOutput, core::Narrow(archivePath_));
  removeTemp.Reset(tempPath);
  bool abandoned = false;
  WriteArchive(out, abandoned);
  if (abandoned) return;
  if (Options.FlushBuffers && !out.Flush()) Fail(zerr::WriteError);

  DWORD oldAttributes = onDisk_ ? GetFileAttributesW(archivePath_.c_str()) : INVALID_FILE_ATTRIBUTES;
  archive_.Close();  // an open file cannot be replaced
  // One made read-only since it was opened is refused by RenameOver, as it was at opening.
  if (!RenameOver(out, archivePath_)) {
    if (onDisk_) ReopenArchive();
    Fail(zerr::CannotCreateOutput, core::Narrow(archivePath_));
  }
  removeTemp.Release();
  out.Close();
  if (oldAttributes != INVALID_FILE_ATTRIBUTES) SetFileAttributesW(archivePath_.c_str(), oldAttributes);
  onDisk_ = true;
  ReopenArchive();
  if (!archive_.Valid()) Fail(zerr::CannotOpenFile, FileName);
  ReadDirectory();
  Progress(100, first, TZAProgressPhase::ppEnd);
}

void TZipBaseArchiver::WriteArchive(const FileHandle& out, bool& abandoned) {
  std::vector<size_t> replacedBy(items_.size(), std::string::npos);
  for (size_t j = 0; j < pending_.size(); ++j)
    if (pending_[j].replaces != std::string::npos) replacedBy[pending_[j].replaces] = j;

  std::vector<Written> written;
  size_t k = 0, count = pending_.size();
  auto copy = [&](const TZipItem& item) {
    Written w{{}, item.rawName, item.comment};
    CopyEntry(out, item, w.header);
    written.push_back(std::move(w));
  };
  auto add = [&](const Pending& p) {
    Written w{{}, zip::EncodeEntryName(p.name, Options.OEMFileNames).bytes, {}};
    bool done = WritePending(out, p, k++, count, w.header, abandoned);
    if (done) written.push_back(std::move(w));
    return done;
  };
  for (size_t i = 0; i < items_.size() && !abandoned; ++i) {
    if (replacedBy[i] == std::string::npos || !add(pending_[replacedBy[i]])) {
      if (!abandoned) copy(items_[i]);
    }
  }
  for (size_t j = 0; j < pending_.size() && !abandoned; ++j)
    if (pending_[j].replaces == std::string::npos) add(pending_[j]);
  if (abandoned) return;

  uint64_t directoryOffset = 0;
  if (!out.Position(directoryOffset)) Fail(zerr::WriteError);
  // A count of 0xFFFF would be read back as the ZIP64 marker, so the last plain count is 0xFFFE.
  if (written.size() >= 0xFFFF || directoryOffset >= zip::kZip32Limit) Fail(zerr::Zip64CompressedSize, FileName);
  std::string directory;
  for (const auto& w : written) {
    auto bytes = zip::EncodeCentralHeader(w.header);
    directory.append(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    directory += w.name;
    directory += w.comment;
  }
  if (directoryOffset + directory.size() >= zip::kZip32Limit) Fail(zerr::Zip64CompressedSize, FileName);
  zip::EndRecord end;
  end.entries = end.entriesOnDisk = static_cast<uint16_t>(written.size());
  end.directorySize = static_cast<uint32_t>(directory.size());
  end.directoryOffset = static_cast<uint32_t>(directoryOffset);
  end.commentLength = static_cast<uint16_t>(comment_.size());
  auto endBytes = zip::EncodeEndRecord(end);
  directory.append(reinterpret_cast<const char*>(endBytes.data()), endBytes.size());
  directory += comment_;
  if (!out.WriteAll(directory.data(), directory.size())) Fail(zerr::WriteError);
}

bool TZipBaseArchiver::WritePending(const FileHandle& out, const Pending& p, size_t index, size_t count,
                                    zip::CentralHeader& written, bool& abandoned) {
  auto operation = p.replaces == std::string::npos ? TZAProcessOperation::poAdd : TZAProcessOperation::poUpdate;
  uint64_t start = 0;
  if (!out.Position(start)) Fail(zerr::WriteError);
  for (;;) {
    try {
      bool cancelled = false;
      WriteNewEntry(out, p, index, count, written, cancelled);
      if (cancelled) abandoned = true;
      return !cancelled;
    } catch (const EZAException& failure) {
      if (!zip::AsksAboutFileFailure(failure.code())) throw;  // e.g. the archive itself cannot be written
      if (!out.Truncate(start)) Fail(zerr::WriteError);
      std::string shown = p.source.empty() ? p.name : core::Narrow(p.source);
      switch (AskFileFailure(shown, operation, failure)) {
        case TZAAction::fxaRetry: continue;
        case TZAAction::fxaIgnore: return false;
        default: abandoned = true; return false;
      }
    }
  }
}

void TZipBaseArchiver::WriteNewEntry(const FileHandle& out, const Pending& p, size_t index, size_t count,
                                     zip::CentralHeader& written, bool& cancelled) {
  auto operation = p.replaces == std::string::npos ? TZAProcessOperation::poAdd : TZAProcessOperation::poUpdate;
  uint64_t start = 0;
  if (!out.Position(start)) Fail(zerr::WriteError);
  if (start >= zip::kZip32Limit) Fail(zerr::Zip64CompressedSize, p.name);
  auto name = zip::EncodeEntryName(p.name, Options.OEMFileNames);
  written = p.header;
  if (name.utf8) written.flags |= zip::kFlagUtf8Name;
  written.nameLength = static_cast<uint16_t>(name.bytes.size());
  written.localOffset = static_cast<uint32_t>(start);
  written.crc = written.compressedSize = written.size = 0;

  auto writeLocal = [&] {
    zip::LocalHeader h{written.versionNeeded, written.flags, written.method, written.time, written.date,
                       written.crc, written.compressedSize, written.size, written.nameLength, 0};
    auto bytes = zip::EncodeLocalHeader(h);
    if (!out.WriteAll(bytes.data(), bytes.size())) Fail(zerr::WriteError);
  };
  writeLocal();
  if (!out.WriteAll(name.bytes.data(), name.bytes.size())) Fail(zerr::WriteError);
  if (p.source.empty()) return;  // folder entry: no data

  std::string sourceName = core::Narrow(p.source);
  FileHandle in = FileHandle::Open(p.source, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                   OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN);
  if (!in.Valid()) Fail(zerr::CannotOpenFile, sourceName);
  uint64_t size = 0;
  if (!in.Size(size)) Fail(zerr::CannotOpenFile, sourceName);
  if (size >= zip::kZip32Limit) Fail(zerr::Zip64FileSize, sourceName);
  written.method = (size == 0 || mode_ == 0) ? zip::kMethodStored : zip::kMethodDeflated;

  size_t bufferSize = zip::BufferSizeForMode(mode_);
  std::unique_ptr<uint8_t[]> input(new uint8_t[bufferSize]);
  std::unique_ptr<uint8_t[]> output(new uint8_t[bufferSize]);
  std::unique_ptr<Deflater> deflater;
  if (written.method == zip::kMethodDeflated) {
    deflater = std::make_unique<Deflater>(mode_);
    if (!deflater->ready) Fail(zerr::Unknown);
  }
  uint32_t crc = 0;
  uint64_t done = 0, compressed = 0;
  for (bool last = false; !last;) {
    size_t got = 0;
    if (!in.Read(input.get(), bufferSize, got)) Fail(zerr::CannotOpenFile, sourceName);
    last = got < bufferSize;
    crc = Crc32(crc, input.get(), got);
    done += got;
    if (done >= zip::kZip32Limit) Fail(zerr::Zip64FileSize, sourceName);
    if (!deflater) {
      if (!out.WriteAll(input.get(), got)) Fail(zerr::WriteError);
      compressed += got;
    } else {
      z_stream& s = deflater->s;
      s.next_in = input.get();
      s.avail_in = static_cast<uInt>(got);
      int flush = last ? Z_FINISH : Z_NO_FLUSH;
      int rc;
      do {
        s.next_out = output.get();
        s.avail_out = static_cast<uInt>(bufferSize);
        rc = deflate(&s, flush);
        if (rc == Z_STREAM_ERROR) Fail(zerr::Unknown);
        size_t produced = bufferSize - s.avail_out;
        if (!out.WriteAll(output.get(), produced)) Fail(zerr::WriteError);
        compressed += produced;
      } while (s.avail_out == 0 || (last && rc != Z_STREAM_END));
    }
    if (compressed >= zip::kZip32Limit) Fail(zerr::Zip64CompressedSize, sourceName);
    if (got > 0 && !Progress(zip::OverallProgress(done, size, index, count), operation, TZAProgressPhase::ppProcess)) {
      cancelled = true;
      return;
    }
  }
  written.crc = crc;
  written.size = static_cast<uint32_t>(done);
  written.compressedSize = static_cast<uint32_t>(compressed);
  uint64_t end = 0;
  if (!out.Position(end) || !out.Seek(start)) Fail(zerr::WriteError);
  writeLocal();
  if (!out.Seek(end)) Fail(zerr::WriteError);
}
void TZipBaseArchiver::CopyEntry(const FileHandle& out, const TZipItem& item, zip::CentralHeader& written) {
  EntryData d = Locate(item);
  uint64_t start = 0;
  if (!out.Position(start)) Fail(zerr::WriteError);
  if (start >= zip::kZip32Limit) Fail(zerr::Zip64CompressedSize, item.name);
  written = item.header;
  // Sizes are known now, so a data descriptor is only kept where encryption checks rely on it.
  bool descriptor = (written.flags & zip::kFlagDescriptor) && (written.flags & zip::kFlagEncrypted);
  if (!descriptor) written.flags &= ~zip::kFlagDescriptor;
  written.nameLength = static_cast<uint16_t>(item.rawName.size());
  written.extraLength = 0;
  written.commentLength = static_cast<uint16_t>(item.comment.size());
  written.diskStart = 0;
  written.localOffset = static_cast<uint32_t>(start);
  zip::LocalHeader h{written.versionNeeded, written.flags, written.method, written.time, written.date,
                     descriptor ? 0 : written.crc, descriptor ? 0 : written.compressedSize,
                     descriptor ? 0 : written.size, written.nameLength, 0};
  auto bytes = zip::EncodeLocalHeader(h);
  if (!out.WriteAll(bytes.data(), bytes.size()) || !out.WriteAll(item.rawName.data(), item.rawName.size()))
    Fail(zerr::WriteError);
  std::vector<uint8_t> buffer(1 << 20);
  if (!archive_.Seek(d.dataStart)) Fail(zerr::InvalidArchive);
  for (uint64_t left = item.header.compressedSize; left > 0;) {
    size_t n = static_cast<size_t>(std::min<uint64_t>(left, buffer.size()));
    if (!archive_.ReadExact(buffer.data(), n)) Fail(zerr::InvalidArchive);
    if (!out.WriteAll(buffer.data(), n)) Fail(zerr::WriteError);
    left -= n;
  }
  if (descriptor) {
    uint8_t desc[16];
    uint32_t fields[4] = {zip::kDescriptorSignature, written.crc, written.compressedSize, written.size};
    for (int i = 0; i < 16; ++i) desc[i] = static_cast<uint8_t>(fields[i / 4] >> (8 * (i % 4)));
    if (!out.WriteAll(desc, sizeof desc)) Fail(zerr::WriteError);
  }
}
}  // namespace files
