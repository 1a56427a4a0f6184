#include "cli/OutputFile.h"

#include <cerrno>
#include <cstdint>
#include <system_error>

#include "files/FileBytes.h"
#include "imageio/BmpFile.h"
#include "imageio/JpegEncoder.h"
#include "imageio/PngFile.h"

namespace tessmark::cli {
namespace {

// Writes the encoded picture into the file as it is made; false when the encoder fails.
bool Encode(const Picture& picture, OutputFormat format, FileSink& sink) {
  const ByteSink out = IntoFile(sink);
  switch (format) {
    case OutputFormat::Bmp:
      return StreamBmpFile(picture, out);
    case OutputFormat::Png:
      return StreamPngFile(picture, out);
    case OutputFormat::Jpeg:
      return StreamJpeg(picture.Pixels(), picture.Width, picture.Height, out);
  }
  return false;
}

}  // namespace

std::string WriteOutput(const Picture& picture, OutputFormat format, const std::string& path,
                        const std::function<void(const std::string&)>& temporaryNamed) {
  const int error = WriteFileAtomically(path, [&](FileSink& sink) { return Encode(picture, format, sink); },
                                        {.TemporaryNamed = temporaryNamed});
  if (error == ECANCELED)
    return Concat("cannot encode the ", std::to_string(picture.Width), "x", std::to_string(picture.Height),
                  " picture for ", path);
  if (error != 0) return Concat("cannot write ", path, ": ", std::generic_category().message(error));
  return {};
}

}  // namespace tessmark::cli
