#pragma once
// How a run does its archive jobs: the wizard's show their progress in its status bar and ask the
// user about a file that fails; unattended ones show nothing and end at a file that fails.
#include <string_view>

namespace ui {
class StatusBar;
}

namespace app {

struct ArchiveWork {
  ui::StatusBar* statusBar = nullptr;
  bool unattended = false;

  bool Add(std::string_view archiveName, std::string_view baseDir, std::string_view fileMask) const;
  bool Extract(std::string_view archiveName, std::string_view destDir, std::string_view fileMask) const;
};

}  // namespace app
