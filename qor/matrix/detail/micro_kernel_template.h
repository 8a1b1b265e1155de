// The micro-kernel body shared by all vector levels (see micro_kernel.h for its contract).
//
// Included only by the micro_kernel_<level>.cpp files, each of which first defines
// QOR_KERNEL_TARGET as the function attribute that enables its instruction set. Everything here
// has internal linkage, so the three instantiations never meet at link time. The vector type is
// the compiler's generic vector of doubles chosen by the includer; a scalar operand is broadcast
// to all lanes.
#include <cstdint>
#include <cstring>

namespace {

// Mv vectors of type V by Nr columns of accumulators, all held in registers. B(k, j) is
// B[k * BStride + j] for packed rows (ColumnsB false) or B[j * BStride + k] for columns read in
// place (ColumnsB true).
template <typename V, int Mv, int Nr, bool ColumnsB>
QOR_KERNEL_TARGET void MicroKernelImpl(std::int64_t Kc, const double* A, const double* B,
                                       std::int64_t BStride, double* C, std::int64_t Ldc,
                                       bool Accumulate) {
  constexpr int W = sizeof(V) / sizeof(double);
  constexpr int Mr = Mv * W;
  V Acc[Nr][Mv];
#pragma GCC unroll 32
  for (int j = 0; j < Nr; ++j)
#pragma GCC unroll 8
    for (int v = 0; v < Mv; ++v) {
      Acc[j][v] = V{};
      if (Accumulate) std::memcpy(&Acc[j][v], C + j * Ldc + v * W, sizeof(V));
    }
  for (std::int64_t k = 0; k < Kc; ++k) {
    V Col[Mv];
#pragma GCC unroll 8
    for (int v = 0; v < Mv; ++v) std::memcpy(&Col[v], A + k * Mr + v * W, sizeof(V));
#pragma GCC unroll 32
    for (int j = 0; j < Nr; ++j) {
      const double Bkj = ColumnsB ? B[j * BStride + k] : B[k * BStride + j];
#pragma GCC unroll 8
      for (int v = 0; v < Mv; ++v) Acc[j][v] = Acc[j][v] + Col[v] * Bkj;
    }
  }
#pragma GCC unroll 32
  for (int j = 0; j < Nr; ++j)
#pragma GCC unroll 8
    for (int v = 0; v < Mv; ++v) std::memcpy(C + j * Ldc + v * W, &Acc[j][v], sizeof(V));
}

}  // namespace
