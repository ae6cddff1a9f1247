#pragma once
// A label that acts as a link: aqua, underlined, hand cursor, click event.
#include <functional>

#include "ui/base/Gdi.h"
#include "ui/widgets/Label.h"

namespace ui {

constexpr COLORREF kLinkColour = RGB(0, 255, 255);  // aqua

class LinkLabel : public Label {
 public:
  // The label's font is copied with underline added; the colour defaults to aqua (another one, the
  // system's text colour included, is set after creation).
  ~LinkLabel() override { DestroyHandle(); }
  bool Create(CreateArgs args);
  bool OnCommand(int code, int id) override;
  bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  void Click();
  // The underlined copy is made again when a change of DPI replaces the font it copies.
  void TakeReplacementFont(const std::vector<FontCache::Replaced>& fonts) override;

  std::function<void()> onClick;

 private:
  // The underlined copy of `base`, or of the system's font when there is none.
  static ui::Font Underlined(HFONT base);
  HFONT base_ = nullptr;  // borrowed
  ui::Font underlined_;
};

}  // namespace ui
