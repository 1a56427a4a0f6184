#include "files/HugePages.h"

#include <sys/mman.h>

#include <cstdlib>

namespace tessmark {

void* AllocateLargeBlock(std::size_t bytes) noexcept {
  constexpr std::size_t HugePage = std::size_t{1} << 21;
  if (bytes < HugePage) return std::malloc(bytes == 0 ? 1 : bytes);
  if (bytes > SIZE_MAX - HugePage) return nullptr;
  const std::size_t rounded = (bytes + HugePage - 1) / HugePage * HugePage;
  void* block = std::aligned_alloc(HugePage, rounded);
  if (block != nullptr) ::madvise(block, rounded, MADV_HUGEPAGE);
  return block;
}

void FreeLargeBlock::operator()(void* block) const noexcept { std::free(block); }

}  // namespace tessmark
