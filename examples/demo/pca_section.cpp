// The typical multivariate request: observations into a TMatrix, columns standardised,
// principal components through the process-wide eigen store, with a progress line.
//
// Data: Longley's macroeconomic series of the United States, 1947-1962 (J. W. Longley, "An
// appraisal of least squares programs for the electronic computer from the point of view of
// the user", JASA 62, 1967), as published in NIST's Statistical Reference Datasets (public
// domain): employment, GNP deflator, GNP, unemployment, armed forces, population, year.
#include <cmath>
#include <iomanip>
#include <string>

#include "qor/qormath.h"
#include "sections.h"

namespace demo {
namespace {

constexpr int kYears = 16;
constexpr int kVariables = 7;
const char* const kNames[kVariables] = {"employed", "deflator", "GNP", "unemployed",
                                        "armed",    "populatn", "year"};
constexpr double kLongley[kYears][kVariables] = {{60323, 83.0, 234289, 2356, 1590, 107608, 1947},
                                                 {61122, 88.5, 259426, 2325, 1456, 108632, 1948},
                                                 {60171, 88.2, 258054, 3682, 1616, 109773, 1949},
                                                 {61187, 89.5, 284599, 3351, 1650, 110929, 1950},
                                                 {63221, 96.2, 328975, 2099, 3099, 112075, 1951},
                                                 {63639, 98.1, 346999, 1932, 3594, 113270, 1952},
                                                 {64989, 99.0, 365385, 1870, 3547, 115094, 1953},
                                                 {63761, 100.0, 363112, 3578, 3350, 116219, 1954},
                                                 {66019, 101.2, 397469, 2904, 3048, 117388, 1955},
                                                 {67857, 104.6, 419180, 2822, 2857, 118734, 1956},
                                                 {68169, 108.4, 442769, 2936, 2798, 120445, 1957},
                                                 {66513, 110.8, 444546, 4681, 2637, 121950, 1958},
                                                 {68655, 112.6, 482704, 3813, 2552, 123366, 1959},
                                                 {69564, 114.2, 502601, 3931, 2514, 125368, 1960},
                                                 {69331, 115.7, 518173, 4806, 2572, 127852, 1961},
                                                 {70551, 116.9, 554894, 4007, 2827, 130081, 1962}};

std::ostream* ProgressOut = nullptr;
double ProgressStart = 0;

// A one-line progress display fed by MathFeedBackProc: a mark every 20 steps.
void ShowProgress(double Steps) {
  if (static_cast<long>(Steps - ProgressStart) % 20 == 0) *ProgressOut << '.';
}

void Standardize(qor::TMatrix& X) {
  for (int c = 1; c <= X.NrOfColumns(); ++c) {
    double sum = 0, squares = 0;
    for (int r = 1; r <= X.NrOfRows(); ++r) sum += X.Elem(c, r);
    const double mean = sum / X.NrOfRows();
    for (int r = 1; r <= X.NrOfRows(); ++r) squares += std::pow(X.Elem(c, r) - mean, 2);
    const double deviation = std::sqrt(squares / (X.NrOfRows() - 1));
    for (int r = 1; r <= X.NrOfRows(); ++r) X.SetVal(c, r, (X.Elem(c, r) - mean) / deviation);
  }
}

}  // namespace

void PcaSection(std::ostream& Out) {
  Out << "\n-- Principal components (Longley 1947-1962, 7 standardised variables) --\n";
  qor::TMatrix X;
  X.Resize(kVariables, kYears);
  for (int r = 1; r <= kYears; ++r)
    for (int c = 1; c <= kVariables; ++c) X.SetVal(c, r, kLongley[r - 1][c - 1]);
  Standardize(X);

  ProgressOut = &Out;
  ProgressStart = qor::ProcStat;
  qor::MathFeedBackProc = ShowProgress;
  Out << "  progress ";
  const bool ok = qor::CalcPrincComp(&X, 0, 0, 0, 0, 1);
  qor::MathFeedBackProc = nullptr;
  Out << " " << qor::ProcStat - ProgressStart << " steps\n";
  if (!ok) {
    Out << "  the analysis did not converge\n";
    return;
  }

  Out << "  component   share   cumulative\n";
  double cumulative = 0;
  for (int k = 1; k <= qor::GetEigenSize(); ++k) {
    const double share = qor::GetEigenResult(k, 0);
    cumulative += share;
    Out << "  PC" << k << "       " << qor::strff(100 * share, 6, 2) << "%  "
        << qor::strff(100 * cumulative, 7, 2) << "%\n";
  }
  Out << "  loadings    " << std::setw(9) << "PC1" << std::setw(9) << "PC2"
      << "\n";
  for (int c = 1; c <= kVariables; ++c)
    Out << "  " << std::left << std::setw(10) << kNames[c - 1] << std::right
        << qor::strff(qor::GetEigenResult(1, c), 9, 3)
        << qor::strff(qor::GetEigenResult(2, c), 9, 3) << "\n";
}

}  // namespace demo
