#include "qor/math1/random_numbers.h"

#include <cmath>
#include <cstdlib>
#include <numbers>

#include "qor/frame/random.h"
#include "qor/math1/detail/random_state.h"

namespace qor {
namespace detail {

TMath1RandomState::TMath1RandomState() {
  for (int32_t& Seed : LongRandSeeds)
    Seed = static_cast<int32_t>(std::nearbyint(Random() * 990000));
}

TMath1RandomState& Math1RandomState() {
  static TMath1RandomState State;
  return State;
}

}  // namespace detail

namespace {

constexpr int32_t kModulus1 = 1001003;
constexpr int32_t kModulus2 = 990923;
constexpr int32_t kModulus3 = 1400423;

// (s shl Shift xor s) in 32-bit arithmetic, high bits shifted out as the word width dictates.
int32_t ShiftXor(int32_t s, int Shift) {
  const uint32_t Word = static_cast<uint32_t>(s);
  return static_cast<int32_t>((Word << Shift) ^ Word);
}

}  // namespace

bool BRandom(double p) { return p >= 1 || Random() < p; }

double CRandom(double Location, double Scale) {
  return Location + Scale * std::tan(std::numbers::pi * (Random() - 0.5));
}

double GRandom() {
  detail::TMath1RandomState& State = detail::Math1RandomState();
  if (State.GaussCached) {
    State.GaussCached = false;
    return State.GaussValue;
  }
  double p, q, s;
  do {
    p = 2 * Random() - 1;
    q = 2 * Random() - 1;
    s = p * p + q * q;
  } while (s >= 1 || s == 0);  // s = 0 (probability 2^-106) would give 0 * inf
  const double f = std::sqrt(-2 * std::log(s) / s);
  State.GaussValue = p * f;
  State.GaussCached = true;
  return q * f;
}

double LongRand(int32_t Seed) {
  std::array<int32_t, 3>& s = detail::Math1RandomState().LongRandSeeds;
  if (Seed != 0) {
    s[0] = std::abs(Seed % kModulus2);
    s[1] = std::abs(ShiftXor(s[0], 8)) % kModulus2;
    s[2] = std::abs(ShiftXor(s[0], 16)) % kModulus2;
  }
  s[0] = s[0] * 1187 % kModulus1;
  s[1] = s[1] * 983 % kModulus2;
  s[2] = s[2] * 1283 % kModulus3;
  const double Sum = static_cast<double>(s[0]) / kModulus1 + static_cast<double>(s[1]) / kModulus2 +
                     static_cast<double>(s[2]) / kModulus3;
  return Sum - std::trunc(Sum);
}

}  // namespace qor
