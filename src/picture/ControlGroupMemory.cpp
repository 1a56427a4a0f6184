#include "picture/ControlGroupMemory.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <limits>
#include <string>
#include <string_view>

namespace tessmark {
namespace {

namespace fs = std::filesystem;

// Limits and usages are one number; /proc and /sys files are never larger than a page.
std::string ReadSmallFile(const fs::path& path) {
  constexpr std::streamsize MaxBytes = 1 << 16;
  std::ifstream file(path, std::ios::binary);
  std::string text(MaxBytes, '\0');
  file.read(text.data(), MaxBytes);
  if (!file.eof()) return {};  // missing, unreadable, or larger than any such file
  text.resize(static_cast<std::size_t>(file.gcount()));
  return text;
}

std::optional<std::uint64_t> Number(std::string_view text) {
  while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) text.remove_suffix(1);
  std::uint64_t value = 0;
  const auto [next, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || next != text.data() + text.size() || text.empty()) return std::nullopt;
  return value;
}

// The value of the "name value" line of a memory.stat file.
std::uint64_t StatField(std::string_view text, std::string_view name) {
  for (std::size_t at = 0; at < text.size();) {
    std::size_t end = text.find('\n', at);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view line = text.substr(at, end - at);
    at = end + 1;
    if (line.size() > name.size() && line.substr(0, name.size()) == name && line[name.size()] == ' ') {
      return Number(line.substr(name.size() + 1)).value_or(0);
    }
  }
  return 0;
}

std::uint64_t Room(std::uint64_t limit, std::uint64_t used, std::uint64_t reclaimable) {
  const std::uint64_t left = limit > used ? limit - used : 0;
  return left > std::numeric_limits<std::uint64_t>::max() - reclaimable ? std::numeric_limits<std::uint64_t>::max()
                                                                         : left + reclaimable;
}

// The unified hierarchy: "max" sets no limit, and page cache not recently used is given back
// before the limit strikes.
std::optional<std::uint64_t> UnifiedRoom(const fs::path& group) {
  const std::optional<std::uint64_t> limit = Number(ReadSmallFile(group / "memory.max"));
  const std::optional<std::uint64_t> used = Number(ReadSmallFile(group / "memory.current"));
  if (!limit || !used) return std::nullopt;
  return Room(*limit, *used, StatField(ReadSmallFile(group / "memory.stat"), "inactive_file"));
}

std::optional<std::uint64_t> LegacyRoom(const fs::path& group) {
  const std::optional<std::uint64_t> limit = Number(ReadSmallFile(group / "memory.limit_in_bytes"));
  const std::optional<std::uint64_t> used = Number(ReadSmallFile(group / "memory.usage_in_bytes"));
  if (!limit || !used) return std::nullopt;
  return Room(*limit, *used, 0);
}

using GroupRoom = std::optional<std::uint64_t> (*)(const fs::path&);

// The group at `path` below the hierarchy's mount and each of its ancestors up to the mount.
// A group inside a namespace or a container may not be visible by its full path: those folders
// are simply missing.
void LowerToGroups(const fs::path& mount, std::string_view path, GroupRoom room, std::optional<std::uint64_t>& least) {
  fs::path group = mount;
  for (const fs::path& part : fs::path(path).relative_path()) {
    if (part == ".." || part == ".") return;  // not a group path the kernel writes
    group /= part;
  }
  for (;;) {
    if (const std::optional<std::uint64_t> r = room(group)) least = least ? std::min(*least, *r) : *r;
    if (group == mount) return;
    group = group.parent_path();
  }
}

bool ListsMemory(std::string_view controllers) {
  for (;;) {
    const std::size_t comma = controllers.find(',');
    if (controllers.substr(0, comma) == "memory") return true;
    if (comma == std::string_view::npos) return false;
    controllers.remove_prefix(comma + 1);
  }
}

}  // namespace

std::optional<std::uint64_t> ControlGroupHeadroom(const fs::path& root) {
  const std::string membership = ReadSmallFile(root / "proc/self/cgroup");
  std::optional<std::uint64_t> least;
  const std::string_view text = membership;
  for (std::size_t at = 0; at < text.size();) {
    std::size_t end = text.find('\n', at);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view line = text.substr(at, end - at);
    at = end + 1;
    // "hierarchy:controllers:path", the controllers empty for the unified hierarchy.
    const std::size_t first = line.find(':');
    const std::size_t second = first == std::string_view::npos ? first : line.find(':', first + 1);
    if (second == std::string_view::npos) continue;
    const std::string_view controllers = line.substr(first + 1, second - first - 1);
    const std::string_view path = line.substr(second + 1);
    if (line.substr(0, first) == "0" && controllers.empty()) {
      LowerToGroups(root / "sys/fs/cgroup", path, UnifiedRoom, least);
    } else if (ListsMemory(controllers)) {
      LowerToGroups(root / "sys/fs/cgroup/memory", path, LegacyRoom, least);
    }
  }
  return least;
}

}  // namespace tessmark
