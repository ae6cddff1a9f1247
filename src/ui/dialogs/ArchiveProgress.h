#pragma once
// The archive jobs as the wizard runs them: their progress shown in a status bar, and a failure on
// one file asked about. One progress controller per job, freed when the job returns.
#include <string>
#include <string_view>

#include "files/jobs/ArchiveJobs.h"

namespace ui {

class StatusBar;

// " 46 %": the percentage rounded to a whole number, between blanks, as the status bar shows it.
std::string ProgressText(double progress);

// Shows the progress events of one job in a status bar (none: shows nothing). Freeing it clears the bar.
class TZipCtrl {
 public:
  explicit TZipCtrl(StatusBar* statusBar) : statusBar_(statusBar) {}
  ~TZipCtrl();
  TZipCtrl(const TZipCtrl&) = delete;
  TZipCtrl& operator=(const TZipCtrl&) = delete;

  // Has the form of the component's OnOverallProgress; never cancels.
  void OverallProgress(files::TZipBaseArchiver& sender, double progress, files::TZAProcessOperation operation,
                       files::TZAProgressPhase phase, bool& cancel);
  StatusBar* Bar() const { return statusBar_; }

 private:
  StatusBar* statusBar_;
};

// The events of one job as the wizard shows them: its progress in the status bar (none: not shown),
// through a controller made when the request starts and freed, clearing the bar, with the events;
// and the question after a failed file.
files::ArchiveJobEvents ShownJobEvents(StatusBar* statusBar);

// The jobs of files::AddToArchive and files::ExtractFromArchive with their progress in the status
// bar and the question after a failed file; the same results and failures.
bool ArchiveAdd(std::string_view archiveName, std::string_view baseDir, StatusBar* statusBar,
                std::string_view fileMask);
bool ArchiveExtract(std::string_view archiveName, std::string_view destDir, StatusBar* statusBar,
                    std::string_view fileMask);

}  // namespace ui
