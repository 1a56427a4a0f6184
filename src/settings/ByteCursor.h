#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <type_traits>
#include <vector>

namespace tessmark {

// Reads little-endian values from a block that came from outside. Nothing is ever read past the
// end: a value whose bytes are not all there is not delivered.
class ByteReader {
 public:
  explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  std::size_t Remaining() const { return bytes_.size() - position_; }

  template <class T> bool Take(T& value) {
    static_assert(std::is_integral_v<T>);
    if (Remaining() < sizeof(T)) {
      position_ = bytes_.size();
      return false;
    }
    std::make_unsigned_t<T> u = 0;
    for (std::size_t i = 0; i < sizeof(T); ++i) {
      u = static_cast<std::make_unsigned_t<T>>(u | std::make_unsigned_t<T>(bytes_[position_ + i]) << (8 * i));
    }
    position_ += sizeof(T);
    value = static_cast<T>(u);
    return true;
  }

  // The next count bytes, or as many as are left.
  std::span<const std::uint8_t> TakeUpTo(std::size_t count) {
    const std::size_t n = std::min(count, Remaining());
    const auto piece = bytes_.subspan(position_, n);
    position_ += n;
    return piece;
  }

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t position_ = 0;
};

// Appends little-endian values.
class ByteWriter {
 public:
  template <class T> void Put(T value) {
    static_assert(std::is_integral_v<T>);
    PutLittleEndian(static_cast<std::make_unsigned_t<T>>(value), sizeof(T));
  }

  void PutBytes(std::span<const std::uint8_t> bytes);

  const std::vector<std::uint8_t>& Bytes() const { return bytes_; }

 private:
  // Out of line: GCC 12 misreads inlined vector growth with constant sizes as an overflow.
  void PutLittleEndian(std::uint64_t value, std::size_t size);

  std::vector<std::uint8_t> bytes_;
};

}  // namespace tessmark
