#pragma once
// The question asked after a failure on one file: Abort, Retry or Ignore, in French.
#include <string>
#include <string_view>

#include "files/ZipArchiver.h"

namespace files {

inline constexpr wchar_t kFailureQuestionTitle[] = L"Confirmation";

// "<failure message>. File processing error, possibly disk is full"
std::string FileFailureQuestionText(std::string_view failureMessage);

// Shows the modal question (question icon; buttons "&Abandonner", "&Retenter", "&Ignorer") owned by
// the active window and gives the answer; closing the box counts as Abort.
TZAAction AskFileFailureQuestion(std::string_view failureMessage);

// The component as the program uses it: a failure on one file asks the user (Abort/Retry/Ignore).
class TZipArchiver : public TZipBaseArchiver {
 protected:
  TZAAction DefaultFileFailureAction(const std::string& fileName, TZAProcessOperation operation,
                                     const EZAException& failure) override;
};

}  // namespace files
