// Element arithmetic shared by the double and the integer vector.
//
// Integer vectors form sums, products and squares in 32-bit integers, as the platform's
// unchecked integer arithmetic does: results wrap modulo 2^32 instead of overflowing (callers
// keep magnitudes small, for squares at most 46340, when they want exact values). Doing the
// arithmetic on the unsigned pattern gives exactly that wrap without undefined behaviour.
// The double overloads are the plain operations, so one template serves both element types.
#pragma once

#include <cmath>
#include <cstdint>

namespace qor::detail {

inline double ElemAdd(double a, double b) { return a + b; }
inline double ElemSub(double a, double b) { return a - b; }
inline double ElemMul(double a, double b) { return a * b; }
inline double ElemAbs(double a) { return std::fabs(a); }

inline int32_t ElemAdd(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}
inline int32_t ElemSub(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) - static_cast<uint32_t>(b));
}
inline int32_t ElemMul(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) * static_cast<uint32_t>(b));
}
// |INT32_MIN| wraps to itself.
inline int32_t ElemAbs(int32_t a) { return a < 0 ? ElemSub(0, a) : a; }

// The square of an element, formed in the element type (wrapping for integers).
template <class T>
T ElemSquare(T a) {
  return ElemMul(a, a);
}

// Start values of the running minimum and maximum: every ordinary element replaces them.
inline void MinMaxStart(double& Minimum, double& Maximum) {
  Minimum = 1.7e308;
  Maximum = -1.7e308;
}
inline void MinMaxStart(int32_t& Minimum, int32_t& Maximum) {
  Minimum = INT32_MAX;
  Maximum = INT32_MIN;
}

}  // namespace qor::detail
