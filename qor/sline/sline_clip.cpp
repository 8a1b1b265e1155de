#include <array>
#include <cmath>

#include "qor/frame/types.h"
#include "qor/sline/sline.h"

namespace qor {
namespace {

bool InClosedRange(double v, double Low, double High) { return Low <= v && v <= High; }

}  // namespace

// The part of a line inside a box is a segment whose end points lie on the border, so they are
// among the edge crossings, and they are the two crossings farthest apart. The substitution for
// a zero coefficient sends the crossings with edges that an axis-parallel line does not meet
// far outside the box, but puts the crossing with an edge the line lies on at an arbitrary
// point of that edge; keeping the farthest pair discards that point.
bool TSLine::ClipBox(double bllx, double blly, double burx, double bury, double& x1, double& y1,
                     double& x2, double& y2) const {
  const std::array<TPointDouble, 4> Candidates = {
      TPointDouble{bllx, SubstitutedY(bllx, true)}, TPointDouble{burx, SubstitutedY(burx, true)},
      TPointDouble{SubstitutedX(blly, true), blly}, TPointDouble{SubstitutedX(bury, true), bury}};
  const std::array<bool, 4> OnBorder = {
      InClosedRange(Candidates[0].y, blly, bury), InClosedRange(Candidates[1].y, blly, bury),
      InClosedRange(Candidates[2].x, bllx, burx), InClosedRange(Candidates[3].x, bllx, burx)};
  std::array<TPointDouble, 4> Kept;
  int NrOfKept = 0;
  for (int i = 0; i < 4; ++i)
    if (OnBorder[i]) Kept[NrOfKept++] = Candidates[i];
  if (NrOfKept == 0) return false;

  // Strictly longer pairs replace earlier ones, so ties keep the candidate order and a single
  // point (or several coinciding ones) comes back as both ends.
  int First = 0;
  int Second = 0;
  double Farthest = 0;
  for (int i = 0; i < NrOfKept; ++i) {
    for (int j = i + 1; j < NrOfKept; ++j) {
      const double Length = std::hypot(Kept[j].x - Kept[i].x, Kept[j].y - Kept[i].y);
      if (Length > Farthest) {
        Farthest = Length;
        First = i;
        Second = j;
      }
    }
  }
  x1 = Kept[First].x;
  y1 = Kept[First].y;
  x2 = Kept[Second].x;
  y2 = Kept[Second].y;
  return true;
}

}  // namespace qor
