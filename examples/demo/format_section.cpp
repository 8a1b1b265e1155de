// Number texts, angles and sorting of plain arrays.
#include <span>
#include <vector>

#include "qor/qormath.h"
#include "sections.h"

namespace demo {

void FormatSection(std::ostream& Out) {
  Out << "\n-- Number texts --\n";
  Out << "  Hex(-1, 8) = " << qor::Hex(-1, 8) << "   Bin(5, 4) = " << qor::Bin(5, 4)
      << "   Roman(1994) = " << qor::Roman(1994) << "\n";
  Out << "  bits of 0.1: " << qor::FPNumToHex(0.1)
      << "   read back equal: " << (qor::HexToDouble(qor::FPNumToHex(0.1)) == 0.1 ? "yes" : "no")
      << "\n";
  for (double x : {4700.0, 0.00047, -1500.0})
    Out << "  " << qor::strf(x, 10, -2) << "   " << qor::MakeEFormat(x, 12, 4) << "   "
        << qor::EEngStr(x, 3) << "\n";

  Out << "\n-- Angles --\n";
  for (qor::TDegreeFormat Format : {qor::dfDecimal, qor::dfDegMin, qor::dfDegMinSec})
    Out << "  " << qor::DegreeToStr(48.2083, Format, 2) << "\n";
  int32_t Position = 0;
  int32_t Format = -1;
  const double Angle = qor::ScanDegrees("-0\xC2\xB0 30' 36\"", Position, true, Format);
  Out << "  -0\xC2\xB0 30' 36\" reads as " << qor::strff(Angle, 1, 2) << " degrees\n";

  Out << "\n-- Sorting and selection --\n";
  std::vector<double> Data = {5, -1, 3.5, 9, 0, 2};
  const double Median = qor::QuickSelect(Data, 2, 0, 5);
  qor::SortArray(std::span<double>(Data), true);
  Out << "  sorted:";
  for (double x : Data) Out << " " << qor::strff(x, 1, 1);
  Out << "   third smallest: " << qor::strff(Median, 1, 1) << "\n";
  std::vector<double> Best = {1e9, 1e9, 1e9};  // the three smallest values offered
  for (double x : {7.0, 3.0, 8.0, 1.0, 5.0})
    qor::SortIntoArray(std::span<double>(Best), x, true, false);
  Out << "  three smallest of 7 3 8 1 5:";
  for (double x : Best) Out << " " << qor::strff(x, 1, 0);
  Out << "\n";
}

}  // namespace demo
