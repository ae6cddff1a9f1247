#pragma once
// A list of lines, each with a check box; one line may be selected; drawn grey when disabled.
#include <string>
#include <vector>

#include "ui/widgets/Control.h"

namespace ui {

class CheckListBox : public Control {
 public:
  struct CreateArgs {
    PRATILO_CONTROL_FIELDS
  };

  bool Create(const CreateArgs& args);
  long AccessibleRole() const override;
  int AddLine(const std::string& text);
  void Clear();
  int LineCount() const;
  std::string LineText(int index) const;
  bool Checked(int index) const;
  void SetChecked(int index, bool checked);
  int SelectedIndex() const;
  void SetSelectedIndex(int index);  // -1: no line selected

  bool OnDrawItem(const DRAWITEMSTRUCT& item) override;
  bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  void OnDpiChanged(int dpi) override { FitLineHeight(dpi); }

 private:
  void FitLineHeight(int dpi);
};

}  // namespace ui
