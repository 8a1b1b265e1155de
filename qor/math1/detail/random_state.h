// The mutable state of the math1 unit: the cached second variate of GRandom and the three
// states of LongRand. Built on first use by the unit's start-up rule (cache empty, each state
// round(r * 990000) for a fresh uniform r from qor::Random).
#pragma once

#include <array>
#include <cstdint>

namespace qor::detail {

struct TMath1RandomState {
  TMath1RandomState();

  bool GaussCached = false;
  double GaussValue = 0;
  std::array<int32_t, 3> LongRandSeeds{};
};

TMath1RandomState& Math1RandomState();

}  // namespace qor::detail
