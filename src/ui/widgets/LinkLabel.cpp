#include "ui/widgets/LinkLabel.h"

#include <utility>

#include "ui/widgets/Event.h"

namespace ui {

bool LinkLabel::Create(CreateArgs args) {
  if (args.colour == GetSysColor(COLOR_WINDOWTEXT)) args.colour = kLinkColour;
  base_ = args.font;
  if (!base_ && args.parent) base_ = reinterpret_cast<HFONT>(SendMessageW(args.parent, WM_GETFONT, 0, 0));
  underlined_ = Underlined(base_);
  if (underlined_) args.font = underlined_.Get();
  return CreateLabel(args, SS_NOTIFY);
}

ui::Font LinkLabel::Underlined(HFONT base) {
  LOGFONTW lf{};
  if (!GetObjectW(base ? static_cast<HGDIOBJ>(base) : GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf)) return {};
  lf.lfUnderline = TRUE;
  return ui::Font(CreateFontIndirectW(&lf));
}

void LinkLabel::TakeReplacementFont(const std::vector<FontCache::Replaced>& fonts) {
  if (!base_) return;
  const HFONT replacement = ReplacementOf(fonts, base_);
  if (replacement == base_) return;
  base_ = replacement;
  ui::Font next = Underlined(base_);
  if (!next) return;
  SetFont(next.Get());
  underlined_ = std::move(next);  // the old copy goes once the label has the new one
}

void LinkLabel::Click() {
  Raise(onClick);
}

bool LinkLabel::OnCommand(int code, int) {
  if (code != STN_CLICKED) return false;
  Click();
  return true;
}

bool LinkLabel::OnMessage(UINT msg, WPARAM, LPARAM, LRESULT& result) {
  if (msg != WM_SETCURSOR) return false;
  SetCursor(LoadCursorW(nullptr, IDC_HAND));
  result = TRUE;
  return true;
}

}  // namespace ui
