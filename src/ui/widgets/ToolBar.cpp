#include "ui/widgets/ToolBar.h"

#include <oleacc.h>

#include "ui/base/DpiScaling.h"
#include "ui/widgets/Event.h"

#include "core/Utf8.h"

namespace ui {

namespace {
constexpr int kDesignPicture = 16;
constexpr int kDesignButtonWidth = 23, kDesignButtonHeight = 22;
}  // namespace

bool ToolButton::Checked() const {
  return bar_ && bar_->Send(TB_ISBUTTONCHECKED, id_, 0) != 0;
}

void ToolButton::SetChecked(bool checked) {
  if (!bar_) return;
  bar_->Send(TB_CHECKBUTTON, id_, MAKELPARAM(checked ? TRUE : FALSE, 0));
  if (!checked || group_ == 0) return;
  for (ToolButton* other : bar_->buttons_)
    if (other != this && other->group_ == group_) bar_->Send(TB_CHECKBUTTON, other->id_, FALSE);
}

bool ToolButton::Enabled() const { return bar_ && bar_->Send(TB_ISBUTTONENABLED, id_, 0) != 0; }

void ToolButton::SetEnabled(bool enabled) {
  if (bar_) bar_->Send(TB_ENABLEBUTTON, id_, MAKELPARAM(enabled ? TRUE : FALSE, 0));
}

void ToolButton::Click() {
  if (bar_) bar_->Pressed(*this);
}

bool ToolBar::Create(const CreateArgs& args) {
  if (args.background) brush_ = SolidBrush(*args.background);
  DWORD style = TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER | WS_CLIPCHILDREN;
  if (args.tabStop) style |= WS_TABSTOP;
  if (!CreateHandle(CommonOf(args), TOOLBARCLASSNAMEW, style)) return false;
  accessibleFacts = [this](long child) { return FactsOf(child); };
  Send(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  SetImages(args.images);
  return true;
}

void ToolBar::SetImages(HIMAGELIST images) {
  int width = Scale(kDesignPicture, Dpi()), height = width;
  if (images) ImageList_GetIconSize(images, &width, &height);
  Send(TB_SETBITMAPSIZE, 0, MAKELPARAM(width, height));
  Send(TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
  SetButtonSize(Dpi());
}

void ToolBar::SetButtonSize(int dpi) {
  Send(TB_SETBUTTONSIZE, 0,
               MAKELPARAM(Scale(kDesignButtonWidth, dpi), Scale(kDesignButtonHeight, dpi)));
}

void ToolBar::SetSeparatorWidth(const Separator& s, int dpi) {
  TBBUTTONINFOW info{sizeof info};
  info.dwMask = TBIF_BYINDEX | TBIF_IMAGE | TBIF_SIZE;
  info.cx = static_cast<WORD>(Scale(s.designWidth, dpi));
  info.iImage = info.cx;  // a separator's width is kept as its image
  Send(TB_SETBUTTONINFOW, s.index, reinterpret_cast<LPARAM>(&info));
}

void ToolBar::SetPlaceWidth(int index, int designWidth) {
  for (Separator& s : separators_) {
    if (s.index != index) continue;
    s.designWidth = designWidth;
    SetSeparatorWidth(s, Dpi());
  }
}

void ToolBar::OnDpiChanged(int dpi) {
  for (const Separator& s : separators_) SetSeparatorWidth(s, dpi);
  SetButtonSize(dpi);
}

bool ToolBar::AddCheckButton(ToolButton& button, const ButtonArgs& args) {
  button.name = args.name;
  button.tag = args.tag;
  button.id_ = nextId_++;
  button.group_ = args.group;
  button.hint_ = args.hint;
  TBBUTTON tb{};
  tb.iBitmap = args.image;
  tb.idCommand = button.id_;
  tb.fsState = TBSTATE_ENABLED | (args.checked ? TBSTATE_CHECKED : 0);
  tb.fsStyle = BTNS_CHECK;
  tb.iString = -1;
  // A button the bar refused stays detached: it reports itself unchecked and ignores clicks.
  if (!Send(TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&tb))) return false;
  button.bar_ = this;
  buttons_.push_back(&button);
  return true;
}

void ToolBar::AddSeparator(int designWidth) {
  TBBUTTON tb{};
  tb.iBitmap = Scale(designWidth, Dpi());  // a separator's width
  tb.fsStyle = BTNS_SEP;
  if (Send(TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&tb)))
    separators_.push_back({ButtonCount() - 1, designWidth});
}

int ToolBar::AddPlace(int designWidth) {
  AddSeparator(designWidth);
  return ButtonCount() - 1;
}

int ToolBar::ButtonCount() const { return static_cast<int>(Send(TB_BUTTONCOUNT)); }

Rect ToolBar::ItemRect(int index) const {
  RECT r{};
  Send(TB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r));
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

ToolButton* ToolBar::ButtonById(int id) const {
  for (ToolButton* b : buttons_)
    if (b->id_ == id) return b;
  return nullptr;
}

void ToolBar::Pressed(ToolButton& button) {
  // A pressed button of a group stays pressed when clicked again, as in a group of radio items.
  button.SetChecked(button.group_ != 0 ? true : !button.Checked());
  Raise(button.onClick);
}

bool ToolBar::OnCommand(int, int id) {
  ToolButton* button = ButtonById(id);
  if (!button) return false;
  // The bar has toggled the button already; put the group's rule on top of that.
  if (button->group_ != 0) button->SetChecked(true);
  Raise(button->onClick);
  return true;
}

bool ToolBar::OnNotify(NMHDR* header, LRESULT& result) {
  if (header->code != TBN_GETINFOTIPW) return false;
  auto* tip = reinterpret_cast<NMTBGETINFOTIPW*>(header);
  if (ToolButton* button = ButtonById(tip->iItem); button && tip->pszText && tip->cchTextMax > 0)
    lstrcpynW(tip->pszText, core::Widen(button->hint_).c_str(), tip->cchTextMax);
  result = 0;
  return true;
}

HBRUSH ToolBar::BackgroundBrush() const { return brush_ ? brush_.Get() : Control::BackgroundBrush(); }

int ToolBar::IndexOf(const ToolButton& button) const {
  return static_cast<int>(Send(TB_COMMANDTOINDEX, button.id_, 0, -1));
}

ToolButton* ToolBar::KeyboardButton() const {
  const int hot = static_cast<int>(Send(TB_GETHOTITEM, 0, 0, -1));
  for (ToolButton* b : buttons_)
    if (IndexOf(*b) == hot) return b;
  return nullptr;
}

void ToolBar::MoveKeyboard(int step) {
  std::vector<ToolButton*> usable;
  for (ToolButton* b : buttons_)
    if (b->Enabled()) usable.push_back(b);
  if (usable.empty()) return;
  const int count = static_cast<int>(usable.size());
  ToolButton* current = KeyboardButton();
  if (!current) {
    for (ToolButton* b : usable)
      if (!current && b->Checked()) current = b;
  }
  int at = 0;
  for (int i = 0; i < count; ++i)
    if (usable[static_cast<size_t>(i)] == current) at = i;
  // The arrows go round, as in Windows' own bars.
  at = ((at + step) % count + count) % count;
  Send(TB_SETHOTITEM, IndexOf(*usable[static_cast<size_t>(at)]), 0);
}

bool ToolBar::OnKey(UINT msg, WPARAM key) {
  switch (key) {
    case VK_LEFT: case VK_UP:
      if (msg == WM_KEYDOWN) MoveKeyboard(-1);
      return true;
    case VK_RIGHT: case VK_DOWN:
      if (msg == WM_KEYDOWN) MoveKeyboard(1);
      return true;
    case VK_SPACE: case VK_RETURN:
      if (ToolButton* b = KeyboardButton(); b && msg == WM_KEYDOWN && b->Enabled()) Pressed(*b);
      return true;
    default:
      return false;
  }
}

AccessibleFacts ToolBar::FactsOf(long child) const {
  if (child == CHILDID_SELF) return {.name = accessibleName_, .role = ROLE_SYSTEM_TOOLBAR};
  // Items are numbered from 1 in the bar's order, separators and places included.
  for (const ToolButton* b : buttons_)
    if (IndexOf(*b) + 1 == child) return {.name = b->hint_, .role = ROLE_SYSTEM_CHECKBUTTON};
  return {};
}

bool ToolBar::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (msg) {
    case WM_ERASEBKGND:
      if (!brush_) return false;
      FillClient(reinterpret_cast<HDC>(wParam), brush_.Get());
      result = 1;
      return true;
    case WM_GETDLGCODE: {
      // The arrows and Enter stay with the bar while it has the keyboard; Tab goes on.
      const auto* message = reinterpret_cast<const MSG*>(lParam);
      result = DLGC_WANTARROWS;
      if (message && message->message == WM_KEYDOWN && message->wParam == VK_RETURN) result |= DLGC_WANTALLKEYS;
      return true;
    }
    case WM_SETFOCUS:
      // After the bar's own handling, which forgets the hot item.
      result = OwnAnswer(msg, wParam, lParam);
      MoveKeyboard(0);
      return true;
    case WM_KILLFOCUS:
      Send(TB_SETHOTITEM, static_cast<WPARAM>(-1), 0);
      return false;
    case WM_KEYDOWN:
    case WM_KEYUP:
      if (!OnKey(msg, wParam)) return false;
      result = 0;
      return true;
    default:
      return false;
  }
}

}  // namespace ui
