// Readers for the ASC text layout: its four-line header and the blank-separated words of the
// data lines.
//
// The header lines are: a comment; the column count, a tab and a legend (";nr. of columns");
// the row count, a tab and a legend; the attribute flags "TRUE"/"FALSE" separated by blanks,
// a tab and a legend. The flags come in the order row attributes, column names, row names,
// nominal variables; files with only the first three flags are accepted, the fourth then
// being false. A count is a decimal integer >= 0 at the start of its line (blanks before it
// allowed), ended by the line end, a blank, a tab or ";". Flags are read without regard to
// case. Line ends may be LF or CR LF.
//
// ReadHeaderOfASC returns 0 on success or one of the negative codes below, which callers pass
// on unchanged (the vector uses -5 to -8 for its own failures). On failure the outputs hold
// what was read before the faulty line and their initial values ("", 0, false) after it.
#pragma once

#include <cstdint>
#include <string>

#include "qor/frame/text_file.h"

namespace qor {

inline constexpr int32_t ascErrCannotOpen = -1;  // the file cannot be opened for reading
inline constexpr int32_t ascErrColumns = -2;     // column line missing or not a count
inline constexpr int32_t ascErrRows = -3;        // row line missing or not a count
inline constexpr int32_t ascErrFlags = -4;       // flag line missing or not 3 or 4 flags

int32_t ReadHeaderOfASC(const std::string& FileName, std::string& Comment, int32_t& NrColumns,
                        int32_t& NrRows, bool& RowAttributes, bool& ColumnNames, bool& RowNames,
                        bool& NominalVariables);

// The next blank-separated word of F (blanks, tabs and line ends separate words); the
// separator after it is left unread. Empty at the end of the file.
std::string ReadNextWordInTextFile(TTextFile& F);

}  // namespace qor
