#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "base/UserMessage.h"
#include "settings/ParameterRecords.h"

namespace tessmark {

// The configuration file of the data directory, loaded at start and saved at exit.
inline constexpr char MainConfigurationName[] = "main.gccfg";

inline constexpr char ConfigurationMagic[] = "TessmarkPicture.Config\r\n";  // 24 bytes, stored without the zero
inline constexpr std::uint16_t ConfigurationVersion = 256;

// Hand-made files aside, a configuration is a few kilobytes; anything beyond this is not one.
inline constexpr std::uint64_t MaxConfigurationBytes = 64u << 20;

// Where a load failed, for callers that tell it in their own words.
enum class ConfigurationFault { None, Unreadable, BadHeader, NewerVersion, NoMemory };

struct ConfigurationLoad {
  bool Loaded = false;
  int Error = 0;                       // errno when the file could not be read
  std::optional<UserMessage> Message;  // for the caller to show; none when the file cannot be opened
  ConfigurationFault Fault = ConfigurationFault::None;
};

// The whole file: magic, version, the eight record blocks, the blend colour, the configuration
// block, both picture lists and the tag count.
std::vector<std::uint8_t> EncodeConfiguration(const Settings& settings);

// Reads a configuration over settings. Fields the bytes do not reach keep their values, both lists
// are replaced. On failure settings are left exactly as they were; fileName goes into the message.
ConfigurationLoad DecodeConfiguration(std::span<const std::uint8_t> bytes, const std::string& fileName,
                                      Settings& settings);

ConfigurationLoad LoadConfiguration(const std::string& path, Settings& settings);

// False when the file cannot be written; the previous file is then left as it was.
bool SaveConfiguration(const std::string& path, const Settings& settings);

}  // namespace tessmark
