#include "palette/ui/NumberPrompt.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "settings/DialogNumber.h"

namespace tessmark {
namespace {

// The prompt's text buffer holds this many characters.
constexpr std::size_t NumberTextChars = 255;

}  // namespace

NumberPrompt::NumberPrompt(QWidget* parent) : QDialog(parent), edit_(new QLineEdit("0", this)) {
  setWindowTitle("Dialog");
  edit_->setObjectName("number");
  edit_->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), edit_));
  edit_->selectAll();

  auto* form = new QFormLayout;
  form->addRow("Number : ", edit_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);
  resize(471, sizeHint().height());
}

std::int32_t NumberPrompt::Number() const { return DialogNumber(edit_->text().toStdString(), NumberTextChars); }

std::optional<std::int32_t> NumberPrompt::AskNumber(QWidget* parent) {
  NumberPrompt prompt(parent);
  if (prompt.exec() != QDialog::Accepted) return std::nullopt;
  return prompt.Number();
}

}  // namespace tessmark
