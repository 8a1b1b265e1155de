#include "qor/frame/errors.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <new>
#include <type_traits>
#include <vector>

namespace qor {
namespace {

using ::testing::ThrowsMessage;

TEST(ErrorsTest, HierarchyMatchesTheUnits) {
  static_assert(std::is_base_of_v<EQORError, EQORMath1Error>);
  static_assert(std::is_base_of_v<EQORError, EQORMatrixError>);
  static_assert(std::is_base_of_v<Exception, EQORError>);
  // Straight lines, conversions and file errors are outside the EQORError family.
  static_assert(!std::is_base_of_v<EQORError, EQORSLineError>);
  static_assert(!std::is_base_of_v<EQORError, EConvertError>);
  static_assert(!std::is_base_of_v<EQORError, EInOutError>);
  static_assert(std::is_base_of_v<Exception, EQORSLineError>);
  // Each unit's class is its own type: a handler for one does not catch another.
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
  EXPECT_THAT([] { RaiseRoutineError<EQORMath1Error>("Polynomial", "invalid order"); },
              ThrowsMessage<EQORMath1Error>("Polynomial: invalid order"));
}

TEST(ErrorsTest, GuardedAllocationTurnsOutOfMemoryIntoTheHeapMessage) {
  std::vector<double> Data;
  EXPECT_THAT(
      [&] {
        GuardedAllocation<EQORVectorError>("Huge", [&] { Data.resize(Data.max_size() + 1); });
      },
      ThrowsMessage<EQORVectorError>("Component \"Huge\": not enough memory on heap"));
  EXPECT_THAT(
      [] { GuardedAllocation<EQORMatrixError>("M", []() -> int { throw std::bad_alloc(); }); },
      ThrowsMessage<EQORMatrixError>("Component \"M\": not enough memory on heap"));
  EXPECT_EQ(GuardedAllocation<EQORMatrixError>("M", [] { return 7; }), 7);
}

}  // namespace
}  // namespace qor
