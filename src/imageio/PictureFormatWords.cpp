#include "imageio/PictureFormatWords.h"

#include <algorithm>
#include <vector>

#include "imageio/PictureFormats.h"

namespace tessmark {
namespace {

std::string Joined(const std::vector<std::string>& names, std::string_view separator, std::string_view last) {
  std::string text;
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (i > 0) text += i + 1 == names.size() ? last : separator;
    text += names[i];
  }
  return text;
}

std::string Named(const ExtensionList& style, std::string_view extension, const PictureFormat& format) {
  std::string name = std::string(style.Prefix) + "." + std::string(extension);
  if (style.Notes) name += " (" + std::string(format.Note) + ")";
  return name;
}

std::string UpperCase(std::string text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return text;
}

}  // namespace

std::string ReadExtensions(const ExtensionList& style) {
  std::vector<std::string> names;
  for (const PictureFormat& format : PictureFormats())
    if (format.Read != nullptr)
      for (const std::string_view extension : format.Extensions) names.push_back(Named(style, extension, format));
  return Joined(names, style.Separator, style.Last);
}

std::string WrittenExtensions(const ExtensionList& style) {
  std::vector<const PictureFormat*> written;
  for (const PictureFormat& format : PictureFormats())
    if (format.Write != nullptr) written.push_back(&format);
  std::ranges::sort(written, {}, &PictureFormat::WrittenPlace);
  std::vector<std::string> names;
  for (const PictureFormat* format : written) names.push_back(Named(style, format->Extensions.front(), *format));
  return Joined(names, style.Separator, style.Last);
}

std::string ReadFilePatterns() {
  const std::string lower = ReadExtensions({.Prefix = "*", .Separator = " ", .Last = " "});
  return lower + " " + UpperCase(lower);
}

}  // namespace tessmark
