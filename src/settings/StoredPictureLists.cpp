#include "settings/StoredPictureLists.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string_view>

namespace tessmark {
namespace {

static_assert(PictureFileMaxChars <= std::numeric_limits<std::uint16_t>::max());

std::string_view EntryText(std::string_view entry) {
  return entry.substr(0, std::min(entry.find('\0'), PictureFileMaxChars));
}

std::span<const std::uint8_t> AsBytes(std::string_view text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

}  // namespace

void WritePictureList(ByteWriter& out, const PictureFiles& list) {
  // A count beyond 16 bits would make the file unreadable; the entries past it are not stored.
  const std::size_t count = std::min<std::size_t>(list.size(), std::numeric_limits<std::uint16_t>::max());
  out.Put(static_cast<std::uint16_t>(count));
  for (std::size_t i = 0; i < count; ++i) {
    const std::string_view text = EntryText(list[i]);
    out.Put(static_cast<std::uint16_t>(text.size()));
    out.PutBytes(AsBytes(text));
  }
}

PictureFiles ReadPictureList(ByteReader& in) {
  PictureFiles list;
  std::uint16_t count = 0;
  in.Take(count);
  for (std::uint16_t i = 0; i < count; ++i) {
    std::uint16_t length = 0;
    if (!in.Take(length)) break;
    const auto bytes = in.TakeUpTo(length);
    if (bytes.size() < length) break;
    list.emplace_back(EntryText({reinterpret_cast<const char*>(bytes.data()), bytes.size()}));
  }
  return list;
}

}  // namespace tessmark
