#include "ui/widgets/Panel.h"

namespace ui {

bool Panel::Create(const CreateArgs& args) {
  if (args.background) brush_ = SolidBrush(*args.background);
  loweredBevel_ = args.loweredBevel;
  return CreateHandle(CommonOf(args), PlainWindowClass(L"PratiloPanel"), WS_CLIPCHILDREN, WS_EX_CONTROLPARENT);
}

HBRUSH Panel::BackgroundBrush() const { return brush_ ? brush_.Get() : Control::BackgroundBrush(); }

bool Panel::OnMessage(UINT msg, WPARAM wParam, LPARAM, LRESULT& result) {
  switch (msg) {
    case WM_ERASEBKGND: {
      HDC dc = reinterpret_cast<HDC>(wParam);
      RECT r = FillClient(dc, BackgroundBrush());
      for (int i = 0; i < loweredBevel_; ++i) {
        DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
        InflateRect(&r, -1, -1);
      }
      result = 1;
      return true;
    }
    case WM_SETFONT:
      font_ = reinterpret_cast<HFONT>(wParam);
      result = 0;
      return true;
    case WM_GETFONT:
      result = reinterpret_cast<LRESULT>(font_);
      return true;
    case WM_CLOSE:
      // A multi-line rich edit answers Escape by closing its parent; a container never closes.
      result = 0;
      return true;
    default:
      return false;
  }
}

}  // namespace ui
