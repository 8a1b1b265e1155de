// JacobiRotateChain (declared in linalg_kernels.h): a chain of rotations that all share their
// first operand, Head[j], and meet a different partner in each rotation.
//
// Each head passes through the chain serially, and one Jacobi rotation is four dependent
// operations on it, so a single vector of heads would wait on latency for most of its time.
// Several independent vectors of heads are therefore carried through the chain together, as
// many as the registers of the level hold beside their partners. The lanes still perform the
// scalar formula element by element, so every level gives the plain loop's result bit for bit.
#include <cstring>

#include "qor/matrix/detail/linalg_kernels.h"
#include "qor/matrix/detail/simd_level.h"

namespace qor::detail {
namespace {

template <class TVec>
constexpr std::ptrdiff_t kWidth = sizeof(TVec) / sizeof(double);

// Whole-vector moves at any double's alignment. A loop of memcpy calls into an array of
// vectors would be merged into one block copy through the stack. Vectors travel by reference:
// by value they would tie the signatures to the vector width of the instruction set.
template <class TVec>
[[gnu::always_inline]] inline void LoadVector(TVec& v, const double* p) {
  using TUnaligned [[gnu::aligned(alignof(double)), gnu::may_alias]] = TVec;
  v = *reinterpret_cast<const TUnaligned*>(p);
}
template <class TVec>
[[gnu::always_inline]] inline void StoreVector(double* p, const TVec& v) {
  using TUnaligned [[gnu::aligned(alignof(double)), gnu::may_alias]] = TVec;
  *reinterpret_cast<TUnaligned*>(p) = v;
}

// Lane l of a partner vector is Partner[l * Stride]; Stride 1 moves whole vectors.
template <class TVec, bool Contiguous>
[[gnu::always_inline]] inline void LoadPartners(TVec& v, const double* Partner,
                                                std::ptrdiff_t Stride) {
  if constexpr (Contiguous) {
    LoadVector(v, Partner);
  } else {
    double lanes[kWidth<TVec>];
    for (std::ptrdiff_t l = 0; l < kWidth<TVec>; ++l) lanes[l] = Partner[l * Stride];
    std::memcpy(&v, lanes, sizeof v);
  }
}

template <class TVec, bool Contiguous>
[[gnu::always_inline]] inline void StorePartners(double* Partner, const TVec& v,
                                                 std::ptrdiff_t Stride) {
  if constexpr (Contiguous) {
    StoreVector(Partner, v);
  } else {
    double lanes[kWidth<TVec>];
    std::memcpy(lanes, &v, sizeof v);
    for (std::ptrdiff_t l = 0; l < kWidth<TVec>; ++l) Partner[l * Stride] = lanes[l];
  }
}

template <class T>
[[gnu::always_inline]] inline void Rotate(T& a, T& b, double s, double tau) {
  const T a0 = a;
  a = a0 - s * (b + a0 * tau);
  b = b + s * (a0 - b * tau);
}

// Heads j .. j + Groups * width - 1 through the whole chain, for every such j from First on;
// returns the first head not handled.
template <class TVec, int Groups, bool Contiguous>
[[gnu::always_inline]] inline std::ptrdiff_t ChainGroups(double* Head, double* Block,
                                                         std::ptrdiff_t Ld, std::ptrdiff_t Count,
                                                         const TChainRotation* Chain,
                                                         std::ptrdiff_t Length,
                                                         std::ptrdiff_t First) {
  constexpr std::ptrdiff_t W = kWidth<TVec>;
  std::ptrdiff_t j = First;
  for (; j + Groups * W <= Count; j += Groups * W) {
    TVec heads[Groups];
    for (int g = 0; g < Groups; ++g) LoadVector(heads[g], Head + j + g * W);
    double* lanes = Block + j * Ld;
    for (std::ptrdiff_t k = 0; k < Length; ++k) {
      const double s = Chain[k].s;
      const double tau = Chain[k].tau;
      double* partner = lanes + Chain[k].Row;
      TVec b[Groups];
      for (int g = 0; g < Groups; ++g)
        LoadPartners<TVec, Contiguous>(b[g], partner + g * W * Ld, Ld);
      for (int g = 0; g < Groups; ++g) Rotate(heads[g], b[g], s, tau);
      for (int g = 0; g < Groups; ++g)
        StorePartners<TVec, Contiguous>(partner + g * W * Ld, b[g], Ld);
    }
    for (int g = 0; g < Groups; ++g) StoreVector(Head + j + g * W, heads[g]);
  }
  return j;
}

// The last heads, fewer than one vector: rotation by rotation across them, so that their
// independent chains overlap in the pipeline.
[[gnu::always_inline]] inline void ChainTail(double* Head, double* Block, std::ptrdiff_t Ld,
                                             std::ptrdiff_t Count, const TChainRotation* Chain,
                                             std::ptrdiff_t Length, std::ptrdiff_t First) {
  for (std::ptrdiff_t k = 0; k < Length; ++k)
    for (std::ptrdiff_t j = First; j < Count; ++j)
      Rotate(Head[j], Block[j * Ld + Chain[k].Row], Chain[k].s, Chain[k].tau);
}

template <class TVec, int Groups, bool Contiguous>
[[gnu::always_inline]] inline void ChainAtLevel(double* Head, double* Block, std::ptrdiff_t Ld,
                                                std::ptrdiff_t Count, const TChainRotation* Chain,
                                                std::ptrdiff_t Length) {
  std::ptrdiff_t j =
      ChainGroups<TVec, Groups, Contiguous>(Head, Block, Ld, Count, Chain, Length, 0);
  j = ChainGroups<TVec, 1, Contiguous>(Head, Block, Ld, Count, Chain, Length, j);
  ChainTail(Head, Block, Ld, Count, Chain, Length, j);
}

template <class TVec, int Groups>
[[gnu::always_inline]] inline void DispatchStride(double* Head, double* Block, std::ptrdiff_t Ld,
                                                  std::ptrdiff_t Count, const TChainRotation* Chain,
                                                  std::ptrdiff_t Length) {
  if (Ld == 1)
    ChainAtLevel<TVec, Groups, true>(Head, Block, Ld, Count, Chain, Length);
  else
    ChainAtLevel<TVec, Groups, false>(Head, Block, Ld, Count, Chain, Length);
}

using TVec2 = double __attribute__((vector_size(2 * sizeof(double))));
using TVec4 = double __attribute__((vector_size(4 * sizeof(double))));
using TVec8 = double __attribute__((vector_size(8 * sizeof(double))));

// Four groups of heads and their partners fill half the register file or less at every level.
void ChainSse2(double* Head, double* Block, std::ptrdiff_t Ld, std::ptrdiff_t Count,
               const TChainRotation* Chain, std::ptrdiff_t Length) {
  DispatchStride<TVec2, 4>(Head, Block, Ld, Count, Chain, Length);
}

[[gnu::target("avx2")]] void ChainAvx2(double* Head, double* Block, std::ptrdiff_t Ld,
                                       std::ptrdiff_t Count, const TChainRotation* Chain,
                                       std::ptrdiff_t Length) {
  DispatchStride<TVec4, 4>(Head, Block, Ld, Count, Chain, Length);
}

[[gnu::target("avx512f")]] void ChainAvx512(double* Head, double* Block, std::ptrdiff_t Ld,
                                            std::ptrdiff_t Count, const TChainRotation* Chain,
                                            std::ptrdiff_t Length) {
  DispatchStride<TVec8, 4>(Head, Block, Ld, Count, Chain, Length);
}

}  // namespace

void JacobiRotateChain(double* Head, double* Block, std::ptrdiff_t Ld, std::ptrdiff_t Count,
                       const TChainRotation* Chain, std::ptrdiff_t Length) {
  switch (ActiveSimdLevel()) {
    case slAvx512:
      ChainAvx512(Head, Block, Ld, Count, Chain, Length);
      break;
    case slAvx2:
      ChainAvx2(Head, Block, Ld, Count, Chain, Length);
      break;
    case slSse2:
      ChainSse2(Head, Block, Ld, Count, Chain, Length);
      break;
  }
}

}  // namespace qor::detail
