#include "app/ArchiveWork.h"

#include "files/jobs/ArchiveJobs.h"
#include "ui/dialogs/ArchiveProgress.h"

namespace app {

bool ArchiveWork::Add(std::string_view archiveName, std::string_view baseDir, std::string_view fileMask) const {
  if (unattended) return files::AddToArchive(archiveName, baseDir, fileMask);
  return ui::ArchiveAdd(archiveName, baseDir, statusBar, fileMask);
}

bool ArchiveWork::Extract(std::string_view archiveName, std::string_view destDir, std::string_view fileMask) const {
  if (unattended) return files::ExtractFromArchive(archiveName, destDir, fileMask);
  return ui::ArchiveExtract(archiveName, destDir, statusBar, fileMask);
}

}  // namespace app
