// A matrix product and a covariance matrix computed by the parallel column cross-product.
#include "qor/qormath.h"
#include "sections.h"

namespace demo {
namespace {

void PrintMatrix(std::ostream& Out, const qor::TMatrix& M, int Decimals) {
  for (int32_t r = 1; r <= M.NrOfRows(); ++r) {
    Out << "   ";
    for (int32_t c = 1; c <= M.NrOfColumns(); ++c) Out << qor::strff(M.Elem(c, r), 9, Decimals);
    Out << "\n";
  }
}

}  // namespace

void MatrixSection(std::ostream& Out) {
  Out << "\n-- Matrix product --\n";
  qor::TMatrix A, B, Product;
  // Elements are given column by column: A is 2 x 3, B is 3 x 2 in rows x columns.
  A.Resize(3, 2);
  A.CopyFromArray(qor::TDouble2DArray{{1, 4}, {2, 5}, {3, 6}}, 1, 1);
  B.Resize(2, 3);
  B.CopyFromArray(qor::TDouble2DArray{{7, 9, 11}, {8, 10, 12}}, 1, 1);
  A.Multiply(&B, &Product);
  Out << "  A =\n";
  PrintMatrix(Out, A, 0);
  Out << "  B =\n";
  PrintMatrix(Out, B, 0);
  Out << "  A B =\n";
  PrintMatrix(Out, Product, 0);

  Out << "\n-- Covariance by Square --\n";
  // Five observations (rows) of three variables (columns): height, weight, age.
  qor::TMatrix Data, Covariance;
  Data.Resize(3, 5);
  Data.CopyFromArray(
      qor::TDouble2DArray{{172, 181, 165, 190, 177}, {68, 80, 59, 92, 75}, {34, 41, 29, 50, 38}}, 1,
      1);
  for (int32_t c = 1; c <= Data.NrOfColumns(); ++c) {
    double Mean = 0;
    for (int32_t r = 1; r <= Data.NrOfRows(); ++r) Mean += Data.Elem(c, r);
    Mean /= Data.NrOfRows();
    for (int32_t r = 1; r <= Data.NrOfRows(); ++r) Data.SetVal(c, r, Data.Elem(c, r) - Mean);
  }
  Data.Square(&Covariance, Data.NrOfRows() - 1, 2);
  Out << "  covariance of height, weight and age (n - 1 = 4, two threads):\n";
  PrintMatrix(Out, Covariance, 2);
  Out << "  checksum of the covariance: " << Covariance.CRCofData() << "\n";
}

}  // namespace demo
