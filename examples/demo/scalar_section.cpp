// Axis ticks from CalcScalePars, a 1-2-5 rounding table and the nearest point of an ellipse.
#include "qor/qormath.h"
#include "sections.h"

namespace demo {

void ScalarSection(std::ostream& Out) {
  Out << "\n-- Axis ticks --\n";
  struct TAxis {
    long double A, B;
    int32_t NumTicks;
  };
  for (const TAxis& Axis : {TAxis{0, 100, 4}, TAxis{100, 0, 4}, TAxis{-0.37L, 2.9L, 6}}) {
    long double FirstTick, Distance;
    uint16_t NumMinor;
    qor::CalcScalePars(Axis.NumTicks, Axis.A, Axis.B, FirstTick, Distance, NumMinor);
    Out << "  " << qor::strff(Axis.A, 6, 2) << " .. " << qor::strff(Axis.B, 6, 2) << ", "
        << Axis.NumTicks << " ticks: step " << qor::strff(Distance, 1, 2) << ", " << NumMinor
        << " minor, ticks";
    for (long double Tick = FirstTick; (Axis.B - Tick) * Distance >= 0; Tick += Distance)
      Out << " " << qor::strff(Tick, 1, 2);
    Out << "\n";
  }

  Out << "\n-- 1-2-5 roundings --\n"
      << "          x     nearest        up      down\n";
  for (double x : {0.0123, 0.2, 2.1, 7.0, 270.0, -2.1, -7.0})
    Out << qor::strff(x, 11, 4) << qor::strff(qor::Round125(x), 12, 4)
        << qor::strff(qor::RoundPos125(x), 10, 4) << qor::strff(qor::RoundNeg125(x), 10, 4) << "\n";

  Out << "\n-- Nearest point of the ellipse (x/3)^2 + (y/2)^2 = 1 --\n";
  for (const qor::TPointDouble& P : {qor::TPointDouble{4, 3}, qor::TPointDouble{0.5, 0.5}}) {
    qor::TPointDouble Nearest;
    const double D = qor::DistFromEllipse(P, 0, 0, 3, 2, Nearest);
    Out << "  from (" << qor::strff(P.x, 1, 2) << ", " << qor::strff(P.y, 1, 2) << "): ("
        << qor::strff(Nearest.x, 1, 6) << ", " << qor::strff(Nearest.y, 1, 6) << ") at distance "
        << qor::strff(D, 1, 6) << "\n";
  }
}

}  // namespace demo
