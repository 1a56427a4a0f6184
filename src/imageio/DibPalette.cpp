#include "imageio/DibPalette.h"

namespace tessmark {

DibPalette ReadDibPalette(std::span<const std::uint8_t> dib, const DibHeader& header) {
  DibPalette palette{};
  // ReadDibHeader has checked that the entries lie inside the block.
  for (std::uint32_t i = 0; i < header.TableEntries; ++i) {
    const std::uint8_t* e = dib.data() + header.TableOffset + std::size_t{i} * header.TableEntrySize;
    palette[i] = {e[2], e[1], e[0]};
  }
  return palette;
}

}  // namespace tessmark
