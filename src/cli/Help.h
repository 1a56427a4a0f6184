#pragma once

#include <string>

namespace tessmark::cli {

// What `tessmark --help` prints.
std::string HelpText();

}  // namespace tessmark::cli
