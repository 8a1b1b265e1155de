// TVectorFiles: the text and stream persistence of a vector component and its content
// checksum (top shared layer of TVector and TIntVector, above TVectorProducts).
//
// Layouts (element i is 1-based):
//   ASC text (ExportAsASC in TVector/TIntVector, ImportASC here): a comment line, "1<TAB>;nr.
//     of columns", "<n><TAB>;nr. of rows", "FALSE FALSE FALSE FALSE<TAB>;row attributes,
//     column names, row names, nominal variables", then one value per line. ImportASC also
//     reads files written by matrix writers with a single column, skipping row attributes,
//     column and row names; "NAN" and "###" read as 0. Its result is 0 or a negative code:
//     the codes of ReadHeaderOfASC (-1 to -4), -5 a row attribute that is not a number, -6 a
//     value that is not a number (at row k: the vector is cut to k elements, element k keeping
//     its old value), -7 more than one column (even when the header reader failed on a later
//     line), -8 no such file.
//   Element file (StoreOnFile in TVector/TIntVector, LoadFromFile here): "First Last" on the
//     first line (the rest of the line is skipped), then one value per line; LoadFromFile
//     stores the values at First..Last and
//     fails, reading nothing, when Last is beyond the vector (AdjustVectorSize resizes it to
//     Last first). Values that do not convert leave their element as it was.
//   Stream (SaveToStream, LoadFromStream): Low, High and the elements Low..High; TVector writes
//     all of them as 80-bit extended numbers (10 bytes), TIntVector as 32-bit integers.
// Integer vectors round values read from text to the nearest integer, halves to even, and
// treat values outside the 32-bit range as not convertible. Loaders store through SetVal (one
// OnChange per element written) and fire OnChange once more at the end. No routine raises for
// a missing, unreadable or malformed file or stream: results report it.
// CRCofData checksums the stored bytes: one CRC-32 register per byte position of the element
// (8 for doubles, 4 for integers), byte j of every element in index order feeding register j;
// the result is the complemented registers in 8 hexadecimal digits each, register 0 first.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "qor/frame/streams.h"
#include "qor/vector/vector_products.h"

namespace qor {

template <class T, class Self>
class TVectorFiles : public TVectorProducts<T, Self> {
 public:
  using TVectorProducts<T, Self>::TVectorProducts;

  int32_t ImportASC(const std::string& FileName, std::string& Comment);
  bool LoadFromFile(const std::string& FileName, bool AdjustVectorSize);
  // Writes into OutStream at its position; a null OutStream receives a new memory stream.
  void SaveToStream(std::unique_ptr<TMemoryStream>& OutStream, int32_t LowElem,
                    int32_t HighElem) const;
  void SaveToStream(TFileStream& OutStream, int32_t LowElem, int32_t HighElem) const;
  // False for a null stream, a header that cannot be read, Last beyond the (adjusted) size or
  // a value that cannot be read (that element is skipped).
  bool LoadFromStream(TStream* InStream, bool AdjustVectorSize);
  std::string CRCofData() const;

 protected:
  using TElemText = std::function<std::string(T)>;
  // The ASC layout with each value written by ElemText; 0, or -1 when the file cannot be
  // written.
  int32_t WriteASC(const std::string& FileName, const std::string& Comment,
                   const TElemText& ElemText) const;
  // The element-file layout over the repaired range; false only when the file cannot be
  // created.
  bool WriteElemFile(int32_t FirstElem, int32_t LastElem, const std::string& FileName,
                     const TElemText& ElemText) const;
  // Resize for the loaders, which report through their results: a size that cannot be
  // allocated leaves the vector as it was.
  void ResizeQuietly(int32_t NE);

 private:
  void WriteStream(TStream& OutStream, int32_t LowElem, int32_t HighElem) const;
};

extern template class TVectorFiles<double, TVector>;
extern template class TVectorFiles<int32_t, TIntVector>;

}  // namespace qor
