#include "ui/widgets/RadioGroup.h"

#include "ui/base/ClassicLook.h"
#include "ui/base/DpiScaling.h"
#include "ui/widgets/Event.h"

#include <algorithm>

namespace ui {

std::vector<Rect> RadioGroupLayout(int width, int height, int count, int columns, int textHeight, int dpi) {
  std::vector<Rect> places;
  if (count <= 0) return places;
  columns = std::max(1, columns);
  int perColumn = (count + columns - 1) / columns;
  int itemWidth = (width - Scale(10, dpi)) / columns;
  int spare = height - textHeight - Scale(5, dpi);
  int itemHeight = spare / perColumn;
  int top = textHeight + Scale(1, dpi) + (spare % perColumn) / 2;
  for (int i = 0; i < count; ++i)
    places.push_back(
        {(i / perColumn) * itemWidth + Scale(8, dpi), (i % perColumn) * itemHeight + top, itemWidth, itemHeight});
  return places;
}

bool RadioGroup::Create(const CreateArgs& args) {
  colour_ = args.colour;
  columns_ = args.columns;
  if (!CreateHandle(CommonOf(args), L"BUTTON", BS_GROUPBOX | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, args.caption))
    return false;
  if (colour_) UseClassicLook(Handle());
  SetItems(args.items);
  SetSelectedIndex(args.selected);
  return true;
}

void RadioGroup::SetItems(const std::vector<std::string>& items) {
  selected_ = -1;
  // As many items as before (a change of language): the buttons stay, keyboard included, and take
  // the new texts.
  if (items.size() == items_.size()) {
    for (size_t i = 0; i < items.size(); ++i) {
      items_[i]->SetText(items[i]);  // unchanged texts cost nothing
      items_[i]->SetChecked(false);
    }
    return;
  }
  // Destroying a focused item would leave the keyboard nowhere: the group holds it until a new
  // item is selected.
  if (HWND focus = GetFocus(); focus && IsChild(Handle(), focus)) {
    refocus_ = true;
    SetFocus(Handle());
  }
  items_.clear();
  for (const std::string& text : items) CreateItem(text);
  Arrange();
}

void RadioGroup::AddItem(const std::string& text) {
  CreateItem(text);
  Arrange();
}

void RadioGroup::CreateItem(const std::string& text) {
  auto item = std::make_unique<RadioButton>();
  int index = ItemCount();
  item->Create({.parent = Handle(), .name = name + "." + std::to_string(index), .text = text, .colour = colour_});
  item->onClick = [this, index] { ItemClicked(index); };
  items_.push_back(std::move(item));
}

std::string RadioGroup::ItemText(int index) const {
  RadioButton* item = Item(index);
  return item ? item->Text() : std::string();
}

RadioButton* RadioGroup::Item(int index) const {
  return index >= 0 && index < ItemCount() ? items_[static_cast<size_t>(index)].get() : nullptr;
}

void RadioGroup::SetSelectedIndex(int index) {
  selected_ = std::clamp(index, -1, ItemCount() - 1);
  for (int i = 0; i < ItemCount(); ++i)
    items_[static_cast<size_t>(i)]->SetChecked(i == selected_);
  if (refocus_ && selected_ >= 0) {
    refocus_ = false;
    if (GetFocus() == Handle()) SetFocus(Item(selected_)->Handle());
  }
}

void RadioGroup::ItemClicked(int index) {
  SetSelectedIndex(index);
  Raise(onClick);
}

void RadioGroup::Arrange() {
  Rect b = Bounds();
  std::vector<Rect> places = RadioGroupLayout(b.w, b.h, ItemCount(), columns_, LineHeight(), Dpi());
  for (size_t i = 0; i < places.size(); ++i) items_[i]->Place(places[i]);
}

HBRUSH RadioGroup::OnCtlColor(HDC dc) { return TransparentColours(dc, colour_.value_or(GetSysColor(COLOR_BTNTEXT))); }

bool RadioGroup::OnMessage(UINT msg, WPARAM wParam, LPARAM, LRESULT& result) {
  // A group box leaves its inside unpainted, and the page clips it out: fill it here.
  if (msg != WM_ERASEBKGND) return false;
  FillClient(reinterpret_cast<HDC>(wParam), BackgroundBrush());
  result = 1;
  return true;
}

}  // namespace ui
