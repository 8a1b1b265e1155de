#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <type_traits>
#include <vector>

#include "qor/frame/streams.h"
#include "qor/vector/int_vector.h"
#include "qor/vector/vector.h"

namespace qor {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

class VectorFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Dir = fs::temp_directory_path() /
          ("qor_vector_io_" +
           std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::create_directories(Dir);
  }
  void TearDown() override { fs::remove_all(Dir); }
  std::string PathOf(const std::string& Name) const { return (Dir / Name).string(); }
  std::string Write(const std::string& Name, const std::string& Text) const {
    std::ofstream(PathOf(Name), std::ios::binary) << Text;
    return PathOf(Name);
  }
  static std::string Read(const std::string& Path) {
    std::ifstream In(Path, std::ios::binary);
    std::stringstream Text;
    Text << In.rdbuf();
    return Text.str();
  }
  static constexpr const char* kFlags =
      "\t;row attributes, column names, row names, nominal variables\n";

  fs::path Dir;
};

TEST_F(VectorFileTest, ExportAsASCWritesTheHeaderAndReadsBack) {
  TVector V;
  V.AssignArray(std::vector<double>{1.5, -2.25, 1e-3});
  const std::string Path = PathOf("v.asc");
  ASSERT_EQ(V.ExportAsASC(Path, 3, ""), 0);
  EXPECT_EQ(Read(Path), "Exported by QOR TVector component: " + Path + "\n1\t;nr. of columns\n" +
                            "3\t;nr. of rows\nFALSE FALSE FALSE FALSE" + kFlags +
                            "       1.500\n      -2.250\n       0.001\n");
  TIntVector I;
  I.AssignArray(std::vector<int32_t>{7, -12});
  ASSERT_EQ(I.ExportAsASC(Path, "two\nlines"), 0);
  EXPECT_EQ(Read(Path).substr(0, 30), "two lines\n1\t;nr. of columns\n2\t");
  EXPECT_TRUE(Read(Path).ends_with("\n7\n-12\n"));

  TIntVector Back;
  std::string Comment;
  ASSERT_EQ(Back.ImportASC(Path, Comment), 0);
  EXPECT_EQ(Comment, "two lines");
  EXPECT_THAT(Back.Data(), ElementsAre(7, -12));
  EXPECT_EQ(V.ExportAsASC((Dir / "no" / "such" / "dir.asc").string(), 3, ""), -1);
}

TEST_F(VectorFileTest, ImportASCCodesAndPartialReads) {
  TVector V;
  V.AssignArray(std::vector<double>{4, 4});
  std::string Comment;
  EXPECT_EQ(V.ImportASC(PathOf("missing.asc"), Comment), -8);
  const std::string Two =
      Write("two.asc", std::string("c\n2\t;c\n3\t;r\nFALSE FALSE FALSE FALSE") + kFlags + "1\t2\n");
  EXPECT_EQ(V.ImportASC(Two, Comment), -7);
  EXPECT_THAT(V.Data(), ElementsAre(4, 4));                             // left as it was
  EXPECT_EQ(V.ImportASC(Write("bad.asc", "c\nx\t;c\n"), Comment), -2);  // header code passed on
  // Two columns replace a header error found after the column line (here the row count).
  EXPECT_EQ(V.ImportASC(Write("two_bad.asc", "c\n2\t;c\nx\t;r\n"), Comment), -7);

  const std::string Header = std::string("c\n1\t;c\n5\t;r\nFALSE FALSE FALSE FALSE") + kFlags;
  EXPECT_EQ(V.ImportASC(Write("nan.asc", Header + "1\nNAN\n###\n2.5e1\n-3\n"), Comment), 0);
  EXPECT_THAT(V.Data(), ElementsAre(1, 0, 0, 25, -3));
  EXPECT_EQ(V.ImportASC(Write("abc.asc", Header + "9\n8\nabc\n6\n5\n"), Comment), -6);
  EXPECT_THAT(V.Data(), ElementsAre(9, 8, 0));  // row 3 kept, as the resize left it
  EXPECT_EQ(V.ImportASC(Write("short.asc", Header + "1\n2\n"), Comment), -6);
  EXPECT_EQ(V.NrOfElem(), 3);
}

TEST_F(VectorFileTest, ImportASCSkipsAttributesAndNamesAndRoundsIntegersToEven) {
  const std::string Path =
      Write("named.asc", std::string("c\n1\t;c\n4\t;r\nTRUE TRUE TRUE FALSE") + kFlags +
                             "\"the values\"\n1 \"row one\" 2.5\n2 r2 3.5\n3 \"r 3\" -2.5\n"
                             "x r4 7\n");
  TIntVector I;
  std::string Comment;
  EXPECT_EQ(I.ImportASC(Path, Comment), -5);  // the fourth row attribute is not a number
  EXPECT_THAT(I.Data(), ElementsAre(2, 4, -2, 0));
}

TEST_F(VectorFileTest, StoreOnFileLayoutsReadBack) {
  TVector V;
  V.AssignArray(std::vector<double>{0.1, -1234.5, 1.0 / 3, 6.02214076e23});
  const std::string Path = PathOf("v.txt");
  ASSERT_TRUE(V.StoreOnFile(3, 2, 1, Path));  // reversed bounds are exchanged
  EXPECT_EQ(Read(Path), "2 3\n-1234.5\n0.3\n");
  ASSERT_TRUE(V.StoreOnFile(1, 1, -1, Path));
  EXPECT_EQ(Read(Path), "1 1\n 1.0000E-0001\n");
  ASSERT_TRUE(V.StoreOnFile(1, 1, -7, Path));  // below -2: two decimals
  EXPECT_EQ(Read(Path), "1 1\n0.10\n");

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
  EXPECT_EQ(Read(Path), "2 3\n-6\n7\n");
  EXPECT_FALSE(V.StoreOnFile(0, 0, 2, (Dir / "no" / "x.txt").string()));
}

TEST_F(VectorFileTest, LoadFromFileFillsTheNamedRangeOnly) {
  const std::string Path = Write("r.txt", "3 5\n1.5\nbad\n2.5\n");
  TVector V;
  ASSERT_TRUE(V.LoadFromFile(Path, true));
  EXPECT_THAT(V.Data(), ElementsAre(0, 0, 1.5, 0, 2.5));  // sized to Last, not 3
  TVector Small;
  EXPECT_FALSE(Small.LoadFromFile(Path, false));  // Last beyond the vector: nothing read
  EXPECT_EQ(Small.NrOfElem(), 1);
  EXPECT_FALSE(Small.LoadFromFile(Write("h.txt", "3\n"), true));
  EXPECT_FALSE(Small.LoadFromFile(PathOf("missing.txt"), true));
  // The bounds' line ends the header: what follows them there is not read as an element.
  ASSERT_TRUE(V.LoadFromFile(Write("tail.txt", "1 2 9 9\n4\n5\n"), true));
  EXPECT_THAT(V.Data(), ElementsAre(4, 5));
  TIntVector I;
  ASSERT_TRUE(I.LoadFromFile(Write("i.txt", "1 3\n0.5\n1.5\n-7\n"), true));
  EXPECT_THAT(I.Data(), ElementsAre(0, 2, -7));
}

TEST_F(VectorFileTest, AutoDetectSizesByMarkedLines) {
  // Two non-empty lines carry the marker, so two elements; the words then fill them in order,
  // and "//dig" itself is no number, which leaves element 2 as it was.
  const std::string Path = Write("dig.txt", "7 //dig\n8\n\n//dig 9\n");
  TVector V;
  ASSERT_TRUE(V.LoadFromFile(Path, true, true));
  EXPECT_THAT(V.Data(), ElementsAre(7, 0));
  ASSERT_TRUE(V.LoadFromFile(Write("plain.txt", "1 2\n4\n5\n"), false, false));
  EXPECT_THAT(V.Data(), ElementsAre(4, 5));
  EXPECT_FALSE(V.LoadFromFile(PathOf("missing.txt"), true, true));
}

template <class Vec>
class VectorStreamTest : public ::testing::Test {};
using VectorTypes = ::testing::Types<TVector, TIntVector>;
TYPED_TEST_SUITE(VectorStreamTest, VectorTypes);

TYPED_TEST(VectorStreamTest, MemoryStreamRoundTripAndItsFailures) {
  using TElems = std::vector<typename TypeParam::TElem>;
  TypeParam V;
  V.AssignArray(TElems{3, -1, 4, 1, -5});
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
}

TYPED_TEST(VectorStreamTest, FileStreamRoundTrip) {
  using TElems = std::vector<typename TypeParam::TElem>;
  const std::string Path = (fs::temp_directory_path() / "qor_vector_stream.bin").string();
  TypeParam V;
  V.AssignArray(TElems{8, 6, -7});
  {
    TFileStream Out(Path, fmCreate);
    V.SaveToStream(Out, 0, 0);
  }
  TypeParam Back;
  {
    TFileStream In(Path, fmOpenRead);
    EXPECT_TRUE(Back.LoadFromStream(&In, true));
  }
  fs::remove(Path);
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
  b.AssignArray(std::vector<typename TypeParam::TElem>{1, 2, 3});
  EXPECT_EQ(a.CRCofData(), b.CRCofData());
  // 2 and 5 differ in one byte of their stored form: byte 6 of the doubles (4000.. against
  // 4014..), byte 0 of the integers. Only that register's eight digits change.
  b.SetVal(2, 5);
  const size_t ChangedLane = std::is_same_v<TypeParam, TVector> ? 6 : 0;
  for (size_t j = 0; j < sizeof(typename TypeParam::TElem); ++j)
    EXPECT_EQ(a.CRCofData().substr(8 * j, 8) == b.CRCofData().substr(8 * j, 8), j != ChangedLane)
        << "register " << j;
}

}  // namespace
}  // namespace qor
