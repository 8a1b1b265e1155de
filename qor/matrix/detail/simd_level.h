// The vector instruction levels the matrix kernels are compiled for, and which one runs.
//
// Every kernel exists for three levels: SSE2 (two doubles per register, present on every x86-64
// processor), AVX2 (four) and AVX-512F (eight). The widest level the processor and operating
// system support is chosen at first use; all levels give bit-identical results because every
// vector lane holds one output element whose sum keeps its own term order. Tests and benchmarks
// may force a narrower level; a request wider than the processor supports is lowered to the
// detected level, so a forced level can never execute an unsupported instruction.
#pragma once

#include <cstdint>

namespace qor::detail {

enum TSimdLevel : std::uint8_t { slSse2, slAvx2, slAvx512 };

// The widest level this processor can run.
TSimdLevel DetectedSimdLevel();

// The level the kernels use now: the detected one unless a narrower one was forced.
TSimdLevel ActiveSimdLevel();

// Makes the kernels use min(Level, DetectedSimdLevel()) from now on, process-wide, and returns
// the level actually set. Not meant to be called while kernels run on other threads.
TSimdLevel ForceSimdLevel(TSimdLevel Level);

}  // namespace qor::detail
