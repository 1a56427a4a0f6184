#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>
#include <vector>

namespace tessmark {

// Big blocks (pictures, their display, picture files) are written once whole right after they
// are allocated, and the first touch of fresh memory costs a page fault per 4 KiB, on some
// systems as much as the work itself. A block of 2 MiB or more is therefore aligned to huge pages
// and marked for them: it takes a fault per 2 MiB where the system allows it. Smaller blocks come
// from the ordinary heap. Left uninitialised; nothing when the memory is not there.
void* AllocateLargeBlock(std::size_t bytes) noexcept;

struct FreeLargeBlock {
  void operator()(void* block) const noexcept;
};

// An owned block of AllocateLargeBlock.
template <class T> using LargeBlock = std::unique_ptr<T[], FreeLargeBlock>;

// Vectors over such blocks; a resize leaves its new elements uninitialised for the caller to fill.
template <class T> struct LargeBlockAllocator {
  using value_type = T;
  LargeBlockAllocator() = default;
  template <class U> LargeBlockAllocator(const LargeBlockAllocator<U>&) noexcept {}
  T* allocate(std::size_t n) {
    if (n > SIZE_MAX / sizeof(T)) throw std::bad_array_new_length();
    void* block = AllocateLargeBlock(n * sizeof(T));
    if (block == nullptr) throw std::bad_alloc();
    return static_cast<T*>(block);
  }
  void deallocate(T* block, std::size_t) noexcept { FreeLargeBlock{}(block); }
  template <class U> void construct(U* at) noexcept { ::new (static_cast<void*>(at)) U; }
  template <class U, class... Args> void construct(U* at, Args&&... args) {
    ::new (static_cast<void*>(at)) U(std::forward<Args>(args)...);
  }
  friend bool operator==(const LargeBlockAllocator&, const LargeBlockAllocator&) { return true; }
};

using LargeBytes = std::vector<std::uint8_t, LargeBlockAllocator<std::uint8_t>>;

}  // namespace tessmark
