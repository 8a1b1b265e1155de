// The text files of TVector: ASC export, the element file with its precision rule, and the
// loader that sizes the vector from marked lines.
#include <string>

#include "qor/frame/float_text.h"
#include "qor/frame/strings.h"
#include "qor/frame/text_file.h"
#include "qor/vector/detail/elem_io.h"
#include "qor/vector/vector.h"

namespace qor {

int32_t TVector::ExportAsASC(const std::string& FileName, int32_t Precision,
                             const std::string& Comment) const {
  return WriteASC(FileName, Comment, [Precision](double x) { return strff(x, 12, Precision); });
}

bool TVector::StoreOnFile(int32_t FirstElem, int32_t LastElem, int32_t Precision,
                          const std::string& FileName) const {
  if (Precision < -2) Precision = 2;
  if (Precision > 20) Precision = 20;
  // Fixed-point without padding, or exponential with 4 (width 13) or 17 (width 26) decimals.
  const int32_t Width = Precision == -1 ? 13 : Precision == -2 ? 26 : 1;
  const int32_t Decimals = Precision < 0 ? -1 : Precision;
  return WriteElemFile(FirstElem, LastElem, FileName,
                       [Width, Decimals](double x) { return StrFloat(x, Width, Decimals); });
}

bool TVector::LoadFromFile(const std::string& FileName, bool AdjustVectorSize, bool AutoDetect) {
  if (!AutoDetect) return LoadFromFile(FileName, AdjustVectorSize);
  TTextFile F;
  if (!F.Open(FileName, tfmRead)) return false;
  int32_t Marked = 0;
  for (std::string Line; F.ReadLine(Line);)
    if (!Line.empty() && StringContains(Line, "//dig")) ++Marked;
  if (AdjustVectorSize) ResizeQuietly(Marked);
  F.Seek(0);
  for (int32_t i = 1; i <= NrOfElem(); ++i) {
    const std::string Word = F.ReadWord();
    if (Word.empty()) break;  // end of file: the remaining elements stay as they are
    double Value = 0;
    if (detail::WordToElem(Word, Value)) SetVal(i, Value);
  }
  Changed();
  return true;
}

}  // namespace qor
