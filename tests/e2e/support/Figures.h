#pragma once
// Measured figures (times, sizes) of a test run: kept, not asserted on, and printed at the end of
// the test program and written to "<build>/e2e-figures-<program>.txt".
#include <string>

namespace e2e {

void RecordFigure(const std::string& name, const std::string& value);
void RecordMilliseconds(const std::string& name, double milliseconds);

}  // namespace e2e
