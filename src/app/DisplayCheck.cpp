#include "app/DisplayCheck.h"

#include <dlfcn.h>

#include <memory>

namespace tessmark {
namespace {

#ifdef __unix__
constexpr bool XByDefault = true;
#else
constexpr bool XByDefault = false;
#endif

std::optional<std::string> Set(std::optional<std::string> value) {
  if (value && value->empty()) return std::nullopt;
  return value;
}

// A list as Qt reads it ("wayland;xcb", "xcb:option=value"): Qt falls back along it, so it stays
// on X only when every choice is xcb.
bool OnlyX(const std::string& platforms) {
  for (std::size_t start = 0;;) {
    const std::size_t end = platforms.find(';', start);
    const std::string choice = platforms.substr(start, end - start);
    if (choice.substr(0, choice.find(':')) != "xcb") return false;
    if (end == std::string::npos) return true;
    start = end + 1;
  }
}

bool WaylandSession(const EnvironmentLookup& lookup) {
  return Set(lookup("WAYLAND_DISPLAY")) || lookup("XDG_SESSION_TYPE") == "wayland";
}

}  // namespace

std::optional<std::string> XDisplayToOpen(const std::optional<std::string>& platform,
                                          const std::optional<std::string>& display, const EnvironmentLookup& lookup) {
  const std::optional<std::string> named = platform ? platform : Set(lookup("QT_QPA_PLATFORM"));
  const bool x = named ? OnlyX(*named) : XByDefault && !WaylandSession(lookup);
  if (!x) return std::nullopt;
  return display ? *display : lookup("DISPLAY").value_or("");
}

// The library Qt's X plug-in connects with: the same display names, sockets and authorisation.
bool XDisplayAnswers(const std::string& name) {
  if (name.empty()) return false;
  const std::unique_ptr<void, int (*)(void*)> library(::dlopen("libxcb.so.1", RTLD_NOW | RTLD_LOCAL), ::dlclose);
  if (!library) return true;
  const auto connect = reinterpret_cast<void* (*)(const char*, int*)>(::dlsym(library.get(), "xcb_connect"));
  const auto failed = reinterpret_cast<int (*)(void*)>(::dlsym(library.get(), "xcb_connection_has_error"));
  const auto disconnect = reinterpret_cast<void (*)(void*)>(::dlsym(library.get(), "xcb_disconnect"));
  if (!connect || !failed || !disconnect) return true;
  void* connection = connect(name.c_str(), nullptr);
  const bool answers = failed(connection) == 0;
  disconnect(connection);
  return answers;
}

}  // namespace tessmark
