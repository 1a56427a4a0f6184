#pragma once

#include <functional>
#include <map>

#include "app/ui/CommandContext.h"

namespace tessmark {

using CommandHandler = std::function<void(CommandContext&)>;

// Menu command id -> handler. Each command file registers its own handlers.
class CommandTable {
 public:
  void Add(int id, CommandHandler handler) { handlers_[id] = std::move(handler); }
  bool Contains(int id) const { return handlers_.count(id) != 0; }
  // Runs the handler of id; false when no command has that id.
  bool Run(int id, CommandContext& context) const {
    const auto found = handlers_.find(id);
    if (found == handlers_.end()) return false;
    found->second(context);
    return true;
  }

 private:
  std::map<int, CommandHandler> handlers_;
};

// Every command file's registration, in one place so a new file needs one line here.
void RegisterAllCommands(CommandTable& table);

}  // namespace tessmark
