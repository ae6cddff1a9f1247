#pragma once
// What lies in a simulator's main folder, found once per decision: the texture in place, the backup
// archive, the leftovers of killed runs, whether the payload can be read, and whether the folder is
// a main folder at all. Every decision about the folder reads this value and nothing else.
#include <optional>
#include <string>
#include <vector>

#include "files/EntryCheck.h"
#include "setup/Simulator.h"
#include "setup/SimulatorFiles.h"

namespace setup {

enum class TextureState {
  Absent,
  Ours,        // one of the payload's entries, named by `ourEntry`
  Original,    // what the backup holds
  Other,       // none of those: the simulator's own while nothing is saved, another add-on's once it is
  Unknown,     // not the original, and the payload cannot be read to tell whether it is ours
  Unreadable,  // there, but it cannot be read (held, or not a file)
};

enum class BackupState {
  None,      // no archive in the backup's place
  Original,  // exactly the one entry "detail1.bmp", which reads back intact
  Record,    // an archive without any entry: the folder had no texture of its own
  Unusable,  // in the backup's place but of no use: `backupFault` says why
  NotOurs,   // a readable archive with other entries (folders, other files): not one we made
};

enum class BackupFault { None, Unreadable, Damaged };

struct Survey {
  bool mainFolder = false;  // the simulator's marker file is there
  bool payloadReadable = false;
  TextureState texture = TextureState::Absent;
  std::string ourEntry;
  BackupState backup = BackupState::None;
  BackupFault backupFault = BackupFault::None;
  std::vector<std::string> leftovers;  // full paths
  std::vector<files::FileStamp> payloadEntries;
  std::optional<files::FileStamp> saved;  // the backup's entry, when Original

  // The payload's entry of that name (the last one, as extraction leaves it).
  std::optional<files::FileStamp> PayloadEntry(const std::string& name) const;
};

// Reads the folder now; reading back the backup takes a moment for a large texture.
Survey SurveyFolder(const SimulatorFiles& files, Simulator simulator);

// The survey of the folder as it was last read, read again when any of its files has changed
// (size, time, attributes) or another folder is asked about. For what a page shows; a run always
// surveys afresh.
class SurveyCache {
 public:
  const Survey& Of(const SimulatorFiles& files, Simulator simulator);

 private:
  std::string key_;
  std::optional<Survey> survey_;
};

}  // namespace setup
