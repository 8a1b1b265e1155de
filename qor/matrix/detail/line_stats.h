// Reductions and element transforms applied to every column or every row of a whole
// column-major buffer of NCols x NRows elements (the layout of cell_block.h).
//
// A column is contiguous and is folded down its rows, several columns side by side. A row is
// strided; instead of walking it, the rows are folded all at once, column by column, into one
// accumulator per row, which streams through memory and vectorises across the independent rows
// while each row still sees its elements in column order, so the result is bit-identical to folding
// the row on its own. Buffers without elements produce results of length 0 (no rows or no columns
// to report on) or per-line results over zero elements.
#pragma once

#include <cmath>
#include <cstdint>
#include <span>
#include <vector>

#include "qor/frame/constants.h"
#include "qor/frame/enums.h"
#include "qor/matrix/detail/block_stats.h"

namespace qor::detail {

enum class TLines : uint8_t { Columns, Rows };

// Number of lines of the given kind, and the number of elements in each.
inline int32_t LineCount(TLines Lines, int32_t NCols, int32_t NRows) {
  return Lines == TLines::Columns ? NCols : NRows;
}
inline int32_t LineLength(TLines Lines, int32_t NCols, int32_t NRows) {
  return Lines == TLines::Columns ? NRows : NCols;
}

// One accumulator per line, each started at Start and advanced by Step(Acc&, x) for the line's
// elements in index order.
template <class Acc, class T, class Step>
std::vector<Acc> FoldLines(const T* Data, int32_t NCols, int32_t NRows, TLines Lines,
                           const Acc& Start, Step&& Advance) {
  std::vector<Acc> Result(static_cast<size_t>(LineCount(Lines, NCols, NRows)), Start);
  if (NCols == 0 || NRows == 0) return Result;
  if (Lines == TLines::Rows) {
    for (int32_t c = 0; c < NCols; ++c) {
      const T* Column = Data + static_cast<int64_t>(c) * NRows;
      Acc* Rows = Result.data();
      for (int32_t r = 0; r < NRows; ++r) Advance(Rows[r], Column[r]);
    }
    return Result;
  }
  // Columns go in groups whose accumulators advance side by side, so the additions of
  // different columns overlap instead of each waiting for its predecessor.
  constexpr int32_t kGroup = 4;
  int32_t c = 0;
  for (; c + kGroup <= NCols; c += kGroup) {
    const T* Column = Data + static_cast<int64_t>(c) * NRows;
    Acc Group[kGroup];
    for (int32_t k = 0; k < kGroup; ++k) Group[k] = Start;
    for (int32_t r = 0; r < NRows; ++r)
      for (int32_t k = 0; k < kGroup; ++k) Advance(Group[k], Column[k * NRows + r]);
    for (int32_t k = 0; k < kGroup; ++k) Result[static_cast<size_t>(c + k)] = Group[k];
  }
  for (; c < NCols; ++c) {
    const T* Column = Data + static_cast<int64_t>(c) * NRows;
    Acc& Line = Result[static_cast<size_t>(c)];
    for (int32_t r = 0; r < NRows; ++r) Advance(Line, Column[r]);
  }
  return Result;
}

// x := Map(x, Parameter[line]) for every element of the buffer.
template <class T, class P, class MapElement>
void TransformLines(T* Data, int32_t NCols, int32_t NRows, TLines Lines,
                    std::span<const P> Parameter, MapElement&& Map) {
  for (int32_t c = 0; c < NCols; ++c) {
    T* Column = Data + static_cast<int64_t>(c) * NRows;
    if (Lines == TLines::Columns) {
      const P& Line = Parameter[static_cast<size_t>(c)];
      for (int32_t r = 0; r < NRows; ++r) Column[r] = Map(Column[r], Line);
    } else {
      for (int32_t r = 0; r < NRows; ++r) Column[r] = Map(Column[r], Parameter[r]);
    }
  }
}

// MeanVar (block_stats.h) of every line.
template <class T>
std::vector<TMeanVar> LineMeanVars(const T* Data, int32_t NCols, int32_t NRows, TLines Lines) {
  struct TSums {
    double Sum = 0;
    double SumOfSquares = 0;
  };
  const std::vector<TSums> Sums =
      FoldLines(Data, NCols, NRows, Lines, TSums{}, [](TSums& Acc, T Element) {
        const double x = static_cast<double>(Element);
        Acc.Sum += x;
        Acc.SumOfSquares += x * x;
      });
  const int64_t n = LineLength(Lines, NCols, NRows);
  std::vector<TMeanVar> Result(Sums.size());
  for (size_t i = 0; i < Sums.size(); ++i)
    Result[i] = MeanVarFromSums(n, Sums[i].Sum, Sums[i].SumOfSquares);
  return Result;
}

// Sum of every line divided by its length: the line means (0 for lines without elements).
template <class T>
std::vector<double> LineMeans(const T* Data, int32_t NCols, int32_t NRows, TLines Lines) {
  std::vector<double> Result = FoldLines(Data, NCols, NRows, Lines, 0.0,
                                         [](double& Sum, T x) { Sum += static_cast<double>(x); });
  const int32_t n = LineLength(Lines, NCols, NRows);
  for (double& Mean : Result) Mean = n == 0 ? 0.0 : Mean / n;
  return Result;
}

// Minimum (from uc_MaxDouble, strictly smaller replaces), maximum (from -uc_MaxDouble,
// strictly larger replaces), sum or mean (sum / line length, 0 for lines without elements) of
// every line, as doubles.
template <class T>
std::vector<double> EdgeLines(const T* Data, int32_t NCols, int32_t NRows, TLines Lines,
                              TEdgeOp EdgeOp) {
  switch (EdgeOp) {
    case eoMinimum:
      return FoldLines(Data, NCols, NRows, Lines, uc_MaxDouble, [](double& Min, T Element) {
        const double x = static_cast<double>(Element);
        if (x < Min) Min = x;
      });
    case eoMaximum:
      return FoldLines(Data, NCols, NRows, Lines, -uc_MaxDouble, [](double& Max, T Element) {
        const double x = static_cast<double>(Element);
        if (x > Max) Max = x;
      });
    case eoSum:
      return FoldLines(Data, NCols, NRows, Lines, 0.0,
                       [](double& Sum, T x) { Sum += static_cast<double>(x); });
    default:
      return LineMeans(Data, NCols, NRows, Lines);
  }
}

// Every line with a positive variance becomes (x - mean) / sqrt(variance); lines of zero
// variance stay. Returns the lines' means and variances.
inline std::vector<TMeanVar> StandardizeLines(double* Data, int32_t NCols, int32_t NRows,
                                              TLines Lines) {
  const std::vector<TMeanVar> Moments = LineMeanVars(Data, NCols, NRows, Lines);
  struct TShift {
    double Mean;
    double StdDev;  // 0: leave the line as it is
  };
  std::vector<TShift> Shift(Moments.size());
  for (size_t i = 0; i < Moments.size(); ++i)
    Shift[i] = Moments[i].Variance > 0 ? TShift{Moments[i].Mean, std::sqrt(Moments[i].Variance)}
                                       : TShift{0, 0};
  TransformLines(
      Data, NCols, NRows, Lines, std::span<const TShift>(Shift),
      [](double x, const TShift& s) { return s.StdDev > 0 ? (x - s.Mean) / s.StdDev : x; });
  return Moments;
}

// Subtracts each line's mean (the Mean of MeanVar) from its elements; returns the means.
inline std::vector<double> MeanCenterLines(double* Data, int32_t NCols, int32_t NRows,
                                           TLines Lines) {
  const std::vector<TMeanVar> Moments = LineMeanVars(Data, NCols, NRows, Lines);
  std::vector<double> Means(Moments.size());
  for (size_t i = 0; i < Moments.size(); ++i) Means[i] = Moments[i].Mean;
  TransformLines(Data, NCols, NRows, Lines, std::span<const double>(Means),
                 [](double x, double Mean) { return x - Mean; });
  return Means;
}

}  // namespace qor::detail
