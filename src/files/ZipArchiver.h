#pragma once
// The zip archive component: open or create an archive, add files matching a mask, extract or
// test entries matching a mask, with progress events and coded failures (EZAException).
//
// Updates are written to a temporary file beside the archive and moved over it only when
// complete; extracted files are written beside their target and moved into place only after
// their size and CRC-32 check out. Entry names are never allowed to leave BaseDir.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "files/FileHandle.h"
#include "files/ZipError.h"
#include "files/ZipRecords.h"
#include "files/ZipTypes.h"

namespace files {

class TZipBaseArchiver;

using TZAProgressEvent = std::function<void(TZipBaseArchiver& sender, double progress,
                                            TZAProcessOperation operation, TZAProgressPhase phase,
                                            bool& cancel)>;
// Answers a failure on one file (those zip::AsksAboutFileFailure names; other failures end the
// request). fileName is the entry's stored name (extract) or source path (add).
using TZAProcessFileFailureEvent = std::function<TZAAction(
    TZipBaseArchiver& sender, const std::string& fileName, TZAProcessOperation operation,
    const EZAException& failure)>;

// One entry of the archive's directory as read from the file.
struct TZipItem {
  std::string name;     // UTF-8, "/" separators; folder entries end with "/"
  std::string rawName;  // the stored bytes
  std::string comment;  // the stored bytes
  zip::CentralHeader header;
  bool IsFolder() const { return !name.empty() && name.back() == '/'; }
};

class TZipBaseArchiver {
 public:
  TZipBaseArchiver();
  virtual ~TZipBaseArchiver();
  TZipBaseArchiver(const TZipBaseArchiver&) = delete;
  TZipBaseArchiver& operator=(const TZipBaseArchiver&) = delete;

  // Properties. Only the defaults of SpanningMode, Zip64Mode, InMemory and Password are supported;
  // OpenZip refuses others rather than write something the caller did not ask for.
  std::string Name;      // put in front of failure texts when not empty
  std::string FileName;  // UTF-8
  std::string BaseDir;   // UTF-8
  bool ExtractCorruptedFiles = false;
  TZASpanningMode SpanningMode = TZASpanningMode::smNone;
  TZip64Mode Zip64Mode = TZip64Mode::zmDisabled;
  bool InMemory = false;
  std::string Password;
  TZAOptions Options;
  TZAProgressEvent OnOverallProgress;
  TZAProcessFileFailureEvent OnProcessFileFailure;

  TZACompressionLevel CompressionLevel() const { return level_; }
  void SetCompressionLevel(TZACompressionLevel level);
  int CompressionMode() const { return mode_; }
  void SetCompressionMode(int mode);  // failure 5 outside 0..9

  void OpenZip();
  void CloseZip();
  bool Active() const { return active_; }
  bool OpenedReadOnly() const { return readOnly_; }

  void BeginUpdate();
  void EndUpdate();  // the outermost one commits

  void AddMatching(std::string_view fileMask, uint16_t attributes = attr::AnyFile,
                   std::string_view exclusionMask = {});
  void ExtractMatching(std::string_view fileMask, uint16_t attributes = attr::AnyFile,
                       std::string_view exclusionMask = {});
  // Inflates and checks the matching entries, writing nothing.
  void TestMatching(std::string_view fileMask, uint16_t attributes = attr::AnyFile,
                    std::string_view exclusionMask = {});

  const std::vector<TZipItem>& Items() const { return items_; }
  const std::string& Comment() const { return comment_; }

 protected:
  // Called when no OnProcessFileFailure handler is assigned; the base class abandons the request.
  virtual TZAAction DefaultFileFailureAction(const std::string& fileName, TZAProcessOperation operation,
                                             const EZAException& failure);

 private:
  struct Pending {
    std::string name;       // stored name, UTF-8
    std::wstring source;    // full path of the file; empty for a folder entry
    size_t replaces;        // index in items_, or npos for a new entry
    zip::CentralHeader header;
  };
  struct EntryData {
    uint64_t dataStart = 0;  // where the entry's data begins in the archive file
  };

  [[noreturn]] void Fail(int code, std::string_view arg1 = {}, std::string_view arg2 = {}) const;
  void RequireOpen() const;
  void ReadDirectory();
  TZAAction AskFileFailure(const std::string& fileName, TZAProcessOperation operation,
                           const EZAException& failure);
  bool Progress(double percent, TZAProcessOperation operation, TZAProgressPhase phase);

  void Gather(std::wstring_view fileMask, uint16_t attributes, std::wstring_view exclusionMask);
  void QueueFile(const std::wstring& fullPath, const std::wstring& baseFull, bool folder);
  void Commit();
  void ReopenArchive();  // archivePath_ for writing if possible, else for reading
  void WriteArchive(const FileHandle& out, bool& abandoned);
  bool WritePending(const FileHandle& out, const Pending& p, size_t index, size_t count,
                    zip::CentralHeader& written, bool& abandoned);
  void WriteNewEntry(const FileHandle& out, const Pending& p, size_t index, size_t count,
                     zip::CentralHeader& written, bool& cancelled);
  void CopyEntry(const FileHandle& out, const TZipItem& item, zip::CentralHeader& written);
  EntryData Locate(const TZipItem& item) const;

  void ProcessMatching(std::string_view fileMask, uint16_t attributes, std::string_view exclusionMask,
                       TZAProcessOperation operation);
  // Returns false when the request was cancelled from the progress event.
  bool ExtractEntry(const TZipItem& item, size_t index, size_t count, TZAProcessOperation operation);
  bool InflateEntry(const TZipItem& item, const FileHandle* out, size_t index, size_t count,
                    TZAProcessOperation operation);

  TZACompressionLevel level_ = TZACompressionLevel::clFastest;
  int mode_ = 1;
  bool active_ = false;
  bool readOnly_ = false;
  bool onDisk_ = false;          // the archive file exists (a new one is written at its first commit)
  std::wstring archivePath_;     // full path, fixed at OpenZip
  FileHandle archive_;
  uint64_t dataLimit_ = 0;       // entry data must end before the central directory
  std::vector<TZipItem> items_;
  std::string comment_;
  int updateDepth_ = 0;
  std::vector<Pending> pending_;
};

}  // namespace files
