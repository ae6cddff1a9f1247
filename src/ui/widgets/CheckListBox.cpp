#include "ui/widgets/CheckListBox.h"

#include <oleacc.h>

#include <algorithm>

#include "core/Utf8.h"
#include "ui/base/DpiScaling.h"

namespace ui {

namespace {
constexpr int kBoxSize = 13;
constexpr int kBoxMargin = 2;
}  // namespace

bool CheckListBox::Create(const CreateArgs& args) {
  DWORD style = WS_VSCROLL | WS_TABSTOP | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
  if (!CreateHandle(CommonOf(args), L"LISTBOX", style, WS_EX_CLIENTEDGE)) return false;
  FitLineHeight(Dpi());
  return true;
}

void CheckListBox::FitLineHeight(int dpi) {
  const int lineSpace = Scale(2, dpi);
  Send(LB_SETITEMHEIGHT, 0, std::max(LineHeight(), Scale(kBoxSize, dpi)) + lineSpace);
}

int CheckListBox::AddLine(const std::string& text) {
  std::wstring w = core::Widen(text);
  return static_cast<int>(Send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(w.c_str()), LB_ERR));
}

void CheckListBox::Clear() { Send(LB_RESETCONTENT); }

int CheckListBox::LineCount() const { return static_cast<int>(Send(LB_GETCOUNT)); }

std::string CheckListBox::LineText(int index) const {
  LRESULT length = Send(LB_GETTEXTLEN, index, 0, LB_ERR);
  if (length == LB_ERR) return {};
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  Send(LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(length));
  return core::Narrow(text);
}

bool CheckListBox::Checked(int index) const {
  LRESULT data = Send(LB_GETITEMDATA, index, 0, LB_ERR);
  return data != LB_ERR && data != 0;
}

void CheckListBox::SetChecked(int index, bool checked) {
  if (Send(LB_SETITEMDATA, index, checked ? 1 : 0, LB_ERR) == LB_ERR) return;
  RECT r;
  if (Send(LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r), LB_ERR) != LB_ERR)
    InvalidateRect(Handle(), &r, TRUE);
}

int CheckListBox::SelectedIndex() const { return static_cast<int>(Send(LB_GETCURSEL, 0, 0, LB_ERR)); }

void CheckListBox::SetSelectedIndex(int index) { Send(LB_SETCURSEL, index, 0); }

bool CheckListBox::OnDrawItem(const DRAWITEMSTRUCT& item) {
  if (item.itemID == static_cast<UINT>(-1)) return true;
  HDC dc = item.hDC;
  const int boxSize = Scale(kBoxSize, Dpi()), boxMargin = Scale(kBoxMargin, Dpi());
  bool enabled = IsWindowEnabled(Handle());
  bool selected = (item.itemState & ODS_SELECTED) && enabled;
  FillRect(dc, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  RECT box{item.rcItem.left + boxMargin, item.rcItem.top + (item.rcItem.bottom - item.rcItem.top - boxSize) / 2, 0, 0};
  box.right = box.left + boxSize;
  box.bottom = box.top + boxSize;
  UINT state = DFCS_BUTTONCHECK | DFCS_FLAT | (Checked(static_cast<int>(item.itemID)) ? DFCS_CHECKED : 0) |
               (enabled ? 0 : DFCS_INACTIVE);
  DrawFrameControl(dc, &box, DFC_BUTTON, state);
  std::wstring text = core::Widen(LineText(static_cast<int>(item.itemID)));
  RECT textRect = item.rcItem;
  textRect.left = box.right + Scale(4, Dpi());
  UseTextColour(dc, GetSysColor(!enabled ? COLOR_GRAYTEXT : selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &textRect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  if ((item.itemState & ODS_FOCUS) && enabled) DrawFocusRect(dc, &item.rcItem);
  return true;
}

bool CheckListBox::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT&) {
  // A click on a line's box, or the space bar, toggles the line.
  if (msg == WM_LBUTTONDOWN && static_cast<short>(LOWORD(lParam)) < Scale(kBoxMargin + kBoxSize + 2, Dpi())) {
    LRESULT hit = Send(LB_ITEMFROMPOINT, 0, lParam);
    if (HIWORD(hit) == 0) SetChecked(LOWORD(hit), !Checked(LOWORD(hit)));
  } else if (msg == WM_KEYDOWN && wParam == VK_SPACE && SelectedIndex() >= 0) {
    SetChecked(SelectedIndex(), !Checked(SelectedIndex()));
  }
  return false;
}

long CheckListBox::AccessibleRole() const { return ROLE_SYSTEM_LIST; }

}  // namespace ui
