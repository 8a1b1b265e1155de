// The process-wide progress and abort hooks that long computations drive.
//
// ProcStat counts the steps of outer loops; the library adds to it and never resets it, so an
// application resets it before a run when it wants counts from zero. MathFeedBackProc, when
// set, is called with ProcStat after each increment on the calling thread. AbortMathProc, once
// set true by the application (typically from the feedback procedure or an event handler),
// makes every polling computation stop at its next step and report failure.
//
// The hooks are constant-initialised (0, nil, false), which is the state every unit's start-up
// leaves them in. ProcStat is atomic because worker threads add to it; the other two are read
// on the calling thread only.
#pragma once

#include <atomic>

namespace qor {

using TMathFeedBackProc = void (*)(double ProcStat);

inline std::atomic<double> ProcStat{0.0};
inline TMathFeedBackProc MathFeedBackProc = nullptr;
inline std::atomic<bool> AbortMathProc{false};

// One step of a long computation in the usual order: count it, report it, then poll the abort
// flag. Returns true when the caller must stop and report failure.
[[nodiscard]] inline bool StepAndCheckAbort() {
  ProcStat.fetch_add(1.0, std::memory_order_relaxed);
  if (MathFeedBackProc != nullptr) MathFeedBackProc(ProcStat.load(std::memory_order_relaxed));
  return AbortMathProc.load(std::memory_order_relaxed);
}

// A step counted from a worker thread: only the counter, never the feedback procedure.
inline void CountWorkerStep() { ProcStat.fetch_add(1.0, std::memory_order_relaxed); }

}  // namespace qor
