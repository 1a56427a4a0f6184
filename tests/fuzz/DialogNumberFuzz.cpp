#include <cstddef>
#include <cstdint>
#include <string_view>

#include "settings/DialogNumber.h"
#include "settings/RecordImage.h"

// Edit-field text and record blocks of any length: conversion and overlay never read outside.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  tessmark::DialogNumber(text, tessmark::ShortEditChars);
  tessmark::DialogNumber(text, tessmark::LongEditChars);
  tessmark::VectorParams vector;
  tessmark::OverlayImage(vector, {data, size});
  return 0;
}
