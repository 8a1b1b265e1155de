#include "qor/frame/errors.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace qor {
namespace {

TEST(ErrorsTest, HierarchyMatchesTheUnits) {
  EXPECT_THROW(throw EQORMath1Error("x"), EQORError);
  EXPECT_THROW(throw EQORMatrixError("x"), EQORError);
  EXPECT_THROW(throw EQORError("x"), Exception);
  // Straight lines, conversions and file errors are outside the EQORError family.
  static_assert(!std::is_base_of_v<EQORError, EQORSLineError>);
  static_assert(!std::is_base_of_v<EQORError, EConvertError>);
  static_assert(!std::is_base_of_v<EQORError, EInOutError>);
  static_assert(std::is_base_of_v<Exception, EQORSLineError>);
  // Each unit's class is its own type: a handler for one does not catch another.
  static_assert(!std::is_same_v<EQORMath1Error, EQORMath2Error>);
  EXPECT_THROW(
      try { throw EQORVectorError("x"); } catch (const EQORMatrixError&){}, EQORVectorError);
}

TEST(ErrorsTest, MessageShapes) {
  EXPECT_EQ(RoutineMessage("Factorial", "negative argument"), "Factorial: negative argument");
  EXPECT_EQ(ComponentMessage("Vec1", msg::kNotEnoughMemoryOnHeap),
            "Component \"Vec1\": not enough memory on heap");
  EXPECT_EQ(ComponentMessage("", msg::kNotEnoughMemoryOnHeap),
            "Component \"\": not enough memory on heap");
  EXPECT_EQ(ComponentMessage("IV", msg::kInvalidNumberOfBins),
            "Component \"IV.Histogram\": invalid number of bins");
  try {
    RaiseRoutineError<EQORMath1Error>("Polynomial", "invalid order of polynomial");
  } catch (const EQORMath1Error& E) {
    EXPECT_STREQ(E.what(), "Polynomial: invalid order of polynomial");
  }
}

TEST(ErrorsTest, GuardedAllocationTurnsOutOfMemoryIntoTheHeapMessage) {
  std::vector<double> Data;
  try {
    GuardedAllocation<EQORVectorError>("Huge", [&] { Data.resize(Data.max_size() + 1); });
    FAIL() << "no exception";
  } catch (const EQORVectorError& E) {
    EXPECT_STREQ(E.what(), "Component \"Huge\": not enough memory on heap");
  }
  try {
    GuardedAllocation<EQORMatrixError>("M", []() -> int { throw std::bad_alloc(); });
    FAIL() << "no exception";
  } catch (const EQORMatrixError& E) {
    EXPECT_STREQ(E.what(), "Component \"M\": not enough memory on heap");
  }
  EXPECT_EQ(GuardedAllocation<EQORMatrixError>("M", [] { return 7; }), 7);
}

}  // namespace
}  // namespace qor
