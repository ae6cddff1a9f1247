#pragma once
// Where a simulator's main folder is found: the wizard's rule at start-up, and the stricter one of
// unattended runs, where no user sees the folder before it is changed.
#include <string>
#include <string_view>

#include "setup/Simulator.h"

namespace setup {

// The remembered folder while it holds the simulator's marker, otherwise the registered one (then
// remembered); for FSX, failing both, the other editions' entries. Empty when none is found.
std::string FindSimulatorFolder(Simulator simulator);

struct MarkedFolder {
  std::string folder;     // completed; empty when no candidate holds the marker
  bool remember = false;  // found in the registry: to be remembered once the run may go on
};

// The first of the remembered folder, the registered one, for FSX the other editions' entries, and
// `given`, trimmed and completed, that holds the simulator's marker; a blank one is never tried.
// Reads only.
MarkedFolder FindMarkedFolder(Simulator simulator, std::string_view given);

// Remembers the folder as the simulator's.
void RememberFolder(Simulator simulator, const std::string& folder);

}  // namespace setup
