#pragma once
// What a killed run leaves behind: temporaries beside the texture, an extracted payload file or the
// backup archive, and extracted payload files that were never renamed. Only our own files count.
#include <string>
#include <vector>

#include "files/EntryCheck.h"
#include "setup/SimulatorFiles.h"

namespace setup {

// In the texture folder and the main folder: the temporary files of "detail1.bmp", of the payload's
// entries, of the backup archive and of a kept texture's archive, and the files that bear a payload entry's name with its size
// and CRC-32. Full paths.
std::vector<std::string> FindLeftovers(const SimulatorFiles& files, const std::vector<files::FileStamp>& payloadEntries);

// Removes them; a temporary still held open by a running copy stays.
void RemoveLeftovers(const std::vector<std::string>& leftovers);

}  // namespace setup
