#include "cli/OutputSet.h"

#include "cli/OutputFile.h"

namespace tessmark::cli {

std::string WriteAllOrNone(std::span<const OutputPicture> pictures, OutputFormat format) {
  if (pictures.size() == 1) return WriteOutput(pictures[0].Pixels, format, pictures[0].Path);
  const PictureSetWrite write = WritePictureSet(pictures, FindPictureFormat(format));
  return write.Error == 0 ? std::string() : WriteFailure(write.Failed->Pixels, write.Error, write.Failed->Path);
}

}  // namespace tessmark::cli
