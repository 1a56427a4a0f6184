#include "settings/ByteCursor.h"

namespace tessmark {

void ByteWriter::PutBytes(std::span<const std::uint8_t> bytes) { bytes_.insert(bytes_.end(), bytes.begin(), bytes.end()); }

void ByteWriter::PutLittleEndian(std::uint64_t value, std::size_t size) {
  for (std::size_t i = 0; i < size; ++i) bytes_.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

}  // namespace tessmark
