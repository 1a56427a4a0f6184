#include "files/HugePages.h"

#include <sys/mman.h>

#include <cstdint>

namespace tessmark {

void AdviseHugePages(void* block, std::size_t bytes) {
  constexpr std::uintptr_t HugePage = std::uintptr_t{1} << 21;
  const std::uintptr_t start = (reinterpret_cast<std::uintptr_t>(block) + HugePage - 1) & ~(HugePage - 1);
  const std::uintptr_t end = (reinterpret_cast<std::uintptr_t>(block) + bytes) & ~(HugePage - 1);
  if (end > start) ::madvise(reinterpret_cast<void*>(start), end - start, MADV_HUGEPAGE);
}

}  // namespace tessmark
