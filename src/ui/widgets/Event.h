#pragma once
// Every widget raises its events through Raise: an error thrown by a handler must never unwind
// through Windows' own frames, so it is caught here, handed to the reporter the application has
// installed, and the event returns.
#include <exception>
#include <functional>
#include <utility>

namespace ui {

using EventErrorReporter = void (*)(std::exception_ptr error);

// The application's general error display; until one is installed, a plain error box.
void SetEventErrorReporter(EventErrorReporter reporter);
void ReportEventError(std::exception_ptr error) noexcept;

template <class... Params, class... Args>
void Raise(const std::function<void(Params...)>& handler, Args&&... args) noexcept {
  if (!handler) return;
  try {
    handler(std::forward<Args>(args)...);
  } catch (...) {
    ReportEventError(std::current_exception());
  }
}

}  // namespace ui
