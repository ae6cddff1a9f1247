#include "ui/widgets/LinkLabel.h"

#include "ui/widgets/Event.h"

namespace ui {

bool LinkLabel::Create(CreateArgs args) {
  if (args.colour == GetSysColor(COLOR_WINDOWTEXT)) args.colour = kLinkColour;
  HFONT base = args.font;
  if (!base && args.parent) base = reinterpret_cast<HFONT>(SendMessageW(args.parent, WM_GETFONT, 0, 0));
  LOGFONTW lf{};
  if (GetObjectW(base ? static_cast<HGDIOBJ>(base) : GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf)) {
    lf.lfUnderline = TRUE;
    underlined_.Reset(CreateFontIndirectW(&lf));
    args.font = underlined_.Get();
  }
  return CreateLabel(args, SS_NOTIFY);
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
