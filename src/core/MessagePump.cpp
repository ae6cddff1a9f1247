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
