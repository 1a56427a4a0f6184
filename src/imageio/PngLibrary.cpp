#include "imageio/PngLibrary.h"

#include <dlfcn.h>

namespace tessmark {

std::string PngLibraryPath(const std::string& programDirectory) {
  if (programDirectory.empty() || programDirectory.back() == '/') return programDirectory + "png.so";
  return programDirectory + "/png.so";
}

PngLibrary LoadPngLibrary(const std::string& programDirectory) {
  const std::string path = PngLibraryPath(programDirectory);
  void* library = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr) return {.Message = UserMessage{"File not found " + path, "TessmarkPicture"}};
  return {reinterpret_cast<LoadPngImageFunction>(::dlsym(library, "loadPngImage")),
          reinterpret_cast<FreePngImageFunction>(::dlsym(library, "freePngImage")),
          reinterpret_cast<LoadPngRgbaRowsFunction>(::dlsym(library, "loadPngRgbaRows")), std::nullopt};
}

}  // namespace tessmark
