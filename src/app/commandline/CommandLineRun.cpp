#include "app/commandline/CommandLineRun.h"

#include <algorithm>

#include "app/commandline/LogPlace.h"
#include "app/commandline/RunLog.h"
#include "app/texts/RunTexts.h"
#include "core/Environment.h"
#include "core/ErrorText.h"
#include "core/FolderNames.h"
#include "core/ParentConsole.h"
#include "core/Settings.h"
#include "core/SingleInstance.h"
#include "core/TextTools.h"
#include "files/EntryCheck.h"
#include "files/FileOps.h"
#include "setup/InstallChoice.h"
#include "setup/InstallRun.h"
#include "setup/SettingNames.h"
#include "setup/SimulatorFolders.h"
#include "setup/StoredChoice.h"
#include "setup/UninstallRun.h"
#include "ui/dialogs/Application.h"
#include "ui/dialogs/MessageBoxes.h"
#include "ui/dialogs/WaitWindow.h"

namespace app {
namespace {

using setup::RunOutcome;

// One run of the command line: what it tells, and where.
class Report {
 public:
  Report(std::string log, bool quiet, char lang) : log_(std::move(log)), quiet_(quiet), lang_(lang) {}

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

// The language of the run: the one asked for, else the remembered one by the wizard's rule.
char RunLanguage(const Request& r) {
  if (r.lang) return r.lang;
  return (core::ReadSetting(setup::setting::kLanguage) + "F")[0] == 'F' ? 'F' : 'E';
}

// The notes of what the run did besides, each on a paragraph of its own after the text.
std::string WithNotes(char lang, std::string text, const RunOutcome& outcome, Report& report) {
  for (const std::string& note : OutcomeNotes(lang, outcome)) {
    report.Step(note);
    text += "\r\n\r\n" + note;
  }
  return text;
}

ExitCode InstallCode(const RunOutcome& outcome) {
  if (outcome.refusal == setup::Refusal::NotMainFolder) return ExitCode::NotFound;
  const bool backup = outcome.step == RunOutcome::Step::Backup || outcome.step == RunOutcome::Step::KeepOther;
  return backup ? ExitCode::BackupFailed : ExitCode::InstallFailed;
}

ExitCode Install(const Request& r, char lang, const setup::SimulatorFiles& files, Report& report) {
  if (core::ReadSetting(setup::setting::kAccepted) != "Ok" && !r.accept) return report.End(ExitCode::LicenceNotAccepted);
  if (!core::FileExists(files.payload)) return report.End(ExitCode::InstallFailed, texts::kPayloadMissing);
  if (!files::CanReplaceFile(files.Texture()))
    return report.End(ExitCode::SimulatorRunning, PickText(lang, texts::kSimulatorRunning));
  const bool grid = r.variant == setup::kTestGridIndex;
  const char* setting = setup::ChoiceSetting(r.simulator);
  // The test grid has no resolution: the remembered one stays.
  const int resolution = grid ? setup::ReadStoredChoice(core::ReadSetting(setting)).resolution : r.resolution;
  const std::string item = grid ? "" : setup::kResolutionItems[r.resolution];
  const setup::Installation job{.files = files, .simulator = r.simulator, .entry = setup::EntryName(r.variant, grid, item)};
  const setup::PreparedInstallation prepared = setup::PrepareInstallation(job);
  report.Step(SurveyLine(lang, r.simulator, files.main, prepared.survey));
  const std::vector<setup::ProgressLine> lines = prepared.Lines();
  const std::vector<std::string> texts =
      ProgressLines(lang, lines, VariantText(lang, r.variant), grid ? "" : ResolutionText(lang, item));
  report.ShowProgress(texts.front());
  const RunOutcome outcome = setup::RunInstallation(job, prepared, {.lineStarted = [&](setup::ProgressLine line) {
    report.Step(texts[static_cast<size_t>(std::find(lines.begin(), lines.end(), line) - lines.begin())]);
  }});
  switch (outcome.kind) {
    case RunOutcome::Kind::Refused:
    case RunOutcome::Kind::Failed:
      return report.End(InstallCode(outcome),
                        WithNotes(lang, InstallFailedText(lang, r.simulator, outcome, job.entry, files.TextureFolder()),
                                  outcome, report));
    case RunOutcome::Kind::Error:
      return report.End(InstallCode(outcome), WithNotes(lang, core::ErrorText(outcome.error), outcome, report));
    case RunOutcome::Kind::Finished: break;
  }
  core::WriteSetting(setting, setup::ChoiceText(r.variant, resolution));
  core::WriteSetting(setup::setting::kAccepted, "Ok");
  return report.End(ExitCode::Done, WithNotes(lang, TagText(lang, r.simulator, tag::kFinished, ""), outcome, report));
}

ExitCode Uninstall(const Request& r, char lang, const setup::SimulatorFiles& files, Report& report) {
  const setup::Survey survey = setup::SurveyFolder(files, r.simulator);
  report.Step(SurveyLine(lang, r.simulator, files.main, survey));
  if (setup::PlanUninstallation(survey).refusal == setup::Refusal::NothingToUninstall)
    return report.End(ExitCode::NothingToUninstall);
  if (!files::CanReplaceFile(files.Texture()))
    return report.End(ExitCode::SimulatorRunning, PickText(lang, texts::kSimulatorRunning));
  const std::string line = PickText(lang, texts::kUninstallCaption);
  report.ShowProgress(line);
  report.Step(line);
  const RunOutcome outcome = setup::RunUninstallation({.files = files, .simulator = r.simulator}, {});
  switch (outcome.kind) {
    case RunOutcome::Kind::Refused:
    case RunOutcome::Kind::Failed:
      if (outcome.refusal == setup::Refusal::NothingToUninstall) return report.End(ExitCode::NothingToUninstall);
      return report.End(ExitCode::RestoreFailed,
                        WithNotes(lang, UninstallFailedText(lang, r.simulator, outcome), outcome, report));
    case RunOutcome::Kind::Error:
      return report.End(ExitCode::RestoreFailed, WithNotes(lang, core::ErrorText(outcome.error), outcome, report));
    case RunOutcome::Kind::Finished: break;
  }
  return report.End(ExitCode::Done, WithNotes(lang, PickText(lang, texts::kUninstallDone), outcome, report));
}

// The payload's entry names, which may lie in the texture folder during a run.
std::vector<std::string> PayloadEntryNames(const std::string& payload) {
  std::vector<std::string> names;
  for (const files::FileStamp& entry : files::FileEntries(payload).value_or(std::vector<files::FileStamp>{}))
    names.push_back(entry.name);
  return names;
}

ExitCode Run(const ParsedCommandLine& parsed, char lang) {
  const Request& r = parsed.request;
  if (r.action == Action::Help) {
    // A box only for a user who started the program without a console.
    const std::string usage = core::VersionText(4) + "\r\n\r\n" + UsageText(lang);
    if (!core::WriteToParentConsole(usage) && !r.quiet) ui::MsgBox(usage, "Pratilo", MB_OK | MB_ICONINFORMATION);
    return ExitCode::Done;
  }
  const bool runnable = parsed.problem.kind == CommandLineProblem::Kind::None;
  // Chosen, and only read, before anything is written: the log must not be one of its files.
  const setup::MarkedFolder found =
      runnable ? setup::FindMarkedFolder(r.simulator, r.folder) : setup::MarkedFolder{};
  const setup::SimulatorFiles files{.main = found.folder, .payload = core::Env().ProgramDir + setup::kPayloadName};
  std::string logProblem;
  if (!r.log.empty()) {
    logProblem = LogPlaceProblem(lang, r.log,
                                 {.program = core::ProgramFilePath(),
                                  .payload = files.payload,
                                  .main = files.main,
                                  .marker = setup::MarkerOf(r.simulator),
                                  .entries = PayloadEntryNames(files.payload)});
  }
  Report report(logProblem.empty() ? r.log : "", r.quiet, lang);
  if (!logProblem.empty()) return report.End(ExitCode::BadCommandLine, logProblem);
  report.Step(core::VersionText(4) + ":" + JoinedParameters());
  if (!runnable) {
    core::WriteToParentConsole(UsageText(lang));
    return report.End(ExitCode::BadCommandLine, ProblemText(lang, parsed.problem));
  }
  if (core::OtherCopyRuns(ui::App().Handle())) return report.End(ExitCode::OtherCopyRunning);
  if (r.lang) core::WriteSetting(setup::setting::kLanguage, std::string(1, r.lang));
  if (files.main.empty()) {
    const bool fs9 = r.simulator == Simulator::FS9;
    return report.End(ExitCode::NotFound, r.folder.empty() ? std::string()
                                                           : PickText(lang, fs9 ? texts::kNotMainFolderFS9
                                                                                : texts::kNotMainFolderFSX) +
                                                                 " " + core::AddBackslash(core::TrimText(r.folder)));
  }
  if (found.remember) setup::RememberFolder(r.simulator, files.main);
  report.Step(PickText(lang, "Dossier principal : ", "Main folder: ") + files.main);
  core::WriteSetting(setup::setting::kSimulator, r.simulator == Simulator::FS9 ? "9" : "X");
  return r.action == Action::Install ? Install(r, lang, files, report) : Uninstall(r, lang, files, report);
}

// An error that escapes a run is still an outcome a script can read.
ExitCode EscapedErrorCode(Action action) {
  if (action == Action::Install) return ExitCode::InstallFailed;
  if (action == Action::Uninstall) return ExitCode::RestoreFailed;
  return ExitCode::BadCommandLine;
}

}  // namespace

ExitCode RunCommandLine(const ParsedCommandLine& parsed) {
  const char lang = RunLanguage(parsed.request);
  try {
    return Run(parsed, lang);
  } catch (...) {
    const ExitCode code = EscapedErrorCode(parsed.request.action);
    const std::string text = core::ErrorText(std::current_exception());
    core::WriteToParentConsole("Pratilo: " + text + " (" + std::to_string(static_cast<int>(code)) + ")\r\n");
    if (!parsed.request.quiet) ui::App().ShowError(std::current_exception());
    return code;
  }
}

}  // namespace app
