#pragma once
// A tagged value read from text: empty, null (unreadable), 32-bit integer, real or date-time.
#include <cstdint>

namespace core {

enum class ValueKind { Empty, Null, Integer, Real, DateTime };

struct Value {
  ValueKind kind = ValueKind::Empty;
  int32_t integer = 0;
  double real = 0.0;  // also the date-time: days since 1899-12-30, time of day as the fraction

  static Value Empty() { return {}; }
  static Value Null() { return {ValueKind::Null, 0, 0.0}; }
  static Value Integer(int32_t i) { return {ValueKind::Integer, i, 0.0}; }
  static Value Real(double d) { return {ValueKind::Real, 0, d}; }
  static Value DateTime(double d) { return {ValueKind::DateTime, 0, d}; }

  bool IsNumber() const { return kind == ValueKind::Integer || kind == ValueKind::Real; }
  // The value as a real number; empty and null count as 0.
  double AsReal() const;
  bool operator==(const Value&) const = default;
};

}  // namespace core
