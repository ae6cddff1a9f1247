#include "app/texts/RunTexts.h"

#include <gtest/gtest.h>

#include <vector>


namespace {

using Lines = std::vector<std::string>;
using setup::RunOutcome;
constexpr auto kBackup = setup::ProgressLine::Backup;
constexpr auto kKeepOther = setup::ProgressLine::KeepOther;
constexpr auto kInstall = setup::ProgressLine::Install;

RunOutcome FailedAt(RunOutcome::Step step) { return RunOutcome{}.Failed(step); }
RunOutcome RefusedFor(setup::Refusal why) { return RunOutcome{}.Refused(why, RunOutcome::Step::None); }

TEST(InstallPlan, ProgressLinesInBothLanguages) {
  struct Case {
    char lang;
    std::vector<setup::ProgressLine> steps;
    const char* variant;
    const char* resolution;
    Lines lines;
  };
  const Case cases[] = {
      {'E', {kBackup, kInstall}, "Variation 2", "Resolution 512 x 512",
       {"Backup of the original texture", "Pratilo setup Variation 2 Resolution 512 x 512"}},
      {'E', {kInstall}, "Variation 2", "Resolution 512 x 512", {"Pratilo setup Variation 2 Resolution 512 x 512"}},
      {'F', {kBackup, kInstall}, "Variante 5", "Résolution 256 x 256",
       {"Sauvegarde de la texture originale", "Installation de Pratilo Variante 5 Résolution 256 x 256"}},
      {'F', {kInstall}, "Variante 1", "Résolution 1024 x 1024", {"Installation de Pratilo Variante 1 Résolution 1024 x 1024"}},
      {'E', {kKeepOther, kInstall}, "Variation 3", "Resolution 256 x 256",
       {"Copy of the texture in place into Pratilo_Other_Tex.zip", "Pratilo setup Variation 3 Resolution 256 x 256"}},
      // The test grid keeps the last resolution text, although the summary hides it.
      {'E', {kInstall}, "Test grid", "Resolution 1024 x 1024", {"Pratilo setup Test grid Resolution 1024 x 1024"}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(app::ProgressLines(c.lang, c.steps, c.variant, c.resolution), c.lines) << c.lang << c.variant;
}

TEST(InstallPlan, FailureTextsAsTheUserReadsThem) {
  const char* folder = "C:\\Program Files\\FS9\\Scenery\\World\\Texture\\";
  auto install = [folder](char lang, const RunOutcome& outcome) {
    return app::InstallFailedText(lang, app::Simulator::FS9, outcome, "T1_1024.bmp", folder);
  };
  EXPECT_EQ(install('F', FailedAt(RunOutcome::Step::Backup)),
            "ERREUR ! Je ne peux pas sauvegarder la texture originale dans le fichier Pratilo_Original_Tex.zip !");
  EXPECT_EQ(install('E', FailedAt(RunOutcome::Step::Backup)),
            "ERROR : Unable to save the ogiginal texture into Pratilo_Original_Tex.zip !!!");
  EXPECT_EQ(install('F', FailedAt(RunOutcome::Step::Extraction)),
            "ERREUR ! Je ne peux pas décompresser le fichier archive !");
  // An unreadable payload fails as its extraction would.
  EXPECT_EQ(install('E', RefusedFor(setup::Refusal::PayloadUnreadable)), "ERROR : Unable to unpress the archive file !");
  EXPECT_EQ(install('E', FailedAt(RunOutcome::Step::Renaming)),
            "Unable to rename \"T1_1024.bmp\" as \"detail1.bmp\" in folder "
            "\"C:\\Program Files\\FS9\\Scenery\\World\\Texture\\\" !");
  EXPECT_EQ(install('E', RunOutcome{}), "");
  EXPECT_EQ(app::RenameFailedText('E', "T1_1024.bmp", folder),
            "Unable to rename \"T1_1024.bmp\" as \"detail1.bmp\" in folder "
            "\"C:\\Program Files\\FS9\\Scenery\\World\\Texture\\\" !");
  EXPECT_EQ(app::RenameFailedText('F', "T6.bmp", folder),
            "Je ne peux pas renommer \"T6.bmp\" en \"detail1.bmp\" dans le dossier "
            "\"C:\\Program Files\\FS9\\Scenery\\World\\Texture\\\" !");
}

}  // namespace
