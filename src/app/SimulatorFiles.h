#pragma once
// The files of one simulator main folder that the installation and the uninstallation touch.
#include <string>

#include "app/Choices.h"

namespace app {

struct SimulatorFiles {
  std::string main;  // the main folder, completed
  std::string payload;  // the payload archive the texture comes from
  std::string TextureFolder() const { return main + kTextureSubfolder; }
  std::string Texture() const { return TextureFolder() + kTextureName; }
  std::string Backup() const { return main + kBackupName; }
};

}  // namespace app
