#include "settings/ui/PictureListDialog.h"

#include <QDropEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QUrl>
#include <QWindow>
#include <gtest/gtest.h>

#include "settings/ui/ParameterDialogs.h"
#include "ui/support/WidgetInput.h"

namespace tessmark {
namespace {

using test::PressCancel;
using test::PressOk;

struct PictureListDialogTest : ::testing::Test {
  Settings settings;
  std::unique_ptr<RecordDialog> dialog;

  void OpenTag() { dialog = MakeParameterDialog(nullptr, OperationKind::Tag, settings); }
  void OpenCircleMix() { dialog = MakeParameterDialog(nullptr, OperationKind::CircleMix, settings); }
  QListWidget* List() { return dialog->findChild<QListWidget*>("PictureFiles"); }
  QStringList Shown() {
    QStringList shown;
    for (int i = 0; i < List()->count(); ++i) shown << List()->item(i)->text();
    return shown;
  }
  void Drop(const QStringList& paths) {
    QList<QUrl> urls;
    for (const QString& p : paths) urls << QUrl::fromLocalFile(p);
    QMimeData data;
    data.setUrls(urls);
    DragAndDrop(data);
  }
  // As a desktop delivers a drop at a point of the window: the drag enters the control there, or
  // the nearest one around it that takes drops (and must be accepted), then the drop.
  void DragAndDrop(const QMimeData& data, QPoint at = QPoint(5, 5)) {
    dialog->show();
    QWindow* window = dialog->windowHandle();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &enter);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &drop);
  }
  void Click(const char* button) { dialog->findChild<QPushButton*>(button)->click(); }
};

TEST_F(PictureListDialogTest, DroppedFilesAreListedOnceInAlphabeticalOrder) {
  OpenTag();
  Drop({"/p/d.png", "/p/B.png", "/p/e.png", "/p/a.png", "/p/C.png"});
  Drop({"/p/a.png", "/p/A.PNG"});
  EXPECT_EQ(Shown(), (QStringList{"/p/a.png", "/p/B.png", "/p/C.png", "/p/d.png", "/p/e.png"}));
}

TEST_F(PictureListDialogTest, ADropBeginningAListedPathIsIgnored) {
  OpenTag();
  Drop({"/p/ab.png"});
  Drop({"/p/ab.pn"});
  Drop({"/p/a.png"});
  EXPECT_EQ(Shown(), (QStringList{"/p/a.png", "/p/ab.png"}));
}

TEST_F(PictureListDialogTest, OkStoresTheListSortedAndReopeningShowsIt) {
  OpenTag();
  Drop({"/p/z.png", "/p/m.bmp"});
  dialog->findChild<QLineEdit*>("Count")->setText("7");
  PressOk(*dialog);
  EXPECT_EQ(settings.Tag.PictureFiles, (PictureFiles{"/p/m.bmp", "/p/z.png"}));
  EXPECT_EQ(settings.Tag.Count, 7);
  OpenTag();
  EXPECT_EQ(Shown(), (QStringList{"/p/m.bmp", "/p/z.png"}));
}

TEST_F(PictureListDialogTest, OpeningSortsAListLoadedInAnotherOrder) {
  settings.CircleMix.PictureFiles = {"/q/b", "/q/A"};
  OpenCircleMix();
  EXPECT_EQ(Shown(), (QStringList{"/q/A", "/q/b"}));
  EXPECT_EQ(dialog->findChild<QLineEdit*>("Count")->text(), "1");
  OpenTag();
  EXPECT_EQ(dialog->findChild<QLineEdit*>("Count")->text(), "0");
}

TEST_F(PictureListDialogTest, RemoveTakesOnlyTheSelectedEntry) {
  OpenTag();
  Drop({"/p/a", "/p/b", "/p/c"});
  Click("Remove");
  EXPECT_EQ(Shown().size(), 3);
  List()->setCurrentRow(1);
  Click("Remove");
  EXPECT_EQ(Shown(), (QStringList{"/p/a", "/p/c"}));
  EXPECT_EQ(List()->selectedItems().size(), 0);
  Click("Remove");
  EXPECT_EQ(Shown().size(), 2);
}

TEST_F(PictureListDialogTest, ClearThenCancelLeavesTheRecordsList) {
  settings.Tag.PictureFiles = {"/p/a"};
  OpenTag();
  Click("Clear");
  EXPECT_TRUE(Shown().isEmpty());
  PressCancel(*dialog);
  EXPECT_EQ(settings.Tag.PictureFiles, PictureFiles{"/p/a"});
}

TEST_F(PictureListDialogTest, OkWithAnEmptyListIsRefusedAndCancelThenChangesNothing) {
  settings.CircleMix.PictureFiles = {"/p/a"};
  settings.CircleMix.MixeMin = 33;
  OpenCircleMix();
  dialog->show();
  Click("Clear");
  dialog->findChild<QLineEdit*>("MixeMin")->setText("5");
  PressOk(*dialog);
  PressOk(*dialog);
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_EQ(settings.CircleMix.PictureFiles, PictureFiles{"/p/a"});
  EXPECT_EQ(settings.CircleMix.MixeMin, 33);
  PressCancel(*dialog);
  EXPECT_EQ(dialog->result(), QDialog::Rejected);
  EXPECT_EQ(settings.CircleMix.PictureFiles, PictureFiles{"/p/a"});
}

TEST_F(PictureListDialogTest, CircleMixOkStoresItsFiveNumbers) {
  OpenCircleMix();
  Drop({"/p/a.png"});
  const char* fields[] = {"MixeMin", "MixeMax", "RadiusMin", "RadiusMax", "Count"};
  for (int i = 0; i < 5; ++i) dialog->findChild<QLineEdit*>(fields[i])->setText(QString::number(i + 1));
  PressOk(*dialog);
  const CircleMixParams& r = settings.CircleMix;
  EXPECT_EQ((std::vector<int>{r.MixeMin, r.MixeMax, r.RadiusMin, r.RadiusMax, r.Count}), (std::vector<int>{1, 2, 3, 4, 5}));
}

TEST_F(PictureListDialogTest, FilesDroppedOnAnEditGoToTheList) {
  for (const char* edit : {"Count", "MixeMin"}) {
    edit == std::string("Count") ? OpenTag() : OpenCircleMix();
    dialog->show();  // laid out, so the edit is where the drop lands
    QLineEdit* field = dialog->findChild<QLineEdit*>(edit);
    const QString before = field->text();
    QMimeData data;  // as file managers offer a file: its address and the same as text
    data.setUrls({QUrl::fromLocalFile("/p/a.png")});
    data.setText("file:///p/a.png");
    DragAndDrop(data, field->mapTo(dialog.get(), field->rect().center()));
    EXPECT_EQ(Shown(), QStringList{"/p/a.png"}) << edit;
    EXPECT_EQ(field->text(), before) << edit;
  }
}

TEST_F(PictureListDialogTest, DropsOfNonFileDataAreIgnored) {
  OpenTag();
  QMimeData data;
  data.setText("/p/a.png");
  DragAndDrop(data);
  EXPECT_TRUE(Shown().isEmpty());
}

}  // namespace
}  // namespace tessmark
