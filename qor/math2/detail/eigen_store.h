// The process-wide eigen store of the math2 unit, shared by CalcEigVec, CalcPrincComp and the
// readers in eigen.h.
//
// Values[k] is eigenvalue k + 1; Vectors holds the eigenvectors column-major, eigenvector
// k + 1 being the Size contiguous values from k * Size (the readers translate the documented
// 1-based (k, c) addressing). HasArrays is false before the first CalcEigVec and after
// RemoveEigenMatrix, which releases the arrays but keeps Size.
#pragma once

#include <cstdint>
#include <vector>

namespace qor::detail {

struct TEigenStore {
  int32_t Size = 0;
  bool HasArrays = false;
  std::vector<double> Values;
  std::vector<double> Vectors;
};

// The one store of the process, created on first use.
TEigenStore& EigenStore();

}  // namespace qor::detail
