// How parents hand their children's notifications back to the children's wrappers, and the plain
// window class that containers and pictures are made of.
#include <set>
#include <string>

#include "ui/widgets/Control.h"

namespace ui {

bool ReflectToChild(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (msg) {
    case WM_COMMAND:
      if (Control* child = Control::FromHandle(reinterpret_cast<HWND>(lParam)))
        return child->OnCommand(HIWORD(wParam), LOWORD(wParam));
      return false;
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lParam);
      if (Control* child = header ? Control::FromHandle(header->hwndFrom) : nullptr)
        return child->OnNotify(header, result);
      return false;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
      if (Control* child = Control::FromHandle(reinterpret_cast<HWND>(lParam))) {
        if (HBRUSH brush = child->OnCtlColor(reinterpret_cast<HDC>(wParam))) {
          result = reinterpret_cast<LRESULT>(brush);
          return true;
        }
      }
      return false;
    case WM_DRAWITEM: {
      auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (Control* child = item ? Control::FromHandle(item->hwndItem) : nullptr) {
        if (child->OnDrawItem(*item)) {
          result = TRUE;
          return true;
        }
      }
      return false;
    }
    default:
      return false;
  }
}

const wchar_t* PlainWindowClass(const wchar_t* name, HBRUSH background, UINT style) {
  static std::set<std::wstring> registered;
  if (registered.insert(name).second) {
    WNDCLASSEXW wc{sizeof wc};
    wc.style = style;
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = background;
    wc.lpszClassName = name;
    RegisterClassExW(&wc);
  }
  return name;
}

}  // namespace ui
