#pragma once
// A running simulator holds its ground texture open, so replacing or restoring detail1.bmp would fail
// halfway. The wizard asks the user to close the simulator before it starts either run.
#include <string>

namespace app {

// True when "detail1.bmp" in the texture folder can be replaced (or does not exist). Otherwise asks,
// in the given language, to close the simulator: Retry checks again, Cancel gives false.
bool SimulatorClosed(char lang, const std::string& textureFolder);

}  // namespace app
