#pragma once
// What the runs and the folder survey are called in the wizard's words, for the wizard and the
// command line alike: the lines of the progress list, the messages of a run that failed or was
// refused, what a run did besides, and the one line that says what lies in the folder now.
#include <string>
#include <string_view>
#include <vector>

#include "app/texts/Texts.h"
#include "setup/InstallRun.h"
#include "setup/RunOutcome.h"
#include "setup/Survey.h"

namespace app {

// The variant's name as the variant page shows it ("Variation 2", "Test grid").
std::string VariantText(char lang, int variantIndex);
// The resolution page's item ("1024", "512", "256").
std::string ResolutionItem(int resolutionIndex);
// "Resolution 512 x 512".
std::string ResolutionText(char lang, std::string_view resolutionItem);

// The progress list: each line the run will go through, the installation line with the summary's
// variant and resolution texts as they stand.
std::vector<std::string> ProgressLines(char lang, const std::vector<setup::ProgressLine>& lines,
                                       std::string_view variantText, std::string_view resolutionText);

// Names the entry, "detail1.bmp" and the texture folder (which ends in a backslash), each in quotes.
std::string RenameFailedText(char lang, std::string_view entryName, std::string_view textureFolder);

// The message of an installation or uninstallation that did not finish; empty for one that did.
std::string InstallFailedText(char lang, Simulator simulator, const setup::RunOutcome& outcome,
                              std::string_view entryName, std::string_view textureFolder);
std::string UninstallFailedText(char lang, Simulator simulator, const setup::RunOutcome& outcome);

// What a run did besides its work, one text each: an archive set aside, another texture kept.
std::vector<std::string> OutcomeNotes(char lang, const setup::RunOutcome& outcome);

// The summary's word on the backup: the tag of its text, from what the installation will do.
int BackupNoticeTag(const setup::InstallPlan& plan, const setup::Survey& survey);

// One short line on what lies in the folder: which texture is in place, and whether the original
// is saved. An empty folder text: the simulator's main folder is not known.
std::string SurveyLine(char lang, Simulator simulator, std::string_view folder, const setup::Survey& survey);

}  // namespace app
