// Distances and similarities between the rows (objects) of a whole column-major buffer.
//
// For rows x and y over all columns: Tanimoto sum xy / (sum x^2 + sum y^2 - sum xy), Manhattan
// sum |x - y|, Euclidean sqrt(sum (x - y)^2), squared Euclidean sum (x - y)^2 and Dice
// 2 sum xy / (sum x^2 + sum y^2). Every sum runs over the columns in index order, rounded to
// double after each addition; two rows of zeros give the 0 / 0 of the formula (NaN) for the
// two similarities. A row outside the matrix reads as zeros, like an element read outside it.
// The user-defined mode belongs to the component (its event) and any other mode gives 0.
//
// The full distance matrix computes each pair once. For a fixed row i it advances the sums of
// all rows j > i together, column by column, streaming down contiguous columns (a loop that
// vectorises across the pairs); each pair still adds its terms in column order, so every
// entry has exactly the bits of the single-pair routine. The results go down column i, and the
// upper triangle is mirrored from it in cache-sized blocks afterwards.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "qor/frame/enums.h"
#include "qor/matrix/detail/line_stats.h"

namespace qor::detail {

template <class T>
class TRowDistances {
 public:
  TRowDistances(const T* Data, int32_t NCols, int32_t NRows, TDistMode Mode)
      : FData(Data), FNCols(NCols), FNRows(NRows), FMode(Mode) {}

  double Between(int32_t Row1, int32_t Row2) const {
    const bool Valid1 = ValidRow(Row1), Valid2 = ValidRow(Row2);
    double Pair = 0, Square1 = 0, Square2 = 0;
    WithTerm([&](auto Term) {
      for (int32_t c = 0; c < FNCols; ++c) {
        const T* Column = ColumnAt(c);
        const double x = Valid1 ? static_cast<double>(Column[Row1 - 1]) : 0.0;
        const double y = Valid2 ? static_cast<double>(Column[Row2 - 1]) : 0.0;
        Pair += Term(x, y);
        Square1 += x * x;
        Square2 += y * y;
      }
    });
    return Finish(Pair, Square1, Square2);
  }

  // Out is NRows x NRows, column-major: Out(i, i) = 0, Out(i, j) = Out(j, i) = Between(i, j).
  void FillMatrix(double* Out) const {
    const int64_t n = FNRows;
    std::vector<double> Squares;
    if (UsesSquares())
      Squares = FoldLines(FData, FNCols, FNRows, TLines::Rows, 0.0, [](double& Sum, T Element) {
        const double x = static_cast<double>(Element);
        Sum += x * x;
      });
    const auto SquareOf = [&Squares](int64_t Row) {
      return Squares.empty() ? 0.0 : Squares[static_cast<size_t>(Row)];
    };
    std::vector<double> Pair(static_cast<size_t>(n));
    WithTerm([&](auto Term) {
      for (int64_t i = 0; i < n; ++i) {
        double* Below = Pair.data() + i + 1;
        const int64_t Count = n - i - 1;
        std::fill(Below, Below + Count, 0.0);
        for (int32_t c = 0; c < FNCols; ++c) {
          const T* Column = ColumnAt(c);
          const double x = static_cast<double>(Column[i]);
          const T* Others = Column + i + 1;
          for (int64_t k = 0; k < Count; ++k) Below[k] += Term(x, static_cast<double>(Others[k]));
        }
        Out[i * n + i] = 0;
        for (int64_t j = i + 1; j < n; ++j)
          Out[i * n + j] = Finish(Pair[static_cast<size_t>(j)], SquareOf(i), SquareOf(j));
      }
    });
    MirrorLowerToUpper(Out, n);
  }

 private:
  // Out(j, i) := Out(i, j) for i < j, in square blocks so that the strided stores stay in cache.
  static void MirrorLowerToUpper(double* Out, int64_t n) {
    constexpr int64_t kBlock = 32;
    for (int64_t BlockI = 0; BlockI < n; BlockI += kBlock)
      for (int64_t BlockJ = BlockI; BlockJ < n; BlockJ += kBlock)
        for (int64_t i = BlockI; i < std::min(BlockI + kBlock, n); ++i)
          for (int64_t j = std::max(BlockJ, i + 1); j < std::min(BlockJ + kBlock, n); ++j)
            Out[j * n + i] = Out[i * n + j];
  }

  bool ValidRow(int32_t Row) const { return Row >= 1 && Row <= FNRows; }
  const T* ColumnAt(int32_t c) const { return FData + static_cast<int64_t>(c) * FNRows; }
  bool UsesSquares() const { return FMode == dmTanimoto || FMode == dmDice; }

  // Body(Term) with the pair term of the mode as a callable, so that the loops inside Body are
  // compiled once per term and vectorise.
  template <class Body>
  void WithTerm(Body&& Run) const {
    switch (FMode) {
      case dmManhattan:
        Run([](double x, double y) { return std::fabs(x - y); });
        break;
      case dmEuclid:
      case dmEuclidSquared:
        Run([](double x, double y) {
          const double d = x - y;
          return d * d;
        });
        break;
      default:
        Run([](double x, double y) { return x * y; });
        break;
    }
  }

  double Finish(double Pair, double Square1, double Square2) const {
    switch (FMode) {
      case dmTanimoto:
        return Pair / (Square1 + Square2 - Pair);
      case dmManhattan:
      case dmEuclidSquared:
        return Pair;
      case dmEuclid:
        return std::sqrt(Pair);
      case dmDice:
        return 2 * Pair / (Square1 + Square2);
      default:
        return 0;
    }
  }

  const T* FData;
  int32_t FNCols;
  int32_t FNRows;
  TDistMode FMode;
};

}  // namespace qor::detail
