// Matrix and matrix-vector products on raw column-major buffers: the engine behind the products
// of TMatrix.
//
// A matrix with R rows and C columns is a buffer in which column c (0-based) starts at c * Ld
// and holds its R rows contiguously; Ld >= max(1, R). Every result element is the sum of its
// terms in increasing summation index, started at +0, with each product and each partial sum
// rounded to double and no fused multiply-add, so the results are bit-identical to the plain
// loops of the documented definitions on every processor and vector level. The work is blocked
// for the caches, packed into panels and vectorised across independent result elements, using
// the widest vector unit available (see simd_level.h). Result buffers must not overlap the
// operands. Sizes are not checked here; the calling component validates them. A zero summation
// length gives zero results; a zero result dimension writes nothing.
#pragma once

#include <cstdint>

namespace qor::detail {

// C (M x N) := A (M x K) · B (K x N).
void MultiplyKernel(std::int64_t M, std::int64_t N, std::int64_t K, const double* A,
                    std::int64_t Lda, const double* B, std::int64_t Ldb, double* C,
                    std::int64_t Ldc);

// C (M x N) := A (M x K) · Bᵀ, with B stored as N x K.
void MultiplyTransposedKernel(std::int64_t M, std::int64_t N, std::int64_t K, const double* A,
                              std::int64_t Lda, const double* B, std::int64_t Ldb, double* C,
                              std::int64_t Ldc);

// C (M x N) := Aᵀ · B (K x N), with A stored as K x M.
void TransposeAndMultiplyKernel(std::int64_t M, std::int64_t N, std::int64_t K, const double* A,
                                std::int64_t Lda, const double* B, std::int64_t Ldb, double* C,
                                std::int64_t Ldc);

// Y (M) := A (M x K) · X (K): Y[i] = sum over k of X[k]·A(i, k).
void MatVecKernel(std::int64_t M, std::int64_t K, const double* A, std::int64_t Lda,
                  const double* X, double* Y);

// Y (M) := Aᵀ · X (K), with A stored as K x M: Y[i] = sum over k of X[k]·A(k, i).
void TransposedMatVecKernel(std::int64_t M, std::int64_t K, const double* A, std::int64_t Lda,
                            const double* X, double* Y);

// C := A ∘ B element by element over Rows x Cols; one rounding per element.
void ElementwiseMultiplyKernel(std::int64_t Rows, std::int64_t Cols, const double* A,
                               std::int64_t Lda, const double* B, std::int64_t Ldb, double* C,
                               std::int64_t Ldc);

}  // namespace qor::detail
