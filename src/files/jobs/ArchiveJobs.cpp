#include "files/jobs/ArchiveJobs.h"

#include <windows.h>

#include <memory>

#include "core/Utf8.h"
#include "core/ValueText.h"
#include "files/FileHandle.h"
#include "files/FileOps.h"
#include "files/jobs/FailureQuestion.h"
#include "ui/widgets/StatusBar.h"

namespace files {
namespace {

std::unique_ptr<TZipCtrl> g_current;

// Fills the controller slot for one job and empties it (freeing the controller, which clears the
// status bar) when the job leaves, normally or through a failure.
class ControllerSlot {
 public:
  ControllerSlot() { g_current.reset(); }
  ~ControllerSlot() { g_current.reset(); }
  ControllerSlot(const ControllerSlot&) = delete;
  ControllerSlot& operator=(const ControllerSlot&) = delete;

  void Hook(TZipBaseArchiver& zip, ui::StatusBar* statusBar) {
    if (!statusBar) return;
    g_current = std::make_unique<TZipCtrl>(statusBar);
    TZipCtrl* ctrl = g_current.get();
    zip.OnOverallProgress = [ctrl](TZipBaseArchiver& sender, double progress, TZAProcessOperation operation,
                                   TZAProgressPhase phase, bool& cancel) {
      ctrl->OverallProgress(sender, progress, operation, phase, cancel);
    };
  }
  void Release(TZipBaseArchiver& zip) {
    zip.OnOverallProgress = nullptr;
    g_current.reset();
  }
};

}  // namespace

std::string ProgressText(double progress) { return " " + core::FormatNumber(progress) + " %"; }

TZipCtrl::~TZipCtrl() {
  if (statusBar_) statusBar_->SetSimpleText("");
}

void TZipCtrl::OverallProgress(TZipBaseArchiver&, double progress, TZAProcessOperation, TZAProgressPhase, bool&) {
  if (statusBar_) statusBar_->SetSimpleText(ProgressText(progress));
}

TZipCtrl* CurrentZipCtrl() { return g_current.get(); }

bool ArchiveAdd(std::string_view archiveName, std::string_view baseDir, ui::StatusBar* statusBar,
                std::string_view fileMask) {
  std::wstring archive = core::Widen(archiveName);
  // Cleared so the component can open the archive for writing; put back however the job ends.
  uint32_t remembered = FileExists(archive) ? ClearReadOnly(archiveName) : 0;
  struct RestoreAttributes {
    const std::wstring& path;
    uint32_t attributes;
    ~RestoreAttributes() {
      // Only an archive file: a folder in its place, which the job refused, keeps its attributes.
      if (FileExists(path)) SetFileAttributesW(path.c_str(), attributes ? attributes : FILE_ATTRIBUTE_NORMAL);
    }
  } restore{archive, remembered};

  TZipArchiver zip;
  ControllerSlot slot;
  zip.FileName = std::string(archiveName);
  zip.BaseDir = std::string(baseDir);
  zip.OpenZip();
  slot.Hook(zip, statusBar);
  zip.AddMatching(fileMask, attr::AnyFile, "");
  slot.Release(zip);
  zip.CloseZip();
  return true;
}

bool ArchiveExtract(std::string_view archiveName, std::string_view destDir, ui::StatusBar* statusBar,
                    std::string_view fileMask) {
  if (!FileExists(core::Widen(archiveName))) return false;
  TZipArchiver zip;
  ControllerSlot slot;
  zip.FileName = std::string(archiveName);
  zip.BaseDir = std::string(destDir);
  zip.OpenZip();
  slot.Hook(zip, statusBar);
  zip.ExtractMatching(fileMask, attr::AnyFile, "");
  slot.Release(zip);
  zip.CloseZip();
  return true;
}

}  // namespace files
