#pragma once
// Tabbed page control; each page is a container that fills the tab's display area.
#include <functional>
#include <string>
#include <vector>

#include "ui/widgets/Panel.h"

namespace ui {

class PageControl;

class Page : public Panel {
 public:
  PageControl* Owner() const { return owner_; }
  int PageIndex() const { return index_; }
  // Gives the keyboard to the page's first control in Tab order, or to the page when it has none.
  void FocusFirstControl();
  // A hidden page lays its controls out for a new DPI when it is next shown: only the shown page
  // costs anything when the window moves to another monitor.
  bool PutOffLayout(int dpi) override;
  bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  // Raised once, just before the page is first shown: a page's controls may be made only then.
  std::function<void()> onFirstShow;

 private:
  friend class PageControl;
  PageControl* owner_ = nullptr;
  int index_ = -1;
  int putOffDpi_ = 0;  // the DPI to lay the controls out for when shown; 0: laid out
};

class PageControl : public Control {
 public:
  struct CreateArgs {
    PRATILO_CONTROL_FIELDS
    COLORREF pageColour = GetSysColor(COLOR_BTNFACE);
    int tabHeight = 0;  // 0: the system's
    bool userSwitching = true;  // false: only code changes the page
  };

  bool Create(const CreateArgs& args);
  // Creates the page inside the display area; the first page becomes the active one.
  bool AddPage(Page& page, const std::string& name, const std::string& caption);
  int PageCount() const { return static_cast<int>(pages_.size()); }
  Page* PageAt(int index) const;
  Page* ActivePage() const;
  int ActivePageIndex() const;
  // From code: no change event.
  void SetActivePage(Page& page);
  void SetActivePageIndex(int index);
  // The pages' area, in the control's coordinates.
  Rect DisplayArea() const;

  bool OnNotify(NMHDR* header, LRESULT& result) override;
  bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  void OnDpiChanged(int dpi) override;

  std::function<void()> onChange;

 private:
  void ShowOnly(int index);
  std::vector<Page*> pages_;
  COLORREF pageColour_ = 0;
  bool userSwitching_ = true;
  int shown_ = -1;
  int tabHeight_ = 0;  // design units
};

}  // namespace ui
