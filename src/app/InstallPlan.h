#pragma once
// What an installation does and says, decided from the choices, apart from the window: the payload
// entry to take, the lines of the progress list, the failure messages, the choice to remember.
#include <string>
#include <string_view>
#include <vector>

#include "app/Texts.h"

namespace app {

// "T" + (variant + 1), then "_" + the resolution item's text unless it is the test grid, then
// ".bmp": "T2_512.bmp", "T6.bmp".
std::string EntryName(int variantIndex, bool testGrid, std::string_view resolutionItem);

// The progress list: the backup line when the backup is needed, then the installation line with
// the summary's variant and resolution texts as they stand.
std::vector<std::string> ProgressLines(char lang, bool backupNeeded, std::string_view variantText,
                                       std::string_view resolutionText);

// The messages shown before the program ends when a step fails.
std::string BackupFailedText(char lang);
std::string ExtractFailedText(char lang);
// Names the entry, "detail1.bmp" and the texture folder (which ends in a backslash), each in quotes.
std::string RenameFailedText(char lang, std::string_view entryName, std::string_view textureFolder);

// The choice remembered after an installation: variant and resolution indexes as decimal text, one
// after the other ("42"), under "cfgFS9" for FS2004 and "cfgFSX" otherwise.
std::string ChoiceText(int variantIndex, int resolutionIndex);
const char* ChoiceSetting(Simulator simulator);

}  // namespace app
