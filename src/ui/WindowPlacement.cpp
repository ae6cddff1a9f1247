#include "ui/WindowPlacement.h"
namespace ui {
void SaveFormPos(Form&, int) {}
void LoadFormPos(Form&, bool) {}
}
