#pragma once
// How an installation or an uninstallation ended, so that one place decides what the user is shown
// and what is remembered.
#include <exception>
#include <string>

namespace app {

struct RunOutcome {
  enum class Kind {
    Finished,
    Failed,  // a step reported failure; `text` says so to the user (empty: nothing to say)
    Error,   // an error was raised inside a step; `error` holds it
  };
  // The step that failed or raised.
  enum class Step { None, Backup, Extraction, Renaming, Restoration, NoBackup };
  Kind kind = Kind::Finished;
  std::string text;
  std::exception_ptr error;
  Step step = Step::None;

  static RunOutcome Done() { return {}; }
  static RunOutcome Failure(Step step, std::string text) { return {Kind::Failed, std::move(text), nullptr, step}; }
  static RunOutcome Raised(Step step, std::exception_ptr error) { return {Kind::Error, {}, std::move(error), step}; }
};

}  // namespace app
