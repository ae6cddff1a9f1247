#pragma once
// FSX editions whose setup writes no "SetupPath" (above all the Steam Edition) still leave their main
// folder in the registry; the wizard looks there before the user has to browse by hand.
#include <string>

namespace app {

// The first folder named by the places of kFSXOtherPlaces that holds "FSX.exe", completed, and
// remembered as "DossierFSX"; empty, with nothing written, when none does. Keys are only read,
// never created.
std::string FindOtherFSXFolder();

}  // namespace app
