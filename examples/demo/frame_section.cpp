// Compensated summation against plain summation, and the platform's number layouts.
#include <iomanip>

#include "qor/qormath.h"
#include "sections.h"

namespace demo {

void FrameSection(std::ostream& Out) {
  Out << "\n-- Compensated summation --\n";
  qor::TKahanSum Kahan;
  double Plain = 0;
  Kahan.Add(1.0);
  Plain += 1.0;
  for (int i = 0; i < 10'000'000; ++i) {
    Kahan.Add(1e-16);
    Plain += 1e-16;
  }
  Out << "1 + 1e-16 added ten million times (exact: 1.000000001)\n"
      << "  plain:       " << qor::strff(Plain, 1, 15) << "\n"
      << "  compensated: " << qor::strff(Kahan.Sum, 1, 15) << "\n";

  Out << "\n-- Number layouts --\n";
  for (long double x : {1234.0L, -0.000125L, 6.02214076e23L})
    Out << "  fixed " << qor::StrFloat(x, 14, 4) << "   exponential " << qor::StrFloat(x, 14, -1)
        << "\n";
}

}  // namespace demo
