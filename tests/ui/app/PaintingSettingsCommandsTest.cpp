#include "app/ui/PaintingSettingsCommands.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include "app/CommandIds.h"
#include "settings/ui/PaintingSettingsDialog.h"
#include "support/ModalDialog.h"
#include "ui/support/CommandFixture.h"

namespace tessmark {
namespace {

namespace id = command_id;
using ConfigCommands = test::CommandFixture;

// Plays the user of the configuration dialog once it opens.
void WhenConfigOpens(std::function<void(PaintingSettingsDialog&)> act) {
  test::WhenModalOpens([act = std::move(act)](QWidget* modal) {
    auto* dialog = qobject_cast<PaintingSettingsDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    act(*dialog);
  });
}

QLineEdit* Edit(PaintingSettingsDialog& dialog, const char* name) { return dialog.findChild<QLineEdit*>(name); }

TEST_F(ConfigCommands, TheDialogShowsTheCurrentValuesAndOkMakesTheEditsCurrent) {
  state.Settings.CurrentBlendColor = 0x00102030;
  state.Settings.MixRange = {40, 60};
  desktop.Colors = {0x00AABBCC};
  WhenConfigOpens([](PaintingSettingsDialog& dialog) {
    EXPECT_EQ(Edit(dialog, "from")->text(), "40");
    EXPECT_EQ(Edit(dialog, "to")->text(), "60");
    EXPECT_EQ(dialog.findChild<ColorButton*>("blendColor")->Color(), 0x00102030u);
    QTest::mouseClick(dialog.findChild<ColorButton*>("blendColor"), Qt::LeftButton);
    Edit(dialog, "from")->setText("256");
    Edit(dialog, "to")->setText("75");
    QTest::mouseClick(dialog.findChild<QCheckBox*>("connectable"), Qt::LeftButton, {}, QPoint(6, 8));
    dialog.accept();
  });
  Run(id::Configuration);
  EXPECT_EQ(state.Settings.CurrentBlendColor, 0x00AABBCCu);
  EXPECT_EQ(state.Settings.MixRange.From, 0);
  EXPECT_EQ(state.Settings.MixRange.To, 75);
  EXPECT_EQ(state.Settings.Config.Connectable, 0);
  EXPECT_EQ(view.Rebuilds, 0);
}

TEST_F(ConfigCommands, CancelKeepsTheBlendColourAndTheMixageRange) {
  state.Settings.CurrentBlendColor = 0x00102030;
  state.Settings.MixRange = {40, 60};
  WhenConfigOpens([](PaintingSettingsDialog& dialog) {
    QTest::mouseClick(dialog.findChild<QCheckBox*>("noBlendColor"), Qt::LeftButton, {}, QPoint(6, 8));
    Edit(dialog, "from")->setText("5");
    dialog.reject();
  });
  Run(id::Configuration);
  EXPECT_EQ(state.Settings.CurrentBlendColor, 0x00102030u);
  EXPECT_EQ(state.Settings.MixRange.From, 40);
  EXPECT_EQ(state.Settings.MixRange.To, 60);
}

TEST_F(ConfigCommands, NoBlendColorInTheDialogShowsTickedNextTime) {
  WhenConfigOpens([](PaintingSettingsDialog& dialog) {
    QTest::mouseClick(dialog.findChild<QCheckBox*>("noBlendColor"), Qt::LeftButton, {}, QPoint(6, 8));
    dialog.accept();
  });
  Run(id::Configuration);
  EXPECT_EQ(state.Settings.CurrentBlendColor, NoColorRef);
  WhenConfigOpens([](PaintingSettingsDialog& dialog) {
    EXPECT_TRUE(dialog.findChild<QCheckBox*>("noBlendColor")->isChecked());
    EXPECT_TRUE(dialog.findChild<ColorButton*>("blendColor")->isHidden());
    dialog.reject();
  });
  Run(id::Configuration);
}

TEST_F(ConfigCommands, BlendColorTakesTheChosenColourAndKeepsItWhenCancelled) {
  state.Settings.CurrentBlendColor = 0x00010203;
  Run(id::BlendColor);
  EXPECT_EQ(state.Settings.CurrentBlendColor, 0x00010203u);
  desktop.Colors = {0x00FFEE00};
  Run(id::BlendColor);
  EXPECT_EQ(state.Settings.CurrentBlendColor, 0x00FFEE00u);
  EXPECT_EQ(desktop.Events, (std::vector<std::string>{"color", "color"}));
}

TEST_F(ConfigCommands, NoBlendColorSwitchesItOffWithoutAsking) {
  Run(id::NoBlendColor);
  EXPECT_EQ(state.Settings.CurrentBlendColor, NoColorRef);
  EXPECT_TRUE(desktop.Events.empty());
}

}  // namespace
}  // namespace tessmark
