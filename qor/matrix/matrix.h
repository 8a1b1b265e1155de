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

class TVector;

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
  // MathFeedBackProc. Any other count shares the columns among min(NThreads, NrOfColumns)
  // threads of the frame's worker pool, the calling thread among them; NThreads below 1 means
  // ProcessorCount(). There every finished column adds 1 to ProcStat from whichever thread
  // computed it, while only the calling thread calls MathFeedBackProc (when it starts, after
  // each share of work it finishes and once at the end) and polls AbortMathProc; after an
  // abort no further column starts, the running ones finish, and the call returns false.
  // The result is bit-identical for every NThreads. MatRes may be A itself: A is copied into
  // the kernel's panels before MatRes is resized.
  bool Square(TMatrix* MatRes, double Norm, int32_t NThreads);
  // Square with NThreads = ProcessorCount().
  bool Square(TMatrix* MatRes, double Norm);

  // ---- Checksum ------------------------------------------------------------------------------

  // 64 upper-case hexadecimal digits: eight CRC-32 lanes, lane k fed byte k of every element's
  // little-endian IEEE 754 form, column by column, down each column.
  std::string CRCofData() const;

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
