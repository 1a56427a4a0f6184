#include "cli/OutputFile.h"

#include <cstdint>
#include <optional>
#include <system_error>
#include <vector>

#include "files/FileBytes.h"
#include "imageio/BmpFile.h"
#include "imageio/JpegEncoder.h"
#include "imageio/PngFile.h"

namespace tessmark::cli {
namespace {

std::optional<std::vector<std::uint8_t>> Encode(const Picture& picture, OutputFormat format) {
  switch (format) {
    case OutputFormat::Bmp:
      return EncodeBmpFile(picture);
    case OutputFormat::Png:
      return EncodePngFile(picture);
    case OutputFormat::Jpeg: {
      std::vector<std::uint8_t> stream;
      if (!EncodeJpegMemory(stream, picture.Pixels(), picture.Width, picture.Height)) return std::nullopt;
      return stream;
    }
  }
  return std::nullopt;
}

}  // namespace

std::string WriteOutput(const Picture& picture, OutputFormat format, const std::string& path) {
  const auto bytes = Encode(picture, format);
  if (!bytes) return Concat("cannot encode the ", std::to_string(picture.Width), "x", std::to_string(picture.Height),
                            " picture for ", path);
  if (const int error = WriteFileAtomically(path, *bytes); error != 0) {
    return Concat("cannot write ", path, ": ", std::generic_category().message(error));
  }
  return {};
}

}  // namespace tessmark::cli
