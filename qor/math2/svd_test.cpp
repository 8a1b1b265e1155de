#include "qor/math2/svd.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <ostream>
#include <sstream>
#include <string>

#include "qor/math2/math2_test_support.h"

namespace qor {
namespace {

using testing::kEps;
using testing::TDense;

// A NIST StRD linear regression file pair: observations from <Name>.dat (y first, after the
// comment lines) and from <Name>.json the certified parameter estimates, their standard
// deviations and the residual standard deviation.
struct TRegressionData {
  std::vector<std::vector<double>> rows;
  std::vector<double> estimates;
  std::vector<double> deviations;
  double residualDeviation = 0.0;
};

// Every number following "Key": in the text, in order.
std::vector<double> NumbersAfter(const std::string& Text, const std::string& Key) {
  const std::string quoted = "\"" + Key + "\":";
  std::vector<double> numbers;
  for (std::size_t at = Text.find(quoted); at != std::string::npos; at = Text.find(quoted, at + 1))
    numbers.push_back(std::stod(Text.substr(at + quoted.size())));
  return numbers;
}

TRegressionData ReadNist(const std::string& Name) {
  const std::string base = "testdata/nist/linear_regression/" + Name;
  TRegressionData data;
  std::ifstream dat(base + ".dat");
  for (std::string line; std::getline(dat, line);) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    std::vector<double> row;
    for (double v; fields >> v;) row.push_back(v);
    data.rows.push_back(row);
  }
  std::ifstream json(base + ".json");
  const std::string text((std::istreambuf_iterator<char>(json)), std::istreambuf_iterator<char>());
  data.estimates = NumbersAfter(text, "estimate");
  data.deviations = NumbersAfter(text, "standard_deviation");
  const std::vector<double> residual = NumbersAfter(text, "residual_standard_deviation");
  if (residual.size() == 1) data.residualDeviation = residual[0];
  return data;
}

// Fits y on a constant column and the remaining columns: the coefficients x and the roots s of
// diag((AᵀA)⁻¹).
struct TFit {
  std::vector<double> x, s;
};

TFit FitWithIntercept(const TRegressionData& Data, bool& NearSingular) {
  const auto m = static_cast<int32_t>(Data.rows.size());
  const auto n = static_cast<int32_t>(Data.rows[0].size());
  TMatrix design;
  design.Resize(n, m);
  std::vector<double> y(m);
  for (int32_t r = 1; r <= m; ++r) {
    design.SetVal(1, r, 1.0);
    for (int32_t c = 2; c <= n; ++c) design.SetVal(c, r, Data.rows[r - 1][c - 1]);
    y[r - 1] = Data.rows[r - 1][0];
  }
  TVector b, x, s;
  b.AssignArray(y);
  EXPECT_TRUE(SingValLinFit(&design, &b, &x, NearSingular, &s));
  return {testing::ValuesOf(x), testing::ValuesOf(s)};
}

// The significant digits the decomposition reaches on every certified estimate and standard
// deviation (the latter as s times the certified residual deviation), rounded down: Longley's
// worst are 10.0 (B5) and 10.5, Norris's 12.2 (B0) and 14.6; Longley's bound is taken one digit
// lower, its worst estimate sitting on the tenth. Longley's design is ill-conditioned as given
// (κ₂ ≈ 5·10⁹, a constant column beside nearly collinear columns of up to 10⁵); with double
// intermediates the same decomposition keeps about 6 digits of it.
constexpr double kLongleyDigits = 9;
constexpr double kNorrisDigits = 12;

struct TNistCase {
  const char* name;
  double digits;
};

void PrintTo(const TNistCase& Case, std::ostream* Out) { *Out << Case.name; }

class NistLinearRegression : public ::testing::TestWithParam<TNistCase> {};

TEST_P(NistLinearRegression, ReproducesTheCertifiedEstimatesAndDeviations) {
  const TRegressionData data = ReadNist(GetParam().name);
  ASSERT_FALSE(data.rows.empty());
  ASSERT_EQ(data.deviations.size(), data.estimates.size());
  bool nearSingular = true;
  const TFit fit = FitWithIntercept(data, nearSingular);
  EXPECT_FALSE(nearSingular);
  ASSERT_EQ(fit.x.size(), data.estimates.size());
  const double tolerance = std::pow(10.0, -GetParam().digits);
  for (std::size_t k = 0; k < fit.x.size(); ++k) {
    EXPECT_NEAR(fit.x[k] / data.estimates[k], 1.0, tolerance) << "B" << k;
    EXPECT_NEAR(fit.s[k] * data.residualDeviation / data.deviations[k], 1.0, tolerance) << "B" << k;
  }
}

INSTANTIATE_TEST_SUITE_P(Certified, NistLinearRegression,
                         ::testing::Values(TNistCase{"Longley", kLongleyDigits},
                                           TNistCase{"Norris", kNorrisDigits}),
                         [](const auto& Case) { return std::string(Case.param.name); });

TEST(SingValLinFit, EqualColumnsAreNearSingularAndStillSolved) {
  TMatrix design;
  testing::SetRows(design, {{1, 1}, {2, 2}, {3, 3}});
  TVector b, x, s;
  b.AssignArray(std::vector<double>{2, 4, 6});
  bool nearSingular = false;
  ASSERT_TRUE(SingValLinFit(&design, &b, &x, nearSingular, &s));
  EXPECT_TRUE(nearSingular);
  // The minimum-norm solution of x1 + x2 = 2 is (1, 1).
  EXPECT_NEAR(x.GetVal(1), 1.0, 64 * kEps);
  EXPECT_NEAR(x.GetVal(2), 1.0, 64 * kEps);
}

// The four Moore-Penrose conditions: A P A = A, P A P = P, (A P)ᵀ = A P, (P A)ᵀ = P A.
void ExpectMoorePenrose(const TDense& A, const TDense& P, std::ptrdiff_t m, std::ptrdiff_t n) {
  using detail::testing::Product;
  using detail::testing::Transposed;
  const double tolerance = 64 * kEps * std::max(m, n) * std::max(1.0, detail::testing::MaxAbs(P));
  const TDense ap = Product(A, P, m, n, m);
  const TDense pa = Product(P, A, n, m, n);
  EXPECT_LE(detail::testing::MaxAbsDifference(Product(ap, A, m, m, n), A), tolerance);
  EXPECT_LE(detail::testing::MaxAbsDifference(Product(pa, P, n, n, m), P), tolerance);
  EXPECT_LE(detail::testing::MaxAbsDifference(Transposed(ap, m, m), ap), tolerance);
  EXPECT_LE(detail::testing::MaxAbsDifference(Transposed(pa, n, n), pa), tolerance);
}

TEST(PseudoInverse, AllOnesIsAQuarter) {
  TMatrix a, p;
  testing::SetRows(a, {{1, 1}, {1, 1}});
  ASSERT_TRUE(PseudoInverse(&a, &p, 0.0));
  for (const double v : p.Data()) EXPECT_NEAR(v, 0.25, 16 * kEps);
}

TEST(PseudoInverse, MoorePenroseConditionsOnFullAndDeficientRank) {
  const int32_t m = 7, n = 4;
  TDense full = detail::testing::RandomMatrix(m, n, 12);
  TDense deficient = full;
  for (int32_t r = 0; r < m; ++r) deficient[3 * m + r] = deficient[r] + deficient[m + r];
  struct TShaped {
    TDense values;
    int32_t rows, cols;
  };
  for (const auto& [values, rows, cols] :
       {TShaped{full, m, n}, TShaped{deficient, m, n},
        TShaped{detail::testing::Transposed(full, m, n), n, m}}) {
    TMatrix a, p;
    testing::SetDense(a, values, rows, cols);
    ASSERT_TRUE(PseudoInverse(&a, &p, 0.0));
    ASSERT_EQ(p.NrOfRows(), cols);
    ASSERT_EQ(p.NrOfColumns(), rows);
    EXPECT_EQ(testing::DenseOf(a), values);
    ExpectMoorePenrose(values, testing::DenseOf(p), rows, cols);
  }
}

TEST(PseudoInverse, NonSingularSquareIsTheInverse) {
  TMatrix a, p;
  testing::SetRows(a, {{4, 7}, {2, 6}});  // inverse (1/10) [[6, -7], [-2, 4]]
  ASSERT_TRUE(PseudoInverse(&a, &p, 0.0));
  const double tolerance = 64 * kEps;
  EXPECT_NEAR(p.GetVal(1, 1), 0.6, tolerance);
  EXPECT_NEAR(p.GetVal(2, 1), -0.7, tolerance);
  EXPECT_NEAR(p.GetVal(1, 2), -0.2, tolerance);
  EXPECT_NEAR(p.GetVal(2, 2), 0.4, tolerance);
}

TEST(SingValDecomp, OrderedFactorsReconstructAndSolve) {
  const int32_t m = 6, n = 3;
  const TDense values = detail::testing::RandomMatrix(m, n, 21);
  TMatrix u, v;
  TVector w;
  testing::SetDense(u, values, m, n);
  SingValDecomp(&u, &v, &w);
  const std::vector<double> sigma = testing::ValuesOf(w);
  ASSERT_EQ(sigma.size(), 3u);
  EXPECT_GE(sigma[0], sigma[1]);
  EXPECT_GE(sigma[1], sigma[2]);
  TDense us = testing::DenseOf(u);
  for (int32_t j = 0; j < n; ++j)
    for (int32_t i = 0; i < m; ++i) us[j * m + i] *= sigma[j];
  const TDense usvt =
      detail::testing::Product(us, detail::testing::Transposed(testing::DenseOf(v), n, n), m, n, n);
  EXPECT_LE(detail::testing::MaxAbsDifference(usvt, values), 64 * kEps * m);

  // b = A (1, -2, 3) is solved exactly.
  std::vector<double> b(m);
  for (int32_t i = 0; i < m; ++i) b[i] = values[i] - 2 * values[m + i] + 3 * values[2 * m + i];
  TVector rhs, x;
  rhs.AssignArray(b);
  SingValEquSolve(&u, &v, &w, &rhs, &x, nullptr);
  const double tolerance = 64 * kEps * m * sigma[0] / sigma[2];
  EXPECT_NEAR(x.GetVal(1), 1.0, tolerance);
  EXPECT_NEAR(x.GetVal(2), -2.0, tolerance);
  EXPECT_NEAR(x.GetVal(3), 3.0, tolerance);

  TVector shortRhs;
  EXPECT_THROW(SingValEquSolve(&u, &v, &w, &shortRhs, &x, nullptr), EQORMath2Error);
  EXPECT_THROW(SingValDecomp(nullptr, &v, &w), EQORMath2Error);
}

}  // namespace
}  // namespace qor
