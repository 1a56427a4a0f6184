#include "palette/ui/PaletteCommand.h"

#include <QCheckBox>
#include <gtest/gtest.h>

#include "app/CommandIds.h"
#include "palette/ui/PaletteEditor.h"
#include "support/ModalDialog.h"
#include "ui/support/CommandFixture.h"

namespace tessmark {
namespace {

using PaletteCommand = test::CommandFixture;

void WhenEditorOpens(std::function<void(PaletteEditor&)> act) {
  test::WhenModalOpens([act = std::move(act)](QWidget* modal) {
    auto* editor = qobject_cast<PaletteEditor*>(modal);
    ASSERT_NE(editor, nullptr);
    act(*editor);
  });
}

TEST_F(PaletteCommand, OkMakesTheEditedPaletteCurrent) {
  desktop.Colors = {0x00332211};
  WhenEditorOpens([](PaletteEditor& editor) {
    EXPECT_TRUE(editor.AllColorBox()->isChecked());
    editor.Add();
    editor.accept();
  });
  Run(command_id::Palette);
  EXPECT_FALSE(state.CurrentPalette.AllColor);
  ASSERT_EQ(state.CurrentPalette.Count, 1);
  EXPECT_EQ(state.CurrentPalette.Colors[0], (PaletteColor{0x11, 0x22, 0x33}));
}

TEST_F(PaletteCommand, CancelKeepsTheCurrentPalette) {
  desktop.Colors = {0x00332211};
  WhenEditorOpens([](PaletteEditor& editor) {
    editor.Add();
    editor.reject();
  });
  Run(command_id::Palette);
  EXPECT_TRUE(state.CurrentPalette.AllColor);
  EXPECT_EQ(state.CurrentPalette.Count, 0);
}

}  // namespace
}  // namespace tessmark
