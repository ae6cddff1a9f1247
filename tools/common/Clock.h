#pragma once
// The benchmarks' clock: the performance counter, in seconds.
#include <windows.h>

namespace bench {

inline double NowSeconds() {
  static const LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return static_cast<double>(t.QuadPart) / static_cast<double>(frequency.QuadPart);
}

inline double NowMs() { return 1000.0 * NowSeconds(); }

}  // namespace bench
