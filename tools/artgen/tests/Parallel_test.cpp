#include "Parallel.h"

#include <atomic>
#include <chrono>
#include <stdexcept>
#include <string>
#include <thread>

#include <gtest/gtest.h>

namespace artgen {
namespace {

TEST(RunInParallel, RunsEveryJobExactlyOnceWhateverTheThreadCount) {
  for (unsigned threads : {0u, 1u, 2u, 3u, 64u}) {
    std::vector<int> runs(37, 0);
    std::vector<std::function<void()>> jobs;
    for (std::size_t i = 0; i < runs.size(); ++i) jobs.push_back([&runs, i] { ++runs[i]; });
    RunInParallel(jobs, threads);
    for (std::size_t i = 0; i < runs.size(); ++i) EXPECT_EQ(runs[i], 1) << "job " << i << ", " << threads << " threads";
  }
  RunInParallel({}, 2);  // nothing to do
}

TEST(RunInParallel, UsesSeveralThreadsWhenAsked) {
  // Two jobs that each wait for the other to start can only both see it side by side.
  std::atomic<int> started{0}, met{0};
  auto meet = [&] {
    ++started;
    for (int spin = 0; started < 2 && spin < 2000; ++spin) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    if (started == 2) ++met;
  };
  RunInParallel({meet, meet}, 2);
  EXPECT_EQ(met, 2) << "the jobs ran one after the other";
}

TEST(RunInParallel, FinishesTheOtherJobsAndRethrowsTheFirstFailureInListOrder) {
  for (unsigned threads : {1u, 2u, 4u}) {
    std::atomic<int> done{0};
    std::vector<std::function<void()>> jobs = {
        [&] { ++done; },
        [] { throw std::runtime_error("second"); },
        [&] { ++done; },
        [] { throw std::runtime_error("fourth"); },
        [&] { ++done; },
    };
    try {
      RunInParallel(jobs, threads);
      ADD_FAILURE() << "no exception, " << threads << " threads";
    } catch (const std::runtime_error& e) {
      EXPECT_EQ(std::string(e.what()), "second") << threads << " threads";
    }
    EXPECT_EQ(done, 3) << threads << " threads";
  }
}

}  // namespace
}  // namespace artgen
