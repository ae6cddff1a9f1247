#pragma once
// Runs independent drawing jobs on several threads. Each job writes only its own result, so the
// output does not depend on the number of threads or the order the jobs finish in.
#include <functional>
#include <vector>

namespace artgen {

// Runs every job once, on `threads` threads (0: one per processor), and returns when all are done.
// If jobs throw, the exception of the first such job in the list is rethrown.
void RunInParallel(const std::vector<std::function<void()>>& jobs, unsigned threads = 0);

}  // namespace artgen
