#include "imageio/JpegExport.h"

#include "files/FileBytes.h"
#include "imageio/JpegEncoder.h"

namespace tessmark {

bool WriteJpegFile(const std::string& path, const Picture& picture) {
  // The picture's rows are already the encoder's input layout (red, green, blue, top row first,
  // unpadded), and every pixel is inside, so no copy is read out; the stream goes into the file as
  // it is made.
  return WriteFileAtomically(path, [&picture](FileSink& sink) {
           return StreamJpeg(picture.Pixels(), picture.Width, picture.Height, IntoFile(sink));
         }) == 0;
}

}  // namespace tessmark
