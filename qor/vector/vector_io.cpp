#include <algorithm>
#include <array>
#include <cstring>
#include <filesystem>
#include <string>

#include "qor/frame/asc_header.h"
#include "qor/frame/crc32.h"
#include "qor/frame/errors.h"
#include "qor/frame/quoted_name.h"
#include "qor/frame/strings.h"
#include "qor/frame/text_file.h"
#include "qor/math1/number_text.h"
#include "qor/vector/detail/elem_io.h"
#include "qor/vector/int_vector.h"
#include "qor/vector/vector.h"
#include "qor/vector/vector_files.h"

namespace qor {
namespace {

constexpr int32_t kErrRowAttribute = -5;
constexpr int32_t kErrValue = -6;
constexpr int32_t kErrColumns = -7;
constexpr int32_t kErrNoFile = -8;

// Reads and drops one name (quoted or bare); false when the file ends first.
bool SkipQuotedName(TTextFile& F) {
  TQuotedStrState State = qssIdle;
  std::string Name;
  for (char c; F.ReadChar(c);)
    if (ParseQuotedName(c, '"', State, Name)) return true;
  return false;
}

}  // namespace

template <class T, class Self>
void TVectorFiles<T, Self>::ResizeQuietly(int32_t NE) {
  try {
    this->Resize(NE);
  } catch (const EQORVectorError&) {
    // The size stays; the loader then finds the data beyond the vector and reports it.
  }
}

template <class T, class Self>
int32_t TVectorFiles<T, Self>::WriteASC(const std::string& FileName, const std::string& Comment,
                                        const TElemText& ElemText) const {
  TTextFile F;
  if (!F.Open(FileName, tfmRewrite)) return -1;
  try {
    F.WriteLn(Comment.empty() ? "Exported by QOR " + this->ClassName() + " component: " + FileName
                              : ReplaceCharInString(Comment, '\n', ' '));
    F.WriteLn("1\t;nr. of columns");
    F.WriteLn(std::to_string(this->NrOfElem()) + "\t;nr. of rows");
    F.WriteLn(
        "FALSE FALSE FALSE FALSE\t;row attributes, column names, row names, nominal variables");
    for (T x : this->FVec) F.WriteLn(ElemText(x));
  } catch (const EInOutError&) {
    return -1;
  }
  return 0;
}

template <class T, class Self>
int32_t TVectorFiles<T, Self>::ImportASC(const std::string& FileName, std::string& Comment) {
  std::error_code Ignored;
  if (!std::filesystem::is_regular_file(FileName, Ignored)) return kErrNoFile;
  int32_t NrColumns = 0, NrRows = 0;
  bool RowAttributes = false, ColumnNames = false, RowNames = false, Nominal = false;
  int32_t Code = ReadHeaderOfASC(FileName, Comment, NrColumns, NrRows, RowAttributes, ColumnNames,
                                 RowNames, Nominal);
  // More than one column overrides whatever the header reader reported after that line.
  if (NrColumns > 1) Code = kErrColumns;
  if (Code != 0) return Code;

  TTextFile F;
  if (!F.Open(FileName, tfmRead)) return ascErrCannotOpen;
  std::string Line;
  for (int HeaderLine = 0; HeaderLine < 4; ++HeaderLine) F.ReadLine(Line);
  // Every row read takes at least one byte, so a header announcing more rows than the file has
  // bytes ends in a value error before the file size; the vector need not be larger.
  const auto FileSize = static_cast<int64_t>(std::filesystem::file_size(FileName, Ignored));
  ResizeQuietly(static_cast<int32_t>(std::min<int64_t>(NrRows, FileSize + 1)));
  if (ColumnNames)
    for (int32_t Column = 0; Column < NrColumns; ++Column) SkipQuotedName(F);
  int32_t Row = 1;
  while (Row <= NrRows) {
    double Attribute = 0;
    if (RowAttributes && !detail::WordToElem(ReadNextWordInTextFile(F), Attribute)) {
      Code = kErrRowAttribute;
      break;
    }
    if (RowNames) SkipQuotedName(F);
    const std::string Word = StripLTBlanks(ReadNextWordInTextFile(F));
    T Value{0};
    if (Word != "NAN" && Word != "###" && !detail::WordToElem(Word, Value)) {
      Code = kErrValue;
      break;
    }
    this->SetVal(Row, Value);
    ++Row;
  }
  // Stopping at row k keeps k rows: the faulty row's element stays as it was.
  ResizeQuietly(Code == 0 ? NrRows : Row);
  return Code;
}

template <class T, class Self>
bool TVectorFiles<T, Self>::WriteElemFile(int32_t FirstElem, int32_t LastElem,
                                          const std::string& FileName,
                                          const TElemText& ElemText) const {
  this->MakeValidElemRange(FirstElem, LastElem);
  TTextFile F;
  if (!F.Open(FileName, tfmRewrite)) return false;
  try {
    F.WriteLn(std::to_string(FirstElem) + " " + std::to_string(LastElem));
    for (int32_t i = FirstElem; i <= LastElem; ++i) F.WriteLn(ElemText(this->GetVal(i)));
  } catch (const EInOutError&) {
    // Created counts as stored; a later write failure leaves a short file.
  }
  return true;
}

template <class T, class Self>
bool TVectorFiles<T, Self>::LoadFromFile(const std::string& FileName, bool AdjustVectorSize) {
  TTextFile F;
  int32_t First = 0, Last = 0;
  if (!F.Open(FileName, tfmRead) || !F.ReadInteger(First) || !F.ReadInteger(Last)) return false;
  std::string RestOfHeaderLine;  // anything after the two bounds is no element
  F.ReadLine(RestOfHeaderLine);
  if (AdjustVectorSize) ResizeQuietly(Last);
  const bool Fits = Last <= this->NrOfElem();
  for (int64_t i = First; Fits && i <= Last; ++i) {
    const std::string Word = F.ReadWord();
    if (Word.empty()) break;  // end of file: the remaining elements stay as they are
    T Value{0};
    if (detail::WordToElem(Word, Value)) this->SetVal(static_cast<int32_t>(i), Value);
  }
  this->Changed();
  return Fits;
}

template <class T, class Self>
void TVectorFiles<T, Self>::WriteStream(TStream& OutStream, int32_t LowElem,
                                        int32_t HighElem) const {
  this->MakeValidElemRange(LowElem, HighElem);
  detail::WriteIndexToStream<T>(OutStream, LowElem);
  detail::WriteIndexToStream<T>(OutStream, HighElem);
  for (T x : this->ElemRange(LowElem, HighElem)) detail::WriteElemToStream(OutStream, x);
}

template <class T, class Self>
void TVectorFiles<T, Self>::SaveToStream(std::unique_ptr<TMemoryStream>& OutStream, int32_t LowElem,
                                         int32_t HighElem) const {
  if (!OutStream) OutStream = std::make_unique<TMemoryStream>();
  WriteStream(*OutStream, LowElem, HighElem);
}

template <class T, class Self>
void TVectorFiles<T, Self>::SaveToStream(TFileStream& OutStream, int32_t LowElem,
                                         int32_t HighElem) const {
  WriteStream(OutStream, LowElem, HighElem);
}

template <class T, class Self>
bool TVectorFiles<T, Self>::LoadFromStream(TStream* InStream, bool AdjustVectorSize) {
  if (InStream == nullptr) return false;
  int32_t First = 0, Last = 0;
  if (!detail::ReadIndexFromStream<T>(*InStream, First) ||
      !detail::ReadIndexFromStream<T>(*InStream, Last))
    return false;
  if (AdjustVectorSize) ResizeQuietly(Last);
  bool Result = Last <= this->NrOfElem();
  for (int64_t i = First; Result && i <= Last; ++i) {
    T Value{0};
    // A failed read leaves the stream where it was, so every later read fails as well.
    Result = detail::ReadElemFromStream(*InStream, Value);
    if (Result) this->SetVal(static_cast<int32_t>(i), Value);
  }
  this->Changed();
  return Result;
}

template <class T, class Self>
std::string TVectorFiles<T, Self>::CRCofData() const {
  std::array<uint32_t, sizeof(T)> Registers;
  Registers.fill(0xFFFFFFFFu);
  for (T x : this->FVec) {
    std::array<uint8_t, sizeof(T)> Bytes;  // the stored form, least significant byte first
    std::memcpy(Bytes.data(), &x, sizeof(T));
    for (size_t j = 0; j < sizeof(T); ++j) Registers[j] = CalcNextCRC32(Bytes[j], Registers[j]);
  }
  std::string Result;
  for (uint32_t Register : Registers) Result += Hex(static_cast<int32_t>(~Register), 8);
  return Result;
}

template class TVectorFiles<double, TVector>;
template class TVectorFiles<int32_t, TIntVector>;

}  // namespace qor
