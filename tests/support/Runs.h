#pragma once
// A wizard ready to install: a payload archive of small stand-in textures, simulator folders with
// their own detail1.bmp, and a stop that is recorded instead of ending the test program.
#include <string>

#include "support/Wizard.h"

namespace testing_support {

inline constexpr char kOriginalTexture[] = "ORIGINAL TEXTURE BYTES";

// The stand-in content of a payload entry.
std::string PayloadBytes(const std::string& entryName);

// The backup an earlier installation left in `folder`: the simulator's own texture, archived from
// a copy made in `scratch`.
void MakeBackupOfOriginal(const std::string& folder, const std::string& scratch);

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
  static std::string Texture(const std::string& folder) { return folder + "Scenery\\World\\Texture\\detail1.bmp"; }
  static std::string Backup(const std::string& folder) { return folder + "Pratilo_Original_Tex.zip"; }
  int Halts() const { return halts_; }

 private:
  int halts_ = 0;
};

}  // namespace testing_support
