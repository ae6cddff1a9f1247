#include "ui/widgets/StatusBar.h"

#include "core/Utf8.h"
#include "ui/base/ClassicLook.h"

namespace ui {

bool StatusBar::Create(const CreateArgs& args) {
  // Not docked and no size grip: the bar sits at the given place inside a page.
  if (!CreateHandle(CommonOf(args), STATUSCLASSNAMEW, CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER)) return false;
  if (args.background) {
    UseClassicLook(Handle());  // a themed bar ignores its background colour
    Send(SB_SETBKCOLOR, 0, static_cast<LPARAM>(*args.background));
  }
  Send(SB_SIMPLE, TRUE, 0);
  return true;
}

bool StatusBar::SetSimpleText(std::string_view utf8) {
  if (!Handle()) return false;
  Send(SB_SIMPLE, TRUE, 0);
  std::wstring text = core::Widen(utf8);
  return Send(SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(text.c_str())) != 0;
}

std::string StatusBar::SimpleText() const {
  if (!Handle()) return {};
  // In simple mode the simple line is read as part 0 (it is written as SB_SIMPLEID).
  LRESULT info = Send(SB_GETTEXTLENGTHW);
  std::wstring text(static_cast<size_t>(LOWORD(info)) + 1, L'\0');
  Send(SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text.data()));
  text.resize(wcslen(text.c_str()));
  return core::Narrow(text);
}

}  // namespace ui
