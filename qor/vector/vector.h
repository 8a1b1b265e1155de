// TVector: a component holding a one-dimensional vector of doubles, indexed from 1.
//
// The vector always has at least one element (one element, 0, after creation). Its storage,
// element access and copies, arithmetic, sorting and searching, statistics and products come
// from the layers TVectorStorage .. TVectorFiles, shared with TIntVector; this class adds the
// operations that only make sense for real values: random fills, centring and scaling,
// the histogram with real bin bounds, and numerical integration over the element index.
// Out-of-range indices read 0 and are never written; element ranges are repaired rather than
// rejected (see TVectorStorage). Errors are EQORVectorError with the component messages named
// at each operation; data that cannot be processed is reported through results.
#pragma once

#include <cstdint>
#include <string>

#include "qor/vector/int_vector.h"
#include "qor/vector/vector_files.h"

namespace qor {

enum TIntegMethod : std::uint8_t { imSimple, imTrapezoidal, imSimpson };

class TVector final : public TVectorFiles<double, TVector> {
 public:
  explicit TVector(TComponent* AOwner = nullptr) : TVectorFiles(AOwner) {}
  std::string ClassName() const override { return "TVector"; }

  // Element i = RangeLow + r*(RangeHigh - RangeLow), r uniform on [0, 1) from the process-wide
  // source, drawn for i = 1..NrOfElem in order. OnChange once.
  void FillRandomUniform(double RangeLow, double RangeHigh);
  // Element i = g*StdDev + Mean, g standard normal from GRandom, for i = 1..NrOfElem in order.
  // OnChange once.
  void FillRandomGauss(double Mean, double StdDev);

  // Scales every element by Value/Leng, so that Leng becomes Value; a zero vector is left
  // alone (and fires nothing).
  void SetVecLeng(double Value);
  // (x - mean)/stddev for every element, with MeanVar over the whole vector (so a vector of one
  // or two elements is only centred); nothing when stddev is 0. Fires nothing.
  void Standardize(double& Mean, double& StdDev);
  // (x - Median)/QuantDiff for every element, Median the 50th percentile of the whole vector,
  // QuantDiff its distance from the RefQuant-th percentile (in percent); nothing when
  // QuantDiff is 0. Fires nothing.
  void QNormalize(double RefQuant, double& Median, double& QuantDiff);
  // Subtracts the mean of the whole vector from every element and returns it. Fires nothing.
  double MeanCenter();

  // Counts elements FirstElem..LastElem (taken as passed: outside the vector they read 0) into
  // m = round(|LastBin - FirstBin|/BinWidth) + 1 bins (halves to even), bin b covering
  // [FirstBin + (b-1)*BinWidth, FirstBin + b*BinWidth). Elements below FirstBin count as
  // Underflow, elements at or above LastBin + BinWidth as Overflow; an element between the end
  // of bin m and LastBin + BinWidth (m rounded down) and a NaN element count nowhere. Histo is
  // resized to m and cleared (each firing OnChange as usual), then receives the counts in one
  // store with one more OnChange, unless no element landed in a bin (Histo then stays cleared,
  // IsEmpty true). MaxCnt is the largest count. False, with nothing changed, when m > 500 or
  // BinWidth is not a positive finite number.
  bool Histogram(int32_t FirstElem, int32_t LastElem, double FirstBin, double LastBin,
                 double BinWidth, TIntVector& Histo, int32_t& Underflow, int32_t& Overflow,
                 int32_t& MaxCnt) const;

  // Integral of the elements as samples at unit spacing over the element index, between
  // BoundLow and BoundHigh (each clamped into 1..NrOfElem, swapped when reversed), with linear
  // interpolation at fractional bounds: imSimple is the mean of the whole samples inside times
  // the width; imTrapezoidal the trapezoidal rule; imSimpson the closed Newton-Cotes rule for
  // 3, 4 and 5 whole samples (Simpson, 3/8, Boole) and the extended Simpson rule with end
  // weights 3/8, 7/6, 23/24 for 6 or more, plus trapezoids for the fractional ends. Both bounds
  // between the same two samples: the trapezoid under the interpolated line (imSimple: the mean
  // of the two samples times the width). Another Method value gives 0, a NaN bound NaN.
  double Integrate(double BoundLow, double BoundHigh, TIntegMethod Method) const;

  // The ASC layout (see TVectorFiles) with each value as strff(x, 12, Precision); an empty
  // Comment becomes "Exported by QOR TVector component: " + FileName. 0, or -1 when the file
  // cannot be written.
  int32_t ExportAsASC(const std::string& FileName, int32_t Precision,
                      const std::string& Comment) const;
  // The element file over the repaired range FirstElem..LastElem. Precision >= 0 writes that
  // many decimals without padding, -1 exponential text of width 13 (4 decimals), -2 of width
  // 26 (17 decimals, enough to read every double back exactly); below -2 it is taken as 2,
  // above 20 as 20. False only when the file cannot be created.
  bool StoreOnFile(int32_t FirstElem, int32_t LastElem, int32_t Precision,
                   const std::string& FileName) const;
  using TVectorFiles::LoadFromFile;
  // AutoDetect false: LoadFromFile(FileName, AdjustVectorSize). Otherwise the vector is sized
  // (when AdjustVectorSize) to the number of non-empty lines containing "//dig", and then
  // elements 1..NrOfElem take the file's words in order, a word that is not a number leaving
  // its element as it was. False only when the file cannot be opened.
  bool LoadFromFile(const std::string& FileName, bool AdjustVectorSize, bool AutoDetect);
};

}  // namespace qor
