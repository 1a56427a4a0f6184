#include "settings/PictureListRules.h"

#include <algorithm>

namespace tessmark {
namespace {

char FoldCase(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool BeginsWithIgnoringCase(std::string_view text, std::string_view prefix) {
  if (prefix.size() > text.size()) return false;
  return std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) { return FoldCase(a) == FoldCase(b); });
}

}  // namespace

bool LessIgnoringCase(std::string_view a, std::string_view b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return static_cast<unsigned char>(FoldCase(x)) < static_cast<unsigned char>(FoldCase(y));
  });
}

bool ListHasEntryBeginningWith(const PictureFiles& list, std::string_view path) {
  return std::any_of(list.begin(), list.end(), [path](const std::string& entry) { return BeginsWithIgnoringCase(entry, path); });
}

void AddPicturePaths(PictureFiles& list, const std::vector<std::string>& paths) {
  for (const std::string& path : paths) {
    if (ListHasEntryBeginningWith(list, path)) continue;
    const auto place = std::upper_bound(list.begin(), list.end(), path,
                                        [](const std::string& a, const std::string& b) { return LessIgnoringCase(a, b); });
    list.insert(place, path);
  }
}

PictureFiles SortedPictureList(PictureFiles list) {
  std::stable_sort(list.begin(), list.end(), [](const std::string& a, const std::string& b) { return LessIgnoringCase(a, b); });
  return list;
}

}  // namespace tessmark
