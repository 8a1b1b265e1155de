// TPackedBuffer: scratch memory for packed operand panels, cached per thread.
//
// Panels start on 64-byte boundaries so that a vector load never straddles two cache lines.
// Fresh memory is expensive to touch (every new page faults, and the products would pay that
// on each call), so each thread keeps one block that buffers created on it reuse: a buffer
// takes the block when it is free, growing it if needed, and gives it back when destroyed;
// while the block is taken, further buffers get memory of their own. Blocks larger than
// RetainedBytes are released on return instead of kept. A buffer must be destroyed on the
// thread that created it. The contents are uninitialised; allocation failure throws
// std::bad_alloc, which the calling component turns into its heap message.
#pragma once

#include <cstddef>

namespace qor::detail {

class TPackedBuffer {
 public:
  static constexpr std::size_t RetainedBytes = std::size_t{64} << 20;

  explicit TPackedBuffer(std::size_t Count);
  ~TPackedBuffer();
  TPackedBuffer(const TPackedBuffer&) = delete;
  TPackedBuffer& operator=(const TPackedBuffer&) = delete;

  double* data() { return Data; }
  const double* data() const { return Data; }

 private:
  struct TThreadBlock;
  TThreadBlock* Lease;  // the thread's block when this buffer holds it, else nil
  double* Data;
};

}  // namespace qor::detail
