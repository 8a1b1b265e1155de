// Matrix, matrix-vector and element-wise products of TMatrix on the bit-exact blocked kernels.
#include <vector>

#include "qor/frame/errors.h"
#include "qor/matrix/detail/product_kernels.h"
#include "qor/matrix/matrix.h"
#include "qor/vector/vector.h"

namespace qor {
namespace {

// Stores Values as elements 1.. of VecRes through SetVal after resizing it.
void AcceptVectorResult(TVector& VecRes, const std::vector<double>& Values) {
  VecRes.Resize(static_cast<int32_t>(Values.size()));
  for (size_t i = 0; i < Values.size(); ++i) VecRes.SetVal(static_cast<int32_t>(i) + 1, Values[i]);
}

}  // namespace

template <class Kernel>
void TMatrix::AcceptResult(int32_t Nc, int32_t Nr, bool ReadByCompute, Kernel Compute) {
  const int64_t Ldc = Nr > 0 ? Nr : 1;
  if (!ReadByCompute && !OnChange) {
    // Reusing the storage also spares a large result the page faults of a fresh buffer.
    Resize(Nc, Nr);
    Compute(FMat.data(), Ldc);
    return;
  }
  std::vector<double> Values = AllocateStorage(Nc, Nr);
  Compute(Values.data(), Ldc);
  Resize(Nc, Nr);
  if (!OnChange) {
    FMat = std::move(Values);
    return;
  }
  for (int32_t r = 1; r <= Nr; ++r)
    for (int32_t c = 1; c <= Nc; ++c) SetVal(c, r, Values[Offset(c, r)]);
}

bool TMatrix::Multiply(const TMatrix* MatB, TMatrix* MatRes) {
  if (MatB == nullptr || MatRes == nullptr || FNCol != MatB->FNRow) return false;
  MatRes->AcceptResult(MatB->FNCol, FNRow, MatRes == this || MatRes == MatB,
                       [&](double* C, int64_t Ldc) {
                         detail::MultiplyKernel(FNRow, MatB->FNCol, FNCol, FMat.data(), Ld(),
                                                MatB->FMat.data(), MatB->Ld(), C, Ldc);
                       });
  Changed();
  return true;
}

bool TMatrix::MultiplyTransposed(const TMatrix* MatB, TMatrix* MatRes) {
  if (MatB == nullptr || MatRes == nullptr || FNCol != MatB->FNCol) return false;
  MatRes->AcceptResult(
      MatB->FNRow, FNRow, MatRes == this || MatRes == MatB, [&](double* C, int64_t Ldc) {
        detail::MultiplyTransposedKernel(FNRow, MatB->FNRow, FNCol, FMat.data(), Ld(),
                                         MatB->FMat.data(), MatB->Ld(), C, Ldc);
      });
  Changed();
  return true;
}

bool TMatrix::TransposeAndMultiply(const TMatrix* MatB, TMatrix* MatRes) {
  if (MatB == nullptr || MatRes == nullptr || FNRow != MatB->FNRow) return false;
  MatRes->AcceptResult(
      MatB->FNCol, FNCol, MatRes == this || MatRes == MatB, [&](double* C, int64_t Ldc) {
        detail::TransposeAndMultiplyKernel(FNCol, MatB->FNCol, FNRow, FMat.data(), Ld(),
                                           MatB->FMat.data(), MatB->Ld(), C, Ldc);
      });
  Changed();
  return true;
}

bool TMatrix::EMult(const TMatrix* MatB, TMatrix* MatRes) {
  if (MatB == nullptr || MatRes == nullptr || !SameSize(*MatB)) return false;
  MatRes->AcceptResult(FNCol, FNRow, MatRes == this || MatRes == MatB, [&](double* C, int64_t Ldc) {
    detail::ElementwiseMultiplyKernel(FNRow, FNCol, FMat.data(), Ld(), MatB->FMat.data(),
                                      MatB->Ld(), C, Ldc);
  });
  Changed();
  return true;
}

bool TMatrix::Multiply(const TVector* VecB, TVector* VecRes) {
  if (VecB == nullptr || VecRes == nullptr || FNCol != VecB->NrOfElem()) return false;
  std::vector<double> y = AllocateStorage(1, FNRow);
  detail::MatVecKernel(FNRow, FNCol, FMat.data(), Ld(), VecB->Data().data(), y.data());
  AcceptVectorResult(*VecRes, y);
  Changed();
  return true;
}

bool TMatrix::TransposeAndMultiply(const TVector* VecB, TVector* VecRes) {
  if (VecB == nullptr || VecRes == nullptr || FNRow != VecB->NrOfElem()) return false;
  std::vector<double> y = AllocateStorage(1, FNCol);
  detail::TransposedMatVecKernel(FNCol, FNRow, FMat.data(), Ld(), VecB->Data().data(), y.data());
  AcceptVectorResult(*VecRes, y);
  Changed();
  return true;
}

}  // namespace qor
