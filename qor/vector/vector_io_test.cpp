#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "qor/frame/detail/scratch_file.h"
#include "qor/frame/streams.h"
#include "qor/vector/int_vector.h"
#include "qor/vector/vector.h"

namespace qor {
namespace {

using detail::TScratchFile;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

const std::string kLegend = "\t;row attributes, column names, row names, nominal variables\n";

// An ASC file with the given column and row counts, flag line and body.
std::string Asc(int Columns, int Rows, const std::string& Flags, const std::string& Body) {
  return "c\n" + std::to_string(Columns) + "\t;c\n" + std::to_string(Rows) + "\t;r\n" + Flags +
         kLegend + Body;
}
const std::string kNoFlags = "FALSE FALSE FALSE FALSE";

// The name of a file that no longer exists.
std::string MissingFile() { return TScratchFile().Name(); }

// Runs Load on the name of a scratch file holding Text.
template <class TLoad>
auto OnFile(const std::string& Text, TLoad&& Load) {
  const TScratchFile File(Text);
  return Load(File.Name());
}

TEST(VectorAscTest, ExportWritesTheLayoutAndImportReadsItBack) {
  const TScratchFile File;
  TVector V;
  V.AssignArray(std::vector<double>{1.5, -2.25, 1e-3});
  ASSERT_EQ(V.ExportAsASC(File.Name(), 3, ""), 0);
  EXPECT_EQ(File.Read(), "Exported by QOR TVector component: " + File.Name() +
                             "\n1\t;nr. of columns\n3\t;nr. of rows\n" + kNoFlags + kLegend +
                             "       1.500\n      -2.250\n       0.001\n");
  TIntVector I;
  I.AssignArray(std::vector<int32_t>{7, -12});
  ASSERT_EQ(I.ExportAsASC(File.Name(), "two\nlines"), 0);
  EXPECT_EQ(File.Read(),
            "two lines\n1\t;nr. of columns\n2\t;nr. of rows\n" + kNoFlags + kLegend + "7\n-12\n");
  TIntVector Back;
  std::string Comment;
  ASSERT_EQ(Back.ImportASC(File.Name(), Comment), 0);
  EXPECT_EQ(Comment, "two lines");
  EXPECT_THAT(Back.Data(), ElementsAre(7, -12));
  EXPECT_EQ(V.ExportAsASC(File.Name() + "/no/dir.asc", 3, ""), -1);
}

TEST(VectorAscTest, ImportCodesAndPartialReads) {
  TVector V;
  V.AssignArray(std::vector<double>{4, 4});
  std::string Comment;
  const auto Import = [&](const std::string& Path) { return V.ImportASC(Path, Comment); };
  EXPECT_EQ(Import(MissingFile()), -8);
  EXPECT_EQ(OnFile(Asc(2, 3, kNoFlags, "1\t2\n"), Import), -7);
  EXPECT_THAT(V.Data(), ElementsAre(4, 4));            // left as it was
  EXPECT_EQ(OnFile("c\nx\t;c\n", Import), -2);         // the header's code passed on
  EXPECT_EQ(OnFile("c\n2\t;c\nx\t;r\n", Import), -7);  // outranks a later header error
  EXPECT_EQ(OnFile(Asc(1, 5, kNoFlags, "1\nNAN\n###\n2.5e1\n-3\n"), Import), 0);
  EXPECT_THAT(V.Data(), ElementsAre(1, 0, 0, 25, -3));
  EXPECT_EQ(OnFile(Asc(1, 5, kNoFlags, "9\n8\nabc\n6\n5\n"), Import), -6);
  EXPECT_THAT(V.Data(), ElementsAre(9, 8, 0));  // row 3 kept, as the resize left it
  EXPECT_EQ(OnFile(Asc(1, 5, kNoFlags, "1\n2\n"), Import), -6);
  EXPECT_EQ(V.NrOfElem(), 3);

  // Attributes and names are skipped; integers round half to even; a bad attribute gives -5.
  TIntVector I;
  EXPECT_EQ(OnFile(Asc(1, 4, "TRUE TRUE TRUE FALSE",
                       "\"the values\"\n1 \"row one\" 2.5\n2 r2 3.5\n3 \"r 3\" -2.5\nx r4 7\n"),
                   [&](const std::string& Path) { return I.ImportASC(Path, Comment); }),
            -5);
  EXPECT_THAT(I.Data(), ElementsAre(2, 4, -2, 0));
}

TEST(VectorElementFileTest, StoreOnFileLayoutsReadBack) {
  const TScratchFile File;
  const std::string Path = File.Name();
  TVector V;
  V.AssignArray(std::vector<double>{0.1, -1234.5, 1.0 / 3, 6.02214076e23});
  ASSERT_TRUE(V.StoreOnFile(3, 2, 1, Path));  // reversed bounds are exchanged
  EXPECT_EQ(File.Read(), "2 3\n-1234.5\n0.3\n");
  ASSERT_TRUE(V.StoreOnFile(1, 1, -1, Path));
  EXPECT_EQ(File.Read(), "1 1\n 1.0000E-0001\n");
  ASSERT_TRUE(V.StoreOnFile(1, 1, -7, Path));  // below -2: two decimals
  EXPECT_EQ(File.Read(), "1 1\n0.10\n");

  ASSERT_TRUE(V.StoreOnFile(0, 0, -2, Path));  // 17 decimals: every double comes back exactly
  TVector Back;
  int Changes = 0;
  Back.OnChange = [&Changes](TObject*) { ++Changes; };
  ASSERT_TRUE(Back.LoadFromFile(Path, true));
  EXPECT_THAT(Back.Data(), ElementsAreArray(V.Data()));
  EXPECT_EQ(Changes, 1 + 4 + 1);  // resize, four stores, the end

  TIntVector I;
  I.AssignArray(std::vector<int32_t>{5, -6, 7});
  ASSERT_TRUE(I.StoreOnFile(2, 3, Path));
  EXPECT_EQ(File.Read(), "2 3\n-6\n7\n");
  EXPECT_FALSE(V.StoreOnFile(0, 0, 2, Path + "/no/x.txt"));
}

TEST(VectorElementFileTest, LoadFromFileFillsTheNamedRangeOrTheMarkedLines) {
  TVector V;
  const auto Load = [&](const std::string& Path) { return V.LoadFromFile(Path, true); };
  ASSERT_TRUE(OnFile("3 5\n1.5\nbad\n2.5\n", Load));
  EXPECT_THAT(V.Data(), ElementsAre(0, 0, 1.5, 0, 2.5));  // sized to Last, not 3
  TVector Small;
  // Last beyond the vector: nothing read.
  EXPECT_FALSE(OnFile("3 5\n1\n", [&](auto Path) { return Small.LoadFromFile(Path, false); }));
  EXPECT_EQ(Small.NrOfElem(), 1);
  EXPECT_FALSE(OnFile("3\n", Load));
  EXPECT_FALSE(Load(MissingFile()));
  // The bounds' line ends the header: what follows them there is not read as an element.
  ASSERT_TRUE(OnFile("1 2 9 9\n4\n5\n", Load));
  EXPECT_THAT(V.Data(), ElementsAre(4, 5));
  TIntVector I;
  ASSERT_TRUE(OnFile("1 3\n0.5\n1.5\n-7\n", [&](auto Path) { return I.LoadFromFile(Path, true); }));
  EXPECT_THAT(I.Data(), ElementsAre(0, 2, -7));

  // Two non-empty lines carry the marker, so two elements; the words then fill them in order,
  // and "//dig" itself is no number, which leaves element 2 as it was (5, from above).
  const auto Detect = [&](const std::string& Path) { return V.LoadFromFile(Path, true, true); };
  ASSERT_TRUE(OnFile("7 //dig\n8\n\n//dig 9\n", Detect));
  EXPECT_THAT(V.Data(), ElementsAre(7, 5));
  EXPECT_FALSE(Detect(MissingFile()));
  ASSERT_TRUE(OnFile("1 2\n4\n5\n", [&](auto Path) { return V.LoadFromFile(Path, false, false); }));
  EXPECT_THAT(V.Data(), ElementsAre(4, 5));
}

template <class Vec>
class VectorStreamTest : public ::testing::Test {};
using VectorTypes = ::testing::Types<TVector, TIntVector>;
TYPED_TEST_SUITE(VectorStreamTest, VectorTypes);

TYPED_TEST(VectorStreamTest, StreamRoundTripsAndFailures) {
  TypeParam V;
  V.AssignArray(std::vector<typename TypeParam::TElem>{3, -1, 4, 1, -5});
  std::unique_ptr<TMemoryStream> Stream;
  V.SaveToStream(Stream, 4, 2);  // repaired to 2..4; the stream is created
  ASSERT_TRUE(Stream);
  // Bounds and elements in the element's stream form: 10-byte extended or 4-byte integer.
  const int64_t Width = std::is_same_v<TypeParam, TVector> ? 10 : 4;
  EXPECT_EQ(Stream->Size(), 5 * Width);

  TypeParam Back;
  int Changes = 0;
  Back.OnChange = [&Changes](TObject*) { ++Changes; };
  Stream->SetPosition(0);
  EXPECT_FALSE(Back.LoadFromStream(Stream.get(), false));  // Last = 4 beyond one element
  EXPECT_EQ(Changes, 1);                                   // still notified
  Stream->SetPosition(0);
  ASSERT_TRUE(Back.LoadFromStream(Stream.get(), true));
  EXPECT_THAT(Back.Data(), ElementsAre(0, -1, 4, 1));

  Stream->SetSize(4 * Width + 1);  // the last element is cut short
  Stream->SetPosition(0);
  EXPECT_FALSE(Back.LoadFromStream(Stream.get(), true));
  EXPECT_FALSE(Back.LoadFromStream(nullptr, true));
  TMemoryStream Empty;
  EXPECT_FALSE(Back.LoadFromStream(&Empty, true));

  const TScratchFile File;
  {
    TFileStream Out(File.Name(), fmCreate);
    V.SaveToStream(Out, 0, 0);
  }
  TFileStream In(File.Name(), fmOpenRead);
  EXPECT_TRUE(Back.LoadFromStream(&In, true));
  EXPECT_THAT(Back.Data(), ElementsAreArray(V.Data()));
}

TYPED_TEST(VectorStreamTest, CRCofDataHasOneRegisterPerByte) {
  TypeParam Zero;
  // Each register sees one zero byte: the CRC-32 of "\0" is D202EF8D.
  std::string Expected;
  for (size_t j = 0; j < sizeof(typename TypeParam::TElem); ++j) Expected += "D202EF8D";
  EXPECT_EQ(Zero.CRCofData(), Expected);
  TypeParam a, b;
  a.AssignArray(std::vector<typename TypeParam::TElem>{1, 2, 3});
  b.AssignArray(std::vector<typename TypeParam::TElem>{1, 5, 3});
  // 2 and 5 differ in one byte of their stored form: byte 6 of the doubles (4000.. against
  // 4014..), byte 0 of the integers. Only that register's eight digits change.
  const size_t ChangedLane = std::is_same_v<TypeParam, TVector> ? 6 : 0;
  for (size_t j = 0; j < sizeof(typename TypeParam::TElem); ++j)
    EXPECT_EQ(a.CRCofData().substr(8 * j, 8) == b.CRCofData().substr(8 * j, 8), j != ChangedLane)
        << "register " << j;
}

}  // namespace
}  // namespace qor
