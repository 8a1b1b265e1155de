// Construction, sizing, assignment, range repair and output settings of TMatrix.
#include <algorithm>
#include <cstring>

#include "qor/frame/errors.h"
#include "qor/matrix/detail/range_repair.h"
#include "qor/matrix/matrix.h"

namespace qor {

TMatrix::TMatrix(TComponent* AOwner) : TComponent(AOwner) { SetSize(1, 1); }

std::vector<double> TMatrix::AllocateStorage(int32_t Nc, int32_t Nr) const {
  return GuardedAllocation<EQORMatrixError>(Name(), [&] {
    return std::vector<double>(static_cast<size_t>(Nc) * static_cast<size_t>(Nr), 0.0);
  });
}

void TMatrix::SetSize(int32_t Nc, int32_t Nr) {
  Nc = std::max(Nc, 0);
  Nr = std::max(Nr, 0);
  const bool WasVisible = FNCol > 0 && FNRow > 0;
  const bool Visible = Nc > 0 && Nr > 0;
  if (WasVisible && Visible && Nr == FNRow) {
    // Whole columns are kept or dropped: the buffer only grows or shrinks at its end.
    GuardedAllocation<EQORMatrixError>(
        Name(), [&] { FMat.resize(static_cast<size_t>(Nc) * static_cast<size_t>(Nr), 0.0); });
  } else {
    const std::vector<double>& Old = WasVisible ? FMat : FHidden;
    const int32_t OldCols = WasVisible ? FNCol : FHiddenCols;
    const int32_t OldRows = WasVisible ? FNRow : FHiddenRows;
    const int32_t NewCols = std::max(Nc, 1), NewRows = std::max(Nr, 1);
    std::vector<double> Fresh = AllocateStorage(NewCols, NewRows);
    const size_t KeptRows = static_cast<size_t>(std::min(NewRows, OldRows));
    for (int32_t c = 0; c < std::min(NewCols, OldCols) && KeptRows > 0; ++c)
      std::memcpy(&Fresh[static_cast<size_t>(c) * static_cast<size_t>(NewRows)],
                  &Old[static_cast<size_t>(c) * static_cast<size_t>(OldRows)],
                  KeptRows * sizeof(double));
    if (Visible) {
      FMat = std::move(Fresh);
      DropHiddenStorage();
    } else {
      FHidden = std::move(Fresh);
      FHiddenCols = NewCols;
      FHiddenRows = NewRows;
      FMat = {};
    }
  }
  FNCol = Nc;
  FNRow = Nr;
}

void TMatrix::DropHiddenStorage() {
  FHidden = {};
  FHiddenCols = 0;
  FHiddenRows = 0;
}

bool TMatrix::Resize(int32_t Nc, int32_t Nr) {
  if (Nc == FNCol && Nr == FNRow) return true;
  SetSize(Nc, Nr);
  Changed();
  return true;
}

bool TMatrix::ResizeAndClear(int32_t Nc, int32_t Nr) {
  const bool Resized = Resize(Nc, Nr);
  if (Resized) Fill(0.0);
  return Resized;
}

void TMatrix::SetNCols(int32_t NewCount) { Resize(std::max(NewCount, 0), FNRow); }

void TMatrix::SetNRows(int32_t NewCount) { Resize(FNCol, std::max(NewCount, 0)); }

void TMatrix::MakeValidColRange(int32_t& LowCol, int32_t& HighCol) const {
  detail::RepairRange(FNCol, LowCol, HighCol);
}

void TMatrix::MakeValidRowRange(int32_t& LowRow, int32_t& HighRow) const {
  detail::RepairRange(FNRow, LowRow, HighRow);
}

std::span<double> TMatrix::Column(int32_t c) {
  if (c < 1 || c > FNCol || FNRow == 0) return {};
  return {ColumnPtr(c), static_cast<size_t>(FNRow)};
}

std::span<const double> TMatrix::Column(int32_t c) const {
  if (c < 1 || c > FNCol || FNRow == 0) return {};
  return {ColumnPtr(c), static_cast<size_t>(FNRow)};
}

int32_t TMatrix::GetFPrecis(int32_t ix) const { return FPrecis[ix < 2 ? 0 : 1]; }

void TMatrix::SetFPrecis(int32_t ix, int32_t value) {
  FPrecis[ix > 1 ? 1 : 0] = std::clamp(value, kMinPrecision, kMaxPrecision);
}

void TMatrix::Assign(const TPersistent* Source) {
  const auto* MatSource = dynamic_cast<const TMatrix*>(Source);
  if (MatSource == nullptr) {
    TComponent::Assign(Source);
    return;
  }
  if (MatSource == this) return;
  // The copy is made before anything changes, so lack of memory leaves this matrix intact.
  std::vector<double> Elements = GuardedAllocation<EQORMatrixError>(
      Name(), [&] { return std::vector<double>(MatSource->FMat); });
  FMat = std::move(Elements);
  DropHiddenStorage();
  FNCol = MatSource->FNCol;
  FNRow = MatSource->FNRow;
  FDataID = MatSource->FDataID;
  FPrecis[0] = MatSource->FPrecis[0];
  FPrecis[1] = MatSource->FPrecis[1];
  OnChange = MatSource->OnChange;
  OnSortExchange = MatSource->OnSortExchange;
  OnCalcDistance = MatSource->OnCalcDistance;
}

void TMatrix::AssignTo(TPersistent* Dest) const {
  if (auto* MatDest = dynamic_cast<TMatrix*>(Dest)) {
    MatDest->Assign(this);
    return;
  }
  TComponent::AssignTo(Dest);
}

}  // namespace qor
