#include "app/texts/Texts.h"

#include <gtest/gtest.h>

namespace {

using app::Simulator;

TEST(PickText, FrenchOnlyForFAndFrenchWhenTheEnglishIsEmpty) {
  struct Case {
    char lang;
    const char* french;
    const char* english;
    const char* expected;
  };
  const Case cases[] = {
      {'F', "Suivant", "Next", "Suivant"}, {'E', "Suivant", "Next", "Next"},
      {'e', "Suivant", "Next", "Next"},    {'x', "Suivant", "Next", "Next"},
      {'f', "Suivant", "Next", "Next"},  // only the capital F is French
      {'E', "COPYRIGHT", "", "COPYRIGHT"}, {'F', "", "Next", ""},
      {'E', "", "", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(app::PickText(c.lang, c.french, c.english), c.expected) << c.lang << c.french;
  EXPECT_EQ(app::PickText('E', app::texts::kResolution), "Resolution ");
  EXPECT_EQ(app::PickText('F', app::texts::kResolution), "Résolution ");
}

TEST(TagText, TextsWithAccentsQuotesAndTabsComeOutWhole) {
  struct Case {
    int tag;
    const char* french;
    const char* english;
  };
  const Case cases[] = {
      {-1, "Précédent", "Previous"},
      {5, "J'accepte", "I agree"},
      {3, "Ok", "Ok"},
      {22, "Variante 1\tVariante 2\tVariante 3\tVariante 4\tVariante 5\tGrille de test",
       "Variation 1\tVariation 2\tVariation 3\tVariation 4\tVariation 5\tTest grid"},
      {42, "1024\t512\t256", "1024\t512\t256"},
      {71,
       "Les textures originales ont déjà été sauvegardées dans le fichier Pratilo_Original_Tex.zip dans le dossier "
       "principal de FS",
       "The original textures are already saved in file Pratilo_Original_Tex.zip in the FS main folder"},
      {99, "L'installation de Pratilo est terminée.", "Pratilo setup is finished."},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(app::TagText('F', Simulator::FS9, c.tag, "current"), c.french) << c.tag;
    EXPECT_EQ(app::TagText('E', Simulator::FS9, c.tag, "current"), c.english) << c.tag;
  }
}

TEST(TagText, ZeroKeepsTheCurrentTextAndUnknownTagsGiveQuestionMarks) {
  for (char lang : {'F', 'E'}) {
    EXPECT_EQ(app::TagText(lang, Simulator::None, 0, "FS2004"), "FS2004");
    EXPECT_EQ(app::TagText(lang, Simulator::None, 0, ""), "");
    for (int tag : {63, 6, -2, 11, 100, 76, 98})
      EXPECT_EQ(app::TagText(lang, Simulator::FSX, tag, "current"), "???") << tag;
  }
}

TEST(TagText, SimulatorTextsFollowTheChosenSimulator) {
  struct Case {
    char lang;
    Simulator simulator;
    const char* caption;  // tag 10
    const char* folder;   // tag 69
  };
  const Case cases[] = {
      {'F', Simulator::FS9, "Pour FS2004 :", "Dossier principal de FS2004 :"},
      {'F', Simulator::FSX, "Pour FSX :", "Dossier principal de FSX :"},
      {'F', Simulator::None, "", "Dossier principal de FSX :"},
      {'E', Simulator::FS9, "For FS2004 :", "FS2004 main folder :"},
      {'E', Simulator::FSX, "For FSX :", "FSX main folder :"},
      {'E', Simulator::None, "", "FSX main folder :"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(app::TagText(c.lang, c.simulator, 10, "x"), c.caption);
    EXPECT_EQ(app::TagText(c.lang, c.simulator, 69, "x"), c.folder);
  }
}

}  // namespace
