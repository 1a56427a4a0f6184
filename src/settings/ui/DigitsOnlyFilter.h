#pragma once

#include <QObject>

namespace tessmark {

// Lets only digits be typed into an edit; pasted text and editing keys pass as they are.
class DigitsOnlyFilter : public QObject {
  Q_OBJECT

 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace tessmark
