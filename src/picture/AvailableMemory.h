#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string_view>

namespace tessmark {

// How many bytes the system can still give the program, or nothing when it cannot tell. Linux
// grants far more than it has and kills the program once the pages are touched, so a block that
// large is refused before it is allocated. The owner of a workspace or a run holds one, which
// tests replace.
using AvailableMemory = std::function<std::optional<std::uint64_t>()>;

// MemAvailable plus SwapFree from /proc/meminfo, or less where the process's control groups
// leave less room.
std::optional<std::uint64_t> SystemAvailableMemory();

// The same from the files beneath root instead of "/".
std::optional<std::uint64_t> AvailableMemoryUnder(const std::filesystem::path& root);

// The same from the text of such a file; nothing without a MemAvailable line.
std::optional<std::uint64_t> ParseMeminfo(std::string_view text);

// Whether a block of that many bytes can be had. Blocks below CheckedBlockBytes are not worth
// the look: reading the figures costs more than allocating them, and they cannot decide whether
// the program survives. An unknown answer lets the allocation try.
inline constexpr std::uint64_t CheckedBlockBytes = std::uint64_t{16} << 20;
bool MemoryFits(std::uint64_t bytes, const AvailableMemory& available);

}  // namespace tessmark
