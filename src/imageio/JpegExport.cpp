#include "imageio/JpegExport.h"

#include <vector>

#include "files/FileBytes.h"
#include "imageio/JpegEncoder.h"

namespace tessmark {

std::string MakeJpegPath(const std::string& chosenPath) {
  const std::size_t nameStart = chosenPath.find_last_of('/') + 1;  // npos + 1 is 0
  const bool hasExtension = chosenPath.find('.', nameStart) != std::string::npos;
  return hasExtension ? chosenPath : chosenPath + ".jpg";
}

bool WriteJpegFile(const std::string& path, const Picture& picture) {
  // The picture's rows are already the encoder's input layout (red, green, blue, top row first,
  // unpadded), and every pixel is inside, so no copy is read out.
  std::vector<std::uint8_t> stream;
  if (!EncodeJpegMemory(stream, picture.Pixels(), picture.Width, picture.Height)) return false;
  return WriteFileAtomically(path, stream) == 0;
}

}  // namespace tessmark
