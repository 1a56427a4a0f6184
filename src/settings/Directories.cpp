#include "settings/Directories.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace tessmark {
namespace {

std::optional<std::string> NonEmpty(const EnvironmentLookup& lookup, const std::string& name) {
  std::optional<std::string> value = lookup(name);
  if (value && value->empty()) return std::nullopt;
  return value;
}

std::string WithoutTrailingSeparators(std::string path) {
  while (!path.empty() && path.back() == PathSeparator) path.pop_back();
  return path;
}

}  // namespace

std::optional<std::string> ProcessEnvironment(const std::string& name) {
  const char* value = std::getenv(name.c_str());
  if (value == nullptr) return std::nullopt;
  return std::string(value);
}

std::optional<std::string> DataDirectoryBase(const EnvironmentLookup& lookup) {
  for (const char* name : {"TessmarkPicture", "APPDATA", "LOCALAPPDATA"}) {
    if (auto value = NonEmpty(lookup, name)) return value;
  }
  // A relative XDG_CONFIG_HOME is invalid and is to be ignored.
  if (auto xdg = NonEmpty(lookup, "XDG_CONFIG_HOME"); xdg && xdg->front() == '/') return xdg;
  if (auto home = NonEmpty(lookup, "HOME")) return WithoutTrailingSeparators(*home) + PathSeparator + ".config";
  return std::nullopt;
}

DataDirectoryResult ResolveDataDirectory(const EnvironmentLookup& lookup) {
  const std::optional<std::string> base = DataDirectoryBase(lookup);
  if (!base) {
    return {"", UserMessage{"Please specify directory in 'TessmarkPicture' environment", "", MessageIcon::Stop}};
  }
  std::string path = WithoutTrailingSeparators(*base);
  path += PathSeparator;
  path += "Haldrune";
  path += PathSeparator;
  path += "TessmarkPicture";
  std::error_code ignored;
  std::filesystem::create_directories(path, ignored);
  path += PathSeparator;
  return {path, std::nullopt};
}

std::string ProgramDirectoryOf(std::string_view executablePath) {
  const std::size_t cut = executablePath.rfind(PathSeparator);
  if (cut == std::string_view::npos) return std::string(".") + PathSeparator;
  return std::string(executablePath.substr(0, cut + 1));
}

std::string ProgramDirectory() {
  std::error_code error;
  const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return "";
  return ProgramDirectoryOf(executable.string());
}

}  // namespace tessmark
