#include "journal/JournalFolder.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "imageio/PictureFormats.h"

namespace tessmark {
namespace {

constexpr char EntryPrefix[] = "session-";

// Eight bytes at a time: a start picture can be a gigabyte, and hashing it byte by byte would hold
// up a paste for seconds.
std::uint64_t PixelHash(const Picture& picture) {
  std::uint64_t hash = 0x9E3779B97F4A7C15ull ^ (static_cast<std::uint64_t>(picture.Width) << 32 |
                                                 static_cast<std::uint32_t>(picture.Height));
  const std::uint8_t* bytes = picture.Pixels();
  const std::size_t count = picture.ByteCount();
  std::size_t i = 0;
  const auto mix = [&hash](std::uint64_t word) {
    hash = (hash ^ word) * 0xFF51AFD7ED558CCDull;
    hash ^= hash >> 33;
  };
  for (; i + 8 <= count; i += 8) {
    std::uint64_t word;
    std::memcpy(&word, bytes + i, 8);
    mix(word);
  }
  std::uint64_t tail = 0;
  std::memcpy(&tail, bytes + i, count - i);
  mix(tail ^ count);
  return hash;
}

}  // namespace

std::string SessionsFolder(const std::string& dataDirectory) {
  if (dataDirectory.empty()) return {};
  return (std::filesystem::path(dataDirectory) / "sessions").string();
}

std::string EntryName(std::int64_t seconds, std::int64_t pid, std::uint32_t sequence) {
  char name[80];
  std::snprintf(name, sizeof name, "%s%012lld-%lld-%06u", EntryPrefix, static_cast<long long>(seconds),
                static_cast<long long>(pid), sequence);
  return name;
}

std::optional<std::int64_t> EntryStarted(const std::string& name) {
  constexpr std::size_t prefix = sizeof EntryPrefix - 1;
  if (name.size() < prefix + 13 || name.compare(0, prefix, EntryPrefix) != 0 || name[prefix + 12] != '-')
    return std::nullopt;
  std::int64_t seconds = 0;
  const char* first = name.data() + prefix;
  const auto [end, error] = std::from_chars(first, first + 12, seconds);
  if (error != std::errc() || end != first + 12) return std::nullopt;
  return seconds;
}

std::string EntryPath(const std::string& folder, const std::string& name, const char* file) {
  std::filesystem::path path = std::filesystem::path(folder) / name;
  if (file) path /= file;
  return path.string();
}

std::vector<std::string> ListEntries(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code error;
  for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    const std::string name = it->path().filename().string();
    if (EntryStarted(name) && it->is_directory(error)) names.push_back(name);
  }
  // The time leads each name with a fixed width, so the names sort by it.
  std::sort(names.rbegin(), names.rend());
  return names;
}

std::string StartsFolder(const std::string& folder) { return (std::filesystem::path(folder) / "starts").string(); }

std::string StartPictureCopy(const std::string& folder, const Picture& start) {
  char name[40];
  std::snprintf(name, sizeof name, "%016llx.", static_cast<unsigned long long>(PixelHash(start)));
  return (std::filesystem::path(StartsFolder(folder)) /
          (std::string(name) + std::string(FindPictureFormat(PictureFormatId::Png).Extensions.front())))
      .string();
}

}  // namespace tessmark
