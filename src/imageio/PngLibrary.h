#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "base/UserMessage.h"

namespace tessmark {

// The two entry points of the PNG decoder plug-in. loadPngImage: file block, its size, out width,
// out height, out alpha flag (arrives 0; non-zero for 4 bytes a pixel, else 3), out pixels (bottom
// row first, unpadded, owned by the plug-in) -> non-zero on success. freePngImage releases them.
using LoadPngImageFunction = unsigned char (*)(const void* data, std::uint32_t size, std::int32_t* width,
                                               std::int32_t* height, unsigned char* alpha, unsigned char** pixels);
using FreePngImageFunction = void (*)(unsigned char* pixels);
// loadPngRgbaRows, our own addition: decodes as 8-bit RGBA straight into the caller's rows. rowAt
// (context, width, height, y) is asked with y = -1 to make room (NULL: no room), then gives row y
// from the top (NULL fails the decoding). Non-zero on success.
using PngRgbaRowAt = unsigned char* (*)(void* context, std::int32_t width, std::int32_t height, std::int32_t y);
using LoadPngRgbaRowsFunction = unsigned char (*)(const void* data, std::uint32_t size, void* context,
                                                  PngRgbaRowAt rowAt);

struct PngLibrary {
  LoadPngImageFunction LoadPngImage = nullptr;  // any may be missing from a foreign library
  FreePngImageFunction FreePngImage = nullptr;
  LoadPngRgbaRowsFunction LoadPngRgbaRows = nullptr;
  std::optional<UserMessage> Message;           // "File not found ..." when the library is missing
};

// Where the plug-in lives: png.so in the program directory.
std::string PngLibraryPath(const std::string& programDirectory);

// Binds the plug-in. The library stays loaded until the process ends, so binding it again is cheap
// and a missing library is reported every time it is asked for.
PngLibrary LoadPngLibrary(const std::string& programDirectory);

}  // namespace tessmark
