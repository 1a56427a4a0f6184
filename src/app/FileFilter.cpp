#include "app/FileFilter.h"

#include <algorithm>

namespace tessmark {
namespace {

// ".gpal" of "*.gpal *.gpl"; nothing for "*.*", "*" or a pattern that is not "*.ext".
std::string FirstExtension(const std::string& pattern) {
  const std::string first = pattern.substr(0, pattern.find(' '));
  if (first.size() < 3 || first.compare(0, 2, "*.") != 0) return {};
  if (first.find_first_of("*?[", 1) != std::string::npos) return {};
  return first.substr(1);
}

}  // namespace

std::vector<FileFilterEntry> ParseFileFilter(const std::string& filter) {
  std::vector<FileFilterEntry> entries;
  std::size_t start = 0;
  while (start < filter.size()) {
    const std::size_t bar = filter.find('|', start);
    if (bar == std::string::npos) break;
    const std::size_t end = std::min(filter.find('|', bar + 1), filter.size());
    entries.push_back({filter.substr(start, bar - start), filter.substr(bar + 1, end - bar - 1)});
    start = end + 1;
  }
  return entries;
}

std::string WithFilterExtension(const std::string& path, const std::string& pattern) {
  const std::size_t nameStart = path.find_last_of('/') + 1;  // npos + 1 is 0
  if (path.find('.', nameStart) != std::string::npos) return path;
  return path + FirstExtension(pattern);
}

}  // namespace tessmark
