#pragma once

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>

namespace tessmark::test {

// Types text key by key, as a user would, so key filters apply.
inline void TypeText(QWidget* widget, const QString& text) {
  for (const QChar c : text) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
    QApplication::sendEvent(widget, &press);
  }
}

// Replaces an edit's text as typing over a selection would.
inline void Retype(QLineEdit* edit, const QString& text) {
  edit->selectAll();
  edit->del();
  TypeText(edit, text);
}

inline void PressOk(QDialog& dialog) { dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click(); }
inline void PressCancel(QDialog& dialog) { dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click(); }

inline QStringList LabelTexts(const QWidget& widget) {
  QStringList texts;
  for (const QLabel* label : widget.findChildren<QLabel*>()) texts << label->text();
  return texts;
}

}  // namespace tessmark::test
