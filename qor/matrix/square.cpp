// Square: the scaled cross-products of the columns, serially or on the frame's worker pool.
#include <algorithm>
#include <thread>
#include <vector>

#include "qor/frame/errors.h"
#include "qor/frame/hooks.h"
#include "qor/frame/processors.h"
#include "qor/frame/worker_pool.h"
#include "qor/matrix/detail/square_kernel.h"
#include "qor/matrix/detail/square_schedule.h"
#include "qor/matrix/matrix.h"

namespace qor {
namespace {

// Work on the calling thread alone goes in runs of this many granules: one kernel call over a
// longer run reuses each cached block of the other columns for more pairs (on 10000 x 200, one
// granule per call reaches about 87 % of the speed of a single call over all columns, four
// granules 98 %), while the hooks still see every column announced before it is computed.
constexpr int64_t kSerialGranules = 4;

void CallFeedBack() {
  if (MathFeedBackProc != nullptr) MathFeedBackProc(ProcStat.load(std::memory_order_relaxed));
}

// The documented serial protocol, column by column: poll, count, report. A run's columns are
// announced before it is computed; an abort at column i computes the run's columns before i,
// so exactly the columns before i are complete when it returns.
bool SquareSerial(const detail::TSquareOperands& Op) {
  const int64_t Run = kSerialGranules * detail::SquareGranule();
  for (int64_t First = 0; First < Op.NCols; First += Run) {
    const int64_t End = std::min(Op.NCols, First + Run);
    for (int64_t i = First; i < End; ++i) {
      if (AbortMathProc.load(std::memory_order_relaxed)) {
        detail::SquareColumns(Op, First, i);
        return false;
      }
      CountWorkerStep();
      CallFeedBack();
    }
    detail::SquareColumns(Op, First, End);
  }
  return true;
}

// The threads work through the row blocks side by side, every one on all columns, so no
// column is finished before the last row block. Progress is counted in proportion instead:
// once every piece has finished b of the B row blocks, floor(NCols * b / B) columns have been
// counted, all by the calling thread, which reports and polls when it starts and after each
// unit it completed. An abort starts no further unit; the sums then are incomplete, and
// MatRes is cleared back to the zeros it was resized to.
bool SquareParallel(const detail::TSquareOperands& Op, int32_t Threads) {
  detail::TSquareSchedule Schedule(Op);
  int64_t Counted = 0;
  const auto CountUpTo = [&](int64_t Columns) {
    for (; Counted < Columns; ++Counted) CountWorkerStep();
  };
  const auto PollOnCaller = [&] {
    CountUpTo(Op.NCols * Schedule.RowBlocksDone() / Schedule.RowBlocks());
    CallFeedBack();
    if (AbortMathProc.load(std::memory_order_relaxed)) Schedule.Stop();
  };
  const std::thread::id Caller = std::this_thread::get_id();
  PollOnCaller();
  // More threads than pieces would find nothing to do.
  const auto Members =
      static_cast<int32_t>(std::clamp<int64_t>(detail::SquarePieces(Op.NCols), 1, Threads));
  if (!Schedule.Stopped())
    ParallelFor(Members, Members, [&](int32_t) {
      if (std::this_thread::get_id() == Caller)
        Schedule.Work(PollOnCaller);
      else
        Schedule.Work([] {});
    });
  if (Schedule.Stopped()) {
    for (int64_t c = 0; c < Op.NCols; ++c) std::fill_n(Op.S + c * Op.Lds, Op.NCols, 0.0);
    return false;
  }
  CountUpTo(Op.NCols);
  CallFeedBack();
  return true;
}

}  // namespace

bool TMatrix::Square(TMatrix* MatRes, double Norm) {
  return Square(MatRes, Norm, ProcessorCount());
}

bool TMatrix::Square(TMatrix* MatRes, double Norm, int32_t NThreads) {
  if (MatRes == nullptr) return false;
  if (NThreads < 1) NThreads = ProcessorCount();
  // The kernel reads A in place, so a result that is A itself needs a copy of A first.
  std::vector<double> Copy;
  if (MatRes == this) Copy = GuardedAllocation<EQORMatrixError>(Name(), [this] { return FMat; });
  const double* Source = MatRes == this ? Copy.data() : FMat.data();
  const int64_t Lda = Ld();
  const int32_t NCols = FNCol;
  const int32_t NRows = FNRow;
  MatRes->SetSize(NCols, NCols);
  const detail::TSquareOperands Op{.NRows = NRows,
                                   .NCols = NCols,
                                   .A = Source,
                                   .Lda = Lda,
                                   .Norm = Norm,
                                   .S = MatRes->FMat.data(),
                                   .Lds = MatRes->Ld()};
  // The kernel's per-thread scratch is the only allocation left; its failure gets the heap
  // message like every other allocation of the matrix.
  return GuardedAllocation<EQORMatrixError>(Name(), [&] {
    if (NThreads == 1) return SquareSerial(Op);
    return SquareParallel(Op, std::min(NThreads, std::max(NCols, 1)));
  });
}

}  // namespace qor
