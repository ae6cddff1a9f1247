#include "app/CommandLineRun.h"

#include "app/Backup.h"
#include "app/InstallPlan.h"
#include "app/InstallRun.h"
#include "app/RunLog.h"
#include "app/SettingNames.h"
#include "app/SimulatorFiles.h"
#include "app/SimulatorFolders.h"
#include "app/StoredChoice.h"
#include "app/UninstallRun.h"
#include "core/Environment.h"
#include "core/ErrorText.h"
#include "core/FolderNames.h"
#include "core/ParentConsole.h"
#include "core/Settings.h"
#include "core/SingleInstance.h"
#include "core/TextTools.h"
#include "files/FileOps.h"
#include "ui/dialogs/Application.h"
#include "ui/dialogs/MessageBoxes.h"
#include "ui/dialogs/WaitWindow.h"

namespace app {
namespace {

// One run of the command line: what it tells, and where.
class Report {
 public:
  Report(const Request& request, char lang) : log_(request.log), quiet_(request.quiet), lang_(lang) {}

  void Step(const std::string& text) {
    log_.Write(text);
    if (waitShown_) ui::GetWait()->SetText(text);
  }
  void ShowProgress(const std::string& first) {
    if (quiet_) return;
    ui::CreateWaitForm();
    waitShown_ = ui::GetWait()->Start("Pratilo\t" + first, false);
  }
  // The detail (a failure's message) and the outcome line go to the log, the outcome line to the
  // console, and the detail, or else the meaning of the code, into the final message.
  ExitCode End(ExitCode code, const std::string& detail = {}) {
    if (waitShown_) ui::GetWait()->Finish();
    waitShown_ = false;
    if (!detail.empty()) log_.Write(detail);
    const std::string outcome =
        "Pratilo: " + ExitCodeMeaning(lang_, code) + " (" + std::to_string(static_cast<int>(code)) + ")";
    log_.Write(outcome);
    core::WriteToParentConsole(outcome + "\r\n");
    if (!quiet_) {
      ui::MsgBox(detail.empty() ? ExitCodeMeaning(lang_, code) : detail, "Pratilo",
                 MB_OK | (code == ExitCode::Done ? MB_ICONINFORMATION : MB_ICONWARNING));
    }
    return code;
  }

 private:
  RunLog log_;
  bool quiet_;
  char lang_;
  bool waitShown_ = false;
};

std::string JoinedParameters() {
  std::string joined;
  for (const std::string& p : core::CommandLineParameters()) joined += " " + p;
  return joined;
}

// The main folder by the wizard's rules, then the one given; empty with the reason when there is none.
std::string MainFolder(const Request& r, char lang, std::string& why) {
  if (std::string found = FindSimulatorFolder(r.simulator); !found.empty()) return found;
  const bool fs9 = r.simulator == Simulator::FS9;
  const std::string given = core::AddBackslash(core::TrimText(r.folder));
  if (!r.folder.empty() && FileExists(given + (fs9 ? kMarkerFS9 : kMarkerFSX))) return given;
  if (!r.folder.empty()) why = PickText(lang, fs9 ? texts::kNotMainFolderFS9 : texts::kNotMainFolderFSX) + " " + given;
  return {};
}

ExitCode Install(const Request& r, char lang, const SimulatorFiles& files, Report& report) {
  if (core::ReadSetting(setting::kAccepted) != "Ok" && !r.accept) return report.End(ExitCode::LicenceNotAccepted);
  if (!FileExists(files.payload)) return report.End(ExitCode::InstallFailed, texts::kPayloadMissing);
  if (!files::CanReplaceFile(files.Texture()))
    return report.End(ExitCode::SimulatorRunning, PickText(lang, texts::kSimulatorRunning));
  const bool grid = r.variant == kTestGridVariant;
  const char* setting = ChoiceSetting(r.simulator);
  // The test grid has no resolution: the remembered one stays.
  const int resolution = grid ? ReadStoredChoice(core::ReadSetting(setting)).resolution : r.resolution;
  std::string variants = TagText(lang, r.simulator, 22, ""), resolutions = TagText(lang, r.simulator, 42, "");
  std::string variantText, resolutionText;
  for (int i = 0; i <= r.variant; ++i) variantText = core::CutField(variants, "\t");
  for (int i = 0; i <= r.resolution; ++i) resolutionText = core::CutField(resolutions, "\t");
  const std::string entry = EntryName(r.variant, grid, resolutionText);
  const Installation job{.lang = lang, .files = files, .entry = entry, .backupNeeded = BackupNeeded(InspectBackup(files))};
  const std::vector<std::string> lines = ProgressLines(
      lang, job.backupNeeded, variantText, grid ? "" : PickText(lang, texts::kResolution) + resolutionText + " x " + resolutionText);
  report.ShowProgress(lines.front());
  const RunOutcome outcome =
      RunInstallation(job, {.archive = {.unattended = true}, .lineStarted = [&](int line) { report.Step(lines[line]); }});
  using Step = RunOutcome::Step;
  const ExitCode failed = outcome.step == Step::Backup ? ExitCode::BackupFailed : ExitCode::InstallFailed;
  switch (outcome.kind) {
    case RunOutcome::Kind::Failed: return report.End(failed, outcome.text);
    case RunOutcome::Kind::Error: return report.End(failed, core::ErrorText(outcome.error));
    case RunOutcome::Kind::Finished: break;
  }
  core::WriteSetting(setting, ChoiceText(r.variant, resolution));
  core::WriteSetting(setting::kAccepted, "Ok");
  return report.End(ExitCode::Done, TagText(lang, r.simulator, tag::kFinished, ""));
}

ExitCode Uninstall(char lang, const SimulatorFiles& files, Report& report) {
  if (!FileExists(files.Backup())) return report.End(ExitCode::NothingToUninstall);
  if (!files::CanReplaceFile(files.Texture()))
    return report.End(ExitCode::SimulatorRunning, PickText(lang, texts::kSimulatorRunning));
  const std::string line = PickText(lang, texts::kUninstallCaption);
  report.ShowProgress(line);
  report.Step(line);
  const RunOutcome outcome = RunUninstallation({.lang = lang, .files = files}, {.unattended = true});
  switch (outcome.kind) {
    case RunOutcome::Kind::Failed:
      if (outcome.step == RunOutcome::Step::NoBackup) return report.End(ExitCode::NothingToUninstall);
      return report.End(ExitCode::RestoreFailed, outcome.text);
    case RunOutcome::Kind::Error: return report.End(ExitCode::RestoreFailed, core::ErrorText(outcome.error));
    case RunOutcome::Kind::Finished: break;
  }
  return report.End(ExitCode::Done, PickText(lang, texts::kUninstallDone));
}

}  // namespace

ExitCode RunCommandLine(const ParsedCommandLine& parsed) {
  const Request& r = parsed.request;
  const char remembered = (core::ReadSetting(setting::kLanguage) + "F")[0];
  const char lang = r.lang ? r.lang : remembered == 'E' ? 'E' : 'F';
  if (r.action == Action::Help) {
    // A box only for a user who started the program without a console.
    if (!core::WriteToParentConsole(UsageText(lang)) && !r.quiet)
      ui::MsgBox(UsageText(lang), "Pratilo", MB_OK | MB_ICONINFORMATION);
    return ExitCode::Done;
  }
  Report report(r, lang);
  RunLog(r.log).Write(core::VersionText(4) + ":" + JoinedParameters());
  if (parsed.problem.kind != CommandLineProblem::Kind::None) {
    core::WriteToParentConsole(UsageText(lang));
    return report.End(ExitCode::BadCommandLine, ProblemText(lang, parsed.problem));
  }
  if (core::OtherCopyRuns(ui::App().Handle())) return report.End(ExitCode::OtherCopyRunning);
  if (r.lang) core::WriteSetting(setting::kLanguage, std::string(1, r.lang));

  std::string why;
  const std::string main = MainFolder(r, lang, why);
  if (main.empty()) return report.End(ExitCode::NotFound, why);
  report.Step(PickText(lang, "Dossier principal : ", "Main folder: ") + main);
  core::WriteSetting(setting::kSimulator, r.simulator == Simulator::FS9 ? "9" : "X");
  const SimulatorFiles files{.main = main, .payload = core::Env().ProgramDir + kPayloadName};
  return r.action == Action::Install ? Install(r, lang, files, report) : Uninstall(lang, files, report);
}

}  // namespace app
