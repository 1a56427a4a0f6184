#include "app/ui/QtPlatform.h"

#include <QApplication>
#include <QWidget>
#include <gtest/gtest.h>

namespace tessmark {
namespace {

TEST(QtPlatform, FileFiltersBecomeQtNameFilters) {
  EXPECT_EQ(QtFileFilter("*.gccfg|*.gccfg|"), "*.gccfg (*.gccfg)");
  EXPECT_EQ(QtFileFilter("Jpeg|*.jpg|All|*.*|"), "Jpeg (*.jpg);;All (*.*)");
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
