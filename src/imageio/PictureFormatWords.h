#pragma once

#include <string>
#include <string_view>

namespace tessmark {

// How a text lists file names: each as Prefix ".ext", with " (note)" after when Notes is set,
// joined by Separator and, before the last, by Last.
struct ExtensionList {
  std::string_view Prefix = {};
  std::string_view Separator = ", ";
  std::string_view Last = " or ";
  bool Notes = false;
};

// Every extension of every format read, in the order of the format table.
std::string ReadExtensions(const ExtensionList& style = {});

// The extension given to each format written, in the order texts list them.
std::string WrittenExtensions(const ExtensionList& style = {});

// A file dialog's patterns for every extension read, all lower case first, then all upper case.
std::string ReadFilePatterns();

}  // namespace tessmark
