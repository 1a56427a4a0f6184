#include "picture/RepeatedBlend.h"

#include <algorithm>

#include "picture/Picture.h"

namespace tessmark {

RepeatedBlend::RepeatedBlend(Color c, std::uint8_t weight) {
  const std::uint8_t colour[3] = {c.Red, c.Green, c.Blue};
  std::array<std::uint8_t, 768> channels;
  for (std::size_t i = 0; i < channels.size(); ++i) channels[i] = static_cast<std::uint8_t>(i & 255);
  after_.push_back(channels);
  // A channel that still moves comes at least one step nearer the colour, so this ends.
  for (;;) {
    for (std::size_t i = 0; i < channels.size(); ++i) channels[i] = BlendChannel(channels[i], colour[i >> 8], weight);
    if (channels == after_.back()) return;
    after_.push_back(channels);
  }
}

void RepeatedBlend::Apply(std::uint8_t* p, std::int64_t n, std::int64_t times) const {
  if (times <= 0) return;
  const std::uint8_t* table = after_[static_cast<std::size_t>(std::min(times, Settled()))].data();
  for (std::int64_t i = 0; i < n; ++i, p += 3) {
    p[0] = table[p[0]];
    p[1] = table[256 + p[1]];
    p[2] = table[512 + p[2]];
  }
}

}  // namespace tessmark
