// TMatrix: the library's dense matrix of doubles, a component with change events.
//
// Element (c, r) is column c, row r, both 1-based; in the usual notation the matrix has
// NrOfRows() rows and NrOfColumns() columns. The elements live in one contiguous column-major
// buffer: column c is contiguous and element (c, r) sits at (c - 1) * NrOfRows() + (r - 1), so
// products, transposition and column statistics stream through memory. Either dimension may
// be 0; such a matrix holds no elements, reads give 0 and whole-matrix operations touch
// nothing (they still notify where documented). A fresh matrix is 1 x 1 holding 0.
//
// Bad input is repaired or reported, never undefined: element reads outside the matrix give 0
// and writes there are dropped; rectangle arguments are repaired by MakeValidColRange and
// MakeValidRowRange (both 0 = the whole dimension, bounds clamped, reversed bounds swapped);
// operations on two objects of unfitting size or a nil argument return false and change
// nothing; running out of memory raises EQORMatrixError
// "Component \"<Name>\": not enough memory on heap" and leaves the matrix as it was.
//
// Events: SetVal (and so every element-by-element copy) fires OnChange on each store that
// lands inside the matrix; whole-matrix operations fire it once at their end; Assign and
// Square fire nothing. OnPercentDone fires only through PercDone; long computations report
// through the process-wide hooks (qor/frame/hooks.h).
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "qor/frame/component.h"
#include "qor/frame/enums.h"
#include "qor/frame/events.h"
#include "qor/frame/types.h"

namespace qor {

class TIntVector;
class TVector;

// The four matrix norms of TMatrix::Norm.
enum TNormType : std::uint8_t { ntColwise, ntRowwise, ntSpectral, ntFrobenius };

// A user-defined distance between two objects (rows) of a matrix.
using TOnCalcDistanceEvent =
    std::function<void(TObject* Sender, int32_t Row1, int32_t Row2, double& Distance)>;

class TMatrix : public TComponent,
                public TChangeEvents<TMatrix>,
                public TPercentDoneEvents<TMatrix>,
                public TSortExchangeEvents<TMatrix> {
 public:
  // Lowest and highest value of a Precision entry.
  static constexpr int32_t kMinPrecision = -1;
  static constexpr int32_t kMaxPrecision = 25;

  // ---- Construction and assignment -----------------------------------------------------------

  // A 1 x 1 matrix holding 0, empty DataID, Precision 15 and -1.
  explicit TMatrix(TComponent* AOwner = nullptr);
  std::string ClassName() const override { return "TMatrix"; }

  // From another TMatrix: sizes, DataID, elements, Precision and the events OnChange,
  // OnSortExchange and OnCalcDistance (not OnPercentDone); no notification. Any other source
  // raises EConvertError.
  void Assign(const TPersistent* Source) override;

  // Resizes to MatSource's size and copies every element through SetVal, then notifies;
  // DataID, Precision and events stay. Nothing when MatSource is nil.
  void Clone(const TMatrix* MatSource);

  // ---- Sizes ---------------------------------------------------------------------------------

  int32_t NrOfColumns() const { return FNCol; }
  int32_t NrOfRows() const { return FNRow; }
  // Resize with the new count (negative becomes 0), the other dimension unchanged.
  void SetNCols(int32_t NewCount);
  void SetNRows(int32_t NewCount);

  // Sets the size to Nc x Nr (negative counts become 0), keeping the overlapping elements and
  // setting new ones to 0, then notifies. Asking for the current size does nothing (no
  // notification). Always true; out of memory raises and keeps the old size and elements.
  // The storage never shrinks below one column of one row: resizing to a zero dimension hides
  // the first column (row) rather than discarding it, and growing again shows it as it was
  // (Assign and Transpose size the storage exactly, so after them nothing hidden remains).
  bool Resize(int32_t Nc, int32_t Nr);
  // Resize, then Fill(0).
  bool ResizeAndClear(int32_t Nc, int32_t Nr);

  // Range repair; see the paragraph at the top of this file.
  void MakeValidColRange(int32_t& LowCol, int32_t& HighCol) const;
  void MakeValidRowRange(int32_t& LowRow, int32_t& HighRow) const;

  // ---- Element access ------------------------------------------------------------------------

  // Element (Nc, Nr), 0 outside the matrix.
  double GetVal(int32_t Nc, int32_t Nr) const {
    return Contains(Nc, Nr) ? FMat[Offset(Nc, Nr)] : 0.0;
  }
  double Elem(int32_t Nc, int32_t Nr) const { return GetVal(Nc, Nr); }
  // Stores and notifies inside the matrix; outside it does nothing at all.
  void SetVal(int32_t Nc, int32_t Nr, double Value) {
    if (!Contains(Nc, Nr)) return;
    FMat[Offset(Nc, Nr)] = Value;
    Changed();
  }

  // Column c as a contiguous span of NrOfRows() values (empty outside the matrix). Writing
  // through it does not notify; call Changed() afterwards when observers must hear of it.
  std::span<double> Column(int32_t c);
  std::span<const double> Column(int32_t c) const;
  // The whole column-major buffer, NrOfColumns() * NrOfRows() values.
  std::span<double> Data() { return FMat; }
  std::span<const double> Data() const { return FMat; }

  // ---- Identification and output settings ---------------------------------------------------

  const std::string& DataID() const { return FDataID; }
  void SetDataID(std::string AID) { FDataID = std::move(AID); }

  // Two output precisions: entry 1 for ix < 2, entry 2 otherwise.
  int32_t Precision(int32_t ix) const { return GetFPrecis(ix); }
  int32_t GetFPrecis(int32_t ix) const;
  // Stores value clamped into kMinPrecision..kMaxPrecision.
  void SetFPrecis(int32_t ix, int32_t value);

  // ---- Filling -------------------------------------------------------------------------------

  // Every element of the matrix or of the repaired rectangle := value; notifies, also when
  // nothing was written.
  void Fill(double value);
  void Fill(int32_t LowCol, int32_t HighCol, int32_t LowRow, int32_t HighRow, double value);
  // Elements (i, i), i = 1 .. min(NrOfColumns, NrOfRows), := value; notifies.
  void FillDiag(double value);
  // u * (RangeHigh - RangeLow) + RangeLow with u uniform on [0, 1) from the process-wide
  // source, drawn column by column, down each column; notifies.
  void FillRandomUniform(double RangeLow, double RangeHigh);
  void FillRandomUniform(int32_t LowCol, int32_t HighCol, int32_t LowRow, int32_t HighRow,
                         double RangeLow, double RangeHigh);
  // g * StdDev + Mean with g standard normal from GRandom, drawn in the same order; notifies.
  void FillRandomGauss(double Mean, double StdDev);
  void FillRandomGauss(int32_t LowCol, int32_t HighCol, int32_t LowRow, int32_t HighRow,
                       double Mean, double StdDev);

  // ---- Copying -------------------------------------------------------------------------------

  // Copies the source rectangle (bounds clamped into the source, reversed ones swapped) so that
  // its corner (SourceColLo, SourceRowLo) lands on (DestCol, DestRow); stores through SetVal,
  // dropping targets outside this matrix, then notifies once more. Column by column, down each
  // column, so a copy within one matrix reads what earlier stores of the same call wrote.
  // Nothing when MatSource is nil.
  void CopyFrom(const TMatrix* MatSource, int32_t SourceColLo, int32_t SourceRowLo,
                int32_t SourceColHi, int32_t SourceRowHi, int32_t DestCol, int32_t DestRow);

  // Copies elements FirstCol..LastCol (repaired) of Row (clamped into the matrix) into DestVec,
  // which keeps its length: it is first filled with 0, then element i := element
  // (FirstCol + i - 1, Row) through SetVal, for as many elements as both hold. Nothing when
  // DestVec is nil. CopyColToVec is the same down column Col.
  void CopyRowToVec(TVector* DestVec, int32_t Row, int32_t FirstCol, int32_t LastCol) const;
  void CopyColToVec(TVector* DestVec, int32_t Col, int32_t FirstRow, int32_t LastRow) const;
  // Vector elements Source1stElem..SourceLastElem (repaired by the vector's rule) go through
  // SetVal across row DestRow from DestCol on (dimColumns) or down column DestCol from DestRow
  // on (dimRows, the form without Dim); notifies at the end. Nothing when VecSource is nil.
  void CopyFromVec(TDims Dim, const TVector* VecSource, int32_t Source1stElem,
                   int32_t SourceLastElem, int32_t DestCol, int32_t DestRow);
  void CopyFromVec(const TVector* VecSource, int32_t Source1stElem, int32_t SourceLastElem,
                   int32_t DestCol, int32_t DestRow);

  // DestArray := the repaired rectangle, DestArray[c - LowCol][r - LowRow] = element (c, r).
  void CopyToArray(TDouble2DArray& DestArray, int32_t LowCol, int32_t HighCol, int32_t LowRow,
                   int32_t HighRow) const;
  // The same rounded to the nearest integer, halves to even; values beyond the 32-bit range
  // saturate at its bounds and NaN becomes 0.
  void CopyToArray(TInt2DArray& DestArray, int32_t LowCol, int32_t HighCol, int32_t LowRow,
                   int32_t HighRow) const;
  // SetVal(Col + i, Row + j, SrcArray[i][j]) for every i and for j below the length of
  // SrcArray[0]; an inner array shorter than the first leaves its missing rows untouched.
  // The matrix is not resized.
  void CopyFromArray(const TDouble2DArray& SrcArray, int32_t Col, int32_t Row);
  void CopyFromArray(const TInt2DArray& SrcArray, int32_t Col, int32_t Row);

  // ---- Rows and columns ----------------------------------------------------------------------

  // Removes the column (row) and shifts the following ones down; false, with nothing changed,
  // for an index outside the matrix or when fewer than two columns (rows) exist.
  bool RemoveColumn(int32_t col);
  bool RemoveRow(int32_t row);
  // Swap two columns (rows); notifies. Indices outside the matrix make it do nothing at all.
  void ExchangeColumns(int32_t c1, int32_t c2);
  void ExchangeRows(int32_t r1, int32_t r2);
  // Reverse the order of the columns (rows); notifies.
  void MirrorColumns();
  void MirrorRows();

  // ---- Products -----------------------------------------------------------------------------
  //
  // Every result element is the sum of its terms in increasing summation index, started at 0,
  // each product and partial sum rounded to double, no fused multiply-add: bit-identical to
  // the plain loops on every processor. The result is resized by Resize and filled as if
  // through SetVal, row by row (handlers of MatRes/VecRes see every store), then A notifies.
  // False, with nothing changed, when an argument is nil or the sizes do not fit. The result
  // may be the same object as an operand: the operands are read before it is resized.

  // MatRes := A * B (B.NrOfColumns x A.NrOfRows); needs A.NrOfColumns = B.NrOfRows.
  bool Multiply(const TMatrix* MatB, TMatrix* MatRes);
  // MatRes := A * B^T (B.NrOfRows x A.NrOfRows); needs A.NrOfColumns = B.NrOfColumns.
  bool MultiplyTransposed(const TMatrix* MatB, TMatrix* MatRes);
  // MatRes := A^T * B (B.NrOfColumns x A.NrOfColumns); needs A.NrOfRows = B.NrOfRows.
  bool TransposeAndMultiply(const TMatrix* MatB, TMatrix* MatRes);
  // VecRes := A * b (length A.NrOfRows); needs A.NrOfColumns = VecB.NrOfElem.
  bool Multiply(const TVector* VecB, TVector* VecRes);
  // VecRes := A^T * b (length A.NrOfColumns); needs A.NrOfRows = VecB.NrOfElem.
  bool TransposeAndMultiply(const TVector* VecB, TVector* VecRes);

  // ---- Element-wise and scalar arithmetic ----------------------------------------------------

  // A := A + B, A := A - B in place; false, with nothing changed, for a nil or differently
  // sized MatB. Notify A.
  bool Add(const TMatrix* MatB);
  bool Subtract(const TMatrix* MatB);
  // MatRes := element-wise A * B, sized like A and stored through SetVal; false for nil or
  // differently sized arguments. Notifies A at the end.
  bool EMult(const TMatrix* MatB, TMatrix* MatRes);
  // Every element times Scalar, plus Scalar; notify.
  void SMult(double Scalar);
  void SAdd(double Scalar);

  // A := A^T in place (the storage becomes exactly the transposed size); notifies; true.
  bool Transpose();
  // Order passes of forward differences down every column, in place, then the last Order rows
  // are dropped (Resize notifies). Nothing unless 1 <= Order <= 10 and Order < NrOfRows.
  void Diff(int32_t Order);
  // Sum of the diagonal in index order when square, else 0.
  double Trace() const;

  // ---- Cross-products of the columns ---------------------------------------------------------

  // MatRes := (A^T * A) / Norm, NrOfColumns x NrOfColumns: element (i, j) and (j, i) are the sum
  // over the rows of A(i, r) * A(j, r) in increasing r, rounded to double after each addition,
  // divided by Norm. With centred columns and Norm = n - 1 this is their covariance matrix.
  // MatRes is resized without notification and written directly; neither matrix notifies.
  // False when MatRes is nil or the computation was aborted (AbortMathProc).
  //
  // NThreads = 1 works on the calling thread: before each column i it polls AbortMathProc
  // (true: return false, the columns before i are complete), adds 1 to ProcStat and calls
  // MathFeedBackProc. Any other count shares the work among min(NThreads, NrOfColumns)
  // threads of the frame's worker pool, the calling thread among them; NThreads below 1 means
  // ProcessorCount(). The threads go through the rows block by block together, each block
  // cut into pieces of the triangle, so every column finishes with the last block; ProcStat
  // grows in proportion meanwhile: once b of the B row blocks are done for all pairs, it has
  // grown by floor(NrOfColumns * b / B), and by NrOfColumns in all. Only the calling thread
  // adds to ProcStat, calls MathFeedBackProc (when it starts, after each piece it computed and
  // once at the end) and polls AbortMathProc; after an abort no further piece starts, the
  // running ones finish, MatRes is left all zero and the call returns false. The running sums
  // take a second NrOfColumns x NrOfColumns array for the duration of the call.
  // The result is bit-identical for every NThreads. MatRes may be A itself: A is copied into
  // the kernel's panels before MatRes is resized.
  bool Square(TMatrix* MatRes, double Norm, int32_t NThreads);
  // Square with NThreads = ProcessorCount().
  bool Square(TMatrix* MatRes, double Norm);

  // ---- Decompositions, inverse and norms (decomp.cpp) ---------------------------------------
  //
  // a(i, j) below is the element in row i, column j, i.e. element (j, i) of this component; n
  // is the order of a square matrix. Sums subtract or add one term at a time in increasing
  // index, rounded to double after each. A pivot below 1e-100 in magnitude counts as zero.
  // Matrices passed in must be distinct from this one (and from each other); a nil, shared or
  // non-square argument gives false (0 for Determinant) with nothing written. A matrix holding
  // NaN or an infinity is refused the same way by LUdecomposition, Determinant and Invert.

  // Crout's method with implicit row scaling: MatU := a copy of A (Clone), factored in place;
  // MatL := n x n zeros, then, on success, the unit lower factor (stored through SetVal, as
  // are the zeros that replace it in MatU). L U equals A with its rows exchanged in pivot
  // order; NumPerm is +1 or -1, the parity of the exchanges. False for a zero row or a pivot
  // below 1e-100 (MatL then holds zeros, MatU the partly factored values). A is unchanged.
  bool LUdecomposition(TMatrix* MatL, TMatrix* MatU, int32_t& NumPerm);
  // A = L Lᵀ: Lᵀ's off-diagonal part is written into A's strict upper triangle (A's diagonal
  // and lower triangle stay, A does not notify); MatL is resized to n x n keeping its elements
  // and receives L's lower triangle and diagonal through SetVal. False, with MatL as it was,
  // as soon as a diagonal sum is not positive (A's upper triangle then partly written).
  bool CholeskyDecomp(TMatrix* MatL);
  // NumPerm times the product of U's diagonal (in order, rounded after each product) from
  // LUdecomposition; 0 when that fails or A is not square. The 0 x 0 matrix gives 1.
  double Determinant() const;
  // A := A⁻¹ through the Crout factors, solving for each column of the identity; notifies on
  // success. Before each column of the factorisation and of the solution ProcStat grows by 1,
  // MathFeedBackProc is called and AbortMathProc polled (also once before the scaling); an
  // abort, a zero row or a pivot below 1e-100 gives false, A then holding the partly factored
  // values (or, when the scaling fails or the input is not finite, its own). False for a non-
  // square or empty A. Lack of memory raises EQORMatrixError with the heap message.
  bool Invert();
  // D⁻¹ A D similarity scaling: each pass divides row i and multiplies column i by
  // sqrt(r / c), r and c the off-diagonal absolute sums of row and column i, and passes repeat
  // until every factor of a pass stays below 1.05 (at most 100 passes). Rows or columns whose
  // off-diagonal part is zero are left alone. No notification; false only for a non-square A.
  bool Balance();
  // ntColwise: the largest column sum of |a|; ntRowwise: the largest row sum; ntFrobenius:
  // sqrt of the sum of all squares (column by column); ntSpectral: the largest singular value
  // from the library's singular value decomposition (counting its steps in ProcStat). Empty
  // matrices give 0. ntSpectral raises EQORMatrixError "near singular covariance matrix" when
  // the decomposition does not converge or is aborted.
  double Norm(TNormType nt) const;
  // HatMat := A (AᵀA)⁻¹ Aᵀ (NrOfRows x NrOfRows) through Transpose, Multiply (A notifies once,
  // as products do) and Invert; false,
  // with HatMat untouched, when AᵀA cannot be inverted or HatMat is nil or A itself.
  bool CalcHatMatrix(TMatrix* HatMat);

  // ---- Checksum ------------------------------------------------------------------------------

  // 64 upper-case hexadecimal digits: eight CRC-32 lanes, lane k fed byte k of every element's
  // little-endian IEEE 754 form, column by column, down each column.
  std::string CRCofData() const;

  // ---- Statistics, sorting and search --------------------------------------------------------
  //
  // Rectangles are repaired by MakeValidColRange/MakeValidRowRange first. Mind the two argument
  // orders: the statistics take (LowCol, LowRow, HighCol, HighRow); CountValues and Find take
  // (LowCol, HighCol, LowRow, HighRow). Sums are double, rounded after each addition, columns
  // outer and rows inner. A matrix without elements gives 0 (MinMax its start values).

  // Sum of the rectangle.
  double Sum(int32_t LoC, int32_t LoR, int32_t HiC, int32_t HiR) const;
  // Minimum from uc_MaxReal and Maximum from -uc_MaxReal, replaced by strictly smaller (larger)
  // elements.
  void MinMax(int32_t LowCol, int32_t LowRow, int32_t HighCol, int32_t HighRow, double& Minimum,
              double& Maximum) const;
  // Mean s / n; Variance 1 for fewer than 3 values, else (q - s^2 / n) / (n - 1), at least 0.
  void MeanVar(int32_t LowCol, int32_t LowRow, int32_t HighCol, int32_t HighRow, double& Mean,
               double& Variance) const;
  // Population skewness and excess kurtosis from the central moments and the n - 1 standard
  // deviation; 0 and 0 for fewer than 2 values or a constant rectangle.
  void SkewKurt(int32_t LowCol, int32_t LowRow, int32_t HighCol, int32_t HighRow, double& Skewness,
                double& Kurtosis) const;
  // Sample (bias-corrected) form: S n^2 / ((n-1)(n-2)) and
  // n^2 (n+1) (K+3) / ((n-1)(n-2)(n-3)) - 3 (n-1)^2 / ((n-2)(n-3)); 0 and 0 for n < 4. The
  // correction is applied to SkewKurt's results as they are, so a constant rectangle of n >= 4
  // values reports the kurtosis term of K = 0, not 0.
  void SkewKurtSample(int32_t LowCol, int32_t LowRow, int32_t HighCol, int32_t HighRow,
                      double& Skewness, double& Kurtosis) const;
  // exp(sum ln x / rows / columns); 0 when an element is 0. A negative element raises
  // EQORMatrixError "Component \"<Name>\": negative argument passed to GeometricMean".
  double GeometricMean(int32_t LowCol, int32_t LowRow, int32_t HighCol, int32_t HighRow) const;
  // n / sum 1/x. An element <= 0 raises EQORMatrixError
  // "Component \"<Name>\": negative or zero argument passed to HarmonicMean".
  double HarmonicMean(int32_t LowCol, int32_t LowRow, int32_t HighCol, int32_t HighRow) const;
  // Quartiles interpolated at positions (n + 1) q of the sorted values (clamped to the first
  // and last); true, or false with 0, 0, 0 for a matrix without elements. The scratch copy is
  // sorted by SortArray, which counts its passes in ProcStat.
  bool Quartiles(int32_t LowCol, int32_t LowRow, int32_t HighCol, int32_t HighRow, double& Q1,
                 double& Q2, double& Q3) const;
  // The value of 0-based rank round(n prob / 100) (halves to even, prob clamped into 0..100),
  // without interpolation; a rank of n gives the largest value (so Percentile(100) is the
  // maximum). NaN prob gives NaN. Running out of memory for the scratch copy raises the heap
  // message.
  double Percentile(double prob, int32_t LowCol, int32_t LowRow, int32_t HighCol,
                    int32_t HighRow) const;
  // Estimated from SampleSize elements drawn with replacement after re-seeding the process-wide
  // uniform source from the clock (column, then row, per draw); 0 when the sample's shares of
  // negatives and of non-positives enclose prob / 100. SampleSize <= 0 or >= the number of
  // elements: the exact form above.
  double Percentile(double prob, int32_t LowCol, int32_t LowRow, int32_t HighCol, int32_t HighRow,
                    int32_t SampleSize) const;
  // round(|FirstBin - LastBin| / BinWidth) + 1 bins of width BinWidth from FirstBin; x below
  // FirstBin counts as Underflow, x >= LastBin + BinWidth as Overflow, NaN nowhere. Histo
  // receives the counts in one store; MaxCnt is the largest. False, with nothing changed, for
  // more than 500 bins or a BinWidth that is not positive and finite.
  bool Histogram(int32_t LoX, int32_t LoY, int32_t HiX, int32_t HiY, double FirstBin,
                 double LastBin, double BinWidth, TIntVector& Histo, int32_t& Underflow,
                 int32_t& Overflow, int32_t& MaxCnt) const;
  // Number of elements with RangeLow <= x <= RangeHigh.
  int32_t CountValues(int32_t LowCol, int32_t HighCol, int32_t LowRow, int32_t HighRow,
                      double RangeLow, double RangeHigh) const;
  // ResultArray[c - 1][r - 1] := element (c, r) > Threshold over the whole matrix; returns the
  // number of true entries.
  int32_t Dichotomize(double Threshold, TBool2DArray& ResultArray) const;
  // The first element (column order) nearest to Value; (0, 0) when none has a finite distance.
  void Find(int32_t LowCol, int32_t HighCol, int32_t LowRow, int32_t HighRow, double Value,
            int32_t& ColIx, int32_t& RowIx) const;
  // Bisection in column Col sorted as ColIsAscending says: the row holding Value, else the
  // nearer of the two bracketing rows (the lower row only when strictly nearer). 0 for a
  // column outside the matrix or a matrix without rows.
  int32_t FindInSortedColumn(int32_t Col, bool ColIsAscending, double Value) const;

  // Comb sort of the rows LowRow..HighRow by column SortColIx (gap from HighRow - LowRow,
  // shrinking by 1.3): each exchange swaps the rows over LowCol..HighCol, and in the key column
  // when it lies outside, then fires OnSortExchange(2, i, j, LowCol, HighCol). Notifies at the
  // end unless fewer than two rows were given. A key column outside the matrix reads as zeros,
  // so nothing moves. SortCols is the twin over columns (code 1, bounds LowRow, HighRow).
  void SortRows(int32_t SortColIx, bool Ascending, int32_t LowCol, int32_t LowRow, int32_t HighCol,
                int32_t HighRow);
  void SortCols(int32_t SortRowIx, bool Ascending, int32_t LowCol, int32_t LowRow, int32_t HighCol,
                int32_t HighRow);

  // Means := the column means (dimColumns) or row means (dimRows), resized to fit; a matrix
  // with no columns (rows) leaves it as it is, since a vector keeps at least one element.
  void MeanVec(TDims Dim, TVector& Means) const;
  // DestVec := per row (orRowwise) or per column (orColwise) minimum (from uc_MaxDouble),
  // maximum (from -uc_MaxDouble), sum or mean, resized to fit.
  void EdgeVector(TOrientation Orient, TEdgeOp EdgeOp, TVector& DestVec) const;
  // Each column (row) with a MeanVar variance > 0 becomes (x - mean) / sqrt(variance); Means
  // and StdDevs, when given, receive the means and sqrt(variance) of every column (row) in
  // their first elements without being resized (one OnChange each). Notifies.
  void StandardizeColumns(TVector* Means, TVector* StdDevs);
  void StandardizeRows(TVector* Means, TVector* StdDevs);
  // Each column (row): med = Percentile(50), d = |med - Percentile(RefQuant)|; when d > 0 it
  // becomes (x - med) / d. Medians and QuantDiffs, when given, receive med and d like the
  // vectors of StandardizeColumns. Notifies.
  void QNormalizeColumns(double RefQuant, TVector* Medians, TVector* QuantDiffs);
  void QNormalizeRows(double RefQuant, TVector* Medians, TVector* QuantDiffs);
  // Subtracts each column's (row's) MeanVar mean; Means, when given, is resized and receives
  // them. Notifies.
  void MeanCenterColumns(TVector* Means);
  void MeanCenterRows(TVector* Means);
  // Pearson correlation of all element pairs; 0 unless there are at least 3 pairs with
  // positive sums of squares and centred sums of squares. Other sizes raise EQORMatrixError
  // "Component \"<Name>\": matrices do not match".
  double Correlate(const TMatrix& OtherMat) const;

  // Distance of rows obj1 and obj2 over all columns (rows outside the matrix read as zeros):
  // dmTanimoto, dmManhattan, dmEuclid, dmEuclidSquared and dmDice by their formulas (two
  // zero rows give NaN for the similarities), dmUserDefined through OnCalcDistance(this,
  // obj1, obj2, Distance) with Distance starting at 0 (0 without a handler).
  double DistanceOfObjects(TDistMode Mode, int32_t obj1, int32_t obj2);
  // DMat(i, i) := 0 and DMat(i, j) = DMat(j, i) := DistanceOfObjects(Mode, i, j), each pair
  // computed once (i < j), written to the storage with one OnChange of DMat; 0. -1 when DMat is
  // not square, -2 when its order is not NrOfRows. DMat may be this matrix.
  int32_t CalcDistMat(TDistMode Mode, TMatrix& DMat);

  // ---- Events --------------------------------------------------------------------------------

  // OnChange and Changed() come from TChangeEvents, OnPercentDone and PercDone() from
  // TPercentDoneEvents, OnSortExchange and SortExchange() from TSortExchangeEvents.
  TOnCalcDistanceEvent OnCalcDistance;

 protected:
  void AssignTo(TPersistent* Dest) const override;

 private:
  bool Contains(int32_t Nc, int32_t Nr) const {
    return Nc >= 1 && Nc <= FNCol && Nr >= 1 && Nr <= FNRow;
  }
  // Buffer position of element (c, r); the caller has checked the indices.
  size_t Offset(int32_t c, int32_t r) const {
    return static_cast<size_t>(c - 1) * static_cast<size_t>(FNRow) + static_cast<size_t>(r - 1);
  }
  double* ColumnPtr(int32_t c) { return FMat.data() + Offset(c, 1); }
  const double* ColumnPtr(int32_t c) const { return FMat.data() + Offset(c, 1); }
  double& At(int32_t c, int32_t r) { return FMat[Offset(c, r)]; }
  double At(int32_t c, int32_t r) const { return FMat[Offset(c, r)]; }

  // Sets the size without notifying. The storage becomes max(Nc, 1) x max(Nr, 1) and keeps the
  // overlap with the old storage, new elements 0; so values a zero dimension hid come back
  // when it grows again. Raises the heap message on lack of memory, leaving the matrix as it
  // was.
  void SetSize(int32_t Nc, int32_t Nr);
  // Assign and Transpose size the storage exactly: nothing hidden survives them.
  void DropHiddenStorage();
  // Allocates a zeroed buffer of Nc x Nr elements, raising the heap message on failure.
  std::vector<double> AllocateStorage(int32_t Nc, int32_t Nr) const;
  // Applies Op(element&) to every element of the repaired rectangle, column by column.
  template <class ElementOp>
  void ForEachInRectangle(int32_t LowCol, int32_t HighCol, int32_t LowRow, int32_t HighRow,
                          ElementOp Op);
  // DestArray := the repaired rectangle, converting each element to the array's entry type.
  template <class Array2D>
  void CopyRectangleTo(Array2D& DestArray, int32_t LowCol, int32_t HighCol, int32_t LowRow,
                       int32_t HighRow) const;
  // SetVal of every entry of SrcArray, placed at (Col, Row) onwards.
  template <class Array2D>
  void StoreArray(const Array2D& SrcArray, int32_t Col, int32_t Row);
  // Makes this matrix the Nc x Nr result of a product: Compute(C, Ldc) writes the column-major
  // result. Without an OnChange handler, and when this matrix is no operand (ReadByCompute
  // false), it is resized first and Compute writes straight into its storage; otherwise the
  // result goes to a scratch buffer and then, after the resize, through SetVal row by row and
  // across each row, so a handler sees every store in the documented order.
  template <class Kernel>
  void AcceptResult(int32_t Nc, int32_t Nr, bool ReadByCompute, Kernel Compute);
  // CopyRowToVec (Dim = dimColumns, Line a row) and CopyColToVec (dimRows, Line a column).
  void CopyLineToVec(TVector* DestVec, TDims Dim, int32_t Line, int32_t Low, int32_t High) const;
  // The leading dimension handed to the kernels (at least 1, as they require).
  int64_t Ld() const { return FNRow > 0 ? FNRow : 1; }
  bool SameSize(const TMatrix& Other) const { return FNCol == Other.FNCol && FNRow == Other.FNRow; }

  int32_t FNCol = 0;
  int32_t FNRow = 0;
  std::string FDataID;
  int32_t FPrecis[2] = {15, -1};
  std::vector<double> FMat;  // column-major, exactly FNCol * FNRow elements
  // While a dimension is 0, the storage Resize keeps beyond the (empty) visible matrix:
  // FHiddenCols x FHiddenRows elements, column-major. Empty whenever FMat is not.
  std::vector<double> FHidden;
  int32_t FHiddenCols = 0;
  int32_t FHiddenRows = 0;
};

}  // namespace qor
