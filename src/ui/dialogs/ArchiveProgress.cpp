#include "ui/dialogs/ArchiveProgress.h"

#include <memory>
#include <optional>

#include "core/NumberFormat.h"
#include "ui/dialogs/FailureQuestion.h"
#include "ui/widgets/StatusBar.h"

namespace ui {

files::ArchiveJobEvents ShownJobEvents(StatusBar* statusBar) {
  files::ArchiveJobEvents events{.fileFailure = &AskAboutFailedFile};
  if (!statusBar) return events;
  // A job that never starts leaves the bar alone.
  auto ctrl = std::make_shared<std::optional<TZipCtrl>>();
  events.progress = [ctrl, statusBar](files::TZipBaseArchiver& sender, double progress,
                                      files::TZAProcessOperation operation, files::TZAProgressPhase phase,
                                      bool& cancel) {
    if (!*ctrl) ctrl->emplace(statusBar);
    (*ctrl)->OverallProgress(sender, progress, operation, phase, cancel);
  };
  return events;
}

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
  return files::AddToArchive(archiveName, baseDir, fileMask, ShownJobEvents(statusBar));
}

bool ArchiveExtract(std::string_view archiveName, std::string_view destDir, StatusBar* statusBar,
                    std::string_view fileMask) {
  return files::ExtractFromArchive(archiveName, destDir, fileMask, ShownJobEvents(statusBar));
}

}  // namespace ui
