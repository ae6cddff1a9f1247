#include "app/commandline/CommandLine.h"

#include "app/commandline/ExitCodes.h"
#include "setup/InstallChoice.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

namespace app {
namespace {

std::string Lower(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
  return lower;
}

constexpr std::array<std::string_view, 12> kSwitches{"install", "uninstall", "?",     "help",  "sim",   "variant",
                                                     "res",     "folder",    "lang",  "log",   "quiet", "accept"};
// Switches that stand alone; the others need a value.
bool IsFlag(std::string_view name) {
  return name == "install" || name == "uninstall" || name == "?" || name == "help" || name == "quiet" ||
         name == "accept";
}

std::optional<Simulator> SimulatorNamed(std::string_view value) {
  if (value == "fsx") return Simulator::FSX;
  if (value == "fs2004") return Simulator::FS9;
  return std::nullopt;
}

std::optional<int> VariantNamed(std::string_view value) {
  if (value == "grid") return setup::kTestGridIndex;
  if (value.size() == 1 && value[0] >= '1' && value[0] <= '5') return value[0] - '1';
  return std::nullopt;
}

std::optional<int> ResolutionNamed(std::string_view value) {
  for (size_t i = 0; i < std::size(setup::kResolutionItems); ++i)
    if (value == setup::kResolutionItems[i]) return static_cast<int>(i);
  return std::nullopt;
}

bool IsSwitch(std::string_view parameter) {
  return parameter.size() >= 2 && (parameter[0] == '/' || parameter[0] == '-');
}

struct Given {
  std::string typed;  // the parameter as given, for messages
  std::string value;
};

}  // namespace

ParsedCommandLine ParseCommandLine(const std::vector<std::string>& parameters) {
  ParsedCommandLine parsed;
  Request& r = parsed.request;
  auto fail = [&parsed](CommandLineProblem::Kind kind, std::string subject) {
    if (parsed.problem.kind == CommandLineProblem::Kind::None) parsed.problem = {kind, std::move(subject)};
    return parsed;
  };
  std::array<std::optional<Given>, kSwitches.size()> given;
  std::vector<std::string> own;
  bool bareLog = false;
  for (const std::string& parameter : parameters) {
    // The environment's own switches start the wizard as before.
    const std::string lower = Lower(parameter);
    bareLog = bareLog || lower == "/log";
    if (lower == "/log" || lower == "/m" || lower == "/local") continue;
    own.push_back(parameter);
  }
  // Words that are no switches (a file dropped on the program, a shortcut's extra words) are the
  // wizard's start, as before: it reads no parameters.
  if (std::none_of(own.begin(), own.end(), [](const std::string& p) { return IsSwitch(p); })) return parsed;
  // Among switches of a run, a "/log" without its file is a mistake, not the environment's switch.
  if (bareLog) fail(CommandLineProblem::Kind::BadValue, "/log");
  // Every parameter is read, the first problem kept: how to report (log, quiet, language) still counts
  // on a line that is wrong elsewhere.
  for (const std::string& parameter : own) {
    if (!IsSwitch(parameter)) {
      fail(CommandLineProblem::Kind::NotASwitch, parameter);
      continue;
    }
    const size_t equals = parameter.find('=');
    const std::string name = Lower(parameter.substr(1, equals == std::string::npos ? std::string::npos : equals - 1));
    const auto known = std::find(kSwitches.begin(), kSwitches.end(), name);
    auto* slot = known == kSwitches.end() ? nullptr : &given[static_cast<size_t>(known - kSwitches.begin())];
    const bool hasValue = equals != std::string::npos;
    if (!slot)
      fail(CommandLineProblem::Kind::Unknown, parameter);
    else if (*slot)
      fail(CommandLineProblem::Kind::Repeated, parameter);
    else if (IsFlag(name) == hasValue || (hasValue && equals + 1 == parameter.size()))
      fail(CommandLineProblem::Kind::BadValue, parameter);
    else
      *slot = Given{parameter, hasValue ? parameter.substr(equals + 1) : std::string()};
  }
  auto at = [&given](std::string_view name) -> const std::optional<Given>& {
    return given[static_cast<size_t>(std::find(kSwitches.begin(), kSwitches.end(), name) - kSwitches.begin())];
  };
  r.quiet = at("quiet").has_value();
  if (at("log")) r.log = at("log")->value;
  if (at("lang")) {
    const std::string lang = Lower(at("lang")->value);
    if (lang != "f" && lang != "e") fail(CommandLineProblem::Kind::BadValue, at("lang")->typed);
    else r.lang = lang == "f" ? 'F' : 'E';
  }
  if (parsed.problem.kind != CommandLineProblem::Kind::None) return parsed;
  if (at("?") || at("help")) {
    r.action = Action::Help;
    return parsed;
  }
  if (at("install") && at("uninstall")) return fail(CommandLineProblem::Kind::TwoActions, at("uninstall")->typed);
  if (!at("install") && !at("uninstall")) return fail(CommandLineProblem::Kind::NoAction, "");
  r.action = at("install") ? Action::Install : Action::Uninstall;

  if (!at("sim")) return fail(CommandLineProblem::Kind::Missing, "/sim");
  if (auto simulator = SimulatorNamed(Lower(at("sim")->value))) r.simulator = *simulator;
  else return fail(CommandLineProblem::Kind::BadValue, at("sim")->typed);
  if (r.action == Action::Install) {
    if (!at("variant")) return fail(CommandLineProblem::Kind::Missing, "/variant");
    if (auto variant = VariantNamed(Lower(at("variant")->value))) r.variant = *variant;
    else return fail(CommandLineProblem::Kind::BadValue, at("variant")->typed);
    if (r.variant == setup::kTestGridIndex) {
      if (at("res")) return fail(CommandLineProblem::Kind::NotWith, at("res")->typed);
    } else {
      if (!at("res")) return fail(CommandLineProblem::Kind::Missing, "/res");
      if (auto resolution = ResolutionNamed(at("res")->value)) r.resolution = *resolution;
      else return fail(CommandLineProblem::Kind::BadValue, at("res")->typed);
    }
    r.accept = at("accept").has_value();
  } else {
    for (std::string_view installOnly : {"variant", "res", "accept"})
      if (at(installOnly)) return fail(CommandLineProblem::Kind::NotWith, at(installOnly)->typed);
  }
  if (at("folder")) r.folder = at("folder")->value;
  return parsed;
}

std::string ProblemText(char lang, const CommandLineProblem& problem) {
  using Kind = CommandLineProblem::Kind;
  const std::string& s = problem.subject;
  switch (problem.kind) {
    case Kind::None: return {};
    case Kind::NotASwitch: return PickText(lang, "Ce n'est pas une option : ", "Not a switch: ") + s;
    case Kind::Unknown: return PickText(lang, "Option inconnue : ", "Unknown switch: ") + s;
    case Kind::Repeated: return PickText(lang, "Option donnée deux fois : ", "Switch given twice: ") + s;
    case Kind::BadValue: return PickText(lang, "Valeur incorrecte : ", "Wrong value: ") + s;
    case Kind::NoAction: return PickText(lang, "Il manque /install ou /uninstall.", "/install or /uninstall is missing.");
    case Kind::TwoActions:
      return PickText(lang, "/install et /uninstall ne vont pas ensemble.", "/install and /uninstall do not go together.");
    case Kind::Missing: return PickText(lang, "Option manquante : ", "Missing switch: ") + s;
    case Kind::NotWith: return PickText(lang, "Option inutile ici : ", "Switch not used here: ") + s;
  }
  return {};
}

std::string UsageText(char lang) {
  std::string text = PickText(
      lang,
      "Pratilo.exe /install /sim=FSX|FS2004 /variant=1..5|grid [/res=1024|512|256] [/folder=DOSSIER]\r\n"
      "            [/lang=F|E] [/log=FICHIER] [/quiet] [/accept]\r\n"
      "Pratilo.exe /uninstall /sim=FSX|FS2004 [/folder=DOSSIER] [/lang=F|E] [/log=FICHIER] [/quiet]\r\n"
      "Pratilo.exe /?\r\n\r\n"
      "/res est obligatoire sauf avec /variant=grid (la grille de test). /folder sert quand ni le dossier retenu\r\n"
      "ni le registre ne donnent le dossier principal du simulateur. /accept accepte le contrat de licence.\r\n"
      "/quiet : aucune fenêtre ; le déroulement et le résultat vont dans le journal (/log).\r\n\r\n"
      "Codes de sortie :\r\n",
      "Pratilo.exe /install /sim=FSX|FS2004 /variant=1..5|grid [/res=1024|512|256] [/folder=FOLDER]\r\n"
      "            [/lang=F|E] [/log=FILE] [/quiet] [/accept]\r\n"
      "Pratilo.exe /uninstall /sim=FSX|FS2004 [/folder=FOLDER] [/lang=F|E] [/log=FILE] [/quiet]\r\n"
      "Pratilo.exe /?\r\n\r\n"
      "/res is required unless /variant=grid (the test grid). /folder is used when neither the remembered\r\n"
      "folder nor the registry gives the simulator's main folder. /accept accepts the licence agreement.\r\n"
      "/quiet: no window; progress and outcome go to the log (/log).\r\n\r\n"
      "Exit codes:\r\n");
  for (ExitCode code : kExitCodes)
    text += "  " + std::to_string(static_cast<int>(code)) + "  " + ExitCodeMeaning(lang, code) + "\r\n";
  return text;
}

}  // namespace app
