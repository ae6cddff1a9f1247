#pragma once
// The exit codes of unattended use, one per outcome, and what each means in either language.
#include <string>

namespace app {

enum class ExitCode : int {
  Done = 0,
  BadCommandLine = 1,
  NotFound = 2,            // the simulator or its main folder
  LicenceNotAccepted = 3,
  SimulatorRunning = 4,    // it holds the texture
  BackupFailed = 5,
  InstallFailed = 6,       // extraction or renaming
  NothingToUninstall = 7,
  RestoreFailed = 8,       // the backup is kept
  OtherCopyRunning = 9,
};

inline constexpr ExitCode kExitCodes[] = {
    ExitCode::Done,           ExitCode::BadCommandLine,   ExitCode::NotFound,
    ExitCode::LicenceNotAccepted, ExitCode::SimulatorRunning, ExitCode::BackupFailed,
    ExitCode::InstallFailed,  ExitCode::NothingToUninstall, ExitCode::RestoreFailed,
    ExitCode::OtherCopyRunning};

std::string ExitCodeMeaning(char lang, ExitCode code);

}  // namespace app
