#include "app/MainMenu.h"

#include "app/CommandIds.h"
#include "recipe/OperationTable.h"

namespace tessmark {
namespace {

namespace id = command_id;

MenuEntry Item(std::string caption, int commandId) { return {MenuEntry::Kind::Command, std::move(caption), commandId, {}}; }
MenuEntry Separator() { return {MenuEntry::Kind::Separator, {}, 0, {}}; }
MenuEntry Submenu(std::string caption, std::vector<MenuEntry> children) {
  return {MenuEntry::Kind::Submenu, std::move(caption), 0, std::move(children)};
}

// An operation's entry: its item, or its submenu holding the item of its version.
MenuEntry OperationEntry(OperationKind kind) {
  const OperationRow& row = RowOf(kind);
  MenuEntry item = Item(std::string(row.VersionCaption.empty() ? row.MenuCaption : row.VersionCaption), row.CommandId);
  if (row.VersionCaption.empty()) return item;
  return Submenu(std::string(row.MenuCaption), {std::move(item)});
}

std::vector<MenuEntry> BuildMainMenu() {
  using K = OperationKind;
  return {
      Submenu("File", {Item("New", id::New),
                       Submenu("Import", {Item("Clipboard", id::ImportClipboard),
                                          Item("Picture file ...", id::ImportPictureFile)}),
                       Submenu("Export", {Item("Clipboard", id::ExportClipboard), Item("Jpeg ...", id::ExportJpeg),
                                          Item("Png ...", id::ExportPng),
                                          Item("Recipe ...", id::ExportRecipe),
                                          Item("Texture set ...", id::ExportTextureSet)}),
                       Separator(),
                       Item("Exit", id::Exit),
                       Item("About Box ...", id::AboutBox),
                       // Linux window managers have no system menu to extend, so the program's
                       // own about box sits here.
                       Item("&About vornade...", id::AboutProgram),
                       Separator(),
                       Item("Sessions ...", id::Sessions)}),
      Submenu("Paint", {Item("Annuler ...", id::Undo),
                        Separator(),
                        Submenu("Zoom", {Item("Out", id::ZoomOut), Item("In", id::ZoomIn), Item("Pixel", id::ZoomPixel)}),
                        Separator(),
                        OperationEntry(K::Fill),
                        Separator(),
                        Item("Configuration ...", id::Configuration),
                        Separator(),
                        Item("No Blend Color", id::NoBlendColor),
                        Item("Blend Color ...", id::BlendColor),
                        Separator(),
                        Item("Palette ...", id::Palette),
                        Item("Mixage ...", id::Mixage),
                        Separator(),
                        OperationEntry(K::Circle),
                        OperationEntry(K::Rect),
                        OperationEntry(K::Polygon),
                        OperationEntry(K::Vector),
                        Separator(),
                        OperationEntry(K::Tag),
                        OperationEntry(K::CircleMix),
                        Separator(),
                        Item("Preview ...", id::Preview)}),
      Submenu("Filter ....", {OperationEntry(K::Noise)}),
      Submenu("Part.ClipBoard", {Item("Import", id::PartImport), Item("Export", id::PartExport),
                                 Item("Export/import filter ...", id::PartFilter)}),
      Submenu("Configuration", {Item("Load ...", id::LoadConfiguration), Item("Save ...", id::SaveConfiguration)}),
  };
}

void CollectIds(const std::vector<MenuEntry>& entries, std::vector<int>& ids) {
  for (const MenuEntry& entry : entries) {
    if (entry.Type == MenuEntry::Kind::Command) ids.push_back(entry.Id);
    CollectIds(entry.Children, ids);
  }
}

}  // namespace

const std::vector<MenuEntry>& MainMenu() {
  static const std::vector<MenuEntry> menu = BuildMainMenu();
  return menu;
}

std::vector<int> MenuCommandIds() {
  std::vector<int> ids;
  CollectIds(MainMenu(), ids);
  return ids;
}

}  // namespace tessmark
