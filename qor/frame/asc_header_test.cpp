#include "qor/frame/asc_header.h"

#include <gtest/gtest.h>

#include <string>

#include "qor/frame/detail/scratch_file.h"

namespace qor {
namespace {

struct THeaderCase {
  const char* Label;
  const char* Content;
  int32_t Code, Columns, Rows;
  const char* Flags;  // the four flags as '0' and '1' in file order
};

class AscHeader : public ::testing::TestWithParam<THeaderCase> {};

TEST_P(AscHeader, CodesAndFields) {
  const THeaderCase& c = GetParam();
  std::string Comment = "old";
  int32_t Columns = -9, Rows = -9;
  bool f[4] = {true, true, true, true};
  EXPECT_EQ(ReadHeaderOfASC(detail::TScratchFile(c.Content).Name(), Comment, Columns, Rows, f[0],
                            f[1], f[2], f[3]),
            c.Code);
  EXPECT_EQ(Columns, c.Columns);
  EXPECT_EQ(Rows, c.Rows);
  EXPECT_EQ(std::string({"01"[f[0]], "01"[f[1]], "01"[f[2]], "01"[f[3]]}), c.Flags);
  if (c.Code == 0 || c.Code < ascErrColumns) {
    EXPECT_EQ(Comment, "demo data");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, AscHeader,
    ::testing::Values(
        THeaderCase{"FourFlags",
                    "demo data\n3\t;nr. of columns\n12\t;nr. of rows\nFALSE TRUE FALSE TRUE\t;row "
                    "attributes, column names, row names, nominal variables\n1\t2\t3\n",
                    0, 3, 12, "0101"},
        THeaderCase{"ThreeFlagsCrLf", "demo data\r\n2\t;c\r\n0\t;r\r\nTRUE TRUE false\t;f\r\n", 0,
                    2, 0, "1100"},
        THeaderCase{"NoLegends", "demo data\n 1\n7\nfalse false false false", 0, 1, 7, "0000"},
        THeaderCase{"EmptyFile", "", ascErrColumns, 0, 0, "0000"},
        THeaderCase{"ColumnsNotANumber", "demo data\nthree\t;c\n", ascErrColumns, 0, 0, "0000"},
        THeaderCase{"ColumnsWithGarbage", "demo data\n3x\n", ascErrColumns, 0, 0, "0000"},
        THeaderCase{"RowsMissing", "demo data\n3\t;c\n", ascErrRows, 3, 0, "0000"},
        THeaderCase{"RowsNegative", "demo data\n3\n-1\n", ascErrRows, 3, 0, "0000"},
        THeaderCase{"RowsOverflow", "demo data\n3\n4294967296\n", ascErrRows, 3, 0, "0000"},
        THeaderCase{"FlagsMissing", "demo data\n3\n4\n", ascErrFlags, 3, 4, "0000"},
        THeaderCase{"TwoFlags", "demo data\n3\n4\nTRUE TRUE\t;x\n", ascErrFlags, 3, 4, "0000"},
        THeaderCase{"FiveFlags", "demo data\n3\n4\nTRUE TRUE TRUE TRUE TRUE\n", ascErrFlags, 3, 4,
                    "0000"},
        THeaderCase{"NotAFlag", "demo data\n3\n4\nTRUE YES FALSE\n", ascErrFlags, 3, 4, "0000"}),
    [](const auto& Info) { return std::string(Info.param.Label); });

TEST(AscHeaderFile, MissingFileAndDirectoryCannotBeOpened) {
  std::string Comment;
  int32_t Columns, Rows;
  bool a, b, c, d;
  const std::string Missing = detail::TScratchFile().Name();
  EXPECT_EQ(ReadHeaderOfASC(Missing, Comment, Columns, Rows, a, b, c, d), ascErrCannotOpen);
  EXPECT_EQ(ReadHeaderOfASC(".", Comment, Columns, Rows, a, b, c, d), ascErrCannotOpen);
}

}  // namespace
}  // namespace qor
