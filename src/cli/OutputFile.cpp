#include "cli/OutputFile.h"

#include <cerrno>
#include <system_error>

#include "imageio/PictureWrite.h"
#include "recipe/RecipeValues.h"

namespace tessmark::cli {

std::string WriteOutput(const Picture& picture, OutputFormat format, const std::string& path,
                        const std::function<void(const std::string&)>& temporaryNamed, std::string_view recipe) {
  const int error =
      WritePictureFile(path, picture, FindPictureFormat(format), {.TemporaryNamed = temporaryNamed}, recipe);
  if (error == ECANCELED)
    return Concat("cannot encode the ", std::to_string(picture.Width), "x", std::to_string(picture.Height),
                  " picture for ", path);
  if (error != 0) return Concat("cannot write ", path, ": ", std::generic_category().message(error));
  return {};
}

}  // namespace tessmark::cli
