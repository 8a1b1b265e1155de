// Straight lines: construction, intersection, distance and clipping to a box.
#include <numbers>

#include "qor/qormath.h"
#include "sections.h"

namespace demo {

void SLineSection(std::ostream& Out) {
  Out << "\n-- Straight lines --\n";
  qor::TSLine Line;
  Line.LineFrom2Points(0, 0.5, 2, 2.5);
  Out << "  through (0, 0.5) and (2, 2.5): a " << qor::strff(Line.ParA(), 1, 2) << ", b "
      << qor::strff(Line.ParB(), 1, 2) << ", c " << qor::strff(Line.ParC(), 1, 2) << "\n  slope "
      << qor::strff(Line.Slope(), 1, 3) << ", intercept " << qor::strff(Line.Intercept(), 1, 3)
      << ", direction " << qor::strff(Line.Direction() * 180 / std::numbers::pi, 1, 1) << " deg\n";

  qor::TSLine Normal;
  Normal.NormalLine(3, 0, Line);
  double x = 0;
  double y = 0;
  if (Normal.InterSection(Line, x, y))
    Out << "  foot of the normal from (3, 0): (" << qor::strff(x, 1, 4) << ", "
        << qor::strff(y, 1, 4) << "), distance " << qor::strff(Line.Distance(3, 0), 1, 4)
        << ", angle " << qor::strff(Normal.AngleBetweenLines(Line), 1, 6) << " rad\n";

  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  if (Line.ClipBox(0, 0, 1, 1, x1, y1, x2, y2))
    Out << "  inside the unit box: (" << qor::strff(x1, 1, 2) << ", " << qor::strff(y1, 1, 2)
        << ") to (" << qor::strff(x2, 1, 2) << ", " << qor::strff(y2, 1, 2) << ")\n";
  try {
    qor::TSLine Vertical;
    Vertical.SetParA(1);
    Vertical.SetParB(0);
    Vertical.GetSlope();
  } catch (const qor::EQORSLineError& E) {
    Out << "  slope of a vertical line raises: " << E.what() << "\n";
  }
}

}  // namespace demo
