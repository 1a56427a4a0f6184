#pragma once

#include <cstddef>

namespace tessmark {

// Asks for transparent huge pages over the 2 MiB-aligned part of a block not yet touched: the
// first touch of a big block then costs a fault per 2 MiB instead of one per 4 KiB, which on some
// systems is most of the time spent reading a picture file.
void AdviseHugePages(void* block, std::size_t bytes);

}  // namespace tessmark
