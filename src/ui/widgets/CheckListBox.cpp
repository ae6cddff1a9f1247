#include "ui/widgets/CheckListBox.h"

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
  TEXTMETRICW tm{};
  HDC dc = GetDC(Handle());
  HGDIOBJ old = SelectObject(dc, Font());
  GetTextMetricsW(dc, &tm);
  SelectObject(dc, old);
  ReleaseDC(Handle(), dc);
  const int lineSpace = Scale(2, dpi);
  SendMessageW(Handle(), LB_SETITEMHEIGHT, 0,
               std::max<LONG>(tm.tmHeight + lineSpace, Scale(kBoxSize, dpi) + lineSpace));
}

int CheckListBox::AddLine(const std::string& text) {
  std::wstring w = core::Widen(text);
  return static_cast<int>(SendMessageW(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(w.c_str())));
}

void CheckListBox::Clear() { SendMessageW(Handle(), LB_RESETCONTENT, 0, 0); }

int CheckListBox::LineCount() const { return Handle() ? static_cast<int>(SendMessageW(Handle(), LB_GETCOUNT, 0, 0)) : 0; }

std::string CheckListBox::LineText(int index) const {
  LRESULT length = SendMessageW(Handle(), LB_GETTEXTLEN, index, 0);
  if (length == LB_ERR) return {};
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  SendMessageW(Handle(), LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(length));
  return core::Narrow(text);
}

bool CheckListBox::Checked(int index) const {
  LRESULT data = SendMessageW(Handle(), LB_GETITEMDATA, index, 0);
  return data != LB_ERR && data != 0;
}

void CheckListBox::SetChecked(int index, bool checked) {
  if (SendMessageW(Handle(), LB_SETITEMDATA, index, checked ? 1 : 0) == LB_ERR) return;
  RECT r;
  if (SendMessageW(Handle(), LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r)) != LB_ERR)
    InvalidateRect(Handle(), &r, TRUE);
}

int CheckListBox::SelectedIndex() const { return static_cast<int>(SendMessageW(Handle(), LB_GETCURSEL, 0, 0)); }

void CheckListBox::SetSelectedIndex(int index) { SendMessageW(Handle(), LB_SETCURSEL, index, 0); }

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
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(!enabled ? COLOR_GRAYTEXT : selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &textRect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  if ((item.itemState & ODS_FOCUS) && enabled) DrawFocusRect(dc, &item.rcItem);
  return true;
}

bool CheckListBox::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT&) {
  // A click on a line's box, or the space bar, toggles the line.
  if (msg == WM_LBUTTONDOWN && static_cast<short>(LOWORD(lParam)) < Scale(kBoxMargin + kBoxSize + 2, Dpi())) {
    LRESULT hit = SendMessageW(Handle(), LB_ITEMFROMPOINT, 0, lParam);
    if (HIWORD(hit) == 0) SetChecked(LOWORD(hit), !Checked(LOWORD(hit)));
  } else if (msg == WM_KEYDOWN && wParam == VK_SPACE && SelectedIndex() >= 0) {
    SetChecked(SelectedIndex(), !Checked(SelectedIndex()));
  }
  return false;
}

}  // namespace ui
