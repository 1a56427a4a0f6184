#pragma once

#include <string>
#include <vector>

namespace tessmark {

// One entry of the main window's menu bar: a command, a separator, or a submenu.
struct MenuEntry {
  enum class Kind { Command, Separator, Submenu };
  Kind Type = Kind::Command;
  std::string Caption;
  int Id = 0;
  std::vector<MenuEntry> Children;
};

// The top-level menus from left to right, each a submenu entry.
const std::vector<MenuEntry>& MainMenu();

// Every command id of the menu in menu order, submenus included.
std::vector<int> MenuCommandIds();

}  // namespace tessmark
