#include "qor/matrix/detail/linalg_kernels.h"

#include <cstring>

namespace qor::detail {
namespace {

// Four doubles handled as one value; arithmetic on it is lane-wise IEEE double arithmetic.
using TLanes = double __attribute__((vector_size(4 * sizeof(double))));
constexpr std::ptrdiff_t kLanes = 4;

// Lanes are moved in and out by reference only: passing them by value would tie the function
// signatures to the vector width of the instruction set.
[[gnu::always_inline]] inline void Load(TLanes& v, const double* p) {
  std::memcpy(&v, p, sizeof v);
}
[[gnu::always_inline]] inline void Store(double* p, const TLanes& v) {
  std::memcpy(p, &v, sizeof v);
}

// Applies Update(x, y) (taking both by reference) to every pair, four lanes at a time while
// they last; Update is written once and serves doubles and lanes alike.
template <class PairUpdate>
[[gnu::always_inline]] inline void ForEachPair(double* x, double* y, std::ptrdiff_t Length,
                                               PairUpdate Update) {
  std::ptrdiff_t k = 0;
  for (; k + kLanes <= Length; k += kLanes) {
    TLanes a;
    TLanes b;
    Load(a, x + k);
    Load(b, y + k);
    Update(a, b);
    Store(x + k, a);
    Store(y + k, b);
  }
  for (; k < Length; ++k) Update(x[k], y[k]);
}

// Applies Update(y, x) to every y[k] with the read-only x[k].
template <class TargetUpdate>
[[gnu::always_inline]] inline void ForEachTarget(double* y, const double* x, std::ptrdiff_t Length,
                                                 TargetUpdate Update) {
  std::ptrdiff_t k = 0;
  for (; k + kLanes <= Length; k += kLanes) {
    TLanes b;
    TLanes a;
    Load(b, y + k);
    Load(a, x + k);
    Update(b, a);
    Store(y + k, b);
  }
  for (; k < Length; ++k) Update(y[k], x[k]);
}

template <class ElementUpdate>
[[gnu::always_inline]] inline void ForEachElement(double* x, std::ptrdiff_t Length,
                                                  ElementUpdate Update) {
  std::ptrdiff_t k = 0;
  for (; k + kLanes <= Length; k += kLanes) {
    TLanes a;
    Load(a, x + k);
    Update(a);
    Store(x + k, a);
  }
  for (; k < Length; ++k) Update(x[k]);
}

}  // namespace

// Each kernel is compiled twice and the dynamic loader picks the clone through a resolver that it
// runs while relocating the program, before any runtime library is initialised. ThreadSanitizer
// instruments that resolver like any other function, and its entry hook then dereferences thread
// state that does not exist yet; under that sanitizer only the baseline clone is built.
#if defined(__SANITIZE_THREAD__)
#define QOR_VECTOR_CLONES
#else
#define QOR_VECTOR_CLONES [[gnu::target_clones("avx2", "default")]]
#endif

QOR_VECTOR_CLONES void JacobiRotate(double* x, double* y, std::ptrdiff_t Length, double s,
                                    double tau) {
  ForEachPair(x, y, Length, [s, tau](auto& a, auto& b) {
    const auto a0 = a;
    a = a0 - s * (b + a0 * tau);
    b = b + s * (a0 - b * tau);
  });
}

void JacobiRotateStrided(double* x, double* y, std::ptrdiff_t Stride, std::ptrdiff_t Length,
                         double s, double tau) {
  for (std::ptrdiff_t k = 0; k < Length; ++k) {
    const double a = x[k];
    const double b = y[k * Stride];
    x[k] = a - s * (b + a * tau);
    y[k * Stride] = b + s * (a - b * tau);
  }
}

QOR_VECTOR_CLONES void PlaneRotate(double* x, double* y, std::ptrdiff_t Length, double c,
                                   double s) {
  ForEachPair(x, y, Length, [c, s](auto& a, auto& b) {
    const auto a0 = a;
    a = a0 * c + b * s;
    b = b * c - a0 * s;
  });
}

QOR_VECTOR_CLONES void AddScaled(double* y, const double* x, std::ptrdiff_t Length, double Factor) {
  ForEachTarget(y, x, Length, [Factor](auto& b, const auto& a) { b = b + Factor * a; });
}

QOR_VECTOR_CLONES void SubtractScaled(double* y, const double* x, std::ptrdiff_t Length,
                                      double Factor) {
  ForEachTarget(y, x, Length, [Factor](auto& b, const auto& a) { b = b - Factor * a; });
}

QOR_VECTOR_CLONES void SubtractScaled4(double* y, const double* const Columns[4],
                                       std::ptrdiff_t Length, const double Factors[4]) {
  const double* x0 = Columns[0];
  const double* x1 = Columns[1];
  const double* x2 = Columns[2];
  const double* x3 = Columns[3];
  const double f0 = Factors[0], f1 = Factors[1], f2 = Factors[2], f3 = Factors[3];
  std::ptrdiff_t k = 0;
  for (; k + kLanes <= Length; k += kLanes) {
    TLanes acc, a0, a1, a2, a3;
    Load(acc, y + k);
    Load(a0, x0 + k);
    Load(a1, x1 + k);
    Load(a2, x2 + k);
    Load(a3, x3 + k);
    acc = acc - f0 * a0;
    acc = acc - f1 * a1;
    acc = acc - f2 * a2;
    acc = acc - f3 * a3;
    Store(y + k, acc);
  }
  for (; k < Length; ++k) y[k] = (((y[k] - f0 * x0[k]) - f1 * x1[k]) - f2 * x2[k]) - f3 * x3[k];
}

QOR_VECTOR_CLONES void Scale(double* x, std::ptrdiff_t Length, double Factor) {
  ForEachElement(x, Length, [Factor](auto& a) { a = a * Factor; });
}

QOR_VECTOR_CLONES double Dot(const double* x, const double* y, std::ptrdiff_t Length) {
  TLanes sum = {0.0, 0.0, 0.0, 0.0};
  std::ptrdiff_t k = 0;
  for (; k + kLanes <= Length; k += kLanes) {
    TLanes a;
    TLanes b;
    Load(a, x + k);
    Load(b, y + k);
    sum = sum + a * b;
  }
  double lane[kLanes];
  std::memcpy(lane, &sum, sizeof sum);
  for (; k < Length; ++k) lane[k % kLanes] = lane[k % kLanes] + x[k] * y[k];
  return ((lane[0] + lane[1]) + lane[2]) + lane[3];
}

QOR_VECTOR_CLONES void SubtractRowTerms(double* Acc, const double* Coeff, const double* Rows,
                                        std::ptrdiff_t Count) {
  static_assert(kRowTermWidth == 2 * kLanes);
  TLanes low;
  TLanes high;
  Load(low, Acc);
  Load(high, Acc + kLanes);
  for (std::ptrdiff_t k = 0; k < Count; ++k) {
    const double* row = Rows + k * kRowTermWidth;
    TLanes rowLow;
    TLanes rowHigh;
    Load(rowLow, row);
    Load(rowHigh, row + kLanes);
    low = low - Coeff[k] * rowLow;
    high = high - Coeff[k] * rowHigh;
  }
  Store(Acc, low);
  Store(Acc + kLanes, high);
}

}  // namespace qor::detail
