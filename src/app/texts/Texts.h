#pragma once
// The wizard's texts in French and English: choosing by language, the texts keyed by control tags,
// and the other messages of the wizard.
#include <string>
#include <string_view>

#include "setup/Simulator.h"

namespace app {

using setup::Simulator;

// The French text for "F", otherwise the English one unless that is empty.
std::string PickText(char lang, std::string_view french, std::string_view english);

// A control's text by its tag: tag 0 keeps the current text, unknown tags give "???".
// Tags 10 and 69 depend on the chosen simulator.
std::string TagText(char lang, Simulator simulator, int tag, std::string_view current);

// Tags of the controls whose texts the program chooses besides the language switch, and the tag a
// rich text carries while the program fills it.
namespace tag {
inline constexpr int kPrevious = -1, kNext = 1, kQuit = 2, kOk = 3, kInstall = 4, kUninstall = 9;
inline constexpr int kCaption = 10, kFolderLabel = 69, kBackupWillBeSaved = 70, kBackupSaved = 71;
inline constexpr int kOtherWillBeKept = 72, kOriginalDamaged = 74, kNothingSaved = 75;
inline constexpr int kRunning = 73, kNotCompleted = 97, kFinished = 99;
inline constexpr int kBeingFilled = 1;
}  // namespace tag

struct Bilingual {
  const char* french;
  const char* english;
};

// Messages of the wizard outside the tag table (used by the navigation and the runs).
namespace texts {
inline constexpr Bilingual kQuitQuestion{"Voulez-vous abandonner l'installation ?", "Do you want to cancel this setup ?"};
inline constexpr Bilingual kNotMainFolderFS9{"Ce dossier n'est pas le dossier principal de FS2004 !",
                                             "This folder is not the FS2004 main folder !"};
inline constexpr Bilingual kNotMainFolderFSX{"Ce dossier n'est pas le dossier principal de FSX !",
                                             "This folder is not the FSX main folder !"};
inline constexpr Bilingual kResolution{"Résolution ", "Resolution "};
inline constexpr Bilingual kUninstallCaption{"Désinstallation de Pratilo", "Uninstall Pratilo"};
inline constexpr Bilingual kUninstallQuestion{
    "Vous pouvez changer tous les paramètres sans désinstaller d'abord (Cliquez NON puis SUIVANT) !\r\n\r\n"
    "Voulez-vous réellement désinstaller Pratilo ?",
    "You can change every parameter without uninstalling first (Click NO then NEXT) !\r\n\r\n"
    "Do you really want to uninstall Pratilo ?"};
inline constexpr Bilingual kUninstallDone{"Pratilo désinstallé, textures originales restaurées.",
                                          "Pratilo uninstalled, original textures restored."};
inline constexpr Bilingual kRestoreFailed{
    "ERREUR ! Je ne peux pas restaurer la texture originale, la sauvegarde Pratilo_Original_Tex.zip est conservée !",
    "ERROR : Unable to restore the original texture, the backup Pratilo_Original_Tex.zip is kept !"};
inline constexpr Bilingual kSimulatorRunning{
    "Le simulateur semble être en cours d'exécution, il utilise le fichier \"detail1.bmp\" !\r\n"
    "Fermez-le svp, puis réessayez.",
    "The simulator seems to be running, it uses file \"detail1.bmp\" !\r\nPlease close it, then retry."};
inline constexpr Bilingual kProgressBackup{"Sauvegarde de la texture originale", "Backup of the original texture"};
inline constexpr Bilingual kProgressInstall{"Installation de Pratilo", "Pratilo setup"};
inline constexpr Bilingual kBackupFailed{
    "ERREUR ! Je ne peux pas sauvegarder la texture originale dans le fichier Pratilo_Original_Tex.zip !",
    "ERROR : Unable to save the ogiginal texture into Pratilo_Original_Tex.zip !!!"};
inline constexpr Bilingual kExtractFailed{"ERREUR ! Je ne peux pas décompresser le fichier archive !",
                                          "ERROR : Unable to unpress the archive file !"};
inline constexpr Bilingual kRenameFailedStart{"Je ne peux pas renommer \"", "Unable to rename \""};
inline constexpr Bilingual kRenameFailedMiddle{"\" en \"detail1.bmp\" dans le dossier \"",
                                               "\" as \"detail1.bmp\" in folder \""};
inline constexpr char kPayloadMissing[] =
    "Erreur : Je ne trouve pas le fichier \"Pratilo.bin\" qui DOIT se trouver dans le dossier de ce programme !\r\n"
    "Corrigez svp.\r\n\r\n"
    "Error : I can't find file \"Pratilo.bin\" which HAS TO be in this program's folder !\r\nPlease correct.";
inline constexpr char kPayloadMissingCaption[] = "Pratilo.bin pas trouvé / Pratilo.bin not found";
// What a screen reader reads where the window shows no text.
inline constexpr Bilingual kLanguageBar{"Langue", "Language"};
inline constexpr Bilingual kBrowse{"Parcourir", "Browse"};
inline constexpr Bilingual kPresentationName{"Présentation", "Presentation"};
inline constexpr Bilingual kLicenceName{"Contrat de licence", "Licence agreement"};
inline constexpr Bilingual kTexturePreview{"Aperçu de la texture : ", "Preview of the texture: "};
inline constexpr char kChooseLanguageFrench[] = "Choisissez une langue => ";
inline constexpr char kChooseLanguageEnglish[] = " <= Choose a language";
}  // namespace texts

std::string PickText(char lang, const Bilingual& text);

}  // namespace app
