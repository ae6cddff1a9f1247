#include "ui/base/HighContrast.h"

#include <windows.h>

namespace ui {

bool HighContrastOn() {
  HIGHCONTRASTW setting{sizeof setting};
  return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof setting, &setting, 0) &&
         (setting.dwFlags & HCF_HIGHCONTRASTON);
}

}  // namespace ui
