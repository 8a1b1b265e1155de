// Universal constants of the base library: the table of ln n!, type maxima and two roots.
//
// uc_LnFactorial[n] = ln(n!) for n = 0..1000 (0-based, so uc_LnFactorial[0] = ln 0! = 0), each
// the double nearest the exact value (scripts/gen_ln_factorial.py computes them in 60-digit
// decimal arithmetic). Indexing beyond 1000 is the caller's error; at() raises
// std::out_of_range. uc_MaxReal is the largest finite double, like uc_MaxDouble.
#pragma once

#include <array>
#include <cstdint>
#include <limits>

namespace qor {

inline constexpr int32_t uc_LnFactorialMax = 1000;
extern const std::array<double, uc_LnFactorialMax + 1> uc_LnFactorial;

inline constexpr int64_t uc_MaxInt64 = std::numeric_limits<int64_t>::max();
inline constexpr double uc_MaxDouble = std::numeric_limits<double>::max();
inline constexpr float uc_MaxSingle = std::numeric_limits<float>::max();
inline constexpr double uc_MaxReal = std::numeric_limits<double>::max();
inline constexpr double uc_sqrt2pitom1 = 0.3989422804014327;  // 1 / sqrt(2 pi)
inline constexpr double uc_sqrt2 = 1.4142135623730951;        // sqrt(2)

}  // namespace qor
