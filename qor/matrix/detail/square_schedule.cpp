#include "qor/matrix/detail/square_schedule.h"

#include <algorithm>
#include <thread>

namespace qor::detail {
namespace {

// The units last tens of microseconds, so a waiting thread spins. On a busy machine the
// thread it waits for may have lost its processor; after a while the waiter offers its own.
template <class Done>
void SpinUntil(Done&& IsDone) {
  constexpr int kSpinsBeforeYield = 4096;
  for (int Spins = 0; !IsDone(); ++Spins) {
    if (Spins < kSpinsBeforeYield) {
#if defined(__x86_64__) || defined(__i386__)
      __builtin_ia32_pause();
#endif
    } else {
      std::this_thread::yield();
    }
  }
}

// How many row blocks the piece a thread worked on last may be ahead of the piece furthest
// behind and still be its next choice: the piece's running sums then stay in that thread's
// cache instead of moving to the other core with every block (without it, two threads on two
// cores reached 1.35x the speed of one; with it, 1.8x).
constexpr std::int64_t kAffinityBlocks = 4;

}  // namespace

TSquareSchedule::TSquareSchedule(const TSquareOperands& Op)
    : FOp(Op),
      FPieces(SquarePieces(Op.NCols)),
      FBlocks(SquareRowBlocks(Op.NRows)),
      FSums(Op.NCols),
      FPieceStates(
          std::make_unique<std::atomic<std::int64_t>[]>(static_cast<std::size_t>(FPieces))) {}

std::int64_t TSquareSchedule::RowBlocksDone() const {
  std::int64_t Done = FBlocks;
  for (std::int64_t c = 0; c < FPieces; ++c)
    Done = std::min(Done, FPieceStates[c].load(std::memory_order_acquire) / 2);
  return Done;
}

bool TSquareSchedule::Claim(std::int64_t Preferred, std::int64_t& Piece, std::int64_t& Block) {
  bool Unfinished = false;
  Piece = -1;
  std::int64_t Free = 0;
  for (std::int64_t c = 0; c < FPieces; ++c) {
    const std::int64_t State = FPieceStates[c].load(std::memory_order_relaxed);
    if (State / 2 >= FBlocks) continue;
    Unfinished = true;
    if (State % 2 == 0 && (Piece < 0 || State < Free)) {
      Piece = c;
      Free = State;
    }
  }
  if (Piece >= 0 && Preferred >= 0 && Preferred != Piece) {
    const std::int64_t State = FPieceStates[Preferred].load(std::memory_order_relaxed);
    if (State / 2 < FBlocks && State % 2 == 0 && State <= Free + 2 * kAffinityBlocks) {
      Piece = Preferred;
      Free = State;
    }
  }
  // Acquire: the sums the piece's previous block stored are visible to this thread.
  if (Piece >= 0 &&
      !FPieceStates[Piece].compare_exchange_strong(Free, Free + 1, std::memory_order_acquire))
    Piece = -1;
  Block = Free / 2;
  return Unfinished;
}

bool TSquareSchedule::RunNextUnit(TSquareScratch& Scratch, std::int64_t& LastPiece) {
  std::int64_t Piece = -1, Block = 0;
  SpinUntil([&] { return Stopped() || !Claim(LastPiece, Piece, Block) || Piece >= 0; });
  if (Piece < 0) return false;
  LastPiece = Piece;
  SquarePieceBlock(FOp, FSums, Piece, Block, Scratch);
  FPieceStates[Piece].store(2 * (Block + 1), std::memory_order_release);
  return true;
}

}  // namespace qor::detail
