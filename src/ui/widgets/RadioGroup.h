#pragma once
// A group box holding radio items filled from a list, laid out in columns, with one selected index.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/base/DpiScaling.h"
#include "ui/widgets/RadioButton.h"

namespace ui {

// Places of the items inside a group box of the given size: columns filled top to bottom, the
// spare height shared out above the first row. textHeight is the caption font's line height.
std::vector<Rect> RadioGroupLayout(int width, int height, int count, int columns, int textHeight,
                                   int dpi = kDesignDpi);

class RadioGroup : public Control {
 public:
  struct CreateArgs {
    PRATILO_CONTROL_FIELDS
    std::string caption;
    std::optional<COLORREF> colour;
    int columns = 1;
    std::vector<std::string> items;
    int selected = -1;
  };

  bool Create(const CreateArgs& args);
  void SetItems(const std::vector<std::string>& items);  // selects nothing
  void ClearItems() { SetItems({}); }
  void AddItem(const std::string& text);
  int ItemCount() const { return static_cast<int>(items_.size()); }
  std::string ItemText(int index) const;
  int SelectedIndex() const { return selected_; }
  // From code: clamped to -1 ... last item, no click event.
  void SetSelectedIndex(int index);
  // The item's radio button (for tests and keyboard focus); null when out of range.
  RadioButton* Item(int index) const;

  HBRUSH OnCtlColor(HDC dc) override;
  bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  void OnDpiChanged(int) override { Arrange(); }

  std::function<void()> onClick;

 private:
  void CreateItem(const std::string& text);
  void Arrange();
  void ItemClicked(int index);
  std::optional<COLORREF> colour_;
  int columns_ = 1;
  int selected_ = -1;
  bool refocus_ = false;  // the keyboard was on an item when the items were replaced
  std::vector<std::unique_ptr<RadioButton>> items_;
};

}  // namespace ui
