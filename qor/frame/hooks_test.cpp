#include "qor/frame/hooks.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace qor {
namespace {

std::vector<double> Reported;
void Record(double Value) { Reported.push_back(Value); }

class HooksTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ProcStat = 0;
    MathFeedBackProc = nullptr;
    AbortMathProc = false;
    Reported.clear();
  }
  void TearDown() override { SetUp(); }
};

// A polling computation of the usual shape: n steps, false when aborted.
bool RunSteps(int Steps, int& Done) {
  for (Done = 0; Done < Steps; ++Done)
    if (StepAndCheckAbort()) return false;
  return true;
}

TEST_F(HooksTest, CountsWithoutFeedbackProcedure) {
  int Done = 0;
  EXPECT_TRUE(RunSteps(5, Done));
  EXPECT_EQ(ProcStat.load(), 5.0);
}

TEST_F(HooksTest, FeedbackSeesTheIncrementedCounter) {
  ProcStat = 10;
  MathFeedBackProc = Record;
  int Done = 0;
  EXPECT_TRUE(RunSteps(3, Done));
  EXPECT_EQ(Reported, (std::vector<double>{11, 12, 13}));
}

TEST_F(HooksTest, AbortBeforeTheFirstStepStopsAfterOneCountedStep) {
  AbortMathProc = true;
  MathFeedBackProc = Record;
  int Done = 0;
  EXPECT_FALSE(RunSteps(100, Done));
  EXPECT_EQ(Done, 0);
  EXPECT_EQ(ProcStat.load(), 1.0);
  EXPECT_EQ(Reported.size(), 1u);
}

TEST_F(HooksTest, WorkerStepsAreNotLost) {
  constexpr int kThreads = 4;
  constexpr int kStepsEach = 100000;
  std::vector<std::thread> Workers;
  for (int t = 0; t < kThreads; ++t)
    Workers.emplace_back([] {
      for (int i = 0; i < kStepsEach; ++i) CountWorkerStep();
    });
  for (auto& Worker : Workers) Worker.join();
  EXPECT_EQ(ProcStat.load(), double(kThreads) * kStepsEach);
}

}  // namespace
}  // namespace qor
