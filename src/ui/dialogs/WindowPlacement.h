#pragma once
// Windows reopen where the user left them: one setting per form, named after the form, holds its
// normal bounds and whether it reopens maximized.
#include <vector>

#include "ui/dialogs/PlacementRules.h"

namespace ui {

class Form;

enum class WindowState { Normal = 0, Minimized = 1, Maximized = 2 };

// Saves the form's normal bounds; `state` Maximized records that it reopens maximized. A form that
// is not in the normal state is made normal first.
void SaveFormPos(Form& form, WindowState state = WindowState::Normal);
// Restores the saved placement (only the position when withSize is false) or centres the form when
// none is saved, then fits it to the monitors.
void LoadFormPos(Form& form, bool withSize = true);
// Centres the form on the primary display.
void CenterForm(Form& form);
// Moves, and if need be shrinks, the form so that it can be reached on one monitor.
void FitToMonitors(Form& form);

// The attached monitors in the system's order.
std::vector<placement::Monitor> AttachedMonitors();

}  // namespace ui
