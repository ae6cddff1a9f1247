#include "app/texts/RunTexts.h"

#include "core/TextTools.h"
#include "setup/InstallChoice.h"

namespace app {
namespace {

using setup::RunOutcome;

namespace said {
inline constexpr Bilingual kKeepOther{"Copie de la texture en place dans Pratilo_Other_Tex.zip",
                                      "Copy of the texture in place into Pratilo_Other_Tex.zip"};
inline constexpr Bilingual kKeepOtherFailed{
    "ERREUR ! Je ne peux pas conserver la texture en place dans le fichier Pratilo_Other_Tex.zip !",
    "ERROR : Unable to keep the texture in place into Pratilo_Other_Tex.zip !"};
inline constexpr Bilingual kBackupNotOurs{
    "ERREUR ! Le fichier Pratilo_Original_Tex.zip n'a pas été créé par Pratilo : rien n'a été changé, il est conservé.",
    "ERROR : Pratilo_Original_Tex.zip was not made by Pratilo: nothing was changed, it is kept."};
inline constexpr Bilingual kBackupUnusable{
    "ERREUR ! La sauvegarde Pratilo_Original_Tex.zip est endommagée : rien n'a été changé, elle est conservée.",
    "ERROR : The backup Pratilo_Original_Tex.zip is damaged: nothing was changed, it is kept."};
inline constexpr Bilingual kTextureUnknown{
    "ERREUR ! Sans le fichier Pratilo.bin de cette version, lisible, je ne peux pas reconnaître la texture en "
    "place : rien n'a été changé, Pratilo_Original_Tex.zip est conservé.",
    "ERROR : Without a readable Pratilo.bin of this version, the texture in place cannot be recognised: nothing "
    "was changed, Pratilo_Original_Tex.zip is kept."};
inline constexpr Bilingual kNotDeleted{
    "La texture originale est restaurée, mais je ne peux pas supprimer le fichier Pratilo_Original_Tex.zip !",
    "The original texture is restored, but Pratilo_Original_Tex.zip could not be deleted !"};
inline constexpr Bilingual kOriginalLost{
    "La sauvegarde Pratilo_Original_Tex.zip était endommagée ; elle est conservée sous le nom \"",
    "The backup Pratilo_Original_Tex.zip was damaged; it is kept as \""};
inline constexpr Bilingual kOriginalLostEnd{
    "\". La texture en place était déjà celle de Pratilo : aucune texture originale n'est sauvegardée.",
    "\". The texture in place was already Pratilo's: no original texture is saved."};
inline constexpr Bilingual kSetAside{"L'archive trouvée à la place de la sauvegarde est conservée sous le nom \"",
                                     "The archive found in the backup's place is kept as \""};
inline constexpr Bilingual kKeptOther{"La texture en place, ni celle de Pratilo ni l'originale, est conservée dans \"",
                                      "The texture in place, neither Pratilo's nor the original, is kept in \""};
}  // namespace said

// The file's name without its folder.
std::string NameOf(const std::string& path) { return path.substr(path.find_last_of('\\') + 1); }

// The item of a radio group's tab-separated texts; empty out of range.
std::string ItemOf(char lang, int tag, int index) {
  std::string items = TagText(lang, Simulator::None, tag, ""), text;
  for (int i = 0; i <= index; ++i) text = core::CutField(items, "\t");
  return text;
}

}  // namespace

std::string VariantText(char lang, int variantIndex) { return ItemOf(lang, 22, variantIndex); }

std::string ResolutionItem(int resolutionIndex) { return ItemOf('F', 42, resolutionIndex); }

std::string ResolutionText(char lang, std::string_view item) {
  return PickText(lang, texts::kResolution) + std::string(item) + " x " + std::string(item);
}

std::vector<std::string> ProgressLines(char lang, const std::vector<setup::ProgressLine>& lines,
                                       std::string_view variantText, std::string_view resolutionText) {
  std::vector<std::string> shown;
  for (setup::ProgressLine line : lines) {
    switch (line) {
      case setup::ProgressLine::Backup: shown.push_back(PickText(lang, texts::kProgressBackup)); break;
      case setup::ProgressLine::KeepOther: shown.push_back(PickText(lang, said::kKeepOther)); break;
      case setup::ProgressLine::Install: {
        std::string install = PickText(lang, texts::kProgressInstall);
        shown.push_back(install.append(" ").append(variantText).append(" ").append(resolutionText));
        break;
      }
    }
  }
  return shown;
}

std::string RenameFailedText(char lang, std::string_view entryName, std::string_view textureFolder) {
  std::string text = PickText(lang, texts::kRenameFailedStart);
  text.append(entryName).append(PickText(lang, texts::kRenameFailedMiddle)).append(textureFolder).append("\" !");
  return text;
}

std::string InstallFailedText(char lang, Simulator simulator, const RunOutcome& outcome, std::string_view entryName,
                              std::string_view textureFolder) {
  if (outcome.Finished()) return {};
  switch (outcome.refusal) {
    case setup::Refusal::NotMainFolder:
      return PickText(lang, simulator == Simulator::FS9 ? texts::kNotMainFolderFS9 : texts::kNotMainFolderFSX);
    case setup::Refusal::PayloadUnreadable: return PickText(lang, texts::kExtractFailed);
    case setup::Refusal::TextureUnreadable: return PickText(lang, texts::kBackupFailed);
    default: break;
  }
  switch (outcome.step) {
    case RunOutcome::Step::KeepOther: return PickText(lang, said::kKeepOtherFailed);
    case RunOutcome::Step::Extraction: return PickText(lang, texts::kExtractFailed);
    case RunOutcome::Step::Renaming: return RenameFailedText(lang, entryName, textureFolder);
    default: return PickText(lang, texts::kBackupFailed);
  }
}

std::string UninstallFailedText(char lang, Simulator simulator, const RunOutcome& outcome) {
  if (outcome.Finished()) return {};
  switch (outcome.refusal) {
    case setup::Refusal::NotMainFolder:
      return PickText(lang, simulator == Simulator::FS9 ? texts::kNotMainFolderFS9 : texts::kNotMainFolderFSX);
    case setup::Refusal::NothingToUninstall: return {};
    case setup::Refusal::BackupNotOurs: return PickText(lang, said::kBackupNotOurs);
    case setup::Refusal::BackupUnusable: return PickText(lang, said::kBackupUnusable);
    case setup::Refusal::TextureUnknown: return PickText(lang, said::kTextureUnknown);
    default: break;
  }
  if (outcome.step == RunOutcome::Step::KeepOther) return PickText(lang, said::kKeepOtherFailed);
  if (outcome.step == RunOutcome::Step::Deletion) return PickText(lang, said::kNotDeleted);
  return PickText(lang, texts::kRestoreFailed);
}

std::vector<std::string> OutcomeNotes(char lang, const RunOutcome& outcome) {
  std::vector<std::string> notes;
  if (!outcome.setAside.empty()) {
    notes.push_back(outcome.originalLost ? PickText(lang, said::kOriginalLost) + NameOf(outcome.setAside) +
                                               PickText(lang, said::kOriginalLostEnd)
                                         : PickText(lang, said::kSetAside) + NameOf(outcome.setAside) + "\".");
  }
  if (!outcome.keptOther.empty()) notes.push_back(PickText(lang, said::kKeptOther) + NameOf(outcome.keptOther) + "\".");
  return notes;
}

int BackupNoticeTag(const setup::InstallPlan& plan, const setup::Survey& survey) {
  const bool saved = survey.backup == setup::BackupState::Original || survey.backup == setup::BackupState::Record;
  // Nothing will be installed here (Install stays disabled): only whether something is saved.
  if (plan.refusal != setup::Refusal::None) return saved ? tag::kBackupSaved : tag::kBackupWillBeSaved;
  if (plan.makeBackup) return tag::kBackupWillBeSaved;
  if (plan.originalLost) return tag::kOriginalDamaged;
  if (plan.keepOther) return tag::kOtherWillBeKept;
  if (survey.backup == setup::BackupState::None && survey.texture == setup::TextureState::Ours)
    return tag::kNothingSaved;
  return tag::kBackupSaved;
}

std::string SurveyLine(char lang, Simulator simulator, std::string_view folder, const setup::Survey& s) {
  using T = setup::TextureState;
  using B = setup::BackupState;
  const char* sim = simulator == Simulator::FS9 ? "FS2004" : "FSX";
  if (folder.empty())
    return PickText(lang, std::string("Dossier principal de ") + sim + " inconnu", std::string(sim) + " main folder unknown");
  if (!s.mainFolder)
    return PickText(lang, "Ce dossier n'est pas le dossier principal de ", "This folder is not the main folder of ") + sim;
  if (s.backup == B::Unusable)
    return PickText(lang, "La texture originale sauvegardée est endommagée", "The saved original texture is damaged");
  if (s.backup == B::NotOurs)
    return PickText(lang, "Pratilo_Original_Tex.zip n'a pas été créé par Pratilo",
                    "Pratilo_Original_Tex.zip was not made by Pratilo");
  const bool saved = s.backup == B::Original || s.backup == B::Record;
  switch (s.texture) {
    case T::Ours: {
      const auto choice = setup::ReadEntryName(s.ourEntry);
      std::string line = "Pratilo " + VariantText(lang, choice ? choice->variantIndex : 0);
      if (choice && !choice->resolution.empty()) line += ", " + choice->resolution + " x " + choice->resolution;
      return line + PickText(lang, saved ? " en place, originale sauvegardée" : " en place, aucune originale sauvegardée",
                             saved ? " in place, original saved" : " in place, no original saved");
    }
    case T::Original: return PickText(lang, "Texture originale en place", "Original texture in place");
    case T::Other:
      if (s.backup == B::None) return PickText(lang, "Texture originale en place", "Original texture in place");
      return PickText(lang, "Une autre texture en place (ni Pratilo, ni l'originale)",
                      "Another texture in place (neither Pratilo's nor the original)");
    case T::Absent: return PickText(lang, "Aucune texture en place", "No texture in place");
    case T::Unknown:
      return PickText(lang, "Texture en place non reconnue (Pratilo.bin illisible)",
                      "Texture in place not recognised (Pratilo.bin unreadable)");
    case T::Unreadable: return PickText(lang, "Texture en place illisible", "Texture in place unreadable");
  }
  return {};
}

}  // namespace app
