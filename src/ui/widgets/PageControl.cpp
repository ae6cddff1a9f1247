#include "ui/widgets/PageControl.h"

#include <utility>

#include "ui/base/DpiScaling.h"
#include "ui/widgets/Event.h"

#include "core/Utf8.h"

namespace ui {

bool PageControl::Create(const CreateArgs& args) {
  pageColour_ = args.pageColour;
  userSwitching_ = args.userSwitching;
  // The pages change only through the program: the tabs never take the focus or keyboard.
  if (!CreateHandle(CommonOf(args), WC_TABCONTROLW, WS_CLIPCHILDREN | TCS_FOCUSNEVER, WS_EX_CONTROLPARENT))
    return false;
  tabHeight_ = args.tabHeight;
  if (tabHeight_ > 0) Send(TCM_SETITEMSIZE, 0, MAKELPARAM(0, Scale(tabHeight_, Dpi())));
  return true;
}

void PageControl::OnDpiChanged(int dpi) {
  if (tabHeight_ > 0) Send(TCM_SETITEMSIZE, 0, MAKELPARAM(0, Scale(tabHeight_, dpi)));
  for (Page* page : pages_) page->Place(DisplayArea());
}

Rect PageControl::DisplayArea() const {
  RECT r;
  GetClientRect(Handle(), &r);
  Send(TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

bool PageControl::AddPage(Page& page, const std::string& pageName, const std::string& caption) {
  std::wstring text = core::Widen(caption);
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = text.data();
  int index = PageCount();
  if (Send(TCM_INSERTITEMW, index, reinterpret_cast<LPARAM>(&item), -1) < 0) return false;
  // Pages fill whatever the tabs leave, which is measured: they are placed in pixels.
  if (!page.Create({.parent = Handle(), .name = pageName, .visible = index == 0, .background = pageColour_}))
    return false;
  page.Place(DisplayArea());
  page.owner_ = this;
  page.index_ = index;
  pages_.push_back(&page);
  if (index == 0) Send(TCM_SETCURSEL);
  return true;
}

Page* PageControl::PageAt(int index) const {
  return index >= 0 && index < PageCount() ? pages_[static_cast<size_t>(index)] : nullptr;
}

int PageControl::ActivePageIndex() const { return static_cast<int>(Send(TCM_GETCURSEL, 0, 0, -1)); }

Page* PageControl::ActivePage() const { return PageAt(ActivePageIndex()); }

void PageControl::SetActivePage(Page& page) {
  if (page.owner_ == this) SetActivePageIndex(page.index_);
}

void PageControl::SetActivePageIndex(int index) {
  if (!PageAt(index)) return;
  Send(TCM_SETCURSEL, index, 0);
  ShowOnly(index);
}

void PageControl::ShowOnly(int index) {
  Page* shown = PageAt(index);
  if (shown) shown_ = index;
  if (shown && shown->onFirstShow) Raise(std::exchange(shown->onFirstShow, nullptr));
  // Show the new page before hiding the old one so that nothing flashes between them.
  if (shown) shown->SetVisible(true);
  HWND focus = GetFocus();
  bool focusLeaves = false;
  for (Page* page : pages_) {
    if (page == shown) continue;
    focusLeaves = focusLeaves || (focus && IsChild(page->Handle(), focus));
    page->SetVisible(false);
  }
  // A hidden control keeps the keyboard: hand it to the first control of the new page.
  if (focusLeaves && shown) shown->FocusFirstControl();
}

void Page::FocusFirstControl() {
  if (!Handle()) return;
  HWND first = GetNextDlgTabItem(Handle(), nullptr, FALSE);
  SetFocus(first && IsChild(Handle(), first) ? first : Handle());
}

bool Page::PutOffLayout(int dpi) {
  putOffDpi_ = dpi;
  return true;
}

bool Page::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  // Sent before the page shows, so that it is painted laid out.
  if (msg == WM_SHOWWINDOW && wParam && putOffDpi_) {
    const int dpi = std::exchange(putOffDpi_, 0);
    RescaleChildren(Handle(), dpi, {});
  }
  return Panel::OnMessage(msg, wParam, lParam, result);
}

bool PageControl::OnNotify(NMHDR* header, LRESULT& result) {
  if (header->code == TCN_SELCHANGING) {
    result = userSwitching_ ? FALSE : TRUE;  // TRUE refuses the change
    return true;
  }
  if (header->code == TCN_SELCHANGE && !userSwitching_) {
    Send(TCM_SETCURSEL, shown_, 0);  // whatever got past the refusal is undone
    result = 0;
    return true;
  }
  if (header->code == TCN_SELCHANGE) {
    ShowOnly(ActivePageIndex());
    Raise(onChange);
    result = 0;
    return true;
  }
  return false;
}

bool PageControl::OnMessage(UINT msg, WPARAM, LPARAM, LRESULT& result) {
  // The tab control's own arrow keys would switch pages behind the program's back.
  if (!userSwitching_ && msg == WM_KEYDOWN) {
    result = 0;
    return true;
  }
  return false;
}

}  // namespace ui
