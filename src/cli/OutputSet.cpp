#include "cli/OutputSet.h"

#include <unistd.h>

#include <filesystem>
#include <system_error>
#include <vector>

#include "cli/OutputFile.h"
#include "recipe/RecipeValues.h"

namespace tessmark::cli {
namespace {

std::string TemporaryBeside(const std::string& path) { return Concat(path, ".", std::to_string(::getpid()), ".part"); }

void RemoveAll(const std::vector<std::string>& paths) {
  std::error_code ignored;
  for (const std::string& path : paths) std::filesystem::remove(path, ignored);
}

// A failure names the file the user asked for, not its temporary.
std::string NamingFinal(std::string error, const std::string& temporary, const std::string& path) {
  const std::size_t at = error.find(temporary);
  if (at != std::string::npos) error.replace(at, temporary.size(), path);
  return error;
}

}  // namespace

std::string WriteAllOrNone(std::span<const OutputPicture> pictures, OutputFormat format) {
  if (pictures.size() == 1) return WriteOutput(pictures[0].Pixels, format, pictures[0].Path);
  std::vector<std::string> temporaries;
  for (const OutputPicture& picture : pictures) {
    temporaries.push_back(TemporaryBeside(picture.Path));
    if (std::string error = WriteOutput(picture.Pixels, format, temporaries.back()); !error.empty()) {
      RemoveAll(temporaries);
      return NamingFinal(std::move(error), temporaries.back(), picture.Path);
    }
  }
  for (std::size_t k = 0; k < pictures.size(); ++k) {
    std::error_code error;
    std::filesystem::rename(temporaries[k], pictures[k].Path, error);
    if (error) {
      RemoveAll(temporaries);
      return Concat("cannot write ", pictures[k].Path, ": ", error.message());
    }
  }
  return {};
}

}  // namespace tessmark::cli
