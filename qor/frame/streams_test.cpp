#include "qor/frame/streams.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <memory>
#include <tuple>
#include <vector>

#include "qor/frame/detail/scratch_file.h"
#include "qor/frame/errors.h"

namespace qor {
namespace {

using Bytes = std::vector<uint8_t>;

TEST(StreamLayout, ExtendedAndLongintBytesAreLittleEndian) {
  TMemoryStream s;
  WriteExtendedToStream(s, 1.0L);
  WriteExtendedToStream(s, -2.0L);
  WriteLongintToStream(s, -2);
  WriteLongintToStream(s, 0x01020304);
  EXPECT_EQ(s.Memory(), (Bytes{0,    0,    0,    0,    0,    0,    0,    0x80,
                               0xFF, 0x3F,  // 1.0: significand, then 3FFF
                               0,    0,    0,    0,    0,    0,    0,    0x80,
                               0x00, 0xC0,  // -2.0: sign bit set, 4000
                               0xFE, 0xFF, 0xFF, 0xFF, 0x04, 0x03, 0x02, 0x01}));
}

// Every stream kind reads back what was written, bit for bit, and refuses to read past the end.
class StreamRoundTrip : public ::testing::TestWithParam<bool> {
 protected:
  std::unique_ptr<TStream> MakeStream() {
    if (GetParam()) return std::make_unique<TFileStream>(File.Name(), fmCreate);
    return std::make_unique<TMemoryStream>();
  }
  detail::TScratchFile File;
};

TEST_P(StreamRoundTrip, ValuesComeBackBitForBit) {
  const std::vector<long double> Extended = {
      1.0L / 3, -0.0L, std::numeric_limits<long double>::max(),
      std::numeric_limits<long double>::denorm_min(), std::numeric_limits<long double>::infinity()};
  const std::vector<int32_t> Longints = {0, -1, std::numeric_limits<int32_t>::min(),
                                         std::numeric_limits<int32_t>::max()};
  auto s = MakeStream();
  for (size_t i = 0; i < Extended.size(); ++i) {
    WriteExtendedToStream(*s, Extended[i]);
    WriteLongintToStream(*s, Longints[i % Longints.size()]);
  }
  EXPECT_EQ(s->Size(), static_cast<int64_t>(Extended.size() * 14));
  s->SetPosition(0);
  for (size_t i = 0; i < Extended.size(); ++i) {
    long double x = 0;
    int32_t n = 0;
    ASSERT_TRUE(ReadExtendedFromStream(*s, x));
    ASSERT_TRUE(ReadLongintFromStream(*s, n));
    EXPECT_EQ(std::memcmp(&x, &Extended[i], 10), 0) << i;
    EXPECT_EQ(n, Longints[i % Longints.size()]);
  }
}

TEST_P(StreamRoundTrip, ShortDataIsNotConsumed) {
  auto s = MakeStream();
  WriteLongintToStream(*s, 5);
  s->Write("\x01\x02", 2);
  s->SetPosition(0);
  long double x = 7;
  EXPECT_FALSE(ReadExtendedFromStream(*s, x));  // 6 bytes left, 10 needed
  EXPECT_EQ(std::tuple(s->Position(), x), std::tuple(0, 7));
  int32_t n = 0;
  EXPECT_TRUE(ReadLongintFromStream(*s, n));
  EXPECT_FALSE(ReadLongintFromStream(*s, n));
  EXPECT_EQ(std::tuple(s->Position(), n), std::tuple(4, 5));
}

INSTANTIATE_TEST_SUITE_P(Kinds, StreamRoundTrip, ::testing::Bool(),
                         [](const auto& Info) { return Info.param ? "File" : "Memory"; });

TEST(MemoryStream, SeekClampsAndWritingPastTheEndZeroFills) {
  TMemoryStream s;
  EXPECT_EQ(s.Seek(-5, soCurrent), 0);
  s.Seek(3, soBeginning);
  s.Write("\x09", 1);
  EXPECT_EQ(s.Memory(), (Bytes{0, 0, 0, 9}));
  s.SetSize(2);
  EXPECT_EQ(s.Position(), 2);
  EXPECT_EQ(s.Seek(-1, soEnd), 1);
}

TEST(FileStream, OpeningFailuresRaiseInOutErrors) {
  const std::string Missing = detail::TScratchFile().Name();  // removed again at once
  EXPECT_THROW(TFileStream(Missing, fmOpenRead), EInOutError);
  EXPECT_THAT(
      [&] { TFileStream(Missing + "/no/dir", fmCreate); },
      ::testing::ThrowsMessage<EInOutError>("Cannot create file \"" + Missing + "/no/dir\""));
}

}  // namespace
}  // namespace qor
