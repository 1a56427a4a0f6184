#pragma once

#include <string>

namespace tessmark {

enum class MessageIcon { None, Stop, Exclamation, Information, Question };

// A message core has for the user: the caller shows it (desktop) or prints it (command line),
// so both see the same text.
struct UserMessage {
  std::string Text;
  std::string Caption;
  MessageIcon Icon = MessageIcon::Stop;

  friend bool operator==(const UserMessage&, const UserMessage&) = default;
};

}  // namespace tessmark
