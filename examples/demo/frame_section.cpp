// Compensated summation against plain summation, the platform's number layouts and a few
// base-layer helpers.
#include <iomanip>

#include "qor/qormath.h"
#include "sections.h"

namespace demo {

void FrameSection(std::ostream& Out) {
  Out << "\n-- Compensated summation --\n";
  qor::TKahanSum Kahan;
  double Plain = 0;
  Kahan.Add(1.0);
  Plain += 1.0;
  for (int i = 0; i < 10'000'000; ++i) {
    Kahan.Add(1e-16);
    Plain += 1e-16;
  }
  Out << "1 + 1e-16 added ten million times (exact: 1.000000001)\n"
      << "  plain:       " << qor::strff(Plain, 1, 15) << "\n"
      << "  compensated: " << qor::strff(Kahan.Sum, 1, 15) << "\n";

  Out << "\n-- Number layouts --\n";
  for (long double x : {1234.0L, -0.000125L, 6.02214076e23L})
    Out << "  fixed " << qor::StrFloat(x, 14, 4) << "   exponential " << qor::StrFloat(x, 14, -1)
        << "\n";

  Out << "\n-- Base-layer helpers --\n";
  Out << "  CRC-32 of \"123456789\": " << std::hex << std::uppercase << qor::CalcCRC32("123456789")
      << std::dec << std::nouppercase << " (check value CBF43926)\n";
  const std::string Attributes = "sig=\"Q\"  vers=\"1.000\" id=\"m1\"";
  Out << "  tokens of " << Attributes << ":";
  for (const std::string& Token : qor::Tokenize(Attributes)) Out << " [" << Token << "]";
  Out << "\n";
  qor::TBitFld Used(10);
  for (int32_t Ix : {1, 2, 3, 7}) Used.SetBit(Ix, true);
  qor::TBitFld Failed(10);
  Failed.SetBit(2, true);
  Used.CombineWith(Failed, qor::loAndNot);
  Out << "  bit field {1,2,3,7} and not {2}: ";
  for (int32_t Ix = 0; Ix < Used.Size(); ++Ix) Out << (Used.GetBit(Ix) ? '1' : '0');
  Out << " (" << Used.CountTrueBits() << " set, first " << Used.FirstTrueBit() << ")\n";
}

}  // namespace demo
