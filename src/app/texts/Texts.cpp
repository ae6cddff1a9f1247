#include "app/texts/Texts.h"

namespace app {

namespace {

struct TagEntry {
  int tag;
  const char* french;
  const char* english;
};

constexpr TagEntry kTagTexts[] = {
    {-1, "Précédent", "Previous"},
    {1, "Suivant", "Next"},
    {2, "Renoncer", "Cancel"},
    {3, "Ok", "Ok"},
    {4, "Installer", "Install"},
    {5, "J'accepte", "I agree"},
    {7, "<= Cliquez sur un choix pour voir l'effet", "<= Click on a choice to display it"},
    {8, "Vous pourrez toujours relancer ce programme par la suite pour faire d'autres choix ou désinstaller",
     "You will be able to rerun this program later in order to make other choices or uninstall"},
    {9, "Désinstaller Pratilo", "Uninstall Pratilo"},
    {20, "Pratilo existe en cinq variantes :", "Pratilo has five variations :"},
    {21, "Quel est votre choix ?", "What is your choice ?"},
    {22, "Variante 1\tVariante 2\tVariante 3\tVariante 4\tVariante 5\tGrille de test",
     "Variation 1\tVariation 2\tVariation 3\tVariation 4\tVariation 5\tTest grid"},
    {40, "Pratilo propose 3 résolutions :", "Pratilo proposes 3 resolutions :"},
    {41, "Quel est votre choix ?", "What is your choice ?"},
    {42, "1024\t512\t256", "1024\t512\t256"},
    {60, "Vous avez fait les choix suivants :", "You made the following choices :"},
    {70,
     "Les textures originales seront sauvegardées dans le fichier Pratilo_Original_Tex.zip dans le dossier "
     "principal de FS",
     "The original textures will be saved in file Pratilo_Original_Tex.zip in the FS main folder"},
    {71,
     "Les textures originales ont déjà été sauvegardées dans le fichier Pratilo_Original_Tex.zip dans le dossier "
     "principal de FS",
     "The original textures are already saved in file Pratilo_Original_Tex.zip in the FS main folder"},
    {72,
     "La texture en place, ni celle de Pratilo ni l'originale, sera conservée dans le fichier Pratilo_Other_Tex.zip ; "
     "l'originale est déjà sauvegardée",
     "The texture in place, neither Pratilo's nor the original, will be kept in file Pratilo_Other_Tex.zip; the "
     "original is already saved"},
    {73, "Installation en cours :", "Setup running :"},
    {74,
     "La sauvegarde Pratilo_Original_Tex.zip est endommagée : elle sera conservée sous un autre nom ; la texture en "
     "place est celle de Pratilo, aucune originale ne sera sauvegardée",
     "The backup Pratilo_Original_Tex.zip is damaged: it will be kept under another name; the texture in place is "
     "Pratilo's, no original will be saved"},
    {75, "Aucune texture originale n'est sauvegardée : la texture en place est déjà celle de Pratilo",
     "No original texture is saved: the texture in place is already Pratilo's"},
    {97, "L'installation de Pratilo n'a pas pu être terminée.", "Pratilo setup could not be completed."},
    {99, "L'installation de Pratilo est terminée.", "Pratilo setup is finished."},
};

}  // namespace

std::string PickText(char lang, std::string_view french, std::string_view english) {
  if (lang == 'F' || english.empty()) return std::string(french);
  return std::string(english);
}

std::string PickText(char lang, const Bilingual& text) { return PickText(lang, text.french, text.english); }

std::string TagText(char lang, Simulator simulator, int tag, std::string_view current) {
  switch (tag) {
    case 0:
      return std::string(current);
    case 10:
      if (simulator == Simulator::FS9) return PickText(lang, "Pour FS2004 :", "For FS2004 :");
      if (simulator == Simulator::FSX) return PickText(lang, "Pour FSX :", "For FSX :");
      return {};
    case 69:
      if (simulator == Simulator::FS9) return PickText(lang, "Dossier principal de FS2004 :", "FS2004 main folder :");
      return PickText(lang, "Dossier principal de FSX :", "FSX main folder :");
    default:
      for (const TagEntry& e : kTagTexts)
        if (e.tag == tag) return PickText(lang, e.french, e.english);
      return "???";
  }
}

}  // namespace app
