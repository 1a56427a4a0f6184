#pragma once

#include <string>
#include <vector>

namespace tessmark {

// One entry of a file dialog's filter. The menus give filters as "description|pattern|" pairs,
// "*.gccfg|*.gccfg|"; a pattern may name several kinds separated by blanks: "*.gpal *.gpl".
struct FileFilterEntry {
  std::string Description;
  std::string Pattern;
};

std::vector<FileFilterEntry> ParseFileFilter(const std::string& filter);

// The path with the extension of the pattern's first kind ("*.gpal" gives ".gpal") appended when
// its file name has no extension; unchanged when it has one or the pattern names no extension.
std::string WithFilterExtension(const std::string& path, const std::string& pattern);

}  // namespace tessmark
