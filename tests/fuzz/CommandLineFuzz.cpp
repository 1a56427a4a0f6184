#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "cli/CommandLine.h"
#include "recipe/Operation.h"
#include "recipe/ResponseFile.h"

namespace {

// What the writer makes of an accepted operation reads back to the same operation.
void CheckWrittenBack(const tessmark::Operation& operation, tessmark::OperationStep& step) {
  tessmark::ApplyOperation(operation, step);
  const std::string written = tessmark::WriteOperation(step);
  const auto again = tessmark::ParseOperation(written);
  if (!again) __builtin_trap();
  tessmark::OperationStep replayed = step;
  tessmark::ApplyOperation(*again.Value, replayed);
  if (tessmark::WriteOperation(replayed) != written) __builtin_trap();
}

}  // namespace

// Command lines of any words (separated by NUL bytes, as the program receives them): parsing either
// succeeds or gives a reason, and the operations it accepts apply to the records and are written
// back as they were read. The same bytes are also read as a response file's text.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto fileWords = tessmark::ResponseFileWords(text, "fuzz");
  if (!fileWords && fileWords.Error.empty()) __builtin_trap();
  std::vector<std::string> words;
  for (std::size_t start = 0; start <= text.size();) {
    const std::size_t end = std::min(text.find('\0', start), text.size());
    // Response files would read whatever the fuzzer names, /dev/stdin included.
    if (text.substr(start, 1) != "@") words.emplace_back(text.substr(start, end - start));
    start = end + 1;
  }
  tessmark::OperationStep step;
  for (const std::string& word : words) {
    const auto operation = tessmark::ParseOperation(word);
    if (operation) CheckWrittenBack(*operation.Value, step);
    else if (operation.Error.empty()) __builtin_trap();
  }
  const auto line = tessmark::cli::ParseCommandLine(words);
  if (!line && line.Error.empty()) __builtin_trap();
  if (line)
    for (const auto& operation : line.Value->Operations) tessmark::ApplyOperation(operation, step);
  return 0;
}
