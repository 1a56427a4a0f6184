#include "paint/WorkerPool.h"

#include <sched.h>

#include <algorithm>
#include <system_error>
#include <utility>

namespace tessmark {

// Every count paints the same picture, so a thread the system refuses is simply one fewer. More
// threads than cores would only take turns, and a batch waits for whichever band's thread is put
// aside: the pool runs no more than the cores the process may use.
WorkerPool::WorkerPool(std::int32_t threads) {
  const std::int32_t running = std::min(threads, DefaultThreads());
  try {
    for (std::int32_t k = 1; k < running; ++k) workers_.emplace_back([this] { Work(); });
  } catch (const std::system_error&) {
  }
}

WorkerPool::~WorkerPool() {
  {
    const std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  partsWaiting_.notify_all();
  for (std::thread& worker : workers_) worker.join();
}

void WorkerPool::Start(std::function<void(std::int32_t)> part, std::int32_t count) {
  {
    const std::lock_guard lock(mutex_);
    part_ = std::move(part);
    next_ = 0;
    count_ = std::max(count, 0);
    unfinished_ = count_;
  }
  partsWaiting_.notify_all();
}

void WorkerPool::Finish() {
  std::unique_lock lock(mutex_);
  while (next_ < count_) RunPart(lock);
  jobDone_.wait(lock, [this] { return unfinished_ == 0; });
  part_ = nullptr;
  if (failure_) std::rethrow_exception(std::exchange(failure_, nullptr));
}

void WorkerPool::Work() {
  std::unique_lock lock(mutex_);
  for (;;) {
    partsWaiting_.wait(lock, [this] { return stopping_ || next_ < count_; });
    if (stopping_) return;
    RunPart(lock);
  }
}

// Called and returning with the lock held; the part itself runs without it.
void WorkerPool::RunPart(std::unique_lock<std::mutex>& lock) {
  const std::int32_t part = next_++;
  if (!failure_) {
    lock.unlock();
    std::exception_ptr failure;
    try {
      part_(part);
    } catch (...) {
      failure = std::current_exception();
    }
    lock.lock();
    if (failure && !failure_) failure_ = failure;
  }
  if (--unfinished_ == 0) jobDone_.notify_all();
}

std::int32_t DefaultThreads() {
  cpu_set_t set;
  CPU_ZERO(&set);
  if (sched_getaffinity(0, sizeof(set), &set) != 0) return 1;
  return std::clamp(CPU_COUNT(&set), 1, MaxThreads);
}

void RunParts(WorkerPool* workers, std::int32_t count, const std::function<void(std::int32_t)>& part) {
  if (workers == nullptr || workers->Threads() == 1) {
    for (std::int32_t k = 0; k < count; ++k) part(k);
    return;
  }
  workers->Start(part, count);
  workers->Finish();
}

}  // namespace tessmark
