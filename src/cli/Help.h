#pragma once

#include <string>
#include <string_view>

namespace tessmark::cli {

// What `tessmark --help` prints.
std::string HelpText();

// The picture files a stamping operation's files= key might name, as an example for messages.
std::string_view PictureFilesExample();

}  // namespace tessmark::cli
