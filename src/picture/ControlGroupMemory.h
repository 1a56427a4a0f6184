#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

namespace tessmark {

// The least room left under the memory limits of the control groups the process belongs to, its
// own and every ancestor, read from the files beneath root ("/" for the running system): past a
// group's limit the kernel kills the program however much the machine has free. Nothing when no
// group sets a limit that can be read.
std::optional<std::uint64_t> ControlGroupHeadroom(const std::filesystem::path& root);

}  // namespace tessmark
