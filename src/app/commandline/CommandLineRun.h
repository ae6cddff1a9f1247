#pragma once
// Installing and uninstalling as the command line asks, without the wizard: the same runs, checks and
// remembered values; the main folder and the log are chosen and checked before anything changes. Progress and outcome go to the log; unless quiet, a
// small progress window and a final message in the chosen language; the outcome line also goes to
// the console the program was started from.
#include "app/commandline/CommandLine.h"
#include "app/commandline/ExitCodes.h"

namespace app {

// Runs a command line that is not the wizard's: the usage text, a problem, or a run. The application
// window must exist (it marks this copy as the one running).
ExitCode RunCommandLine(const ParsedCommandLine& parsed);

}  // namespace app
