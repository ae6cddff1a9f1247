#include "ui/widgets/RichText.h"

#include <oleacc.h>

#include "ui/widgets/Event.h"

#include <richedit.h>

#include "core/SystemLibrary.h"
#include "core/Utf8.h"
#include "ui/base/SystemDpi.h"

namespace ui {

namespace {

constexpr int kTwipsPerPoint = 20;

const wchar_t* RichEditClass() {
  static HMODULE module = core::LoadSystemLibrary(L"msftedit.dll");
  return module ? MSFTEDIT_CLASS : nullptr;
}

CHARFORMAT2W ToCharFormat(const CharFormat& f) {
  CHARFORMAT2W cf{};
  cf.cbSize = sizeof cf;
  cf.dwMask = CFM_FACE | CFM_SIZE | CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT | CFM_COLOR;
  cf.dwEffects = (f.bold ? CFE_BOLD : 0) | (f.italic ? CFE_ITALIC : 0) | (f.underline ? CFE_UNDERLINE : 0) |
                 (f.strikeOut ? CFE_STRIKEOUT : 0);
  cf.yHeight = f.points * kTwipsPerPoint;
  cf.crTextColor = f.colour;
  lstrcpynW(cf.szFaceName, core::Widen(f.font).c_str(), LF_FACESIZE);
  return cf;
}

}  // namespace

bool RichText::Create(const CreateArgs& args) {
  const wchar_t* cls = RichEditClass();
  if (!cls) return false;
  DWORD style = ES_MULTILINE | ES_AUTOVSCROLL | WS_TABSTOP | (args.readOnly ? ES_READONLY : 0) |
                (args.verticalScrollBar ? WS_VSCROLL : 0);
  if (!CreateHandle(CommonOf(args), cls, style, WS_EX_CLIENTEDGE)) return false;
  Send(EM_SETEVENTMASK, 0, ENM_SELCHANGE);
  OnDpiChanged(Dpi());
  return true;
}

void RichText::OnDpiChanged(int dpi) {
  const int system = SystemDpi();
  if (dpi == system)
    Send(EM_SETZOOM);
  else
    Send(EM_SETZOOM, static_cast<WPARAM>(dpi), static_cast<LPARAM>(system));
}

std::pair<int, int> RichText::Zoom() const {
  int numerator = 0, denominator = 0;
  Send(EM_GETZOOM, reinterpret_cast<WPARAM>(&numerator), reinterpret_cast<LPARAM>(&denominator));
  return {numerator, denominator};
}

void RichText::Clear() {
  SetWindowTextW(Handle(), L"");
}

void RichText::Append(std::string_view utf8, const CharFormat& format) {
  std::wstring text = core::Widen(utf8);
  int end = GetWindowTextLengthW(Handle());
  Send(EM_SETSEL, end, end);
  Send(EM_SETSEL, -1, -1);
  CHARFORMAT2W cf = ToCharFormat(format);
  Send(EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
  Send(EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
}

std::string RichText::PlainText() const {
  GETTEXTLENGTHEX lengthInfo{GTL_USECRLF | GTL_NUMCHARS, 1200};
  LRESULT length = Send(EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&lengthInfo), 0);
  if (length <= 0) return {};
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  GETTEXTEX get{};
  get.cb = static_cast<DWORD>(text.size() * sizeof(wchar_t));
  get.flags = GT_USECRLF;
  get.codepage = 1200;
  LRESULT copied = Send(EM_GETTEXTEX, reinterpret_cast<WPARAM>(&get),
                                reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
  return core::Narrow(text);
}

void RichText::Select(int start, int end) { Send(EM_SETSEL, start, end); }

CHARRANGE RichText::Selection() const {
  CHARRANGE range{};
  Send(EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
  return range;
}

CharFormat RichText::SelectionFormat() const {
  CHARFORMAT2W cf{};
  cf.cbSize = sizeof cf;
  Send(EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
  CharFormat f;
  f.font = core::Narrow(cf.szFaceName);
  f.points = static_cast<int>(cf.yHeight / kTwipsPerPoint);
  f.bold = cf.dwEffects & CFE_BOLD;
  f.italic = cf.dwEffects & CFE_ITALIC;
  f.underline = cf.dwEffects & CFE_UNDERLINE;
  f.strikeOut = cf.dwEffects & CFE_STRIKEOUT;
  f.colour = (cf.dwEffects & CFE_AUTOCOLOR) ? GetSysColor(COLOR_WINDOWTEXT) : cf.crTextColor;
  return f;
}

CharFormat RichText::FormatAt(int position) {
  LRESULT mask = Send(EM_SETEVENTMASK);
  CHARRANGE kept = Selection();
  Select(position, position + 1);
  CharFormat format = SelectionFormat();
  Send(EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&kept));
  Send(EM_SETEVENTMASK, 0, mask);
  return format;
}

bool RichText::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (msg == WM_KEYDOWN && wParam == VK_RETURN && takesEnter && takesEnter()) {
    Raise(onEnter);
    result = 0;
    return true;
  }
  if (msg != WM_GETDLGCODE) return false;
  // Wine's rich edit asks for Tab even when read-only, and would keep the focus for ever: Tab and
  // Shift+Tab belong to the form's navigation.
  result = OwnAnswer(msg, wParam, lParam) & ~DLGC_WANTTAB;
  const auto* message = reinterpret_cast<const MSG*>(lParam);
  const bool keyDown = message && message->message == WM_KEYDOWN;
  if (keyDown && message->wParam == VK_TAB) result &= ~DLGC_WANTALLKEYS;
  if (keyDown && message->wParam == VK_RETURN) {
    if (takesEnter && takesEnter())
      result |= DLGC_WANTALLKEYS;
    else
      result &= ~DLGC_WANTALLKEYS;
  }
  return true;
}

bool RichText::OnNotify(NMHDR* header, LRESULT& result) {
  if (header->code != EN_SELCHANGE) return false;
  Raise(onSelectionChange);
  result = 0;
  return true;
}

long RichText::AccessibleRole() const { return ROLE_SYSTEM_TEXT; }

}  // namespace ui
