#include "qor/frame/asc_header.h"

#include <gtest/gtest.h>

#include <array>

#include "qor/frame/detail/scratch_file.h"

namespace qor {
namespace {

struct THeaderCase {
  const char* Label;
  const char* Content;
  int32_t Code;
  int32_t Columns;
  int32_t Rows;
  std::array<bool, 4> Flags;
};

class AscHeader : public ::testing::TestWithParam<THeaderCase> {};

TEST_P(AscHeader, CodesAndFields) {
  const THeaderCase& c = GetParam();
  const detail::TScratchFile File(c.Content);
  std::string Comment = "old";
  int32_t Columns = -9, Rows = -9;
  std::array<bool, 4> Flags = {true, true, true, true};
  EXPECT_EQ(
      ReadHeaderOfASC(File.Name(), Comment, Columns, Rows, Flags[0], Flags[1], Flags[2], Flags[3]),
      c.Code);
  EXPECT_EQ(Columns, c.Columns);
  EXPECT_EQ(Rows, c.Rows);
  EXPECT_EQ(Flags, c.Flags);
  if (c.Code == 0 || c.Code < ascErrColumns) {
    EXPECT_EQ(Comment, "demo data");
  }
}

constexpr std::array<bool, 4> kNone = {false, false, false, false};

INSTANTIATE_TEST_SUITE_P(
    Layouts, AscHeader,
    ::testing::Values(
        THeaderCase{"FourFlags",
                    "demo data\n3\t;nr. of columns\n12\t;nr. of rows\nFALSE TRUE FALSE TRUE\t;row "
                    "attributes, column names, row names, nominal variables\n1\t2\t3\n",
                    0,
                    3,
                    12,
                    {false, true, false, true}},
        THeaderCase{"ThreeFlagsCrLf",
                    "demo data\r\n2\t;nr. of columns\r\n0\t;nr. of rows\r\nTRUE TRUE "
                    "false\t;row attributes, column names, row names\r\n",
                    0,
                    2,
                    0,
                    {true, true, false, false}},
        THeaderCase{"NoLegends", "demo data\n 1\n7\nfalse false false false", 0, 1, 7, kNone},
        THeaderCase{"EmptyFile", "", ascErrColumns, 0, 0, kNone},
        THeaderCase{"ColumnsNotANumber", "demo data\nthree\t;nr. of columns\n", ascErrColumns, 0, 0,
                    kNone},
        THeaderCase{"ColumnsWithGarbage", "demo data\n3x\n", ascErrColumns, 0, 0, kNone},
        THeaderCase{"RowsMissing", "demo data\n3\t;c\n", ascErrRows, 3, 0, kNone},
        THeaderCase{"RowsNegative", "demo data\n3\n-1\n", ascErrRows, 3, 0, kNone},
        THeaderCase{"RowsOverflow", "demo data\n3\n4294967296\n", ascErrRows, 3, 0, kNone},
        THeaderCase{"FlagsMissing", "demo data\n3\n4\n", ascErrFlags, 3, 4, kNone},
        THeaderCase{"TwoFlags", "demo data\n3\n4\nTRUE TRUE\t;x\n", ascErrFlags, 3, 4, kNone},
        THeaderCase{"FiveFlags", "demo data\n3\n4\nTRUE TRUE TRUE TRUE TRUE\n", ascErrFlags, 3, 4,
                    kNone},
        THeaderCase{"NotAFlag", "demo data\n3\n4\nTRUE YES FALSE\n", ascErrFlags, 3, 4, kNone}),
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
