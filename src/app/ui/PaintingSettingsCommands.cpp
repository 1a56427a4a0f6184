#include "app/ui/PaintingSettingsCommands.h"

#include <QApplication>

#include "app/CommandIds.h"
#include "settings/ui/PaintingSettingsDialog.h"

namespace tessmark {
namespace {

// The dialog edits working copies of the blend colour and the mixage range, which take effect only
// on OK. The connectable flag it writes directly.
void EditConfiguration(CommandContext& c) {
  Settings& s = c.State.Settings;
  s.Config.BlendColor = s.CurrentBlendColor;
  s.Config.From = s.MixRange.From;
  s.Config.To = s.MixRange.To;
  PaintingSettingsDialog dialog(s.Config, [&c](ColorRef initial) { return c.Desktop.ChooseColor(initial); },
                  QApplication::activeWindow());
  if (dialog.exec() != QDialog::Accepted) return;
  s.CurrentBlendColor = s.Config.BlendColor;
  s.MixRange.From = s.Config.From;
  s.MixRange.To = s.Config.To;
}

void ChooseBlendColor(CommandContext& c) {
  ColorRef& blend = c.State.Settings.CurrentBlendColor;
  // Without a blend colour the chooser starts from white.
  if (const std::optional<ColorRef> chosen = c.Desktop.ChooseColor(blend & 0x00FFFFFFu)) blend = *chosen;
}

}  // namespace

void RegisterPaintingSettingsCommands(CommandTable& table) {
  table.Add(command_id::Configuration, EditConfiguration);
  table.Add(command_id::BlendColor, ChooseBlendColor);
  table.Add(command_id::NoBlendColor, [](CommandContext& c) { c.State.Settings.CurrentBlendColor = NoColorRef; });
}

}  // namespace tessmark
