#pragma once
// Small rules of the wizard's choices, apart from the window.
#include <string>
#include <string_view>

namespace app {

// A remembered installation choice ("cfgFS9", "cfgFSX"): two digits, variant then resolution.
struct StoredChoice {
  int variant = 0;
  int resolution = 0;
  bool operator==(const StoredChoice&) const = default;
};

// A text that is not exactly two characters long counts as "00"; a character that is no digit gives 0.
StoredChoice ReadStoredChoice(std::string_view text);

// Width of one view in the preview strips; view n is shown by moving the strip left by n views.
inline constexpr int kViewWidth = 300;
inline int ViewOffset(int index) { return -kViewWidth * index; }

// Names of the remembered values in the program's settings key.
namespace setting {
inline constexpr char kLanguage[] = "Langue";
inline constexpr char kSimulator[] = "FS";
inline constexpr char kFolderFS9[] = "DossierFS9";
inline constexpr char kFolderFSX[] = "DossierFSX";
inline constexpr char kChoiceFS9[] = "cfgFS9";
inline constexpr char kChoiceFSX[] = "cfgFSX";
inline constexpr char kAccepted[] = "accepte";
inline constexpr char kPlacement[] = "fMain";
}  // namespace setting

// Files the wizard looks for.
inline constexpr char kPayloadName[] = "Pratilo.bin";
inline constexpr char kBackupName[] = "Pratilo_Original_Tex.zip";
inline constexpr char kTextureSubfolder[] = "Scenery\\World\\Texture\\";
inline constexpr char kTextureName[] = "detail1.bmp";  // the simulator's texture, and the backup's entry
inline constexpr char kMarkerFS9[] = "FS9.exe";
inline constexpr char kMarkerFSX[] = "FSX.exe";

// True when the path names an existing file (not a folder). UTF-8 path.
bool FileExists(const std::string& path);

}  // namespace app
