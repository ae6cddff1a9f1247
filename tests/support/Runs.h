#pragma once
// A wizard ready to install: a payload archive of small stand-in textures, simulator folders with
// their own detail1.bmp, and a stop that is recorded instead of ending the test program.
#include <string>

#include "support/Setups.h"
#include "support/Wizard.h"

namespace testing_support {

class RunTest : public WizardTest {
 public:
  RunTest();
  ~RunTest();
  std::string Payload() const { return Temp().path() + "Pratilo.bin"; }
  // A simulator main folder with its marker and its own texture.
  std::string MakeSimulator(const std::string& name, const char* marker) const;
  // The backup an earlier installation left in the folder: the simulator's own texture, archived.
  void MakeBackupOfOriginal(const std::string& folder) const {
    testing_support::MakeBackupOfOriginal(folder, Temp().path());
  }
  static std::string Texture(const std::string& folder) { return TextureOf(folder); }
  static std::string Backup(const std::string& folder) { return BackupOf(folder); }
  int Halts() const { return halts_; }

 private:
  int halts_ = 0;
};

}  // namespace testing_support
