#include "app/MainMenu.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "recipe/OperationTable.h"

namespace tessmark {
namespace {

// Captions of one menu level, "-" for a separator.
std::vector<std::string> Captions(const std::vector<MenuEntry>& entries) {
  std::vector<std::string> captions;
  for (const MenuEntry& e : entries) captions.push_back(e.Type == MenuEntry::Kind::Separator ? "-" : e.Caption);
  return captions;
}

const MenuEntry& Top(const std::string& caption) {
  for (const MenuEntry& e : MainMenu())
    if (e.Caption == caption) return e;
  throw std::runtime_error("no menu " + caption);
}

TEST(MainMenu, TopLevelMenusFromLeftToRight) {
  EXPECT_EQ(Captions(MainMenu()),
            (std::vector<std::string>{"File", "Paint", "Filter ....", "Part.ClipBoard", "Configuration"}));
}

TEST(MainMenu, FileAndPaintItemsWithTheirSeparators) {
  EXPECT_EQ(Captions(Top("File").Children),
            (std::vector<std::string>{"New", "Import", "Export", "-", "Exit", "About Box ...", "&About vornade...", "-",
                                      "Sessions ..."}));
  EXPECT_EQ(Captions(Top("Paint").Children),
            (std::vector<std::string>{"Annuler ...", "-", "Zoom", "-", "Fill Color ...", "-", "Configuration ...", "-",
                                      "No Blend Color", "Blend Color ...", "-", "Palette ...", "Mixage ...", "-",
                                      "Circle ...", "Rectangle ...", "Polygone", "Vector", "-", "Tag", "Circle Mix", "-",
                                      "Preview ..."}));
}

TEST(MainMenu, EveryCommandIdInMenuOrderOnce) {
  const std::vector<int> ids = MenuCommandIds();
  EXPECT_EQ(ids, (std::vector<int>{32771, 32773, 32830, 32775, 32794, 32831, 32832, 32833, 32776, 32798, 16, 32834, 32805, 32811, 32812, 32813, 32797,
                                   32809, 32807, 32806, 32787, 32803, 32779, 32780, 32790, 32796, 32782, 32802, 32819,
                                   32804, 32791, 32792, 32793, 32799, 32800}));
  EXPECT_EQ(std::set<int>(ids.begin(), ids.end()).size(), ids.size());
}

TEST(MainMenu, EveryOperationHasItsCommand) {
  const std::vector<int> ids = MenuCommandIds();
  for (const OperationRow& row : OperationRows()) EXPECT_EQ(std::count(ids.begin(), ids.end(), row.CommandId), 1) << row.Name;
}

TEST(MainMenu, ShapeSubmenusCarryTheirVersionItem) {
  const auto& paint = Top("Paint").Children;
  for (const MenuEntry& e : paint) {
    if (e.Type != MenuEntry::Kind::Submenu || e.Caption == "Zoom") continue;
    ASSERT_EQ(e.Children.size(), 1u) << e.Caption;
    EXPECT_TRUE(e.Children[0].Caption == "V1" || e.Children[0].Caption == "V1 ...") << e.Caption;
  }
}

}  // namespace
}  // namespace tessmark
