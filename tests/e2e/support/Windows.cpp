#include "e2e/support/Windows.h"

#include <algorithm>

#include "support/Text.h"
#include "e2e/support/Process.h"

namespace e2e {
namespace {

constexpr UINT kSendTimeout = 5000;

bool SameClass(HWND window, const wchar_t* className) {
  return !className || _wcsicmp(ClassOf(window).c_str(), className) == 0;
}

struct TopLevelSearch {
  DWORD processId;
  const wchar_t* className;
  bool visibleOnly;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectTopLevel(HWND window, LPARAM param) {
  auto* s = reinterpret_cast<TopLevelSearch*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == s->processId && (!s->visibleOnly || IsWindowVisible(window)) && SameClass(window, s->className))
    s->found.push_back(window);
  return TRUE;
}

struct ChildSearch {
  const wchar_t* className;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectChild(HWND window, LPARAM param) {
  auto* s = reinterpret_cast<ChildSearch*>(param);
  if (IsWindowVisible(window) && SameClass(window, s->className)) s->found.push_back(window);
  return TRUE;
}

}  // namespace

std::wstring ClassOf(HWND window) {
  wchar_t buffer[256] = {};
  GetClassNameW(window, buffer, 256);
  return buffer;
}

std::string TextOf(HWND window) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kSendTimeout, &length)) return {};
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                           kSendTimeout, &copied))
    return {};
  text.resize(std::min<size_t>(copied, length));
  return testing_support::Narrow(text);
}

std::vector<HWND> TopLevelWindows(DWORD processId, const wchar_t* className, bool visibleOnly) {
  TopLevelSearch search{processId, className, visibleOnly, {}};
  EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::vector<HWND> VisibleDescendants(HWND root, const wchar_t* className) {
  ChildSearch search{className, {}};
  if (root) EnumChildWindows(root, CollectChild, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND FindVisible(HWND root, const wchar_t* className, const std::string& text) {
  for (HWND window : VisibleDescendants(root, className))
    if (TextOf(window) == text) return window;
  return nullptr;
}

void Click(HWND control) { PostMessageW(control, BM_CLICK, 0, 0); }

HWND FocusOf(HWND window) {
  GUITHREADINFO info{sizeof info};
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return nullptr;
  return info.hwndFocus;
}

void PressKey(HWND window, WPARAM key) {
  GUITHREADINFO info{sizeof info};
  const DWORD thread = GetWindowThreadProcessId(window, nullptr);
  if (GetGUIThreadInfo(thread, &info) && info.hwndActive != window) {
    SetForegroundWindow(window);
    WaitUntil([&] { return GetGUIThreadInfo(thread, &info) && info.hwndActive == window; }, 2000);
  }
  HWND target = FocusOf(window);
  if (!target) target = window;
  PostMessageW(target, WM_KEYDOWN, key, 1);
  PostMessageW(target, WM_KEYUP, key, 0xC0000001);
}

bool IsChecked(HWND control) {
  DWORD_PTR state = 0;
  return SendMessageTimeoutW(control, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, kSendTimeout, &state) &&
         state == BST_CHECKED;
}

bool SetText(HWND control, const std::string& text) {
  std::wstring wide = testing_support::Widen(text);
  DWORD_PTR result = 0;
  return SendMessageTimeoutW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()), SMTO_ABORTIFHUNG,
                             kSendTimeout, &result) &&
         result;
}

bool Type(HWND edit, const std::string& text) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(edit, EM_SETSEL, 0, -1, SMTO_ABORTIFHUNG, kSendTimeout, &result)) return false;
  for (wchar_t c : testing_support::Widen(text)) PostMessageW(edit, WM_CHAR, c, 1);
  return WaitUntil([&] { return TextOf(edit) == text; }, 5000);
}

std::string Box::Describe() const {
  std::string d = "box \"" + caption + "\": \"" + text + "\" [";
  for (size_t i = 0; i < buttons.size(); ++i) d += (i ? ", " : "") + buttons[i];
  return d + "]";
}

std::optional<Box> FindBox(DWORD processId) {
  for (HWND window : TopLevelWindows(processId, L"#32770", true)) {
    Box box;
    box.window = window;
    box.caption = TextOf(window);
    struct Button {
      LONG x;
      std::string text;
    };
    std::vector<Button> buttons;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      std::wstring cls = ClassOf(child);
      if (_wcsicmp(cls.c_str(), L"Button") == 0 && IsWindowVisible(child)) {
        RECT r;
        GetWindowRect(child, &r);
        buttons.push_back({r.left, TextOf(child)});
      } else if (_wcsicmp(cls.c_str(), L"Static") == 0 &&
                 (GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) != SS_ICON) {
        std::string text = TextOf(child);
        if (!text.empty()) box.text = text;
      }
    }
    std::sort(buttons.begin(), buttons.end(), [](const Button& a, const Button& b) { return a.x < b.x; });
    for (const Button& b : buttons) box.buttons.push_back(b.text);
    return box;
  }
  return std::nullopt;
}

std::optional<Box> WaitForBox(DWORD processId, int timeoutMs) {
  std::optional<Box> box;
  WaitUntil([&] { return (box = FindBox(processId)).has_value(); }, timeoutMs);
  if (!box) return box;
  // The box sets its texts up while it is being shown: read it again once it has settled.
  Sleep(50);
  if (IsWindow(box->window)) {
    DWORD owner = 0;
    GetWindowThreadProcessId(box->window, &owner);
    if (auto again = FindBox(owner); again && again->window == box->window) box = again;
  }
  return box;
}

bool Answer(const Box& box, int buttonId, int timeoutMs) {
  HWND button = GetDlgItem(box.window, buttonId);
  if (!button) return false;
  PostMessageW(box.window, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED), reinterpret_cast<LPARAM>(button));
  return WaitUntil([&] { return !IsWindow(box.window) || !IsWindowVisible(box.window); }, timeoutMs);
}

}  // namespace e2e
