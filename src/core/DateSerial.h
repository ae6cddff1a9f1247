#pragma once
// Calendar dates as date-time values: days since 1899-12-30.
#include <optional>

namespace core {

// The day's serial number, or nothing when the day does not exist (31.02, month 13, ...).
std::optional<double> DateSerial(int year, int month, int day);

}  // namespace core
