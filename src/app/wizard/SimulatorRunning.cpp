#include "app/wizard/SimulatorRunning.h"

#include <windows.h>

#include "setup/SimulatorFiles.h"
#include "app/texts/Texts.h"
#include "files/FileOps.h"
#include "ui/dialogs/MessageBoxes.h"

namespace app {

bool SimulatorClosed(char lang, const std::string& textureFolder) {
  const std::string texture = textureFolder + setup::kTextureName;
  while (!files::CanReplaceFile(texture)) {
    if (ui::MsgBox(PickText(lang, texts::kSimulatorRunning), "Pratilo", MB_RETRYCANCEL | MB_ICONWARNING) != IDRETRY)
      return false;
  }
  return true;
}

}  // namespace app
