#include "ui/widgets/Event.h"

#include <windows.h>

#include <string>

#include "core/Utf8.h"

namespace ui {
namespace {

void PlainErrorBox(std::exception_ptr error) {
  try {
    std::rethrow_exception(error);
  } catch (const std::exception& e) {
    MessageBoxW(nullptr, core::Widen(e.what()).c_str(), nullptr, MB_OK | MB_ICONHAND);
  } catch (...) {
    MessageBoxW(nullptr, L"Erreur inconnue / Unknown error", nullptr, MB_OK | MB_ICONHAND);
  }
}

EventErrorReporter g_reporter = &PlainErrorBox;

}  // namespace

void SetEventErrorReporter(EventErrorReporter reporter) { g_reporter = reporter ? reporter : &PlainErrorBox; }

void ReportEventError(std::exception_ptr error) noexcept {
  try {
    g_reporter(error);
  } catch (...) {
    // Nothing may leave an event; a failing error display has nowhere left to report.
  }
}

}  // namespace ui
