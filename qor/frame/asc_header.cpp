#include "qor/frame/asc_header.h"

#include <array>
#include <charconv>
#include <string_view>
#include <vector>

#include "qor/frame/strings.h"

namespace qor {
namespace {

bool ParseCount(std::string_view Line, int32_t& Count) {
  while (!Line.empty() && (Line.front() == ' ' || Line.front() == '\t')) Line.remove_prefix(1);
  int32_t Value = 0;
  const auto [End, Error] = std::from_chars(Line.data(), Line.data() + Line.size(), Value);
  if (Error != std::errc() || Value < 0) return false;
  const std::string_view Rest(End, static_cast<size_t>(Line.data() + Line.size() - End));
  if (!Rest.empty() && Rest.front() != ' ' && Rest.front() != '\t' && Rest.front() != ';')
    return false;
  Count = Value;
  return true;
}

bool ParseFlags(std::string_view Line, std::array<bool, 4>& Flags) {
  const std::vector<std::string> Words = Tokenize(Line.substr(0, Line.find(';')), " \t");
  if (Words.size() < 3 || Words.size() > Flags.size()) return false;
  for (size_t i = 0; i < Words.size(); ++i) {
    const int32_t Ix = StringIx(Words[i], true, {"FALSE", "TRUE"});
    if (Ix == 0) return false;
    Flags[i] = Ix == 2;
  }
  return true;
}

}  // namespace

int32_t ReadHeaderOfASC(const std::string& FileName, std::string& Comment, int32_t& NrColumns,
                        int32_t& NrRows, bool& RowAttributes, bool& ColumnNames, bool& RowNames,
                        bool& NominalVariables) {
  Comment.clear();
  NrColumns = 0;
  NrRows = 0;
  RowAttributes = ColumnNames = RowNames = NominalVariables = false;

  TTextFile F;
  if (!F.Open(FileName, tfmRead)) return ascErrCannotOpen;
  std::string Line;
  if (!F.ReadLine(Comment)) return ascErrColumns;
  if (!F.ReadLine(Line) || !ParseCount(Line, NrColumns)) return ascErrColumns;
  if (!F.ReadLine(Line) || !ParseCount(Line, NrRows)) return ascErrRows;
  std::array<bool, 4> Flags{};
  if (!F.ReadLine(Line) || !ParseFlags(Line, Flags)) return ascErrFlags;
  RowAttributes = Flags[0];
  ColumnNames = Flags[1];
  RowNames = Flags[2];
  NominalVariables = Flags[3];
  return 0;
}

std::string ReadNextWordInTextFile(TTextFile& F) { return F.ReadWord(); }

}  // namespace qor
