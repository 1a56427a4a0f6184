#include "cli/ReadFailure.h"

#include <cerrno>
#include <system_error>

#include "imageio/PictureFormatWords.h"
#include "recipe/RecipeValues.h"

namespace tessmark::cli {

std::string CannotRead(std::string_view path, std::string_view reason) { return Concat("cannot read ", path, ": ", reason); }

std::string FileErrorReason(int error) {
  // The loaders refuse files beyond any size they could hold with EFBIG.
  if (error == EFBIG) return "the file is too large";
  return std::generic_category().message(error);
}

std::string PictureReason(PictureFault fault, int error) {
  switch (fault) {
    case PictureFault::Unreadable:
      return FileErrorReason(error);
    case PictureFault::UnknownExtension:
      return "not a " + ReadExtensions() + " file name";
    case PictureFault::Damaged:
      return "damaged, or a kind of picture this program does not read";
    case PictureFault::NoPlugin:
      return "the PNG plug-in png.so is missing beside the program";
    case PictureFault::NoMemory:
      return "not enough memory";
    case PictureFault::None:
      break;
  }
  return "not a picture";
}

std::string ConfigurationReason(const ConfigurationLoad& load) {
  switch (load.Fault) {
    case ConfigurationFault::Unreadable:
      return FileErrorReason(load.Error);
    case ConfigurationFault::BadHeader:
      return "not a configuration file (its header is wrong)";
    case ConfigurationFault::NewerVersion:
      return "written by a newer version of the program";
    case ConfigurationFault::NoMemory:
      return "not enough memory";
    case ConfigurationFault::None:
      break;
  }
  return "not a configuration file";
}

}  // namespace tessmark::cli
