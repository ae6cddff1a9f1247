#pragma once
// The presentation and licence texts as pieces of text, each with the attributes in force for it.
#include <string>
#include <vector>

#include "ui/widgets/RichText.h"

namespace app {

inline constexpr COLORREF kGreen = RGB(0, 128, 0);
inline constexpr COLORREF kBlue = RGB(0, 0, 255);
inline constexpr COLORREF kBlack = RGB(0, 0, 0);

struct RichPiece {
  ui::CharFormat format;
  std::string text;
  bool operator==(const RichPiece&) const = default;
};

std::vector<RichPiece> PresentationPieces(char lang);
std::vector<RichPiece> LicencePieces(char lang);

// True for the text a click opens the mail link on: the address's own format, in the link colour
// (blue, or the user's in high contrast) and underlined with nothing else.
bool IsMailLinkFormat(const ui::CharFormat& format, COLORREF linkColour = kBlue);

}  // namespace app
