#pragma once
// Windows reopen where the user left them: one "left\ttop\twidth\theight\tmaximized" setting per
// window, named after the window.
namespace ui {

class Form;

// Saves the window's normal bounds; state 2 records it as maximized.
void SaveFormPos(Form& form, int state);
// Restores the saved bounds (the size too when withSize), or centres the window when none is saved.
void LoadFormPos(Form& form, bool withSize);

}  // namespace ui
