#include "core/MessagePump.h"

namespace core {
namespace {
MessageFilter g_filter = nullptr;
}

void SetMessageFilter(MessageFilter filter) { g_filter = filter; }

void DispatchFiltered(MSG& msg) {
  if (g_filter && g_filter(msg)) return;
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
}

bool RunMessagesWhile(const std::function<bool()>& keepGoing) {
  MSG msg;
  while (keepGoing()) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got <= 0) {
      if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));
      return false;
    }
    DispatchFiltered(msg);
  }
  return true;
}

void ProcessMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    DispatchFiltered(msg);
  }
}

}  // namespace core
