#pragma once
// The switches of unattended use, as values: what to do, on which simulator, with which texture, and
// how to report. Switches are case-insensitive, start with "/" or "-" and take their value after "=".
#include <string>
#include <vector>

#include "app/texts/Texts.h"
#include "setup/InstallChoice.h"

namespace app {

enum class Action { Wizard, Install, Uninstall, Help };

struct Request {
  Action action = Action::Wizard;
  Simulator simulator = Simulator::None;
  int variant = -1;     // 0 to 4 for variants 1 to 5, setup::kTestGridIndex for the test grid
  int resolution = -1;  // 0, 1, 2 for 1024, 512, 256; -1 for the test grid
  std::string folder;   // used when neither the remembered folder nor the registry gives one
  char lang = 0;        // 'F' or 'E'; 0: the remembered language
  std::string log;
  bool quiet = false;
  bool accept = false;  // the licence is accepted for this installation
};

// What was wrong with a command line, and the switch it concerns (as the user typed it).
struct CommandLineProblem {
  enum class Kind { None, NotASwitch, Unknown, Repeated, BadValue, NoAction, TwoActions, Missing, NotWith };
  Kind kind = Kind::None;
  std::string subject;
};

struct ParsedCommandLine {
  Request request;
  CommandLineProblem problem;  // Kind::None when the request can be run
};

// The parameters as Windows split them (quotes already removed). None, only the environment's own
// "/log", "/m" and "/local", or only words that are no switches: the wizard.
ParsedCommandLine ParseCommandLine(const std::vector<std::string>& parameters);

// The problem said in the language, naming its switch.
std::string ProblemText(char lang, const CommandLineProblem& problem);

// What /? shows: the switches and the exit codes, in the language.
std::string UsageText(char lang);

}  // namespace app
