#include "settings/ui/DigitsOnlyFilter.h"

#include <QKeyEvent>

namespace tessmark {
namespace {

bool TypesNonDigit(const QKeyEvent& key) {
  if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
  const QString text = key.text();
  if (text.isEmpty() || !text.at(0).isPrint()) return false;
  for (const QChar c : text)
    if (c < '0' || c > '9') return true;
  return false;
}

}  // namespace

bool DigitsOnlyFilter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && TypesNonDigit(*static_cast<QKeyEvent*>(event))) return true;
  return QObject::eventFilter(watched, event);
}

}  // namespace tessmark
