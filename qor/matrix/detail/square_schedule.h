// TSquareSchedule: the pieces of one Square shared by several threads, and the order they keep.
//
// A unit of work is one row block of one chunk of tiles (square_kernel.h). Units are taken
// from a shared counter in row-block-major order, so the threads work through the row blocks
// side by side and read the same rows of A while they are in cache. A unit may start only
// when the previous row block of its chunk has finished; the thread that took it waits for
// that without sleeping. The wait always ends: the earlier unit was taken before, by a thread
// that is running it (or waiting, in turn, for a unit taken still earlier), so one thread alone
// completes every unit in order, and a thread never waits for a thread that has not started.
//
// Any number of threads may call Work at once; each returns when no unit is left or after
// Stop. The result is bit-identical whichever threads run which units.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>

#include "qor/matrix/detail/square_kernel.h"

namespace qor::detail {

class TSquareSchedule {
 public:
  TSquareSchedule(const TSquareOperands& Op, std::int64_t Chunks);

  // Runs units on the calling thread; AfterUnit() follows every unit it completed. Takes the
  // thread's scratch before any unit, so std::bad_alloc leaves the other threads unaffected.
  template <class F>
  void Work(F&& AfterUnit) {
    TSquareScratch Scratch(FOp.NRows);
    while (RunNextUnit(Scratch)) AfterUnit();
  }

  // Starts no further unit; the running ones finish.
  void Stop() { FStopped.store(true, std::memory_order_relaxed); }
  bool Stopped() const { return FStopped.load(std::memory_order_relaxed); }

  std::int64_t RowBlocks() const { return FBlocks; }
  // The row blocks that every chunk has finished.
  std::int64_t RowBlocksDone() const;

 private:
  bool RunNextUnit(TSquareScratch& Scratch);

  const TSquareOperands FOp;
  const std::int64_t FChunks, FBlocks;
  std::atomic<std::int64_t> FNextUnit{0};
  std::atomic<bool> FStopped{false};
  std::unique_ptr<std::atomic<std::int64_t>[]> FBlocksDone;  // per chunk
};

}  // namespace qor::detail
