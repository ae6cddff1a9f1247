#include "ui/widgets/Label.h"

#include "core/Utf8.h"

namespace ui {

SIZE MeasureText(HFONT font, std::string_view utf8, int wrapWidth) {
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
  std::wstring text = core::Widen(utf8);
  RECT r{0, 0, wrapWidth, 0};
  UINT flags = DT_CALCRECT | DT_NOPREFIX | (wrapWidth > 0 ? DT_WORDBREAK : DT_SINGLELINE);
  if (text.empty()) text = L" ";  // an empty label keeps the height of a line
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, flags);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  return {r.right - r.left, r.bottom - r.top};
}

bool Label::Create(const CreateArgs& args) { return CreateLabel(args, 0); }

bool Label::CreateLabel(const CreateArgs& args, DWORD extraStyle) {
  colour_ = args.colour;
  autoSize_ = args.bounds.w <= 0 || args.bounds.h <= 0;
  DWORD style = SS_NOPREFIX | extraStyle;
  switch (args.align) {
    case Align::Left: style |= args.wordWrap ? SS_LEFT : SS_LEFTNOWORDWRAP; break;
    case Align::Center: style |= SS_CENTER; break;
    case Align::Right: style |= SS_RIGHT; break;
  }
  if (!CreateHandle(CommonOf(args), L"STATIC", style, 0, args.text)) return false;
  if (autoSize_) FitToText();
  return true;
}

void Label::SetText(std::string_view utf8) {
  Control::SetText(utf8);
  if (autoSize_) FitToText();
}

void Label::FitToText() {
  Rect b = Bounds();
  SIZE size = MeasureText(Font(), Text());
  SetBounds({b.x, b.y, static_cast<int>(size.cx), static_cast<int>(size.cy)});
}

HBRUSH Label::OnCtlColor(HDC dc) { return TransparentColours(dc, colour_); }

}  // namespace ui
