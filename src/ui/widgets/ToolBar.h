#pragma once
// Tool bar with check buttons (optionally in groups where exactly one is pressed), separators and
// places for child controls such as labels, drawn on a background colour. As a stop of the Tab cycle
// it is worked as Windows' own tool bars are: the arrows move between its buttons, Space or Enter
// presses one; a screen reader reads the bar's name and each button's hint.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/base/Gdi.h"
#include "ui/widgets/Control.h"

namespace ui {

class ToolBar;

// A button of a tool bar; it has no window of its own.
class ToolButton : public Component {
 public:
  bool Checked() const;
  // From code: no click event; checking a grouped button releases the others of its group.
  void SetChecked(bool checked);
  bool Enabled() const;
  void SetEnabled(bool enabled);
  const std::string& Hint() const { return hint_; }
  int Group() const { return group_; }
  int CommandId() const { return id_; }
  // True once the button stands on its bar.
  bool Added() const { return bar_ != nullptr; }
  // Presses the button as a user's click would.
  void Click();

  std::function<void()> onClick;

 private:
  friend class ToolBar;
  ToolBar* bar_ = nullptr;
  int id_ = 0;
  int group_ = 0;
  std::string hint_;
};

class ToolBar : public Control {
 public:
  struct CreateArgs {
    PRATILO_CONTROL_FIELDS
    HIMAGELIST images = nullptr;   // borrowed; its pictures' size sets the buttons' pictures
    std::optional<COLORREF> background;
    bool tabStop = false;
  };
  struct ButtonArgs {
    std::string name;
    int tag = 0;
    int image = -1;
    std::string hint;
    int group = 0;  // 0: alone; buttons sharing another number release each other
    bool checked = false;
  };

  ~ToolBar() override { DestroyHandle(); }
  bool Create(const CreateArgs& args);
  bool AddCheckButton(ToolButton& button, const ButtonArgs& args);
  void AddSeparator(int designWidth);
  // Reserves a place of the given design width and gives its index, for a child control of the bar.
  int AddPlace(int designWidth);
  void SetPlaceWidth(int index, int designWidth);
  // Where an item is now, in pixels.
  Rect ItemRect(int index) const;
  int ButtonCount() const;
  // Pictures for another DPI (borrowed, like the first ones).
  void SetImages(HIMAGELIST images);
  // What a screen reader calls the bar.
  void SetAccessibleName(std::string name) { accessibleName_ = std::move(name); }
  // The button the keyboard is on, or null.
  ToolButton* KeyboardButton() const;

  HBRUSH BackgroundBrush() const override;
  bool OnCommand(int code, int id) override;
  bool OnNotify(NMHDR* header, LRESULT& result) override;
  bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  void OnDpiChanged(int dpi) override;

 private:
  friend class ToolButton;
  struct Separator {
    int index, designWidth;
  };
  ToolButton* ButtonById(int id) const;
  void Pressed(ToolButton& button);
  void SetButtonSize(int dpi);
  void SetSeparatorWidth(const Separator& s, int dpi);
  int IndexOf(const ToolButton& button) const;
  // Puts the keyboard on the enabled button `step` places from the current one (0: the current one,
  // or the pressed one, or the first).
  void MoveKeyboard(int step);
  bool OnKey(UINT msg, WPARAM key);
  AccessibleFacts FactsOf(long child) const;
  Brush brush_;
  std::string accessibleName_;
  std::vector<Separator> separators_;
  std::vector<ToolButton*> buttons_;
  int nextId_ = 100;
};

}  // namespace ui
