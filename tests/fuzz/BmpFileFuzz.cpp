#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "fuzz/LoadedMatches.h"
#include "imageio/BmpFile.h"
#include "imageio/DibHeader.h"

// A few hundred bytes of RLE may rightly claim a picture of up to 2^28 pixels. Decoding one takes
// a second under the sanitizers and teaches the fuzzer nothing a smaller one does not, so such
// claims stop at the header, which is still checked.
constexpr std::uint64_t MaxFuzzedPixels = std::uint64_t{1} << 22;

// BMP files of any content: the decoder never reads outside the file and what it accepts is a
// whole picture, which the loader reads the same and which survives writing out and reading back
// unchanged.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > tessmark::BmpFileHeaderSize) {
    const auto header = tessmark::ReadDibHeader({data + tessmark::BmpFileHeaderSize, size - tessmark::BmpFileHeaderSize});
    if (header && std::uint64_t(header->Width) * std::uint64_t(header->Height) > MaxFuzzedPixels) return 0;
  }
  const auto picture = tessmark::DecodeBmpFile({data, size});
  if (!picture) return 0;
  if (picture->Width <= 0 || picture->Height <= 0) std::abort();
  if (!LoadedMatches(data, size, "f.bmp", picture->Pixels(), picture->Width, picture->Height, true)) std::abort();
  const auto file = tessmark::EncodeBmpFile(*picture);
  if (!file) return 0;
  const auto again = tessmark::DecodeBmpFile(*file);
  if (!again || again->Width != picture->Width || again->Height != picture->Height) std::abort();
  if (!std::equal(picture->Pixels(), picture->Pixels() + picture->ByteCount(), again->Pixels())) std::abort();
  return 0;
}
