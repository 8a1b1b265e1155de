#include "qor/matrix/detail/simd_level.h"

#include <algorithm>
#include <atomic>

namespace qor::detail {
namespace {

TSimdLevel DetectLevel() {
  __builtin_cpu_init();
  if (__builtin_cpu_supports("avx512f")) return slAvx512;
  if (__builtin_cpu_supports("avx2")) return slAvx2;
  return slSse2;
}

// The unit's dispatch state, constructed on first use.
struct TDispatchState {
  TSimdLevel Detected = DetectLevel();
  std::atomic<TSimdLevel> Active{Detected};
};

TDispatchState& DispatchState() {
  static TDispatchState State;
  return State;
}

}  // namespace

TSimdLevel DetectedSimdLevel() { return DispatchState().Detected; }

TSimdLevel ActiveSimdLevel() { return DispatchState().Active.load(std::memory_order_relaxed); }

TSimdLevel ForceSimdLevel(TSimdLevel Level) {
  TDispatchState& State = DispatchState();
  const TSimdLevel Granted = std::min(Level, State.Detected);
  State.Active.store(Granted, std::memory_order_relaxed);
  return Granted;
}

}  // namespace qor::detail
