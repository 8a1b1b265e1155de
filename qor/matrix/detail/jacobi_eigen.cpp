#include "qor/matrix/detail/jacobi_eigen.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

#include "qor/matrix/detail/linalg_kernels.h"
#include "qor/matrix/detail/step_hooks.h"

namespace qor::detail {
namespace {

constexpr double kThresholdFraction = 0.2;  // of sm / n² in the early sweeps
constexpr int32_t kLastThresholdSweep = 3;
constexpr int32_t kFirstNegligibleSweep = 5;
constexpr double kNegligibleFactor = 200.0;
constexpr std::ptrdiff_t kPairBlock = 32;  // pairs (p, q) whose row-q updates are deferred

// The working copy of A. Rotation (p, q) touches column p, column q, row p and row q of the
// upper triangle; columns are contiguous in column-major order, rows are not. Column p and
// row p are the same for every pair of a row sweep, so they are gathered once into one
// contiguous line (entry j < p from column p, entry j > p from row p; entry p unused) for the
// whole row; only row q stays strided. An odd leading dimension keeps a strided row walk from
// landing on a single cache set.
class TJacobiWork {
 public:
  TJacobiWork(const double* A, int32_t n)
      : FN(n),
        FLd(static_cast<std::ptrdiff_t>(n) | 1),
        FA(static_cast<std::size_t>(FLd) * static_cast<std::size_t>(n)),
        FPRow(static_cast<std::size_t>(n)) {
    for (std::ptrdiff_t c = 0; c < n; ++c)
      for (std::ptrdiff_t r = 0; r < c; ++r) At(r, c) = A[c * n + r];
  }

  double& At(std::ptrdiff_t r, std::ptrdiff_t c) {
    return FA[static_cast<std::size_t>(c * FLd + r)];
  }
  double* Column(std::ptrdiff_t c) { return FA.data() + c * FLd; }
  std::ptrdiff_t Ld() const { return FLd; }
  double* PRow() { return FPRow.data(); }

  // sm: the sum of |A[p, q]| over p < q, row by row.
  double OffDiagonalSum() {
    double sm = 0.0;
    for (std::ptrdiff_t p = 0; p + 1 < FN; ++p)
      for (std::ptrdiff_t q = p + 1; q < FN; ++q) sm += std::fabs(At(p, q));
    return sm;
  }

  void GatherLine(std::ptrdiff_t p) {
    for (std::ptrdiff_t j = 0; j < p; ++j) FPRow[static_cast<std::size_t>(j)] = At(j, p);
    FPRow[static_cast<std::size_t>(p)] = 0.0;
    for (std::ptrdiff_t j = p + 1; j < FN; ++j) FPRow[static_cast<std::size_t>(j)] = At(p, j);
  }
  void ScatterLine(std::ptrdiff_t p) {
    for (std::ptrdiff_t j = 0; j < p; ++j) At(j, p) = FPRow[static_cast<std::size_t>(j)];
    for (std::ptrdiff_t j = p + 1; j < FN; ++j) At(p, j) = FPRow[static_cast<std::size_t>(j)];
  }

  void WriteBack(double* A) {
    for (std::ptrdiff_t c = 0; c < FN; ++c)
      for (std::ptrdiff_t r = 0; r < c; ++r) A[c * FN + r] = At(r, c);
  }

 private:
  std::ptrdiff_t FN;
  std::ptrdiff_t FLd;
  std::vector<double> FA;
  std::vector<double> FPRow;
};

struct TRotation {
  double s;
  double tau;
};

// The rotation that annihilates apq between the diagonal values dp and dq; also returns
// h = t apq, the amount that moves from d[p] to d[q].
TRotation MakeRotation(double apq, double dp, double dq, double g, double& h) {
  h = dq - dp;
  double t;
  if (std::fabs(h) + g == std::fabs(h)) {
    t = apq / h;
  } else {
    const double theta = h / apq / 2.0;
    t = 1.0 / (std::fabs(theta) + std::sqrt(theta * theta + 1.0));
    if (theta < 0.0) t = -t;
  }
  const double c = 1.0 / std::sqrt(t * t + 1.0);
  const double s = t * c;
  h = t * apq;
  return {s, s / (1.0 + c)};
}

// The rotations only ever read V to update V, so they are recorded and applied later. The
// rotations of one row of pairs all turn column p against the columns q in turn: they form one
// chain whose heads, a stretch of column p, stay in registers while the columns q stream past.
// The recorded rows are applied to one block of V's rows before the next, so that the block
// stays in cache while all of them pass over it; every element still sees its rotations in
// their original order.
class TDeferredRotations {
 public:
  TDeferredRotations(double* V, std::ptrdiff_t n)
      : FV(V),
        FN(n),
        FRowBlock(std::max(kMinRowBlock, kBlockElements / n / kMinRowBlock * kMinRowBlock)) {
    FChain.reserve(static_cast<std::size_t>(std::min<std::ptrdiff_t>(n * (n - 1) / 2, kCapacity)));
  }

  void Add(std::ptrdiff_t q, TRotation r) { FChain.push_back({q * FN, r.s, r.tau}); }

  // Closes the run of row p; applies everything recorded once the list is long.
  void EndRow(std::ptrdiff_t p) {
    FRuns.push_back({p, FRunStart, static_cast<std::ptrdiff_t>(FChain.size()) - FRunStart});
    FRunStart = static_cast<std::ptrdiff_t>(FChain.size());
    if (FRunStart >= kCapacity) Apply();
  }

  void Apply() {
    for (std::ptrdiff_t first = 0; first < FN; first += FRowBlock) {
      const std::ptrdiff_t rows = std::min(FRowBlock, FN - first);
      for (const TRun& run : FRuns)
        JacobiRotateChain(FV + run.p * FN + first, FV + first, 1, rows, FChain.data() + run.First,
                          run.Length);
    }
    FChain.clear();
    FRuns.clear();
    FRunStart = 0;
  }

 private:
  static constexpr std::ptrdiff_t kCapacity = std::ptrdiff_t{1} << 16;       // rotations
  static constexpr std::ptrdiff_t kBlockElements = std::ptrdiff_t{1} << 16;  // 512 KB of V
  static constexpr std::ptrdiff_t kMinRowBlock = 32;
  struct TRun {
    std::ptrdiff_t p;
    std::ptrdiff_t First;
    std::ptrdiff_t Length;
  };
  double* FV;
  std::ptrdiff_t FN;
  std::ptrdiff_t FRowBlock;
  std::vector<TChainRotation> FChain;
  std::vector<TRun> FRuns;
  std::ptrdiff_t FRunStart = 0;
};

}  // namespace

TJacobiEnd CyclicJacobi(double* A, int32_t n, double* EigVal, double* EigVec) {
  const std::ptrdiff_t N = n;
  TJacobiWork work(A, n);
  std::vector<double> b(static_cast<std::size_t>(n));
  std::vector<double> z(static_cast<std::size_t>(n), 0.0);
  double* d = EigVal;
  for (std::ptrdiff_t k = 0; k < N * N; ++k) EigVec[k] = 0.0;
  for (std::ptrdiff_t p = 0; p < N; ++p) {
    EigVec[p * N + p] = 1.0;
    d[p] = b[static_cast<std::size_t>(p)] = A[p * N + p];
  }

  std::vector<TChainRotation> chain;
  chain.reserve(static_cast<std::size_t>(kPairBlock));
  TDeferredRotations vRotations(EigVec, N);
  TJacobiEnd end = TJacobiEnd::kNotConverged;
  for (int32_t sweep = 1; sweep <= kMaxJacobiSweeps && end == TJacobiEnd::kNotConverged; ++sweep) {
    CountStep();
    const double sm = work.OffDiagonalSum();
    if (sm == 0.0) {
      end = TJacobiEnd::kConverged;
      break;
    }
    const double threshold =
        sweep <= kLastThresholdSweep ? kThresholdFraction * sm / (static_cast<double>(n) * n) : 0.0;
    for (std::ptrdiff_t p = 0; p + 1 < N && end != TJacobiEnd::kAborted; ++p) {
      work.GatherLine(p);
      double* rowP = work.PRow();
      // Row q's part right of the current block is brought up to date only when the block
      // ends: each of those columns then takes the block's rotations in order on contiguous
      // rows, and no later pair reads those elements before that.
      for (std::ptrdiff_t blockStart = p + 1; blockStart < N && end != TJacobiEnd::kAborted;
           blockStart += kPairBlock) {
        const std::ptrdiff_t blockEnd = std::min(N, blockStart + kPairBlock);
        chain.clear();
        for (std::ptrdiff_t q = blockStart; q < blockEnd; ++q) {
          if (AbortRequested()) {
            end = TJacobiEnd::kAborted;
            break;
          }
          CountStep();
          double& apq = rowP[q];
          const double g = kNegligibleFactor * std::fabs(apq);
          if (sweep >= kFirstNegligibleSweep && std::fabs(d[p]) + g == std::fabs(d[p]) &&
              std::fabs(d[q]) + g == std::fabs(d[q])) {
            apq = 0.0;
            continue;
          }
          if (!(std::fabs(apq) > threshold)) continue;
          double h;
          const TRotation rot = MakeRotation(apq, d[p], d[q], g, h);
          z[static_cast<std::size_t>(p)] -= h;
          z[static_cast<std::size_t>(q)] += h;
          d[p] -= h;
          d[q] += h;
          apq = 0.0;
          // (A[p, j], A[q, j]) for q < j: row p against row q, inside the block now. It comes
          // first because it completes the next pair's A[p, q + 1]: the next rotation's scalar
          // set-up then overlaps with the long column update below.
          JacobiRotateStrided(rowP + q + 1, &work.At(q, q + 1), work.Ld(), blockEnd - q - 1, rot.s,
                              rot.tau);
          // (A[j, p], A[j, q]) for j < p and (A[p, j], A[j, q]) for p < j < q: line p against
          // column q. The pair at j = p is the unused line entry against column q's copy of
          // A[p, q], which the line's scatter overwrites before anything reads it.
          JacobiRotate(rowP, work.Column(q), q, rot.s, rot.tau);
          chain.push_back({q - blockStart, rot.s, rot.tau});
          vRotations.Add(q, rot);
        }
        JacobiRotateChain(rowP + blockEnd, &work.At(blockStart, blockEnd), work.Ld(), N - blockEnd,
                          chain.data(), static_cast<std::ptrdiff_t>(chain.size()));
      }
      work.ScatterLine(p);
      vRotations.EndRow(p);
    }
    vRotations.Apply();
    if (end == TJacobiEnd::kAborted) break;
    for (std::ptrdiff_t p = 0; p < N; ++p) {
      const auto i = static_cast<std::size_t>(p);
      b[i] += z[i];
      d[p] = b[i];
      z[i] = 0.0;
    }
  }
  work.WriteBack(A);
  return end;
}

}  // namespace qor::detail
