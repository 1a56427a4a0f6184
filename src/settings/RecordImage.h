#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <type_traits>

#include "settings/ParameterRecords.h"

namespace tessmark {

// The stored image of a record: its fields little-endian in storage order, padding included,
// whatever layout the compiler gives the struct.
namespace image_detail {

template <class T> constexpr std::size_t FieldSize(const T*) {
  if constexpr (std::is_integral_v<T>) return sizeof(T);
  else return std::tuple_size_v<T>;
}

template <class T> void Put(std::uint8_t*& out, const T& v) {
  if constexpr (std::is_integral_v<T>) {
    const auto u = static_cast<std::make_unsigned_t<T>>(v);
    for (std::size_t i = 0; i < sizeof(T); ++i) *out++ = static_cast<std::uint8_t>(u >> (8 * i));
  } else {
    std::memcpy(out, v.data(), v.size());
    out += v.size();
  }
}

template <class T> void Take(const std::uint8_t*& in, T& v) {
  if constexpr (std::is_integral_v<T>) {
    std::make_unsigned_t<T> u = 0;
    for (std::size_t i = 0; i < sizeof(T); ++i) u |= static_cast<std::make_unsigned_t<T>>(std::make_unsigned_t<T>(*in++) << (8 * i));
    v = static_cast<T>(u);
  } else {
    std::memcpy(v.data(), in, v.size());
    in += v.size();
  }
}

}  // namespace image_detail

template <class Record> constexpr std::size_t ImageSize() {
  std::size_t size = 0;
  Record r{};
  VisitImageFields(r, [&size](auto& field) { size += image_detail::FieldSize(&field); });
  return size;
}

template <class Record> using RecordImage = std::array<std::uint8_t, ImageSize<Record>()>;

template <class Record> RecordImage<Record> EncodeImage(const Record& record) {
  RecordImage<Record> image{};
  std::uint8_t* out = image.data();
  VisitImageFields(const_cast<Record&>(record), [&out](auto& field) { image_detail::Put(out, field); });
  return image;
}

// Overwrites the first bytes.size() bytes of the record's image (at most its size); the rest of
// the record keeps its values.
template <class Record> void OverlayImage(Record& record, std::span<const std::uint8_t> bytes) {
  RecordImage<Record> image = EncodeImage(record);
  std::memcpy(image.data(), bytes.data(), std::min(bytes.size(), image.size()));
  const std::uint8_t* in = image.data();
  VisitImageFields(record, [&in](auto& field) { image_detail::Take(in, field); });
}

}  // namespace tessmark
