#include "ui/dialogs/ArchiveProgress.h"

#include <optional>

#include "core/NumberFormat.h"
#include "files/jobs/ArchiveJobs.h"
#include "ui/dialogs/FailureQuestion.h"
#include "ui/widgets/StatusBar.h"

namespace ui {
namespace {

// The events of one job: the question for a failed file, and its progress through a controller made
// when the request starts (a job that never starts leaves the bar alone) and freed, clearing the
// bar, when the job returns.
template <class Job>
bool RunShown(StatusBar* statusBar, Job job) {
  std::optional<TZipCtrl> ctrl;
  files::ArchiveJobEvents events{.fileFailure = &AskAboutFailedFile};
  if (statusBar) {
    events.progress = [&ctrl, statusBar](files::TZipBaseArchiver& sender, double progress,
                                         files::TZAProcessOperation operation, files::TZAProgressPhase phase,
                                         bool& cancel) {
      if (!ctrl) ctrl.emplace(statusBar);
      ctrl->OverallProgress(sender, progress, operation, phase, cancel);
    };
  }
  return job(events);
}

}  // namespace

std::string ProgressText(double progress) { return " " + core::FormatNumber(progress) + " %"; }

TZipCtrl::~TZipCtrl() {
  if (statusBar_) statusBar_->SetSimpleText("");
}

void TZipCtrl::OverallProgress(files::TZipBaseArchiver&, double progress, files::TZAProcessOperation,
                               files::TZAProgressPhase, bool&) {
  if (statusBar_) statusBar_->SetSimpleText(ProgressText(progress));
}

bool ArchiveAdd(std::string_view archiveName, std::string_view baseDir, StatusBar* statusBar,
                std::string_view fileMask) {
  return RunShown(statusBar, [&](const files::ArchiveJobEvents& events) {
    return files::AddToArchive(archiveName, baseDir, fileMask, events);
  });
}

bool ArchiveExtract(std::string_view archiveName, std::string_view destDir, StatusBar* statusBar,
                    std::string_view fileMask) {
  return RunShown(statusBar, [&](const files::ArchiveJobEvents& events) {
    return files::ExtractFromArchive(archiveName, destDir, fileMask, events);
  });
}

}  // namespace ui
