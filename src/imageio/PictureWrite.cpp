#include "imageio/PictureWrite.h"

#include "files/AtomicFile.h"

namespace tessmark {

int WritePictureFile(const std::string& path, const Picture& picture, const PictureFormat& format,
                     const WriteHooks& hooks, std::string_view recipe) {
  return WriteFileAtomically(path, PictureProducer(picture, format, recipe), hooks);
}

FileProducer PictureProducer(const Picture& picture, const PictureFormat& format, std::string_view recipe) {
  return [&picture, &format, recipe](FileSink& sink) {
    if (!recipe.empty() && format.WriteWithRecipe != nullptr) {
      return format.WriteWithRecipe(picture, IntoFile(sink), recipe);
    }
    return format.Write(picture, IntoFile(sink));
  };
}

}  // namespace tessmark
