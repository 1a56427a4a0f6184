#include "app/ui/EscapeWatcher.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QThread>
#include <gtest/gtest.h>

namespace tessmark {
namespace {

void PostKey(QWidget* target, Qt::Key key) {
  QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier));
}

void WaitForPump() { QThread::msleep(EscapeWatcher::PumpIntervalMs + 5); }

TEST(EscapeWatcher, ReportsAnEscapePressOnceThePollHasPumpedEvents) {
  QPushButton target;
  EscapeWatcher watcher;
  watcher.Start();
  PostKey(&target, Qt::Key_Escape);
  WaitForPump();
  EXPECT_TRUE(watcher.Poll());
  EXPECT_FALSE(watcher.Poll());
  watcher.Stop();
}

TEST(EscapeWatcher, SwallowsOtherInputWhileRunning) {
  QPushButton target;
  int clicks = 0;
  QObject::connect(&target, &QPushButton::clicked, [&] { ++clicks; });
  EscapeWatcher watcher;
  watcher.Start();
  PostKey(&target, Qt::Key_Space);
  QCoreApplication::postEvent(&target, new QKeyEvent(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier));
  WaitForPump();
  EXPECT_FALSE(watcher.Poll());
  watcher.Stop();
  EXPECT_EQ(clicks, 0);
}

TEST(EscapeWatcher, LeavesInputAloneWhenStopped) {
  QPushButton target;
  int clicks = 0;
  QObject::connect(&target, &QPushButton::clicked, [&] { ++clicks; });
  EscapeWatcher watcher;
  watcher.Start();
  watcher.Stop();
  QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier);
  QKeyEvent release(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier);
  QApplication::sendEvent(&target, &press);
  QApplication::sendEvent(&target, &release);
  EXPECT_EQ(clicks, 1);
}

}  // namespace
}  // namespace tessmark
