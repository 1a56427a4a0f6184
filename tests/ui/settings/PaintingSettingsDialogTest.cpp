#include "settings/ui/PaintingSettingsDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include <vector>

namespace tessmark {
namespace {

struct ConfigDialog {
  explicit ConfigDialog(ConfigSettings& record, std::optional<ColorRef> chosen = std::nullopt)
      : dialog(record, [this, chosen](ColorRef initial) {
          offered.push_back(initial);
          return chosen;
        }) {}

  template <class T> T* Child(const char* name) { return dialog.findChild<T*>(name); }
  bool ColorShown() {
    return !Child<QLabel>("blendColorLabel")->isHidden() && !Child<ColorButton>("blendColor")->isHidden();
  }

  std::vector<ColorRef> offered;
  PaintingSettingsDialog dialog;
};

TEST(PaintingSettingsDialog, OpensWithTheRecordAndHidesTheColourWhenThereIsNone) {
  ConfigSettings record{.BlendColor = 0x00123456, .Connectable = 0, .From = 7, .To = 250};
  ConfigDialog config(record);
  EXPECT_FALSE(config.Child<QCheckBox>("connectable")->isChecked());
  EXPECT_FALSE(config.Child<QCheckBox>("noBlendColor")->isChecked());
  EXPECT_TRUE(config.ColorShown());
  EXPECT_EQ(config.Child<ColorButton>("blendColor")->Color(), 0x00123456u);
  EXPECT_EQ(config.Child<QLineEdit>("from")->text(), "7");
  EXPECT_EQ(config.Child<QLineEdit>("to")->text(), "250");

  ConfigSettings none{.BlendColor = NoColorRef};
  ConfigDialog empty(none);
  EXPECT_TRUE(empty.Child<QCheckBox>("connectable")->isChecked());
  EXPECT_TRUE(empty.Child<QCheckBox>("noBlendColor")->isChecked());
  EXPECT_FALSE(empty.ColorShown());
}

TEST(PaintingSettingsDialog, TickingNoBlendColorHidesTheColourAtOnceAndOkStoresNone) {
  ConfigSettings record;
  ConfigDialog config(record);
  QCheckBox* noBlend = config.Child<QCheckBox>("noBlendColor");
  QTest::mouseClick(noBlend, Qt::LeftButton);
  EXPECT_FALSE(config.ColorShown());
  QTest::mouseClick(noBlend, Qt::LeftButton);
  EXPECT_TRUE(config.ColorShown());
  QTest::mouseClick(noBlend, Qt::LeftButton);
  config.dialog.accept();
  EXPECT_EQ(record.BlendColor, NoColorRef);

  ConfigDialog reopened(record);
  EXPECT_TRUE(reopened.Child<QCheckBox>("noBlendColor")->isChecked());
  EXPECT_FALSE(reopened.ColorShown());
}

TEST(PaintingSettingsDialog, OkKeepsTheLowEightBitsOfEachPercentage) {
  ConfigSettings record;
  ConfigDialog config(record);
  config.Child<QLineEdit>("from")->setText("300");
  config.Child<QLineEdit>("to")->setText("");
  config.dialog.accept();
  EXPECT_EQ(record.From, 44);
  EXPECT_EQ(record.To, 0);

  config.Child<QLineEdit>("from")->setText("256");
  config.Child<QLineEdit>("to")->setText("99");
  config.dialog.accept();
  EXPECT_EQ(record.From, 0);
  EXPECT_EQ(record.To, 99);
}

TEST(PaintingSettingsDialog, TheEditsTakeDigitsOnly) {
  ConfigSettings record;
  ConfigDialog config(record);
  QLineEdit* from = config.Child<QLineEdit>("from");
  from->clear();
  QTest::keyClicks(from, "-4a2");
  EXPECT_EQ(from->text(), "42");
}

TEST(PaintingSettingsDialog, PastedTextGoesThroughTheNumberRule) {
  ConfigSettings record;
  ConfigDialog config(record);
  QLineEdit* to = config.Child<QLineEdit>("to");
  QApplication::clipboard()->setText("  12abc");
  to->selectAll();
  to->paste();
  config.dialog.accept();
  EXPECT_EQ(record.To, 12);
}

TEST(PaintingSettingsDialog, OkStoresConnectableAndTheChosenColour) {
  ConfigSettings record{.BlendColor = 0x00000080};
  ConfigDialog config(record, 0x00FF0000);
  QTest::mouseClick(config.Child<QCheckBox>("connectable"), Qt::LeftButton);
  QTest::mouseClick(config.Child<ColorButton>("blendColor"), Qt::LeftButton);
  ASSERT_EQ(config.offered, std::vector<ColorRef>{0x00000080});
  config.dialog.accept();
  EXPECT_EQ(record.Connectable, 0);
  EXPECT_EQ(record.BlendColor, 0x00FF0000u);
}

TEST(PaintingSettingsDialog, ACancelledChooserKeepsTheColour) {
  ConfigSettings record{.BlendColor = 0x00000080};
  ConfigDialog config(record);
  QTest::mouseClick(config.Child<ColorButton>("blendColor"), Qt::LeftButton);
  config.dialog.accept();
  EXPECT_EQ(record.BlendColor, 0x00000080u);
}

TEST(PaintingSettingsDialog, ClearingNoBlendColorWithoutChoosingGivesTheWhiteTheButtonShows) {
  ConfigSettings record{.BlendColor = NoColorRef};
  ConfigDialog config(record);
  QTest::mouseClick(config.Child<QCheckBox>("noBlendColor"), Qt::LeftButton);
  config.dialog.accept();
  EXPECT_EQ(record.BlendColor, 0x00FFFFFFu);
}

TEST(PaintingSettingsDialog, CancelChangesNothing) {
  const ConfigSettings before{.BlendColor = 0x00445566, .Connectable = 1, .From = 10, .To = 20};
  ConfigSettings record = before;
  ConfigDialog config(record, 0x00000001);
  QTest::mouseClick(config.Child<QCheckBox>("connectable"), Qt::LeftButton);
  QTest::mouseClick(config.Child<ColorButton>("blendColor"), Qt::LeftButton);
  config.Child<QLineEdit>("from")->setText("90");
  config.dialog.reject();
  EXPECT_EQ(record.BlendColor, before.BlendColor);
  EXPECT_EQ(record.Connectable, before.Connectable);
  EXPECT_EQ(record.From, before.From);
  EXPECT_EQ(record.To, before.To);
}

}  // namespace
}  // namespace tessmark
