// Descriptive statistics and a histogram of a small data set held in a TVector.
#include <cmath>
#include <string>
#include <vector>

#include "qor/qormath.h"
#include "sections.h"

namespace demo {

void VectorSection(std::ostream& Out) {
  Out << "\n-- Vector statistics --\n";
  // Twenty measured resistor values in ohms.
  const std::vector<double> Ohms{99.2, 100.4, 101.1, 98.7, 100.0, 99.8, 100.9, 102.3, 99.5, 100.2,
                                 97.9, 100.6, 101.4, 99.9, 100.1, 98.8, 100.3, 101.8, 99.6, 100.0};
  qor::TVector Data;
  Data.AssignArray(Ohms);
  double Mean = 0, Variance = 0, Skew = 0, Kurt = 0, Lo = 0, Hi = 0;
  Data.MeanVar(0, 0, Mean, Variance);
  Data.SkewKurtSample(0, 0, Skew, Kurt);
  Data.MinMax(0, 0, Lo, Hi);
  double Q1 = 0, Median = 0, Q3 = 0;
  Data.Quartiles(0, 0, Q1, Median, Q3);
  Out << "  n " << Data.NrOfElem() << ", mean " << qor::strff(Mean, 1, 3) << ", std. dev. "
      << qor::strff(std::sqrt(Variance), 1, 3) << ", range " << qor::strff(Lo, 1, 1) << " .. "
      << qor::strff(Hi, 1, 1) << "\n  skewness " << qor::strff(Skew, 1, 3) << ", excess kurtosis "
      << qor::strff(Kurt, 1, 3) << "\n  quartiles " << qor::strff(Q1, 1, 2) << " / "
      << qor::strff(Median, 1, 2) << " / " << qor::strff(Q3, 1, 2) << ", mode "
      << qor::strff(Data.Mode(0, 0), 1, 1) << "\n";

  Out << "\n-- Histogram, bins of 1 ohm from 98 --\n";
  qor::TIntVector Counts;
  int32_t Under = 0, Over = 0, MaxCnt = 0;
  Data.Histogram(1, Data.NrOfElem(), 98, 102, 1, Counts, Under, Over, MaxCnt);
  for (int32_t b = 1; b <= Counts.NrOfElem(); ++b)
    Out << "  " << qor::strff(97 + b, 3, 0) << " .. " << qor::strff(98 + b, 3, 0) << " | "
        << std::string(static_cast<size_t>(Counts[b]), '#') << "\n";
  Out << "  below 98: " << Under << ", from 103: " << Over << "\n";
}

}  // namespace demo
