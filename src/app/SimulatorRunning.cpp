#include "app/SimulatorRunning.h"

#include <windows.h>

#include "app/SimulatorFiles.h"
#include "app/Texts.h"
#include "files/FileOps.h"
#include "ui/dialogs/MessageBoxes.h"

namespace app {

bool SimulatorClosed(char lang, const std::string& textureFolder) {
  const std::string texture = textureFolder + kTextureName;
  while (!files::CanReplaceFile(texture)) {
    if (ui::MsgBox(PickText(lang, texts::kSimulatorRunning), "Pratilo", MB_RETRYCANCEL | MB_ICONWARNING) != IDRETRY)
      return false;
  }
  return true;
}

}  // namespace app
