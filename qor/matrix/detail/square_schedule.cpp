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

}  // namespace

TSquareSchedule::TSquareSchedule(const TSquareOperands& Op, std::int64_t Chunks)
    : FOp(Op),
      FChunks(Chunks),
      FBlocks(SquareRowBlocks(Op.NRows)),
      FBlocksDone(std::make_unique<std::atomic<std::int64_t>[]>(static_cast<std::size_t>(Chunks))) {
}

std::int64_t TSquareSchedule::RowBlocksDone() const {
  std::int64_t Done = FBlocks;
  for (std::int64_t c = 0; c < FChunks; ++c)
    Done = std::min(Done, FBlocksDone[c].load(std::memory_order_acquire));
  return Done;
}

bool TSquareSchedule::RunNextUnit(TSquareScratch& Scratch) {
  if (Stopped()) return false;
  const std::int64_t Unit = FNextUnit.fetch_add(1, std::memory_order_relaxed);
  if (Unit >= FBlocks * FChunks) return false;
  const std::int64_t Block = Unit / FChunks, Chunk = Unit % FChunks;
  std::atomic<std::int64_t>& ChunkDone = FBlocksDone[Chunk];
  // Acquire: the sums the previous block stored are visible here.
  SpinUntil([&] { return ChunkDone.load(std::memory_order_acquire) == Block || Stopped(); });
  if (Stopped()) return false;
  SquareTileBlock(FOp, Chunk, FChunks, Block, Scratch);
  ChunkDone.store(Block + 1, std::memory_order_release);
  return true;
}

}  // namespace qor::detail
