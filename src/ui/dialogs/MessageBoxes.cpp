#include "ui/dialogs/MessageBoxes.h"

#include "core/Environment.h"
#include "ui/dialogs/Application.h"

namespace ui {

namespace {

constexpr UINT kWarningFlags = MB_OK | MB_ICONEXCLAMATION;  // 48
constexpr UINT kErrorFlags = MB_OK | MB_ICONHAND;           // 16

}  // namespace

int MsgBox(std::string_view text, std::string_view caption, UINT flags) {
  return App().ShowBox(text, caption.empty() ? core::Env().ProgramName : caption, flags);
}

void WarningBox(std::string_view text, std::string_view caption) {
  App().ShowBox(text, caption.empty() ? App().Title() : caption, kWarningFlags);
}

void ErrorBox(std::string_view text, std::string_view caption) {
  App().ShowBox(text, caption.empty() ? App().Title() : caption, kErrorFlags);
}

}  // namespace ui
