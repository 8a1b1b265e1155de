// TKahanSum: compensated summation of a stream of doubles.
//
// Each Add carries the low-order bits lost by the previous additions in a running compensation
// (Kahan 1965), so the total of n terms has an error bound independent of n instead of growing
// with it. Every intermediate is rounded to double; the build keeps floating-point contraction
// off, so no fused multiply-add or reassociation can undo the compensation.
#pragma once

#include <string>

#include "qor/frame/component.h"

namespace qor {

class TKahanSum : public TComponent {
 public:
  explicit TKahanSum(TComponent* AOwner = nullptr) : TComponent(AOwner) { Reset(); }
  std::string ClassName() const override { return "TKahanSum"; }

  void Reset() {
    cps = 0;
    Sum = 0;
  }

  void Add(double ANumber) {
    const double y = ANumber - cps;
    const double t = Sum + y;
    cps = (t - Sum) - y;
    Sum = t;
  }

  double Sum = 0;  // the running total, read directly by callers

 private:
  double cps = 0;  // the running compensation
};

}  // namespace qor
