#pragma once

#include <QDialog>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <vector>

#include "settings/DialogNumber.h"

class QCheckBox;
class QDialogButtonBox;
class QLineEdit;
class QString;

namespace tessmark {

// A dialog that shows numbers and switches of one record and writes them back only on OK.
// Each edit is converted by the dialogs' text-to-number rule; each switch stores 0 or 1.
class RecordDialog : public QDialog {
  Q_OBJECT

 public:
  RecordDialog(QWidget* parent, const QString& caption, std::size_t editChars = LongEditChars);

  // Edits are named after their field so tests and accessibility tools can find them.
  QLineEdit* NumberEdit(const QString& field, std::int32_t& value, bool digitsOnly = true);
  QLineEdit* ByteEdit(const QString& field, std::uint8_t& value);
  QCheckBox* Switch(const QString& field, const QString& caption, std::uint8_t& value);
  // OK and Cancel, right-aligned as in every template; OK is the default button and has the focus.
  QDialogButtonBox* Buttons();
  // The template's tab order, once the controls are laid out: OK, Cancel, then these in turn.
  void TabOrder(std::initializer_list<QWidget*> controls);

 protected:
  // What OK does: store everything and close. A subclass may check first and refuse.
  virtual void Confirm() { StoreAndAccept(); }
  void StoreAndAccept();

 private:
  QLineEdit* Edit(const QString& field, const QString& text, bool digitsOnly);

  std::size_t editChars_;
  std::vector<std::function<void()>> stores_;
};

}  // namespace tessmark
