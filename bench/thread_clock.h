#pragma once

#include <time.h>

namespace veldrane::bench {

// The calling thread's CPU time in seconds. The machines are shared: wall time includes the
// time spent waiting for a core, the thread's CPU time does not, so the benchmarks use it.
inline double ThreadSeconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

}  // namespace veldrane::bench
