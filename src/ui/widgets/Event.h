#pragma once
// Every widget raises its events through Raise: an error thrown by a handler must never unwind
// through Windows' own frames, so it is caught here, handed to the application, and the event returns.
#include <exception>
#include <functional>
#include <utility>

namespace ui {

// Shows the error (the application's general error display).
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
