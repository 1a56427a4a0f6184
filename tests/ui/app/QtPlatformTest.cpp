#include "app/ui/QtPlatform.h"

#include <QApplication>
#include <QFileDialog>
#include <QWidget>
#include <gtest/gtest.h>

#include "support/ModalDialog.h"
#include "support/TempFolder.h"

namespace tessmark {
namespace {

TEST(QtPlatform, FileFiltersBecomeQtNameFilters) {
  EXPECT_EQ(QtFileFilter("*.gccfg|*.gccfg|"), "*.gccfg (*.gccfg)");
  EXPECT_EQ(QtFileFilter("Jpeg|*.jpg|All|*.*|"), "Jpeg (*.jpg);;All (*.*)");
}

TEST(QtPlatform, SaveDialogTellsTheFilterSelectedWithTheName) {
  QWidget owner;
  QtPlatform desktop(&owner);
  test::TempFolder folder;
  test::WhenModalOpens([&](QWidget* modal) {
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    dialog->selectNameFilter("*.gpl (*.gpl)");
    dialog->selectFile(QString::fromStdString(folder.File("warm")));
    QMetaObject::invokeMethod(dialog, "accept");
  });
  const std::optional<SaveChoice> chosen = desktop.SaveFile({"Palettes|*.gpal *.gpl|*.gpal|*.gpal|*.gpl|*.gpl|", true});
  ASSERT_TRUE(chosen);
  EXPECT_EQ(chosen->Path, folder.File("warm"));
  EXPECT_EQ(chosen->Pattern, "*.gpl");
}

TEST(QtPlatform, SettingsStoreKeepsThirtyTwoBitValues) {
  QWidget owner;
  QtPlatform desktop(&owner);
  EXPECT_FALSE(desktop.ReadSetting("never-written"));
  desktop.WriteSetting("left", 0xFFFFFFF0u);
  QtPlatform later(&owner);
  EXPECT_EQ(later.ReadSetting("left"), 0xFFFFFFF0u);
}

TEST(QtPlatform, BusyRunRestoresTheCursorAndStopsWatchingEscape) {
  QWidget owner;
  QtPlatform desktop(&owner);
  bool ran = false;
  desktop.RunBusy([&] {
    ran = true;
    EXPECT_NE(QApplication::overrideCursor(), nullptr);
  });
  EXPECT_TRUE(ran);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace tessmark
