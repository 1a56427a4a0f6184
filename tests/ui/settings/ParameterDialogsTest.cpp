#include "settings/ui/ParameterDialogs.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLineEdit>
#include <gtest/gtest.h>

#include "recipe/OperationTable.h"
#include "ui/support/WidgetInput.h"

namespace tessmark {
namespace {

using test::PressCancel;
using test::PressOk;
using test::Retype;

struct DialogTest : ::testing::Test {
  Settings settings;
  std::unique_ptr<RecordDialog> dialog;

  void Open(RecordDialogKind which) { dialog = MakeParameterDialog(nullptr, which, settings); }
  QLineEdit* Edit(const char* field) {
    auto* edit = dialog->findChild<QLineEdit*>(field);
    EXPECT_NE(edit, nullptr) << field;
    return edit;
  }
  QCheckBox* Box(const char* field) { return dialog->findChild<QCheckBox*>(field); }
};

TEST_F(DialogTest, EachDialogHasItsCaptionAndLabels) {
  const struct {
    RecordDialogKind which;
    const char* caption;
    QStringList labels;
  } dialogs[] = {
      {OperationKind::Circle, "Dialog", {"Raymin", "Raymax", "Count:  "}},
      {OperationKind::Rect, "Dialog", {"XMin :", "YMin :", "XMax : ", "YMax : ", "Count : "}},
      {OperationKind::Polygon, "Polygone", {"RayMin : ", "RayMax : ", "AngMin :", "AngMax :", "Count"}},
      {OperationKind::Vector, "Vector", {"Min :", "Max : ", "Count :", "Min :", "Max : "}},
      {SettingsDialog::MixRange, "Mix", {"From : ", "To : "}},
      {OperationKind::Noise, "Filter Noise", {"%", "Germe : "}},
      {SettingsDialog::NewPicture, "New Picture", {"X : ", "Y :"}},
      {OperationKind::Tag, "Tag", {"Count : "}},
      {OperationKind::CircleMix, "Circle Mixe", {"Min : ", "Max  :", "Min : ", "Max  :", "Count : "}},
  };
  for (const auto& d : dialogs) {
    Open(d.which);
    EXPECT_EQ(dialog->windowTitle(), d.caption);
    QStringList labels = test::LabelTexts(*dialog);
    QStringList expected = d.labels;
    labels.sort();
    expected.sort();
    EXPECT_EQ(labels, expected) << d.caption;
  }
}

TEST_F(DialogTest, EveryOperationWithADialogBuildsIt) {
  for (const OperationRow& row : OperationRows()) {
    Open(row.Kind);
    EXPECT_EQ(dialog != nullptr, row.HasDialog) << row.Name;
  }
}

TEST_F(DialogTest, GroupsOfTheVectorMixAndCircleMixDialogs) {
  const auto titles = [this] {
    QStringList t;
    for (const QGroupBox* g : dialog->findChildren<QGroupBox*>()) t << g->title();
    return t;
  };
  Open(OperationKind::Vector);
  EXPECT_EQ(titles(), (QStringList{"Length", "Weight"}));
  Open(SettingsDialog::MixRange);
  EXPECT_EQ(titles(), (QStringList{"%"}));
  Open(OperationKind::CircleMix);
  EXPECT_EQ(titles(), (QStringList{"Mixe(%)", "Radius"}));
}

TEST_F(DialogTest, OpeningShowsTheRecord) {
  settings.Rectangle = {1, 2, 3, 4, -5};
  Open(OperationKind::Rect);
  EXPECT_EQ(Edit("XMin")->text(), "1");
  EXPECT_EQ(Edit("YMin")->text(), "2");
  EXPECT_EQ(Edit("XMax")->text(), "3");
  EXPECT_EQ(Edit("YMax")->text(), "4");
  EXPECT_EQ(Edit("Count")->text(), "-5");
  Open(OperationKind::Vector);
  EXPECT_TRUE(Box("Fill")->isChecked());
  EXPECT_EQ(Edit("LengthMax")->text(), "256");
}

TEST_F(DialogTest, OkStoresTypedNumbersAndCancelDoesNot) {
  Open(OperationKind::Circle);
  Retype(Edit("Raymin"), "12");
  Retype(Edit("Raymax"), "40");
  PressCancel(*dialog);
  EXPECT_EQ(settings.Circle.Raymin, 8);
  Open(OperationKind::Circle);
  EXPECT_EQ(Edit("Raymin")->text(), "8");
  Retype(Edit("Raymin"), "12");
  Retype(Edit("Raymax"), "40");
  PressOk(*dialog);
  EXPECT_EQ(dialog->result(), QDialog::Accepted);
  EXPECT_EQ(settings.Circle.Raymin, 12);
  EXPECT_EQ(settings.Circle.Raymax, 40);
}

TEST_F(DialogTest, DigitEditsRefuseTypedSignsButTheCircleCountTakesThem) {
  Open(OperationKind::Circle);
  Retype(Edit("Raymin"), "-1x2");
  EXPECT_EQ(Edit("Raymin")->text(), "12");
  Retype(Edit("Count"), "  -5");
  PressOk(*dialog);
  EXPECT_EQ(settings.Circle.Count, -5);
}

TEST_F(DialogTest, PastedTextIsConvertedByTheNumberRule) {
  Open(OperationKind::Rect);
  Edit("XMin")->setText("12abc");
  Edit("YMin")->setText("");
  Edit("Count")->setText("99999999999");
  PressOk(*dialog);
  EXPECT_EQ(settings.Rectangle.XMin, 12);
  EXPECT_EQ(settings.Rectangle.YMin, 0);
  EXPECT_EQ(settings.Rectangle.Count, 2147483647);
}

TEST_F(DialogTest, ByteFieldsKeepTheLowEightBits) {
  Open(SettingsDialog::MixRange);
  Retype(Edit("From"), "300");
  PressOk(*dialog);
  EXPECT_EQ(settings.MixRange.From, 44);
  Open(SettingsDialog::MixRange);
  EXPECT_EQ(Edit("From")->text(), "44");
  Open(OperationKind::Noise);
  Retype(Edit("Percent"), "99999999999");
  Retype(Edit("Germe"), "42");
  Box("Monochromatique")->setChecked(true);
  PressOk(*dialog);
  EXPECT_EQ(settings.Noise.Percent, 255);
  EXPECT_EQ(settings.Noise.Germe, 42);
  EXPECT_EQ(settings.Noise.Monochromatique, 1);
}

TEST_F(DialogTest, ShortEditsReadThirtyOneCharactersLongOnesSixtyThree) {
  const QString padded = QString(31, ' ') + "7";
  Open(SettingsDialog::NewPicture);
  Edit("X")->setText(padded);
  PressOk(*dialog);
  EXPECT_EQ(settings.NewPicture.X, 0);
  Open(OperationKind::Circle);
  Edit("Raymin")->setText(padded);
  Edit("Raymax")->setText(QString(63, ' ') + "7");
  PressOk(*dialog);
  EXPECT_EQ(settings.Circle.Raymin, 7);
  EXPECT_EQ(settings.Circle.Raymax, 0);
}

TEST_F(DialogTest, SwitchesAreStoredBackAsZeroOrOne) {
  settings.Polygon.Fill = 2;
  Open(OperationKind::Polygon);
  PressOk(*dialog);
  EXPECT_EQ(settings.Polygon.Fill, 1);
  Open(OperationKind::Polygon);
  Box("Fill")->setChecked(false);
  PressOk(*dialog);
  EXPECT_EQ(settings.Polygon.Fill, 0);
}

TEST_F(DialogTest, NewPictureKeepsConnectableThroughItsHiddenBox) {
  settings.Config.Connectable = 2;
  settings.NewPicture.Reserved = 9;
  Open(SettingsDialog::NewPicture);
  dialog->show();
  EXPECT_FALSE(Box("Bend")->isVisible());
  PressOk(*dialog);
  EXPECT_EQ(settings.Config.Connectable, 1);
  EXPECT_EQ(settings.NewPicture.Reserved, 9);
  settings.Config.Connectable = 0;
  Open(SettingsDialog::NewPicture);
  PressOk(*dialog);
  EXPECT_EQ(settings.Config.Connectable, 0);
}

TEST_F(DialogTest, OkIsTheDefaultButton) {
  Open(OperationKind::Noise);
  EXPECT_TRUE(dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->isDefault());
}

// Tab visits the controls in template order, added ones ("Add ...") last.
TEST_F(DialogTest, TabFollowsTheTemplateOrder) {
  const std::pair<RecordDialogKind, QStringList> dialogs[] = {
      {OperationKind::Circle, {"Raymin", "Raymax", "Count"}},
      {OperationKind::Rect, {"XMin", "YMin", "XMax", "YMax", "Count"}},
      {OperationKind::Polygon, {"RayMin", "RayMax", "AngMin", "AngMax", "Count", "Fill"}},
      {OperationKind::Vector, {"LengthMin", "LengthMax", "Count", "WeightMin", "WeightMax", "Fill"}},
      {SettingsDialog::MixRange, {"From", "To"}},
      {OperationKind::Noise, {"Monochromatique", "Percent", "Germe"}},
      {SettingsDialog::NewPicture, {"X", "Y"}},
      {OperationKind::Tag, {"PictureFiles", "Remove", "Count", "Clear", "Add"}},
      {OperationKind::CircleMix,
       {"Count", "MixeMin", "MixeMax", "RadiusMin", "RadiusMax", "PictureFiles", "Remove", "Clear", "Add"}},
  };
  for (const auto& [which, controls] : dialogs) {
    Open(which);
    QStringList visited;
    for (QWidget* w = dialog->nextInFocusChain(); w != dialog.get(); w = w->nextInFocusChain()) {
      if (!(w->focusPolicy() & Qt::TabFocus) || w->isHidden()) continue;
      const auto* button = qobject_cast<QAbstractButton*>(w);
      visited << (w->objectName().isEmpty() && button ? button->text().remove('&') : w->objectName());
    }
    EXPECT_EQ(visited, QStringList({"OK", "Cancel"}) + controls) << dialog->windowTitle().toStdString();
  }
}

}  // namespace
}  // namespace tessmark
