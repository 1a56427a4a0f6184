#include "settings/DialogNumber.h"

#include <algorithm>
#include <limits>

namespace tessmark {
namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

}  // namespace

std::int32_t DialogNumber(std::string_view text, std::size_t maxChars) {
  text = text.substr(0, maxChars);
  std::size_t i = 0;
  while (i < text.size() && IsSpace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  constexpr std::int64_t limit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
  std::int64_t magnitude = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    magnitude = std::min(magnitude * 10 + (text[i] - '0'), limit);
  }
  const std::int64_t value = negative ? -magnitude : std::min(magnitude, limit - 1);
  return static_cast<std::int32_t>(value);
}

}  // namespace tessmark
