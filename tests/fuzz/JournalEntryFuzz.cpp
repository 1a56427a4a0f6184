#include <cstddef>
#include <cstdint>
#include <string_view>

#include "journal/JournalEntry.h"
#include "recipe/Operation.h"

// Journal entries of any content: the recipe, then after a NUL its progress record. A refused
// entry or record says why, and a refused record leaves the entry as it was.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::size_t split = input.find('\0');
  tessmark::Parsed<tessmark::JournalEntry> entry = tessmark::ParseEntryRecipe(input.substr(0, split), "/starts");
  if (entry.Value.has_value() == !entry.Error.empty()) __builtin_trap();
  if (!entry || split == std::string_view::npos) return 0;
  const std::size_t steps = entry.Value->Steps.size();
  const std::string last = steps == 0 ? std::string() : tessmark::WriteOperation(entry.Value->Steps.back());
  const std::string refused = tessmark::ApplyProgress(input.substr(split + 1), *entry.Value);
  if (!refused.empty() && (entry.Value->Steps.size() != steps || entry.Value->CutOff ||
                           (steps > 0 && tessmark::WriteOperation(entry.Value->Steps.back()) != last)))
    __builtin_trap();
  if (refused.empty() && entry.Value->Steps.size() != steps + 1) __builtin_trap();
  return 0;
}
