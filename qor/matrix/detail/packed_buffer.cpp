#include "qor/matrix/detail/packed_buffer.h"

#include <new>

namespace qor::detail {
namespace {

constexpr std::align_val_t Alignment{64};

double* Allocate(std::size_t Count) {
  return static_cast<double*>(::operator new[](Count * sizeof(double), Alignment));
}
void Release(double* Data) { ::operator delete[](Data, Alignment); }

}  // namespace

struct TPackedBuffer::TThreadBlock {
  double* Data = nullptr;
  std::size_t Capacity = 0;
  bool Taken = false;
  ~TThreadBlock() { Release(Data); }
};

TPackedBuffer::TPackedBuffer(std::size_t Count) : Lease(nullptr), Data(nullptr) {
  thread_local TThreadBlock Block;
  if (Block.Taken) {
    Data = Allocate(Count);
    return;
  }
  if (Block.Capacity < Count) {
    Release(Block.Data);
    Block.Data = nullptr;
    Block.Capacity = 0;
    Block.Data = Allocate(Count);
    Block.Capacity = Count;
  }
  Block.Taken = true;
  Lease = &Block;
  Data = Block.Data;
}

TPackedBuffer::~TPackedBuffer() {
  if (Lease == nullptr) {
    Release(Data);
    return;
  }
  Lease->Taken = false;
  if (Lease->Capacity * sizeof(double) > RetainedBytes) {
    Release(Lease->Data);
    Lease->Data = nullptr;
    Lease->Capacity = 0;
  }
}

}  // namespace qor::detail
