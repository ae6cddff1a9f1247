#pragma once
// The uninstallation run, apart from the window: the simulator's own texture back from the backup,
// or, where the backup records that there was none, our texture removed; the backup deleted only
// once that is done.
#include "app/RunOutcome.h"
#include "app/SimulatorFiles.h"

namespace ui {
class StatusBar;
}

namespace app {

struct Uninstallation {
  char lang = 'F';
  SimulatorFiles files;
};

// Failed with an empty text when the backup has gone (nothing to restore, nothing deleted). Never
// raises: an error inside a step comes back as the outcome.
RunOutcome RunUninstallation(const Uninstallation& job, ui::StatusBar* statusBar);

}  // namespace app
