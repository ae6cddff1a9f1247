#pragma once
// What a killed run leaves behind: temporaries beside the texture, an extracted payload file or the
// backup archive, and extracted payload files that were never renamed. Only our own files go.
#include "app/SimulatorFiles.h"

namespace app {

// In the texture folder and the main folder, removes the temporary files of "detail1.bmp", of the
// payload's entries and of the backup archive, and the files that bear a payload entry's name with
// its size and CRC-32. A temporary still held open by a running copy stays. Nothing else is touched.
void RemoveLeftovers(const SimulatorFiles& files);

}  // namespace app
