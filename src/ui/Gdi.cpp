#include "ui/Gdi.h"

#include "core/Utf8.h"

namespace ui {

int PointsToHeight(int points, int dpi) { return -MulDiv(points, dpi, 72); }

int ScreenDpi() {
  HDC dc = GetDC(nullptr);
  int dpi = dc ? GetDeviceCaps(dc, LOGPIXELSY) : 96;
  if (dc) ReleaseDC(nullptr, dc);
  return dpi > 0 ? dpi : 96;
}

Font Font::Create(const FontSpec& spec) {
  LOGFONTW lf{};
  lf.lfHeight = PointsToHeight(spec.points, ScreenDpi());
  lf.lfWeight = spec.bold ? FW_BOLD : FW_NORMAL;
  lf.lfUnderline = spec.underline ? TRUE : FALSE;
  lf.lfCharSet = DEFAULT_CHARSET;
  lf.lfQuality = DEFAULT_QUALITY;
  std::wstring face = core::Widen(spec.face);
  lstrcpynW(lf.lfFaceName, face.c_str(), LF_FACESIZE);
  return Font(CreateFontIndirectW(&lf));
}

Brush SolidBrush(COLORREF colour) { return Brush(CreateSolidBrush(colour)); }

}  // namespace ui

namespace ui {

HFONT FontCache::Get(const FontSpec& spec) {
  for (const Entry& e : fonts_)
    if (e.spec == spec) return e.font.Get();
  fonts_.push_back({spec, Font::Create(spec)});
  return fonts_.back().font.Get();
}

}  // namespace ui
