#include <cstddef>
#include <cstdint>

#include "settings/Configuration.h"

// Configuration files of any content: the reader never reads outside them and a failed load leaves
// the settings as they were, so re-encoding them gives the same bytes as before.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  tessmark::Settings settings;
  settings.CircleMix.PictureFiles = {"/before"};
  const auto before = tessmark::EncodeConfiguration(settings);
  const auto result = tessmark::DecodeConfiguration({data, size}, "fuzz.gccfg", settings);
  if (!result.Loaded && tessmark::EncodeConfiguration(settings) != before) __builtin_trap();
  return 0;
}
