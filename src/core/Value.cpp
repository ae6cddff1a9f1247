#include "core/Value.h"

namespace core {

double Value::AsReal() const {
  switch (kind) {
    case ValueKind::Integer: return integer;
    case ValueKind::Real:
    case ValueKind::DateTime: return real;
    default: return 0.0;
  }
}

}  // namespace core
