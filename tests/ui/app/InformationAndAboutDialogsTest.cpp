#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <gtest/gtest.h>

#include "app/ui/AboutDialogs.h"
#include "app/ui/EscapeInformationDialog.h"
#include "support/ModalDialog.h"
#include "ui/support/WidgetInput.h"

namespace tessmark {
namespace {

TEST(EscapeInformationDialog, OkReportsTheSwitchOtherClosesReportOff) {
  EscapeInformationDialog ticked(nullptr);
  EXPECT_EQ(ticked.windowTitle(), "Information !");
  EXPECT_TRUE(test::LabelTexts(ticked).contains("You can stopped the working picture with 'echap' key pressed"));
  QCheckBox* box = ticked.findChild<QCheckBox*>("DontShow");
  EXPECT_EQ(box->text(), "Don't show this information !");
  box->setChecked(true);
  test::PressOk(ticked);
  EXPECT_TRUE(ticked.DontShowAgain());

  EscapeInformationDialog closed(nullptr);
  closed.findChild<QCheckBox*>("DontShow")->setChecked(true);
  closed.reject();
  EXPECT_FALSE(closed.DontShowAgain());
}

TEST(AboutDialogs, AboutBoxShowsTheTextReadOnly) {
  QString title, text;
  bool readOnly = false;
  test::WhenModalOpens([&](QWidget* dialog) {
    title = dialog->windowTitle();
    const auto* edit = dialog->findChild<QPlainTextEdit*>("AboutText");
    text = edit->toPlainText();
    readOnly = edit->isReadOnly();
    test::PressOk(*static_cast<QDialog*>(dialog));
  });
  RunAboutBox(nullptr, "TessmarkPicture Version 0.2 Build (May 22 2016 15:52:59)");
  EXPECT_EQ(title, "About Box");
  EXPECT_EQ(text, "TessmarkPicture Version 0.2 Build (May 22 2016 15:52:59)");
  EXPECT_TRUE(readOnly);
}

TEST(AboutDialogs, ProgramAboutShowsItsVersionLine) {
  QString title;
  QStringList labels;
  test::WhenModalOpens([&](QWidget* dialog) {
    title = dialog->windowTitle();
    labels = test::LabelTexts(*dialog);
    test::PressOk(*static_cast<QDialog*>(dialog));
  });
  RunProgramAbout(nullptr);
  EXPECT_EQ(title, "About vornade");
  EXPECT_TRUE(labels.contains("vornade, Version 1.0"));
}

}  // namespace
}  // namespace tessmark
