#pragma once
// FSX editions whose setup writes no "SetupPath" (above all the Steam Edition) still leave their main
// folder in the registry; the wizard looks there before the user has to browse by hand.
#include <string>
#include <vector>

namespace setup {

// What the places of kFSXOtherPlaces name, in their order (blank where a place names nothing).
std::vector<std::string> OtherFSXCandidates();

// The first of those folders that holds "FSX.exe", completed, and remembered as "DossierFSX";
// empty, with nothing written, when none does. Keys are only read, never created.
std::string FindOtherFSXFolder();

}  // namespace setup
