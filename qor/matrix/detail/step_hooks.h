// Progress reporting shared by the decompositions: one counted step of an outer loop.
//
// The hooks themselves live in qor/frame/hooks.h. The decompositions differ in where they poll
// AbortMathProc relative to the count, so counting and polling are separate calls here.
#pragma once

#include "qor/frame/hooks.h"

namespace qor::detail {

// ProcStat += 1, then MathFeedBackProc(ProcStat) when one is set.
inline void CountStep() {
  ProcStat.fetch_add(1.0, std::memory_order_relaxed);
  if (MathFeedBackProc != nullptr) MathFeedBackProc(ProcStat.load(std::memory_order_relaxed));
}

// ProcStat += Steps (one addition), then MathFeedBackProc(ProcStat) when one is set.
inline void CountSteps(double Steps) {
  ProcStat.fetch_add(Steps, std::memory_order_relaxed);
  if (MathFeedBackProc != nullptr) MathFeedBackProc(ProcStat.load(std::memory_order_relaxed));
}

[[nodiscard]] inline bool AbortRequested() { return AbortMathProc.load(std::memory_order_relaxed); }

}  // namespace qor::detail
