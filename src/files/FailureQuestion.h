#pragma once
// The question asked after a failure on one file: Abort, Retry or Ignore, in French.
#include <string>
#include <string_view>

#include "files/ZipTypes.h"

namespace files {

inline constexpr wchar_t kFailureQuestionTitle[] = L"Confirmation";

// "<failure message>. File processing error, possibly disk is full"
std::string FileFailureQuestionText(std::string_view failureMessage);

// Shows the modal question (question icon; buttons "&Abandonner", "&Retenter", "&Ignorer") owned by
// the active window and gives the answer; closing the box counts as Abort.
TZAAction AskFileFailureQuestion(std::string_view failureMessage);

}  // namespace files
