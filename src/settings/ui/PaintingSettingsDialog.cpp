#include "settings/ui/PaintingSettingsDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "settings/DialogNumber.h"
#include "settings/ui/DigitsOnlyFilter.h"

namespace tessmark {
namespace {

// The percentage edits read this many characters, as they always have.
constexpr std::size_t PercentEditChars = 511;

QLineEdit* DigitsEdit(std::uint8_t value, const char* name, QWidget* parent) {
  auto* edit = new QLineEdit(QString::number(value), parent);
  edit->setObjectName(name);
  edit->installEventFilter(new DigitsOnlyFilter(edit));
  return edit;
}

std::uint8_t Percent(const QLineEdit* edit) {
  return LowByte(DialogNumber(edit->text().toStdString(), PercentEditChars));
}

}  // namespace

PaintingSettingsDialog::PaintingSettingsDialog(ConfigSettings& record, ColorChooser chooser, QWidget* parent)
    : QDialog(parent),
      record_(record),
      connectable_(new QCheckBox("Connectable", this)),
      noBlendColor_(new QCheckBox("No blend color", this)),
      blendColorLabel_(new QLabel("BlendColor : ", this)),
      blendColor_(new ColorButton(std::move(chooser), this)),
      from_(DigitsEdit(record.From, "from", this)),
      to_(DigitsEdit(record.To, "to", this)) {
  setWindowTitle("Configuration");
  connectable_->setObjectName("connectable");
  noBlendColor_->setObjectName("noBlendColor");
  blendColorLabel_->setObjectName("blendColorLabel");
  blendColor_->setObjectName("blendColor");
  blendColor_->setFixedSize(48, 22);

  blendColor_->SetColor(record.BlendColor);
  connectable_->setChecked(record.Connectable != 0);
  noBlendColor_->setChecked(record.BlendColor == NoColorRef);
  ShowBlendColor();
  connect(noBlendColor_, &QCheckBox::toggled, this, &PaintingSettingsDialog::ShowBlendColor);

  auto* colorRow = new QHBoxLayout;
  colorRow->addWidget(blendColorLabel_);
  colorRow->addWidget(blendColor_);
  colorRow->addStretch();

  auto* mixage = new QGroupBox("Mixage %", this);
  auto* percents = new QFormLayout(mixage);
  percents->addRow("From : ", from_);
  percents->addRow("To : ", to_);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(connectable_);
  layout->addWidget(noBlendColor_);
  layout->addLayout(colorRow);
  layout->addWidget(mixage);
  layout->addWidget(buttons);
}

void PaintingSettingsDialog::ShowBlendColor() {
  const bool shown = !noBlendColor_->isChecked();
  blendColorLabel_->setVisible(shown);
  blendColor_->setVisible(shown);
}

void PaintingSettingsDialog::accept() {
  record_.From = Percent(from_);
  record_.To = Percent(to_);
  record_.Connectable = connectable_->isChecked() ? 1 : 0;
  // A colour reference never has a top byte; the button can only inherit one from "no colour", and
  // with the box cleared the user sees white, so white is what they get.
  record_.BlendColor = noBlendColor_->isChecked() ? NoColorRef : blendColor_->Color() & 0x00FFFFFFu;
  QDialog::accept();
}

}  // namespace tessmark
