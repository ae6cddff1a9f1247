#pragma once
// Names of the remembered values in the program's settings key.

namespace setup::setting {

inline constexpr char kLanguage[] = "Langue";
inline constexpr char kSimulator[] = "FS";
inline constexpr char kFolderFS9[] = "DossierFS9";
inline constexpr char kFolderFSX[] = "DossierFSX";
inline constexpr char kChoiceFS9[] = "cfgFS9";
inline constexpr char kChoiceFSX[] = "cfgFSX";
inline constexpr char kAccepted[] = "accepte";
inline constexpr char kPlacement[] = "fMain";

}  // namespace setup::setting
