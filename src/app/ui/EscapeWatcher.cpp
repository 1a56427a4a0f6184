#include "app/ui/EscapeWatcher.h"

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>

namespace tessmark {
namespace {

bool IsUserInput(QEvent::Type type) {
  switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::Drop:
      return true;
    default:
      return false;
  }
}

}  // namespace

void EscapeWatcher::Start() {
  escapePressed_ = false;
  active_ = true;
  sincePump_.start();
  QCoreApplication::instance()->installEventFilter(this);
}

void EscapeWatcher::Stop() {
  QCoreApplication::instance()->removeEventFilter(this);
  active_ = false;
}

bool EscapeWatcher::Poll() {
  if (active_ && sincePump_.elapsed() >= PumpIntervalMs) {
    QCoreApplication::processEvents();
    sincePump_.restart();
  }
  const bool pressed = escapePressed_;
  escapePressed_ = false;
  return pressed;
}

bool EscapeWatcher::eventFilter(QObject* watched, QEvent* event) {
  if (!active_ || !IsUserInput(event->type())) return QObject::eventFilter(watched, event);
  if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
    escapePressed_ = true;
  event->ignore();
  return true;
}

}  // namespace tessmark
