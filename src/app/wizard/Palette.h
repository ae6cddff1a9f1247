#pragma once
// The wizard's colours: its own, or the user's scheme when Windows' high contrast is on (white and
// yellow on the olive pages would be unreadable in it). The pictures keep theirs either way.
#include <windows.h>

#include <vector>

#include "app/wizard/RichTexts.h"

namespace app {

struct Palette {
  COLORREF page, text, notice, link;  // the pages, what is written on them, the warnings, the links
  COLORREF documentText, documentLink;  // the presentation and licence texts
  bool system;                          // the user's scheme
};

Palette WizardPalette(bool highContrast);

// The texts' pieces in the palette's colours: in the user's scheme the address takes its link colour
// and every other piece its text colour; otherwise they stay as written.
std::vector<RichPiece> InPaletteColours(std::vector<RichPiece> pieces, const Palette& palette);

}  // namespace app
