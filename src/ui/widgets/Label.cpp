#include "ui/widgets/Label.h"

#include "core/Utf8.h"

namespace ui {

namespace {

SIZE Measure(HFONT font, std::string_view utf8, int wrapWidth, UINT flags) {
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
  std::wstring text = core::Widen(utf8);
  RECT r{0, 0, wrapWidth, 0};
  if (text.empty()) text = L" ";  // an empty label keeps the height of a line
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_NOPREFIX | flags);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  return {r.right - r.left, r.bottom - r.top};
}

}  // namespace

SIZE MeasureText(HFONT font, std::string_view utf8, int wrapWidth) {
  return Measure(font, utf8, wrapWidth, wrapWidth > 0 ? DT_WORDBREAK : DT_SINGLELINE);
}

SIZE MeasureLines(HFONT font, std::string_view utf8) { return Measure(font, utf8, 0, 0); }

bool Label::Create(const CreateArgs& args) { return CreateLabel(args, 0); }

bool Label::CreateLabel(const CreateArgs& args, DWORD extraStyle) {
  colour_ = args.colour;
  wordWrap_ = args.wordWrap;
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

void Label::PutJustBefore(const Control& named) {
  if (!Handle() || !named.Handle() || GetParent(Handle()) != GetParent(named.Handle())) return;
  HWND before = GetWindow(named.Handle(), GW_HWNDPREV);
  if (before == Handle()) return;
  SetWindowPos(Handle(), before ? before : HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Label::SetText(std::string_view utf8) {
  if (ReplaceText(utf8) && autoSize_) FitToText();
}

void Label::SetWidth(int width) {
  Rect b = Bounds();
  Place({b.x, b.y, width, b.h});
  if (autoSize_) FitToText();
}

void Label::OnDpiChanged(int) {
  if (autoSize_) FitToText();
}

void Label::FitToText() {
  Rect b = Bounds();
  if (wordWrap_ && b.w > 0) {
    Place({b.x, b.y, b.w, static_cast<int>(MeasureText(Font(), Text(), b.w).cy)});
    return;
  }
  SIZE size = MeasureLines(Font(), Text());
  Place({b.x, b.y, static_cast<int>(size.cx), static_cast<int>(size.cy)});
}

void Label::SetColour(COLORREF colour) {
  colour_ = colour;
  if (Handle()) InvalidateRect(Handle(), nullptr, TRUE);
}

HBRUSH Label::OnCtlColor(HDC dc) { return TransparentColours(dc, colour_); }

}  // namespace ui
