#pragma once

#include <cstdint>
#include <functional>
#include <span>

namespace tessmark {

// Takes an encoder's output piece by piece, in order: into memory or straight into a file.
using ByteSink = std::function<void(std::span<const std::uint8_t>)>;

}  // namespace tessmark
