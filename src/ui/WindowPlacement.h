#pragma once
// STUB until merge
#include "ui/widgets/Form.h"
namespace ui {
void SaveFormPos(Form& form, int state);
void LoadFormPos(Form& form, bool withSize);
}
