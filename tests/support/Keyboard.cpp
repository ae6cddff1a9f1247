#include "support/Keyboard.h"

#include <oleacc.h>

#include "core/Utf8.h"
#include "ui/widgets/Control.h"
#include "ui/widgets/Form.h"

namespace testing_support {

namespace {

void HoldShift(bool down) {
  BYTE state[256];
  GetKeyboardState(state);
  state[VK_SHIFT] = down ? 0x80 : 0;
  SetKeyboardState(state);
}

std::string Taken(BSTR text) {
  std::string utf8 = text ? core::Narrow(text) : std::string();
  SysFreeString(text);
  return utf8;
}

}  // namespace

void PressKey(WPARAM key, bool shift) {
  HoldShift(shift);
  for (UINT message : {WM_KEYDOWN, WM_KEYUP}) {
    PostMessageW(GetFocus(), message, key, message == WM_KEYUP ? 0xC0000001 : 1);
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (ui::PreTranslateForForms(msg)) continue;
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  HoldShift(false);
}

std::string FocusedName() {
  HWND focus = GetFocus();
  if (ui::Control* control = ui::Control::FromHandle(focus); control && !control->name.empty()) return control->name;
  wchar_t cls[64]{};
  GetClassNameW(focus, cls, 64);
  return "[" + core::Narrow(cls) + "]";
}

ReadAloud ReadForScreenReader(HWND hwnd, long child) {
  static const bool comReady = SUCCEEDED(CoInitialize(nullptr));
  (void)comReady;
  IAccessible* object = nullptr;
  ReadAloud read;
  const HRESULT got =
      AccessibleObjectFromWindow(hwnd, OBJID_CLIENT, __uuidof(IAccessible), reinterpret_cast<void**>(&object));
  if (FAILED(got) || !object) return read;
  read.found = true;
  VARIANT which{};
  which.vt = VT_I4;
  which.lVal = child;
  BSTR text = nullptr;
  if (object->get_accName(which, &text) == S_OK) read.name = Taken(text);
  text = nullptr;
  if (object->get_accDescription(which, &text) == S_OK) read.description = Taken(text);
  VARIANT role{};
  if (SUCCEEDED(object->get_accRole(which, &role)) && role.vt == VT_I4) read.role = role.lVal;
  object->Release();
  return read;
}

}  // namespace testing_support
