#include "ui/base/Gdi.h"

#include "core/Utf8.h"

namespace ui {

int PointsToHeight(int points, int dpi) { return -MulDiv(points, dpi, 72); }

void UseTextColour(HDC dc, COLORREF colour) {
  SetTextColor(dc, colour);
  SetBkMode(dc, TRANSPARENT);
}

Font Font::Create(const FontSpec& spec, int dpi) {
  LOGFONTW lf{};
  lf.lfHeight = PointsToHeight(spec.points, dpi);
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
  fonts_.push_back({spec, Font::Create(spec, dpi_)});
  return fonts_.back().font.Get();
}

std::vector<FontCache::Replaced> FontCache::SetDpi(int dpi) {
  std::vector<Replaced> replaced;
  if (dpi == dpi_) return replaced;
  dpi_ = dpi;
  for (Entry& e : fonts_) {
    Font remade = Font::Create(e.spec, dpi_);
    replaced.push_back({std::move(e.font), remade.Get()});
    e.font = std::move(remade);
  }
  return replaced;
}

HFONT ReplacementOf(const std::vector<FontCache::Replaced>& replaced, HFONT font) {
  for (const FontCache::Replaced& r : replaced)
    if (r.old.Get() == font) return r.replacement;
  return font;
}

}  // namespace ui
