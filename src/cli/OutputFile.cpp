#include "cli/OutputFile.h"

#include <cerrno>
#include <system_error>

#include "imageio/PictureWrite.h"
#include "recipe/RecipeValues.h"

namespace tessmark::cli {

std::string WriteOutput(const Picture& picture, OutputFormat format, const std::string& path) {
  return WriteFailure(picture, WritePictureFile(path, picture, FindPictureFormat(format)), path);
}

std::string WriteFailure(const Picture& picture, int error, const std::string& path) {
  if (error == ECANCELED)
    return Concat("cannot encode the ", std::to_string(picture.Width), "x", std::to_string(picture.Height),
                  " picture for ", path);
  if (error != 0) return Concat("cannot write ", path, ": ", std::generic_category().message(error));
  return {};
}

}  // namespace tessmark::cli
