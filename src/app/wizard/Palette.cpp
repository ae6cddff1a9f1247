#include "app/wizard/Palette.h"

#include "ui/widgets/LinkLabel.h"

namespace app {

namespace {
constexpr COLORREF kOlive = RGB(94, 94, 42);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kYellow = RGB(255, 255, 0);
}  // namespace

Palette WizardPalette(bool highContrast) {
  if (!highContrast) return {kOlive, kWhite, kYellow, ui::kLinkColour, kBlack, kBlue, false};
  // The scheme's link colour is made for the window background: on the pages a link is told by its
  // underline alone.
  const COLORREF text = GetSysColor(COLOR_BTNTEXT);
  return {GetSysColor(COLOR_BTNFACE), text, text, text, GetSysColor(COLOR_WINDOWTEXT), GetSysColor(COLOR_HOTLIGHT),
          true};
}

std::vector<RichPiece> InPaletteColours(std::vector<RichPiece> pieces, const Palette& palette) {
  if (!palette.system) return pieces;
  for (RichPiece& piece : pieces)
    piece.format.colour = IsMailLinkFormat(piece.format) ? palette.documentLink : palette.documentText;
  return pieces;
}

}  // namespace app
