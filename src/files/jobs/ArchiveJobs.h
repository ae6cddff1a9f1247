#pragma once
// Whole archive jobs with their progress shown in a status bar: one component and one progress
// controller per job, both freed when the job returns, also when a failure passes through.
#include <string>
#include <string_view>

#include "files/ZipArchiver.h"

namespace ui {
class StatusBar;
}

namespace files {

// " 46 %": the percentage rounded to a whole number, between blanks, as the status bar shows it.
std::string ProgressText(double progress);

// Shows the progress events of one job in a status bar (none: shows nothing). Freeing it clears the bar.
class TZipCtrl {
 public:
  explicit TZipCtrl(ui::StatusBar* statusBar) : statusBar_(statusBar) {}
  ~TZipCtrl();
  TZipCtrl(const TZipCtrl&) = delete;
  TZipCtrl& operator=(const TZipCtrl&) = delete;

  // Has the form of the component's OnOverallProgress; never cancels.
  void OverallProgress(TZipBaseArchiver& sender, double progress, TZAProcessOperation operation,
                       TZAProgressPhase phase, bool& cancel);
  ui::StatusBar* StatusBar() const { return statusBar_; }

 private:
  ui::StatusBar* statusBar_;
};

// The controller of the job that is running, or null. One job runs at a time.
TZipCtrl* CurrentZipCtrl();

// Adds the files of baseDir matching fileMask to the archive (created when missing). The archive's
// attributes are the same afterwards (none for a new one). Gives true; failures of the component
// reach the caller as EZAException.
bool ArchiveAdd(std::string_view archiveName, std::string_view baseDir, ui::StatusBar* statusBar,
                std::string_view fileMask);

// Extracts the entries matching fileMask into destDir. False when the archive does not exist;
// otherwise true, failures of the component reaching the caller.
bool ArchiveExtract(std::string_view archiveName, std::string_view destDir, ui::StatusBar* statusBar,
                    std::string_view fileMask);

}  // namespace files
