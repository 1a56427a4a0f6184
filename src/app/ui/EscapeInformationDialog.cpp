#include "app/ui/EscapeInformationDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

namespace tessmark {

EscapeInformationDialog::EscapeInformationDialog(QWidget* parent)
    : QDialog(parent), box_(new QCheckBox("Don't show this information !", this)) {
  setWindowTitle("Information !");
  box_->setObjectName("DontShow");
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, [this] {
    dontShowAgain_ = box_->isChecked();
    accept();
  });
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel("You can stopped the working picture with 'echap' key pressed", this));
  layout->addWidget(box_);
  layout->addWidget(buttons);
}

}  // namespace tessmark
