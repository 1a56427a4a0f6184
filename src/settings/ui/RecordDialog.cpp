#include "settings/ui/RecordDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "settings/ui/DigitsOnlyFilter.h"

namespace tessmark {

RecordDialog::RecordDialog(QWidget* parent, const QString& caption, std::size_t editChars)
    : QDialog(parent), editChars_(editChars) {
  setWindowTitle(caption);
}

QLineEdit* RecordDialog::Edit(const QString& field, const QString& text, bool digitsOnly) {
  auto* edit = new QLineEdit(text, this);
  edit->setObjectName(field);
  if (digitsOnly) edit->installEventFilter(new DigitsOnlyFilter(edit));
  // On a dialog that takes dropped files itself, a drop over an edit is the dialog's too.
  edit->setAcceptDrops(!acceptDrops());
  return edit;
}

QLineEdit* RecordDialog::NumberEdit(const QString& field, std::int32_t& value, bool digitsOnly) {
  QLineEdit* edit = Edit(field, QString::number(value), digitsOnly);
  stores_.push_back([this, edit, &value] { value = DialogNumber(edit->text().toStdString(), editChars_); });
  return edit;
}

QLineEdit* RecordDialog::ByteEdit(const QString& field, std::uint8_t& value) {
  QLineEdit* edit = Edit(field, QString::number(value), true);
  stores_.push_back([this, edit, &value] { value = LowByte(DialogNumber(edit->text().toStdString(), editChars_)); });
  return edit;
}

QCheckBox* RecordDialog::Switch(const QString& field, const QString& caption, std::uint8_t& value) {
  auto* box = new QCheckBox(caption, this);
  box->setObjectName(field);
  box->setChecked(value != 0);
  stores_.push_back([box, &value] { value = box->isChecked() ? 1 : 0; });
  return box;
}

QDialogButtonBox* RecordDialog::Buttons() {
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
  ok->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, [this] { Confirm(); });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  QTimer::singleShot(0, ok, [ok] { ok->setFocus(); });
  return buttons;
}

void RecordDialog::TabOrder(std::initializer_list<QWidget*> controls) {
  QWidget* previous = findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel);
  for (QWidget* control : controls) {
    setTabOrder(previous, control);
    previous = control;
  }
}

void RecordDialog::StoreAndAccept() {
  for (const auto& store : stores_) store();
  accept();
}

}  // namespace tessmark
