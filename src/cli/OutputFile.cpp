#include "cli/OutputFile.h"

#include <cerrno>
#include <system_error>

#include "recipe/RecipeValues.h"

namespace tessmark::cli {

std::string WriteFailure(const Picture& picture, int error, const std::string& path) {
  if (error == ECANCELED)
    return Concat("cannot encode the ", std::to_string(picture.Width), "x", std::to_string(picture.Height),
                  " picture for ", path);
  if (error != 0) return Concat("cannot write ", path, ": ", std::generic_category().message(error));
  return {};
}

}  // namespace tessmark::cli
