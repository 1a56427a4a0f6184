#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "cli/CommandLine.h"
#include "cli/Operation.h"

// Command lines of any words (separated by NUL bytes, as the program receives them): parsing either
// succeeds or gives a reason, and the operations it accepts apply to the records.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  std::vector<std::string> words;
  for (std::size_t start = 0; start <= text.size();) {
    const std::size_t end = std::min(text.find('\0', start), text.size());
    words.emplace_back(text.substr(start, end - start));
    start = end + 1;
  }
  tessmark::Settings settings;
  for (const std::string& word : words) {
    const auto operation = tessmark::cli::ParseOperation(word);
    if (operation) tessmark::cli::ApplyAssignments(*operation.Value, settings);
    else if (operation.Error.empty()) __builtin_trap();
  }
  const auto line = tessmark::cli::ParseCommandLine(words);
  if (!line && line.Error.empty()) __builtin_trap();
  if (line)
    for (const auto& operation : line.Value->Operations) tessmark::cli::ApplyAssignments(operation, settings);
  return 0;
}
