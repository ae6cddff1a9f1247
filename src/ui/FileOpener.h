#pragma once
// STUB until merge
#include <string_view>
namespace ui {
void OpenDocument(std::string_view name, int showCmd);
}
