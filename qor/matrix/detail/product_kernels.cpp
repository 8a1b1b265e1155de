#include "qor/matrix/detail/product_kernels.h"

#include "qor/matrix/detail/blocked_product.h"

namespace qor::detail {
namespace {

TOperand Plain(const double* Data, std::int64_t Ld) { return {Data, 1, Ld}; }
TOperand Transposed(const double* Data, std::int64_t Ld) { return {Data, Ld, 1}; }
// A vector as a one-column matrix; its column stride is never used.
TOperand Column(const double* Data) { return {Data, 1, 0}; }

}  // namespace

void MultiplyKernel(std::int64_t M, std::int64_t N, std::int64_t K, const double* A,
                    std::int64_t Lda, const double* B, std::int64_t Ldb, double* C,
                    std::int64_t Ldc) {
  BlockedProduct(M, N, K, Plain(A, Lda), Plain(B, Ldb), C, Ldc, ActiveKernelSet());
}

void MultiplyTransposedKernel(std::int64_t M, std::int64_t N, std::int64_t K, const double* A,
                              std::int64_t Lda, const double* B, std::int64_t Ldb, double* C,
                              std::int64_t Ldc) {
  BlockedProduct(M, N, K, Plain(A, Lda), Transposed(B, Ldb), C, Ldc, ActiveKernelSet());
}

void TransposeAndMultiplyKernel(std::int64_t M, std::int64_t N, std::int64_t K, const double* A,
                                std::int64_t Lda, const double* B, std::int64_t Ldb, double* C,
                                std::int64_t Ldc) {
  BlockedProduct(M, N, K, Transposed(A, Lda), Plain(B, Ldb), C, Ldc, ActiveKernelSet());
}

void MatVecKernel(std::int64_t M, std::int64_t K, const double* A, std::int64_t Lda,
                  const double* X, double* Y) {
  BlockedProduct(M, 1, K, Plain(A, Lda), Column(X), Y, M > 0 ? M : 1, ActiveKernelSet());
}

void TransposedMatVecKernel(std::int64_t M, std::int64_t K, const double* A, std::int64_t Lda,
                            const double* X, double* Y) {
  BlockedProduct(M, 1, K, Transposed(A, Lda), Column(X), Y, M > 0 ? M : 1, ActiveKernelSet());
}

void ElementwiseMultiplyKernel(std::int64_t Rows, std::int64_t Cols, const double* A,
                               std::int64_t Lda, const double* B, std::int64_t Ldb, double* C,
                               std::int64_t Ldc) {
  for (std::int64_t j = 0; j < Cols; ++j) {
    const double* ACol = A + j * Lda;
    const double* BCol = B + j * Ldb;
    double* CCol = C + j * Ldc;
    for (std::int64_t i = 0; i < Rows; ++i) CCol[i] = ACol[i] * BCol[i];
  }
}

}  // namespace qor::detail
