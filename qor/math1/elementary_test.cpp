#include "qor/math1/elementary.h"

#include <gtest/gtest.h>

#include <limits>

#include "qor/frame/errors.h"

namespace qor {
namespace {

TEST(LogarithmTest, ExactPowersAndInvalidArguments) {
  // A quotient of two rounded logarithms: within a few ulps of the exact value, not always on it
  // (ln 1000 / ln 10 rounds to just below 3).
  EXPECT_DOUBLE_EQ(lg(1000.0), 3.0);
  EXPECT_DOUBLE_EQ(ld(1024.0), 10.0);
  EXPECT_DOUBLE_EQ(lg(0.01), -2.0);
  EXPECT_EQ(lg(1.0), 0.0);
  for (double Bad : {0.0, -1.0, std::numeric_limits<double>::quiet_NaN()}) {
    try {
      lg(Bad);
      FAIL() << "no exception for " << Bad;
    } catch (const EQORMath1Error& E) {
      EXPECT_STREQ(E.what(), "logarithm: invalid argument");
    }
  }
  EXPECT_THROW(ld(0.0), EQORMath1Error);
}

}  // namespace
}  // namespace qor
