#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Widget tests share one application object, run offscreen unless told otherwise, and keep their
// settings in a folder of their own instead of the user's.
int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir config;
  qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
  QApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
