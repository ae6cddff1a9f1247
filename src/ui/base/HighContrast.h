#pragma once
// Windows' high-contrast setting, under which a program draws with the user's scheme of colours.
namespace ui {

bool HighContrastOn();

}  // namespace ui
