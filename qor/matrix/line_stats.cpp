// Reductions of a TMatrix to one value per column or row, and the column and row transforms
// (standardisation, robust scaling, mean centring).
#include "qor/matrix/detail/line_stats.h"

#include <cmath>
#include <span>
#include <vector>

#include "qor/frame/errors.h"
#include "qor/matrix/detail/order_stats.h"
#include "qor/matrix/matrix.h"
#include "qor/vector/vector.h"

namespace qor {
namespace {

using detail::TLines;

// Element i + 1 of Dest := Values[i] for the elements Dest has (it keeps its length), in one
// store with one OnChange. Nothing when Dest is nil.
void StoreKeepingLength(TVector* Dest, const std::vector<double>& Values) {
  if (Dest == nullptr) return;
  std::vector<double> Entries(Dest->Data().begin(), Dest->Data().end());
  for (size_t i = 0; i < Entries.size() && i < Values.size(); ++i) Entries[i] = Values[i];
  Dest->AssignArray(Entries);
}

// Dest := Values, resized to their length (a vector keeps at least one element, so no lines
// leave it as it is). Nothing when Dest is nil.
void StoreResized(TVector* Dest, const std::vector<double>& Values) {
  if (Dest != nullptr) Dest->AssignArray(Values);
}

void Standardize(TMatrix& M, TLines Lines, TVector* Means, TVector* StdDevs) {
  const std::vector<detail::TMeanVar> Moments =
      detail::StandardizeLines(M.Data().data(), M.NrOfColumns(), M.NrOfRows(), Lines);
  std::vector<double> Mean(Moments.size()), StdDev(Moments.size());
  for (size_t i = 0; i < Moments.size(); ++i) {
    Mean[i] = Moments[i].Mean;
    StdDev[i] = std::sqrt(Moments[i].Variance);
  }
  StoreKeepingLength(Means, Mean);
  StoreKeepingLength(StdDevs, StdDev);
  M.Changed();
}

void QNormalize(TMatrix& M, TLines Lines, double RefQuant, TVector* Medians, TVector* QuantDiffs) {
  const std::vector<detail::TRobustScale> Scale = GuardedAllocation<EQORMatrixError>(M.Name(), [&] {
    return detail::QNormalizeLines(M.Data().data(), M.NrOfColumns(), M.NrOfRows(), Lines, RefQuant);
  });
  std::vector<double> Median(Scale.size()), QuantDiff(Scale.size());
  for (size_t i = 0; i < Scale.size(); ++i) {
    Median[i] = Scale[i].Median;
    QuantDiff[i] = Scale[i].QuantDiff;
  }
  StoreKeepingLength(Medians, Median);
  StoreKeepingLength(QuantDiffs, QuantDiff);
  M.Changed();
}

void MeanCenter(TMatrix& M, TLines Lines, TVector* Means) {
  StoreResized(Means,
               detail::MeanCenterLines(M.Data().data(), M.NrOfColumns(), M.NrOfRows(), Lines));
  M.Changed();
}

}  // namespace

void TMatrix::MeanVec(TDims Dim, TVector& Means) const {
  const TLines Lines = Dim == dimColumns ? TLines::Columns : TLines::Rows;
  StoreResized(&Means, detail::LineMeans(Data().data(), NrOfColumns(), NrOfRows(), Lines));
}

void TMatrix::EdgeVector(TOrientation Orient, TEdgeOp EdgeOp, TVector& DestVec) const {
  const TLines Lines = Orient == orRowwise ? TLines::Rows : TLines::Columns;
  StoreResized(&DestVec,
               detail::EdgeLines(Data().data(), NrOfColumns(), NrOfRows(), Lines, EdgeOp));
}

void TMatrix::StandardizeColumns(TVector* Means, TVector* StdDevs) {
  Standardize(*this, TLines::Columns, Means, StdDevs);
}

void TMatrix::StandardizeRows(TVector* Means, TVector* StdDevs) {
  Standardize(*this, TLines::Rows, Means, StdDevs);
}

void TMatrix::QNormalizeColumns(double RefQuant, TVector* Medians, TVector* QuantDiffs) {
  QNormalize(*this, TLines::Columns, RefQuant, Medians, QuantDiffs);
}

void TMatrix::QNormalizeRows(double RefQuant, TVector* Medians, TVector* QuantDiffs) {
  QNormalize(*this, TLines::Rows, RefQuant, Medians, QuantDiffs);
}

void TMatrix::MeanCenterColumns(TVector* Means) { MeanCenter(*this, TLines::Columns, Means); }

void TMatrix::MeanCenterRows(TVector* Means) { MeanCenter(*this, TLines::Rows, Means); }

}  // namespace qor
