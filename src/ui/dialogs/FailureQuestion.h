#pragma once
// The question asked after a failure on one file of an archive job: Abort, Retry or Ignore, in French.
#include <string>
#include <string_view>

#include "files/ZipArchiver.h"

namespace ui {

inline constexpr wchar_t kFailureQuestionTitle[] = L"Confirmation";

// "<failure message>. File processing error, possibly disk is full"
std::string FileFailureQuestionText(std::string_view failureMessage);

// Shows the modal question (question icon; buttons "&Abandonner", "&Retenter", "&Ignorer") owned by
// the active window and gives the answer; closing the box counts as Abort.
files::TZAAction AskFileFailureQuestion(std::string_view failureMessage);

// The question as the component's answer to a failed file (its OnProcessFileFailure).
files::TZAAction AskAboutFailedFile(files::TZipBaseArchiver& sender, const std::string& fileName,
                                    files::TZAProcessOperation operation, const files::EZAException& failure);

}  // namespace ui
