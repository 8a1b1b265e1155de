// Shared by the vector harnesses: element comparisons that treat NaN as equal to NaN, since a
// NaN read from text or a stream comes back as some NaN, not a particular payload.
#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <span>

#include "fuzz_check.h"

namespace qor::fuzz {

// Equal within Slack(x), both NaN, or the same infinity.
template <class T, class SlackOf>
void CheckSameElements(std::span<const T> Expected, std::span<const T> Actual, SlackOf Slack) {
  Check(Expected.size() == Actual.size());
  for (size_t i = 0; i < Expected.size(); ++i) {
    const double x = static_cast<double>(Expected[i]);
    const double y = static_cast<double>(Actual[i]);
    if (std::isnan(x) || std::isnan(y)) {
      Check(std::isnan(x) && std::isnan(y));
    } else if (std::isinf(x) || std::isinf(y)) {
      Check(x == y);
    } else {
      Check(std::fabs(x - y) <= Slack(x));
    }
  }
}

template <class T>
void CheckSameElements(std::span<const T> Expected, std::span<const T> Actual) {
  CheckSameElements(Expected, Actual, [](double) { return 0.0; });
}

}  // namespace qor::fuzz
