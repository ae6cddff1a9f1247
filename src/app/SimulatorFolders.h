#pragma once
// Where a simulator's main folder is found at start-up, by the wizard and by unattended runs alike.
#include <string>

#include "app/Texts.h"

namespace app {

// The remembered folder while it holds the simulator's marker, otherwise the registered one (then
// remembered); for FSX, failing both, the other editions' entries. Empty when none is found.
std::string FindSimulatorFolder(Simulator simulator);

}  // namespace app
