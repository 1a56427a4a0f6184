#pragma once

#include <condition_variable>
#include <cstdint>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace tessmark {

// Threads that take the parts of one job at a time, the caller owning the pool and passing it to
// whatever paints. A pool of n threads (at most the cores the process may use) runs n - 1 workers:
// the caller is the n-th, doing its own work while the job runs and then taking the parts nobody
// has started.
class WorkerPool {
 public:
  explicit WorkerPool(std::int32_t threads);
  WorkerPool(const WorkerPool&) = delete;
  WorkerPool& operator=(const WorkerPool&) = delete;
  ~WorkerPool();

  std::int32_t Threads() const { return static_cast<std::int32_t>(workers_.size()) + 1; }

  // Hands part(0) ... part(count - 1) to the workers and returns. The job before must be finished.
  void Start(std::function<void(std::int32_t)> part, std::int32_t count);

  // Runs the parts not yet taken, waits for the others, and throws again what the first failing
  // part threw (after which the parts not yet taken are skipped).
  void Finish();

 private:
  void Work();
  void RunPart(std::unique_lock<std::mutex>& lock);

  std::mutex mutex_;
  std::condition_variable partsWaiting_;
  std::condition_variable jobDone_;
  std::function<void(std::int32_t)> part_;
  std::int32_t next_ = 0;
  std::int32_t count_ = 0;
  std::int32_t unfinished_ = 0;
  std::exception_ptr failure_;
  bool stopping_ = false;
  std::vector<std::thread> workers_;
};

inline constexpr std::int32_t MaxThreads = 256;

// The threads a pool has unless told otherwise: the cores the process may run on, by its CPU
// affinity, from 1 to MaxThreads.
std::int32_t DefaultThreads();

// Runs part(0) ... part(count - 1) across the pool and waits for them all; in order on the
// calling thread when there is no pool.
void RunParts(WorkerPool* workers, std::int32_t count, const std::function<void(std::int32_t)>& part);

}  // namespace tessmark
