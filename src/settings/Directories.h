#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "base/UserMessage.h"

namespace tessmark {

#ifdef _WIN32
inline constexpr char PathSeparator = '\\';
#else
inline constexpr char PathSeparator = '/';
#endif

// The value of an environment variable; nothing when it is unset. Passed in so that the chain
// below can be exercised without touching the process's environment.
using EnvironmentLookup = std::function<std::optional<std::string>(const std::string& name)>;

// The real environment.
std::optional<std::string> ProcessEnvironment(const std::string& name);

// The folder beneath which the data folders go: the first non-empty of "TessmarkPicture",
// "APPDATA", "LOCALAPPDATA", then (as a Linux session sets neither of the last two)
// XDG_CONFIG_HOME when absolute, then $HOME/.config.
std::optional<std::string> DataDirectoryBase(const EnvironmentLookup& lookup);

struct DataDirectoryResult {
  std::string Path;                    // empty, or ends with PathSeparator
  std::optional<UserMessage> Message;  // only when the environment names no folder at all
};

// Base/Haldrune/TessmarkPicture/, created (with any missing folder above it) when absent.
// Creation failures only show later, as a configuration file that cannot be written.
DataDirectoryResult ResolveDataDirectory(const EnvironmentLookup& lookup);

// The folder part of an executable's path, ending with PathSeparator.
std::string ProgramDirectoryOf(std::string_view executablePath);

// The folder of the running executable; empty when the system does not say.
std::string ProgramDirectory();

}  // namespace tessmark
