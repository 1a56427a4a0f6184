#include "picture/AvailableMemory.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <limits>
#include <sstream>

#include "picture/ControlGroupMemory.h"

namespace tessmark {
namespace {

// The value of a "Name:   1234 kB" line, in bytes.
std::optional<std::uint64_t> Field(std::string_view text, std::string_view name) {
  for (std::size_t at = 0; at < text.size();) {
    std::size_t end = text.find('\n', at);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(at, end - at);
    at = end + 1;
    if (line.size() <= name.size() || line.substr(0, name.size()) != name || line[name.size()] != ':') continue;
    line.remove_prefix(name.size() + 1);
    line.remove_prefix(std::min(line.find_first_not_of(' '), line.size()));
    std::uint64_t kib = 0;
    const auto [next, error] = std::from_chars(line.data(), line.data() + line.size(), kib);
    if (error != std::errc() || next == line.data()) return std::nullopt;
    if (kib > std::numeric_limits<std::uint64_t>::max() / 1024) return std::numeric_limits<std::uint64_t>::max();
    return kib * 1024;
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::uint64_t> ParseMeminfo(std::string_view text) {
  const std::optional<std::uint64_t> available = Field(text, "MemAvailable");
  if (!available) return std::nullopt;
  const std::uint64_t swap = Field(text, "SwapFree").value_or(0);
  return *available > std::numeric_limits<std::uint64_t>::max() - swap ? std::numeric_limits<std::uint64_t>::max()
                                                                        : *available + swap;
}

std::optional<std::uint64_t> SystemAvailableMemory() { return AvailableMemoryUnder("/"); }

std::optional<std::uint64_t> AvailableMemoryUnder(const std::filesystem::path& root) {
  std::optional<std::uint64_t> system;
  if (std::ifstream file(root / "proc/meminfo"); file) {
    std::ostringstream text;
    text << file.rdbuf();
    system = ParseMeminfo(text.str());
  }
  const std::optional<std::uint64_t> group = ControlGroupHeadroom(root);
  if (system && group) return std::min(*system, *group);
  return system ? system : group;
}

bool MemoryFits(std::uint64_t bytes, const AvailableMemory& available) {
  if (bytes < CheckedBlockBytes || !available) return true;
  const std::optional<std::uint64_t> free = available();
  return !free || bytes <= *free;
}

}  // namespace tessmark
