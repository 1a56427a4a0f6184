#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "imageio/ClipboardDib.h"
#include "imageio/ClipboardPart.h"

// Clipboard bitmaps of any content, imported whole and as a part: a picture comes exactly with
// success, and cropping the part's border stays inside it.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto parsed = tessmark::ParseClipboardDib({data, size});
  const bool ok = parsed.Status == tessmark::ClipboardDibStatus::Ok;
  if (ok != parsed.Image.has_value()) std::abort();
  if (!ok) return 0;
  const tessmark::Picture& image = *parsed.Image;
  if (image.Width <= 0 || image.Height <= 0) std::abort();
  const auto checked = tessmark::PartImportCheckedSize(image.Width, image.Height);
  if (checked.Width < 0 || checked.Height < 0) std::abort();
  const auto part = tessmark::CropPartImport(image);
  if (part && (part->Width > image.Width || part->Height > image.Height)) std::abort();
  return 0;
}
