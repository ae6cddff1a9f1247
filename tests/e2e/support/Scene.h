#pragma once
// The known state each scenario starts from: the program in a folder of its own (with or without
// its payload), the two simulators' main folders with their own detail1.bmp, the simulators'
// registry entries pointing at them, and an empty settings key. Everything is put back afterwards.
#include <map>
#include <memory>
#include <string>

#include "e2e/support/Wizard.h"
#include "support/TempFolder.h"

namespace e2e {

struct SimulatorFolder {
  std::string main;  // with trailing backslash
  std::string TextureFolder() const { return main + "Scenery\\World\\Texture\\"; }
  std::string Texture() const { return TextureFolder() + "detail1.bmp"; }
  std::string Backup() const { return main + "Pratilo_Original_Tex.zip"; }
  // Every file below the main folder with its content, relative names as keys.
  std::map<std::string, std::string> Snapshot() const;
};

// The payload the tests install from: the build's Pratilo.bin, or one packed from the artwork.
const std::string& PayloadPath();
// An entry of that payload ("T3_256.bmp"), read with the tests' own reader.
std::string PayloadEntry(const std::string& name);

// A bitmap file of about `bytes` bytes whose pixels depend on `seed`, standing for a simulator's texture.
std::string MakeBitmap(size_t bytes, unsigned seed);

class Scene {
 public:
  struct Options {
    bool payload = true;
    size_t originalSize = 256 * 1024;
  };
  Scene() : Scene(Options{}) {}
  explicit Scene(const Options& options);
  ~Scene();
  Scene(const Scene&) = delete;
  Scene& operator=(const Scene&) = delete;

  const std::string& Exe() const { return exe_; }
  std::string ProgramFolder() const { return exe_.substr(0, exe_.rfind('\\') + 1); }
  const SimulatorFolder& Folder(Sim sim) const { return sim == Sim::FS9 ? fs9_ : fsx_; }
  const std::string& Original(Sim sim) const { return sim == Sim::FS9 ? originalFS9_ : originalFSX_; }
  const std::string& Temp() const { return temp_.path(); }
  // Puts the simulator's own texture back and removes the backup, as before any installation.
  void ResetFolder(Sim sim) const;
  // Empties the simulator's registry entry, as on a machine where it is not installed (put back at the end).
  void Unregister(Sim sim) const { Register(sim, ""); }
  // Points the simulator's registry entry at a folder (put back at the end).
  void Register(Sim sim, const std::string& folder) const;

 private:
  struct SavedMachineValue;
  testing_support::TempFolder temp_;
  std::string exe_;
  SimulatorFolder fs9_, fsx_;
  std::string originalFS9_, originalFSX_;
  std::unique_ptr<SavedMachineValue> savedFS9_, savedFSX_;
};

// The program's remembered values (HKEY_CURRENT_USER\Software\Nuvra Soft\Pratilo).
std::string Setting(const std::string& name);  // "<missing>" when absent
void SetSetting(const std::string& name, const std::string& value);
// The values a user's choices leave behind, by name (the window placement left out).
std::map<std::string, std::string> RememberedChoices();

}  // namespace e2e
