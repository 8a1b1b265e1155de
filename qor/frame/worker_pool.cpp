#include "qor/frame/worker_pool.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <exception>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

#include "qor/frame/processors.h"

namespace qor {
namespace {

// True on a thread while it runs loop bodies; nested loops on it then run inline.
thread_local bool tInsideLoop = false;

struct TJob {
  TJob(const std::function<void(int32_t)>& ABody, int32_t ACount, int32_t AHelpersWanted)
      : Body(ABody), Count(ACount), HelpersWanted(AHelpersWanted) {}

  const std::function<void(int32_t)>& Body;
  const int32_t Count;
  const int32_t HelpersWanted;
  int32_t HelpersJoined = 0;  // guarded by the pool's mutex
  int32_t HelpersActive = 0;  // guarded by the pool's mutex
  std::condition_variable HelpersDone;
  std::atomic<int32_t> Next{0};
  std::atomic<bool> Failed{false};
  std::mutex ErrorMutex;
  std::exception_ptr Error;
};

void RunIndices(TJob& Job) {
  const bool WasInside = std::exchange(tInsideLoop, true);
  while (!Job.Failed.load(std::memory_order_relaxed)) {
    const int32_t Index = Job.Next.fetch_add(1, std::memory_order_relaxed);
    if (Index >= Job.Count) break;
    try {
      Job.Body(Index);
    } catch (...) {
      const std::lock_guard Lock(Job.ErrorMutex);
      if (!Job.Error) Job.Error = std::current_exception();
      Job.Failed.store(true, std::memory_order_relaxed);
    }
  }
  tInsideLoop = WasInside;
}

class TWorkerPool {
 public:
  explicit TWorkerPool(int32_t NumThreads) {
    for (int32_t t = 0; t < NumThreads; ++t) FThreads.emplace_back([this] { WorkerLoop(); });
  }

  ~TWorkerPool() {
    {
      const std::lock_guard Lock(FMutex);
      FStop = true;
    }
    FWake.notify_all();
    for (std::thread& Thread : FThreads) Thread.join();
  }

  TWorkerPool(const TWorkerPool&) = delete;
  TWorkerPool& operator=(const TWorkerPool&) = delete;

  int32_t Size() const { return static_cast<int32_t>(FThreads.size()); }

  // Offers Job to the pool, works on it on the calling thread and waits for the helpers.
  void Run(TJob& Job) {
    if (Job.HelpersWanted > 0) {
      {
        const std::lock_guard Lock(FMutex);
        FQueue.push_back(&Job);
      }
      FWake.notify_all();
    }
    RunIndices(Job);
    std::unique_lock Lock(FMutex);
    std::erase(FQueue, &Job);
    Job.HelpersDone.wait(Lock, [&Job] { return Job.HelpersActive == 0; });
  }

 private:
  void WorkerLoop() {
    std::unique_lock Lock(FMutex);
    for (;;) {
      FWake.wait(Lock, [this] { return FStop || !FQueue.empty(); });
      if (FStop) return;
      TJob& Job = *FQueue.front();
      if (++Job.HelpersJoined >= Job.HelpersWanted) FQueue.pop_front();
      ++Job.HelpersActive;
      Lock.unlock();
      RunIndices(Job);
      Lock.lock();
      if (--Job.HelpersActive == 0) Job.HelpersDone.notify_all();
    }
  }

  std::mutex FMutex;
  std::condition_variable FWake;
  std::deque<TJob*> FQueue;
  bool FStop = false;
  std::vector<std::thread> FThreads;
};

TWorkerPool& Pool() {
  static TWorkerPool ThePool(ProcessorCount() - 1);
  return ThePool;
}

}  // namespace

void ParallelFor(int32_t Count, int32_t MaxThreads, const std::function<void(int32_t)>& Body) {
  if (Count <= 0) return;
  TWorkerPool& Workers = Pool();
  const int32_t Helpers = tInsideLoop ? 0
                                      : std::min({MaxThreads <= 0 ? Workers.Size() : MaxThreads - 1,
                                                  Workers.Size(), Count - 1});
  TJob Job(Body, Count, Helpers);
  Workers.Run(Job);
  if (Job.Error) std::rethrow_exception(Job.Error);
}

int32_t WorkerPoolSize() { return Pool().Size(); }

}  // namespace qor
