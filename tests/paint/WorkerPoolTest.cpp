#include "paint/WorkerPool.h"

#include <gtest/gtest.h>

#include <atomic>
#include <new>
#include <vector>

namespace tessmark {
namespace {

TEST(WorkerPool, EveryPartRunsOnceJobAfterJob) {
  for (const std::int32_t threads : {1, 2, 5}) {
    WorkerPool pool(threads);
    for (const std::int32_t parts : {0, 1, 3, 200}) {
      std::vector<std::atomic<int>> runs(static_cast<std::size_t>(parts));
      pool.Start([&](std::int32_t part) { ++runs[static_cast<std::size_t>(part)]; }, parts);
      pool.Finish();
      for (const auto& r : runs) EXPECT_EQ(r.load(), 1) << threads << " threads, " << parts << " parts";
    }
  }
}

TEST(WorkerPool, AFailingPartIsThrownOnTheCallerAndThePoolGoesOn) {
  WorkerPool pool(3);
  pool.Start([](std::int32_t part) { if (part == 7) throw std::bad_alloc(); }, 50);
  EXPECT_THROW(pool.Finish(), std::bad_alloc);
  std::atomic<int> runs = 0;
  RunParts(&pool, 10, [&](std::int32_t) { ++runs; });
  EXPECT_EQ(runs, 10);
}

}  // namespace
}  // namespace tessmark
