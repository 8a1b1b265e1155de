// Square: the scaled cross-products of the columns, serially or on the frame's worker pool.
#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

#include "qor/frame/errors.h"
#include "qor/frame/hooks.h"
#include "qor/frame/processors.h"
#include "qor/frame/worker_pool.h"
#include "qor/matrix/detail/square_kernel.h"
#include "qor/matrix/matrix.h"

namespace qor {
namespace {

// Work on the calling thread alone goes in runs of this many granules: one kernel call over a
// longer run reuses each cached block of the other columns for more pairs (on 10000 x 200, one
// granule per call reaches about 87 % of the speed of a single call over all columns, four
// granules 98 %), while the hooks still see every column announced before it is computed.
constexpr int64_t kSerialGranules = 4;

// The source columns and the result storage of one Square call. Threads take work one granule
// of the kernel's tile width at a time, in increasing column order: the first granules carry
// the most pairs, so taking them first keeps every thread busy to the end.
struct TSquareJob {
  int64_t NRows, NCols;
  const double* A;
  int64_t Lda;
  double Norm;
  double* S;
  int64_t Lds;
  int64_t Granule = detail::SquareGranule();

  // Run g of Size granules: columns First(g, Size) .. End(g, Size) - 1.
  int64_t Runs(int64_t Size) const { return (NCols + Granule * Size - 1) / (Granule * Size); }
  int64_t First(int64_t g, int64_t Size) const { return g * Granule * Size; }
  int64_t End(int64_t g, int64_t Size) const { return std::min(NCols, (g + 1) * Granule * Size); }
  void Compute(int64_t ColLo, int64_t ColHi) const {
    detail::SquareColumns(NRows, NCols, A, Lda, Norm, S, Lds, ColLo, ColHi);
  }
};

void CallFeedBack() {
  if (MathFeedBackProc != nullptr) MathFeedBackProc(ProcStat.load(std::memory_order_relaxed));
}

// The documented serial protocol, column by column: poll, count, report. A run's columns are
// announced before it is computed; an abort at column i computes the run's columns before i,
// so exactly the columns before i are complete when it returns.
bool SquareSerial(const TSquareJob& Job) {
  for (int64_t g = 0; g < Job.Runs(kSerialGranules); ++g) {
    const int64_t First = Job.First(g, kSerialGranules), End = Job.End(g, kSerialGranules);
    for (int64_t i = First; i < End; ++i) {
      if (AbortMathProc.load(std::memory_order_relaxed)) {
        Job.Compute(First, i);
        return false;
      }
      CountWorkerStep();
      CallFeedBack();
    }
    Job.Compute(First, End);
  }
  return true;
}

// The calling thread works in the pool too; it reports and polls before any work and after
// each granule it computed itself, while every thread counts the columns it finished.
bool SquareParallel(const TSquareJob& Job, int32_t Threads) {
  const std::thread::id Caller = std::this_thread::get_id();
  std::atomic<bool> Stop{false};
  const auto PollOnCaller = [&Stop] {
    CallFeedBack();
    if (AbortMathProc.load(std::memory_order_relaxed)) Stop.store(true, std::memory_order_relaxed);
  };
  PollOnCaller();
  if (Stop.load(std::memory_order_relaxed)) return false;
  ParallelFor(static_cast<int32_t>(Job.Runs(1)), Threads, [&](int32_t g) {
    if (Stop.load(std::memory_order_relaxed)) return;
    Job.Compute(Job.First(g, 1), Job.End(g, 1));
    for (int64_t i = Job.First(g, 1); i < Job.End(g, 1); ++i) CountWorkerStep();
    if (std::this_thread::get_id() == Caller) PollOnCaller();
  });
  if (Stop.load(std::memory_order_relaxed)) return false;
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
  const TSquareJob Job{NRows, NCols, Source, Lda, Norm, MatRes->FMat.data(), MatRes->Ld()};
  // The kernel's per-thread scratch is the only allocation left; its failure gets the heap
  // message like every other allocation of the matrix.
  return GuardedAllocation<EQORMatrixError>(Name(), [&] {
    if (NThreads == 1) return SquareSerial(Job);
    return SquareParallel(Job, std::min(NThreads, std::max(NCols, 1)));
  });
}

}  // namespace qor
