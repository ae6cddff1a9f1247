#include "app/commandline/ExitCodes.h"

#include "app/texts/Texts.h"

namespace app {

std::string ExitCodeMeaning(char lang, ExitCode code) {
  switch (code) {
    case ExitCode::Done: return PickText(lang, "terminé", "done");
    case ExitCode::BadCommandLine: return PickText(lang, "ligne de commande incorrecte", "bad command line");
    case ExitCode::NotFound:
      return PickText(lang, "simulateur ou dossier principal introuvable", "simulator or main folder not found");
    case ExitCode::LicenceNotAccepted: return PickText(lang, "contrat de licence non accepté", "licence not accepted");
    case ExitCode::SimulatorRunning:
      return PickText(lang, "simulateur en cours d'exécution (detail1.bmp utilisé)",
                      "simulator running (detail1.bmp in use)");
    case ExitCode::BackupFailed: return PickText(lang, "sauvegarde impossible", "backup failed");
    case ExitCode::InstallFailed:
      return PickText(lang, "décompression ou renommage impossible", "extraction or renaming failed");
    case ExitCode::NothingToUninstall: return PickText(lang, "rien à désinstaller", "nothing to uninstall");
    case ExitCode::RestoreFailed:
      return PickText(lang, "restauration impossible (sauvegarde conservée)", "restoration failed (backup kept)");
    case ExitCode::OtherCopyRunning:
      return PickText(lang, "une autre copie de Pratilo est en cours", "another copy of Pratilo is running");
  }
  return {};
}

}  // namespace app
