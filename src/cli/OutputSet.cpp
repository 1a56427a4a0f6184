#include "cli/OutputSet.h"

#include "cli/OutputFile.h"

namespace tessmark::cli {

std::string WriteAllOrNone(std::span<const OutputPicture> pictures, OutputFormat format,
                           const std::function<void(const std::string&)>& temporaryNamed) {
  const PictureSetWrite write = WritePictureSet(pictures, FindPictureFormat(format), {.TemporaryNamed = temporaryNamed});
  return write.Error == 0 ? std::string() : WriteFailure(write.Failed->Pixels, write.Error, write.Failed->Path);
}

}  // namespace tessmark::cli
