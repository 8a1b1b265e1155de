#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "qor/matrix/detail/kernel_test_support.h"
#include "qor/matrix/detail/linalg_kernels.h"

namespace qor::detail {
namespace {

using testing::AllLevels;
using testing::BitMismatches;
using testing::LevelCaseName;
using testing::OrderSensitiveData;
using testing::TLevelScope;

struct TChainShape {
  std::ptrdiff_t Count;   // heads
  std::ptrdiff_t Length;  // rotations
  std::ptrdiff_t Ld;      // lane stride of the partners; 1 for contiguous partners
};

// Head counts below one vector, one vector with a tail, and several groups of vectors with a
// tail at every level (two, four and eight lanes carried four vectors at a time); lane strides
// of 1 (the eigenvector update) and odd strides (the deferred row updates).
const TChainShape Shapes[] = {{0, 3, 1},    {5, 0, 1},    {1, 1, 1},     {3, 7, 1},     {9, 5, 1},
                              {33, 4, 1},   {77, 31, 1},  {200, 199, 1}, {1, 5, 7},     {7, 3, 9},
                              {17, 32, 41}, {45, 11, 47}, {70, 32, 71},  {130, 20, 131}};

// Rotation k turns every head against row k of the partner block, in the rows listed in an
// order that is not monotonic, so that a kernel applying them out of order shows it.
std::vector<TChainRotation> Rotations(std::ptrdiff_t Length, std::ptrdiff_t Rows) {
  const std::vector<double> angles = OrderSensitiveData(static_cast<std::size_t>(Length), 19);
  std::vector<TChainRotation> chain;
  for (std::ptrdiff_t k = 0; k < Length; ++k) {
    const double t = std::tanh(angles[static_cast<std::size_t>(k)]);
    const double c = 1.0 / std::sqrt(t * t + 1.0);
    const double s = t * c;
    chain.push_back({(k * 5 + 2) % Rows, s, s / (1.0 + c)});
  }
  return chain;
}

// The chain written as its contract states it, one head and one rotation at a time.
void ReferenceChain(std::vector<double>& Head, std::vector<double>& Block, std::ptrdiff_t Ld,
                    const std::vector<TChainRotation>& Chain) {
  for (std::size_t j = 0; j < Head.size(); ++j)
    for (const TChainRotation& r : Chain) {
      double& x = Head[j];
      double& y = Block[j * static_cast<std::size_t>(Ld) + static_cast<std::size_t>(r.Row)];
      const double x0 = x;
      x = x0 - r.s * (y + x0 * r.tau);
      y = y + r.s * (x0 - y * r.tau);
    }
}

class JacobiChainAtLevel : public ::testing::TestWithParam<TSimdLevel> {};

TEST_P(JacobiChainAtLevel, BitIdenticalToTheRotationByRotationLoop) {
  const TLevelScope scope(GetParam());
  if (!scope.Supported) GTEST_SKIP() << "level not supported by this processor";
  for (const TChainShape& shape : Shapes) {
    SCOPED_TRACE(::testing::Message()
                 << "Count " << shape.Count << " Length " << shape.Length << " Ld " << shape.Ld);
    // Contiguous partners of head j sit at j + Row * Rows (rows of a column-major block, as in
    // the eigenvector update); strided ones at j * Ld + Row. Both need Rows distinct rows.
    const std::ptrdiff_t rows = shape.Ld == 1 ? shape.Count : shape.Ld;
    const std::vector<TChainRotation> rotations =
        Rotations(shape.Length, std::max<std::ptrdiff_t>(rows, 1));
    std::vector<TChainRotation> chain = rotations;
    if (shape.Ld == 1)
      for (TChainRotation& r : chain) r.Row *= shape.Count;
    const auto blockSize = static_cast<std::size_t>(
        shape.Ld == 1 ? shape.Count * std::max<std::ptrdiff_t>(rows, 1) : shape.Count * shape.Ld);
    const std::vector<double> head = OrderSensitiveData(static_cast<std::size_t>(shape.Count), 3);
    const std::vector<double> block = OrderSensitiveData(blockSize, 4);

    std::vector<double> fastHead = head, fastBlock = block;
    JacobiRotateChain(fastHead.data(), fastBlock.data(), shape.Ld, shape.Count, chain.data(),
                      shape.Length);
    std::vector<double> refHead = head, refBlock = block;
    ReferenceChain(refHead, refBlock, shape.Ld, chain);
    EXPECT_EQ(BitMismatches(fastHead, refHead), 0);
    EXPECT_EQ(BitMismatches(fastBlock, refBlock), 0);
  }
}

INSTANTIATE_TEST_SUITE_P(Levels, JacobiChainAtLevel, AllLevels, LevelCaseName);

}  // namespace
}  // namespace qor::detail
