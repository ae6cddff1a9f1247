#include "ui/widgets/Edit.h"

#include "ui/widgets/Event.h"

namespace ui {

bool Edit::Create(const CreateArgs& args) {
  return CreateHandle(CommonOf(args), L"EDIT", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, args.text);
}

void Edit::SetText(std::string_view utf8) {
  settingText_ = true;
  Control::SetText(utf8);
  settingText_ = false;
}

bool Edit::OnCommand(int code, int) {
  if (code != EN_CHANGE) return false;
  if (!settingText_) Raise(onChange);
  return true;
}

}  // namespace ui
