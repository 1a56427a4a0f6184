#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "imageio/PictureFile.h"

// The loader's one-pass reading of the same bytes gives the decoder's pixels with the alpha its
// format calls for: opaque, or (keyed) pure white transparent.
inline bool LoadedMatches(const std::uint8_t* data, std::size_t size, const std::string& name, const std::uint8_t* rgb,
                          std::int32_t width, std::int32_t height, bool keyed) {
  const auto read = tessmark::DecodePictureRgba({data, size}, name, "");
  if (!read.Picture || read.Picture->Width != width || read.Picture->Height != height) return false;
  const std::uint8_t* rgba = read.Picture->Pixels.data();
  for (std::size_t i = 0; i < std::size_t(width) * std::size_t(height); ++i, rgb += 3, rgba += 4) {
    const bool white = keyed && rgb[0] == 255 && rgb[1] == 255 && rgb[2] == 255;
    if (rgba[0] != rgb[0] || rgba[1] != rgb[1] || rgba[2] != rgb[2] || rgba[3] != (white ? 0 : 255)) return false;
  }
  return true;
}
