// TSquareSchedule: the pieces of one Square shared by several threads, and the order they keep.
//
// A unit of work is one row block of one piece of the triangle (square_kernel.h); a piece's
// blocks must run one after the other, in order. A free thread takes the next block of a piece
// that no thread holds, choosing the piece furthest behind (the first such piece on a tie)
// unless the piece it worked on last is free and at most a few blocks further on (its running
// sums are then still in that thread's cache). So the threads work through the row blocks side
// by side and read the same rows of A while they are in cache, and one thread alone moves on
// to the next piece every few blocks. A thread never waits while
// it holds a unit, and waits (spinning) only when every unfinished piece is held by a running
// thread, so the work always progresses; a thread that loses its processor delays only the
// piece it holds while the others take the rest. At most SquarePieces(NCols) threads are busy.
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
  // Takes the running sums' storage on the calling thread (std::bad_alloc on failure), which
  // must also destroy the schedule.
  explicit TSquareSchedule(const TSquareOperands& Op);

  // Runs units on the calling thread; AfterUnit() follows every unit it completed. Takes the
  // thread's scratch before any unit, so std::bad_alloc leaves the other threads unaffected.
  template <class F>
  void Work(F&& AfterUnit) {
    TSquareScratch Scratch(FOp.NRows);
    std::int64_t LastPiece = -1;
    while (RunNextUnit(Scratch, LastPiece)) AfterUnit();
  }

  // Starts no further unit; the running ones finish.
  void Stop() { FStopped.store(true, std::memory_order_relaxed); }
  bool Stopped() const { return FStopped.load(std::memory_order_relaxed); }

  std::int64_t RowBlocks() const { return FBlocks; }
  // The row blocks that every piece has finished.
  std::int64_t RowBlocksDone() const;

 private:
  // LastPiece: the piece this thread worked on last (-1 before its first unit); updated.
  bool RunNextUnit(TSquareScratch& Scratch, std::int64_t& LastPiece);
  // Claims the next block of the free piece furthest behind, or of Preferred when that one is
  // free and only a few blocks ahead: false when every piece is done, else true with
  // Piece = -1 when all unfinished pieces are held.
  bool Claim(std::int64_t Preferred, std::int64_t& Piece, std::int64_t& Block);

  const TSquareOperands FOp;
  const std::int64_t FPieces, FBlocks;
  TSquareSums FSums;
  std::atomic<bool> FStopped{false};
  // Per piece: 2 * (blocks finished), + 1 while a thread holds its next block.
  std::unique_ptr<std::atomic<std::int64_t>[]> FPieceStates;
};

}  // namespace qor::detail
