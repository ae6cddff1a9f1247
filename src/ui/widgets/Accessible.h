#pragma once
// What a screen reader reads of a control, where the system's own object has it wrong or says
// nothing: a name, a role or a description, for the control itself (child 0) or one of its items.
// The rest of what it reads comes from the system's object.
#include <windows.h>

#include <functional>
#include <optional>
#include <string>

namespace ui {

struct AccessibleFacts {
  std::optional<std::string> name, description;
  std::optional<long> role;  // ROLE_SYSTEM_*
};

// Asked each time a reader asks, so that the facts follow the language and the state.
using AccessibleFactsOf = std::function<AccessibleFacts(long child)>;

// The answer to WM_GETOBJECT for the control's client object: the system's object with the facts
// put over it; 0 for any other object, or when the system has none to give.
LRESULT AnswerGetObject(HWND hwnd, WPARAM wParam, LPARAM lParam, const AccessibleFactsOf& facts);

}  // namespace ui
