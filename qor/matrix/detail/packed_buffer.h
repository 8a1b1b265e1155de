// TPackedBuffer: scratch memory for packed operand panels, aligned to a cache line.
//
// Panels start on 64-byte boundaries so that a vector load never straddles two cache lines.
// The contents are uninitialised; packing writes every element the kernels read. Allocation
// failure throws std::bad_alloc, which the calling component turns into its heap message.
#pragma once

#include <cstddef>
#include <memory>
#include <new>

namespace qor::detail {

class TPackedBuffer {
 public:
  explicit TPackedBuffer(std::size_t Count)
      : Data(static_cast<double*>(::operator new[](Count * sizeof(double), Alignment))) {}
  double* data() { return Data.get(); }
  const double* data() const { return Data.get(); }

 private:
  static constexpr std::align_val_t Alignment{64};
  struct TRelease {
    void operator()(double* p) const { ::operator delete[](p, Alignment); }
  };
  std::unique_ptr<double[], TRelease> Data;
};

}  // namespace qor::detail
