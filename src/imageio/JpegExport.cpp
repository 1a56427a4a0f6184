#include "imageio/JpegExport.h"

#include <vector>

#include "files/FileBytes.h"
#include "imageio/JpegEncoder.h"

namespace tessmark {

bool WriteJpegFile(const std::string& path, const Picture& picture) {
  // The picture's rows are already the encoder's input layout (red, green, blue, top row first,
  // unpadded), and every pixel is inside, so no copy is read out.
  std::vector<std::uint8_t> stream;
  if (!EncodeJpegMemory(stream, picture.Pixels(), picture.Width, picture.Height)) return false;
  return WriteFileAtomically(path, stream) == 0;
}

}  // namespace tessmark
