#include "qor/frame/worker_pool.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <stdexcept>
#include <thread>
#include <vector>

#include "qor/frame/processors.h"

namespace qor {
namespace {

// Work whose result depends only on the index, with a data-dependent amount of arithmetic.
double IndexWork(int32_t i) {
  double Sum = 0;
  for (int32_t k = 1; k <= 50 + i % 97; ++k) Sum += std::sin(i * 0.001 + k) / k;
  return Sum;
}

class ParallelForThreads : public ::testing::TestWithParam<int32_t> {};

TEST_P(ParallelForThreads, EveryIndexRunsOnceAndResultsMatchTheSerialLoop) {
  constexpr int32_t kCount = 20000;
  std::vector<std::atomic<int32_t>> Calls(kCount);
  std::vector<double> Results(kCount);
  ParallelFor(kCount, GetParam(), [&](int32_t i) {
    Calls[i].fetch_add(1);
    Results[i] = IndexWork(i);
  });
  for (int32_t i = 0; i < kCount; ++i) {
    ASSERT_EQ(Calls[i].load(), 1) << i;
    ASSERT_EQ(Results[i], IndexWork(i)) << i;  // bit-equal to the serial computation
  }
}

INSTANTIATE_TEST_SUITE_P(MaxThreads, ParallelForThreads, ::testing::Values(0, 1, 2, 16));

TEST(ParallelFor, PoolSizeFollowsTheProcessorCount) {
  EXPECT_EQ(WorkerPoolSize(), ProcessorCount() - 1);
  int32_t Calls = 0;
  ParallelFor(0, 0, [&](int32_t) { ++Calls; });
  ParallelFor(-3, 0, [&](int32_t) { ++Calls; });
  EXPECT_EQ(Calls, 0);
}

TEST(ParallelFor, ExceptionReachesTheCallerAndThePoolStaysUsable) {
  std::atomic<int32_t> Started{0};
  try {
    ParallelFor(100000, 0, [&](int32_t i) {
      Started.fetch_add(1);
      if (i == 10) throw std::runtime_error("index 10 failed");
    });
    FAIL();
  } catch (const std::runtime_error& e) {
    EXPECT_STREQ(e.what(), "index 10 failed");
  }
  EXPECT_LT(Started.load(), 100000);  // the rest was skipped
  std::atomic<int32_t> Done{0};
  ParallelFor(1000, 0, [&](int32_t) { Done.fetch_add(1); });
  EXPECT_EQ(Done.load(), 1000);
}

TEST(ParallelFor, NestedAndConcurrentCallsFinish) {
  constexpr int32_t kOuter = 16, kInner = 500, kCallers = 4;
  std::vector<std::atomic<int32_t>> Cells(kCallers * kOuter * kInner);
  std::vector<std::thread> Callers;
  for (int32_t c = 0; c < kCallers; ++c)
    Callers.emplace_back([&, c] {
      ParallelFor(kOuter, 0, [&](int32_t o) {
        ParallelFor(kInner, 0,
                    [&](int32_t i) { Cells[(c * kOuter + o) * kInner + i].fetch_add(1); });
      });
    });
  for (std::thread& t : Callers) t.join();
  for (const auto& Cell : Cells) ASSERT_EQ(Cell.load(), 1);
}

}  // namespace
}  // namespace qor
