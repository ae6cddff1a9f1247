#include "app/InstallPlan.h"

#include <gtest/gtest.h>

#include <vector>

#include "app/StoredChoice.h"

namespace {

using Lines = std::vector<std::string>;

// The table of the installation's design; that every choice names one of the payload's sixteen
// entries is checked against the real payload (Payload_test).
TEST(InstallPlan, EntryNameForEveryKindOfChoice) {
  struct Case {
    int variant;
    bool testGrid;
    const char* resolution;
    const char* entry;
  };
  const Case cases[] = {
      {0, false, "1024", "T1_1024.bmp"},
      {1, false, "512", "T2_512.bmp"},
      {2, false, "256", "T3_256.bmp"},
      {4, false, "1024", "T5_1024.bmp"},
      {5, true, "1024", "T6.bmp"},  // the test grid: whatever resolution is selected
      {5, true, "512", "T6.bmp"},
      {5, true, "256", "T6.bmp"},
      {5, true, "", "T6.bmp"},
  };
  for (const auto& c : cases) EXPECT_EQ(app::EntryName(c.variant, c.testGrid, c.resolution), c.entry) << c.entry;
}

TEST(InstallPlan, ProgressLinesInBothLanguages) {
  struct Case {
    char lang;
    bool backupNeeded;
    const char* variant;
    const char* resolution;
    Lines lines;
  };
  const Case cases[] = {
      {'E', true, "Variation 2", "Resolution 512 x 512",
       {"Backup of the original texture", "Pratilo setup Variation 2 Resolution 512 x 512"}},
      {'E', false, "Variation 2", "Resolution 512 x 512", {"Pratilo setup Variation 2 Resolution 512 x 512"}},
      {'F', true, "Variante 5", "Résolution 256 x 256",
       {"Sauvegarde de la texture originale", "Installation de Pratilo Variante 5 Résolution 256 x 256"}},
      {'F', false, "Variante 1", "Résolution 1024 x 1024", {"Installation de Pratilo Variante 1 Résolution 1024 x 1024"}},
      // The test grid keeps the last resolution text, although the summary hides it.
      {'E', false, "Test grid", "Resolution 1024 x 1024", {"Pratilo setup Test grid Resolution 1024 x 1024"}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(app::ProgressLines(c.lang, c.backupNeeded, c.variant, c.resolution), c.lines) << c.lang << c.variant;
}

TEST(InstallPlan, FailureTextsAsTheUserReadsThem) {
  EXPECT_EQ(app::BackupFailedText('F'),
            "ERREUR ! Je ne peux pas sauvegarder la texture originale dans le fichier Pratilo_Original_Tex.zip !");
  EXPECT_EQ(app::BackupFailedText('E'), "ERROR : Unable to save the ogiginal texture into Pratilo_Original_Tex.zip !!!");
  EXPECT_EQ(app::ExtractFailedText('F'), "ERREUR ! Je ne peux pas décompresser le fichier archive !");
  EXPECT_EQ(app::ExtractFailedText('E'), "ERROR : Unable to unpress the archive file !");
  const char* folder = "C:\\Program Files\\FS9\\Scenery\\World\\Texture\\";
  EXPECT_EQ(app::RenameFailedText('E', "T1_1024.bmp", folder),
            "Unable to rename \"T1_1024.bmp\" as \"detail1.bmp\" in folder "
            "\"C:\\Program Files\\FS9\\Scenery\\World\\Texture\\\" !");
  EXPECT_EQ(app::RenameFailedText('F', "T6.bmp", folder),
            "Je ne peux pas renommer \"T6.bmp\" en \"detail1.bmp\" dans le dossier "
            "\"C:\\Program Files\\FS9\\Scenery\\World\\Texture\\\" !");
}

TEST(InstallPlan, RememberedChoiceReadsBackAsItWasMade) {
  struct Case {
    int variant, resolution;
    const char* text;
  };
  const Case cases[] = {{4, 2, "42"}, {2, 2, "22"}, {5, 0, "50"}, {0, 0, "00"}, {1, 1, "11"}};
  for (const auto& c : cases) {
    EXPECT_EQ(app::ChoiceText(c.variant, c.resolution), c.text);
    EXPECT_EQ(app::ReadStoredChoice(app::ChoiceText(c.variant, c.resolution)),
              (app::StoredChoice{c.variant, c.resolution}));
  }
  EXPECT_STREQ(app::ChoiceSetting(app::Simulator::FS9), "cfgFS9");
  EXPECT_STREQ(app::ChoiceSetting(app::Simulator::FSX), "cfgFSX");
}

}  // namespace
