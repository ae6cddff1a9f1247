#pragma once
// Controls drawn without the visual style, where a themed control would ignore the colours the
// program gives it.
#include <windows.h>

namespace ui {

// Takes the window out of the visual style; nothing where visual styles are not available.
void UseClassicLook(HWND window);

}  // namespace ui
