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
  Kind kind = Kind::Finished;
  std::string text;
  std::exception_ptr error;

  static RunOutcome Done() { return {}; }
  static RunOutcome Failure(std::string text) { return {Kind::Failed, std::move(text), nullptr}; }
  static RunOutcome Raised(std::exception_ptr error) { return {Kind::Error, {}, std::move(error)}; }
};

}  // namespace app
