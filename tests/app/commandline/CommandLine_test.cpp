// The switches of unattended use as one table of command lines and what they come to.
#include "app/commandline/CommandLine.h"

#include <gtest/gtest.h>

namespace {

using app::Action;
using app::Simulator;
using Kind = app::CommandLineProblem::Kind;

struct Case {
  std::vector<std::string> parameters;
  Kind problem;
  std::string subject;  // the switch the problem names
  Action action = Action::Wizard;
  Simulator simulator = Simulator::None;
  int variant = -1, resolution = -1;
};

const Case kCases[] = {
    {{}, Kind::None, ""},
    {{"/LOG", "/m", "/Local"}, Kind::None, ""},  // the environment's own: still the wizard
    {{"/?"}, Kind::None, "", Action::Help},
    {{"-HELP", "/install"}, Kind::None, "", Action::Help},
    {{"/install", "/sim=FSX", "/variant=3", "/res=256"}, Kind::None, "", Action::Install, Simulator::FSX, 2, 2},
    {{"-INSTALL", "-Sim=fs2004", "-VARIANT=1", "-res=1024", "/accept", "/quiet"}, Kind::None, "", Action::Install,
     Simulator::FS9, 0, 0},
    {{"/install", "/sim=fsx", "/variant=GRID"}, Kind::None, "", Action::Install, Simulator::FSX, 5, -1},
    {{"/uninstall", "/sim=FS2004", "/lang=e", "/log=C:\\a b\\p.log"}, Kind::None, "", Action::Uninstall,
     Simulator::FS9},
    // Words that are no switches (a file dropped on the program, a shortcut's extra words): the wizard.
    {{"install"}, Kind::None, ""},
    {{"C:\\Textures\\detail1.bmp", "/m"}, Kind::None, ""},
    {{"/"}, Kind::None, ""},
    {{"/install", "now", "/sim=FSX"}, Kind::NotASwitch, "now"},
    // Among the switches of a run, a "/log" without its file.
    {{"/uninstall", "/sim=FSX", "/log"}, Kind::BadValue, "/log"},
    {{"/instal"}, Kind::Unknown, "/instal"},
    {{"/install", "/sim=FSX", "/sim=FSX", "/variant=1", "/res=512"}, Kind::Repeated, "/sim=FSX"},
    {{"/install=yes", "/sim=FSX"}, Kind::BadValue, "/install=yes"},
    {{"/install", "/sim", "/variant=1", "/res=512"}, Kind::BadValue, "/sim"},
    {{"/install", "/sim=", "/variant=1", "/res=512"}, Kind::BadValue, "/sim="},
    {{"/install", "/sim=FS9", "/variant=1", "/res=512"}, Kind::BadValue, "/sim=FS9"},
    {{"/install", "/sim=FSX", "/variant=6", "/res=512"}, Kind::BadValue, "/variant=6"},
    {{"/install", "/sim=FSX", "/variant=0", "/res=512"}, Kind::BadValue, "/variant=0"},
    {{"/install", "/sim=FSX", "/variant=1", "/res=2048"}, Kind::BadValue, "/res=2048"},
    {{"/install", "/sim=FSX", "/variant=1", "/res=512", "/lang=DE"}, Kind::BadValue, "/lang=DE"},
    {{"/sim=FSX"}, Kind::NoAction, ""},
    {{"/install", "/uninstall", "/sim=FSX"}, Kind::TwoActions, "/uninstall"},
    {{"/install", "/variant=1", "/res=512"}, Kind::Missing, "/sim"},
    {{"/install", "/sim=FSX", "/res=512"}, Kind::Missing, "/variant"},
    {{"/install", "/sim=FSX", "/variant=2"}, Kind::Missing, "/res"},
    {{"/install", "/sim=FSX", "/variant=grid", "/res=256"}, Kind::NotWith, "/res=256"},
    {{"/uninstall", "/sim=FSX", "/variant=2"}, Kind::NotWith, "/variant=2"},
    {{"/uninstall", "/sim=FSX", "/accept"}, Kind::NotWith, "/accept"},
};

TEST(CommandLine, EachLineComesToItsRequestOrNamesWhatIsWrong) {
  for (const Case& c : kCases) {
    std::string line;
    for (const std::string& p : c.parameters) line += p + " ";
    SCOPED_TRACE(line);
    const app::ParsedCommandLine parsed = app::ParseCommandLine(c.parameters);
    EXPECT_EQ(parsed.problem.kind, c.problem);
    EXPECT_EQ(parsed.problem.subject, c.subject);
    if (c.problem != Kind::None) continue;
    EXPECT_EQ(parsed.request.action, c.action);
    EXPECT_EQ(parsed.request.simulator, c.simulator);
    EXPECT_EQ(parsed.request.variant, c.variant);
    EXPECT_EQ(parsed.request.resolution, c.resolution);
  }
}

TEST(CommandLine, ValuesKeepTheirCaseAndOptionsAreTakenAsGiven) {
  const app::Request r = app::ParseCommandLine({"/install", "/sim=FSX", "/variant=4", "/res=512",
                                                "/folder=D:\\Jeux\\FSX Édition", "/log=journal.txt", "/LANG=E",
                                                "/quiet", "/accept"})
                             .request;
  EXPECT_EQ(r.folder, "D:\\Jeux\\FSX Édition");
  EXPECT_EQ(r.log, "journal.txt");
  EXPECT_EQ(r.lang, 'E');
  EXPECT_TRUE(r.quiet);
  EXPECT_TRUE(r.accept);
  // How to report still counts on a line that is wrong elsewhere.
  const app::ParsedCommandLine wrong = app::ParseCommandLine({"/install", "/bogus", "/log=x.log", "/quiet", "/lang=e"});
  EXPECT_EQ(wrong.problem.kind, Kind::Unknown);
  EXPECT_EQ(wrong.request.log, "x.log");
  EXPECT_TRUE(wrong.request.quiet);
  EXPECT_EQ(wrong.request.lang, 'E');
  const app::Request plain = app::ParseCommandLine({"/uninstall", "/sim=FSX"}).request;
  EXPECT_EQ(plain.lang, 0);
  EXPECT_FALSE(plain.quiet);
  EXPECT_TRUE(plain.folder.empty());
}

TEST(CommandLine, TheUsageListsEveryExitCodeAndProblemsNameTheirSwitch) {
  for (char lang : {'F', 'E'}) {
    const std::string usage = app::UsageText(lang);
    for (const char* piece : {"/install", "/uninstall", "/sim=FSX|FS2004", "/variant=1..5|grid", "/res=1024|512|256",
                              "/folder=", "/lang=F|E", "/log=", "/quiet", "/accept"})
      EXPECT_NE(usage.find(piece), std::string::npos) << lang << " " << piece;
    for (int code = 0; code <= 9; ++code)
      EXPECT_NE(usage.find("  " + std::to_string(code) + "  "), std::string::npos) << lang << " " << code;
    EXPECT_NE(app::ProblemText(lang, {Kind::Unknown, "/instal"}).find("/instal"), std::string::npos);
  }
}

}  // namespace
