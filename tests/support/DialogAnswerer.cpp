#include "support/DialogAnswerer.h"

#include <algorithm>

#include "support/Text.h"

namespace testing_support {
namespace {

std::wstring WindowText(HWND h) {
  wchar_t buffer[1024] = {};
  GetWindowTextW(h, buffer, 1024);
  return buffer;
}

std::wstring ClassOf(HWND h) {
  wchar_t buffer[64] = {};
  GetClassNameW(h, buffer, 64);
  return buffer;
}

struct Search {
  std::wstring title;
  HWND found = nullptr;
};

BOOL CALLBACK FindBox(HWND h, LPARAM lp) {
  auto* s = reinterpret_cast<Search*>(lp);
  DWORD pid = 0;
  GetWindowThreadProcessId(h, &pid);
  if (pid == GetCurrentProcessId() && IsWindowVisible(h) && ClassOf(h) == L"#32770" && WindowText(h) == s->title) {
    s->found = h;
    return FALSE;
  }
  return TRUE;
}

// An empty queue answers Cancel, which closes any box that can be closed.
std::vector<int> AtLeastOne(std::vector<int> answers) {
  if (answers.empty()) answers.push_back(IDCANCEL);
  return answers;
}

}  // namespace

DialogAnswerer::DialogAnswerer(std::wstring title, int buttonId)
    : DialogAnswerer(std::move(title), std::vector<int>{buttonId}) {}

DialogAnswerer::DialogAnswerer(std::wstring title, std::vector<int> answers)
    : DialogAnswerer(std::move(title), std::move(answers), nullptr) {}

DialogAnswerer::DialogAnswerer(std::wstring title, std::vector<int> answers,
                               std::function<void(size_t box)> beforeAnswer)
    : title_(std::move(title)),
      answers_(AtLeastOne(std::move(answers))),
      beforeAnswer_(std::move(beforeAnswer)),
      thread_([this] { Watch(); }) {}

DialogAnswerer::~DialogAnswerer() { Finish(); }

std::vector<DialogAnswerer::Seen> DialogAnswerer::Finish() {
  stop_ = true;
  if (thread_.joinable()) thread_.join();
  return seen_;
}

void DialogAnswerer::Watch() {
  while (!stop_) {
    Search search{title_};
    EnumWindows(FindBox, reinterpret_cast<LPARAM>(&search));
    if (!search.found) {
      Sleep(20);
      continue;
    }
    HWND box = search.found;
    Sleep(50);  // let the box finish setting itself up (captions are changed on activation)
    Seen seen;
    struct Button {
      int x;
      std::string text;
    };
    std::vector<Button> buttons;
    HICON question = LoadIconW(nullptr, IDI_QUESTION);
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      std::wstring cls = ClassOf(child);
      RECT r;
      GetWindowRect(child, &r);
      if (_wcsicmp(cls.c_str(), L"Button") == 0 && IsWindowVisible(child)) {
        buttons.push_back({r.left, Narrow(WindowText(child))});
      } else if (_wcsicmp(cls.c_str(), L"Static") == 0) {
        if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
          HICON icon = reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0));
          seen.hasIcon = seen.hasIcon || icon != nullptr;
          seen.questionIcon = seen.questionIcon || icon == question;
          if (icon) seen.icon = icon;
        } else if (!WindowText(child).empty()) {
          seen.text = Narrow(WindowText(child));
        }
      }
    }
    std::sort(buttons.begin(), buttons.end(), [](const Button& a, const Button& b) { return a.x < b.x; });
    for (const auto& b : buttons) seen.buttons.push_back(b.text);
    const int answer = answers_[std::min(seen_.size(), answers_.size() - 1)];
    seen.pressed = answer;
    if (beforeAnswer_) beforeAnswer_(seen_.size());
    seen_.push_back(seen);
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, answer)));
    while (!stop_ && IsWindow(box)) Sleep(10);
  }
}

}  // namespace testing_support
