#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/UserMessage.h"
#include "picture/LoadedPicture.h"

namespace tessmark {

// A picture file as its decoder delivers it: 3 bytes a pixel (red, green, blue) or, with FourBytes,
// 4 (alpha added); rows from the top, or from the bottom with BottomUp.
struct RawPicture {
  std::int32_t Width = 0;
  std::int32_t Height = 0;
  std::vector<std::uint8_t> Pixels;
  bool FourBytes = false;
  bool BottomUp = false;
};

// Where a read failed, for callers that tell it in their own words.
enum class PictureFault { None, Unreadable, UnknownExtension, Damaged, NoPlugin, NoMemory };

// A result without a picture is a failure; the message, when there is one, is for the user.
template <class T> struct PictureRead {
  std::optional<T> Picture;
  std::optional<UserMessage> Message;
  PictureFault Fault = PictureFault::None;
  int Error = 0;  // the errno of an Unreadable file
};

// Reads a ".BMP", ".PNG" or ".JPG" file (the extension decides, in any letter case). BMP pixels
// that are pure white get alpha 0, all others 255; PNG files are decoded by the plug-in in
// programDirectory. Messages: a file that cannot be read ("accessfile"), a missing plug-in, a PNG
// the plug-in refuses ("readingfile"); other failures have none.
PictureRead<RawPicture> ReadPictureFile(const std::string& path, const std::string& programDirectory);

// The same as 4-byte pixels, rows from the top, alpha 255 where the file has none.
PictureRead<LoadedPicture> LoadPictureRgba(const std::string& path, const std::string& programDirectory);

}  // namespace tessmark
