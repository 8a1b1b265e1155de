// A process-wide pool of worker threads for loops whose iterations are independent.
//
// ParallelFor(Count, MaxThreads, Body) calls Body(i) once for every i in 0..Count-1 and returns
// when all calls are done. The calling thread takes part; up to MaxThreads - 1 pool threads
// help (MaxThreads <= 0: all of them). Indices are handed out one at a time as threads become
// free, so the order and the thread of each call are unspecified: each Body(i) must depend only
// on i and write only its own results, and then the outcome never depends on the number of
// threads. The pool is created on first use with ProcessorCount() - 1 threads and reused.
//
// When a call of Body throws, indices not yet started are skipped, the running ones finish and
// the first exception is rethrown on the caller. A ParallelFor inside a Body runs inline on the
// thread that calls it (no nested parallelism, hence no deadlock). Several threads may call
// ParallelFor at once; they share the pool.
#pragma once

#include <cstdint>
#include <functional>

namespace qor {

void ParallelFor(int32_t Count, int32_t MaxThreads, const std::function<void(int32_t Index)>& Body);

// The number of pool threads (not counting callers); creates the pool when needed.
int32_t WorkerPoolSize();

}  // namespace qor
