#include "app/ui/AboutDialogs.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "app/ui/ProgramIcon.h"

namespace tessmark {
namespace {

void RunWithOk(QDialog& dialog, QVBoxLayout* layout) {
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  layout->addWidget(buttons);
  dialog.exec();
}

}  // namespace

void RunAboutBox(QWidget* parent, const std::string& text) {
  QDialog dialog(parent);
  dialog.setWindowTitle("About Box");
  auto* layout = new QVBoxLayout(&dialog);
  auto* textBox = new QPlainTextEdit(QString::fromStdString(text), &dialog);
  textBox->setObjectName("AboutText");
  textBox->setReadOnly(true);
  layout->addWidget(textBox);
  RunWithOk(dialog, layout);
}

void RunProgramAbout(QWidget* parent) {
  QDialog dialog(parent);
  dialog.setWindowTitle("About vornade");
  auto* layout = new QVBoxLayout(&dialog);
  auto* row = new QHBoxLayout;
  auto* icon = new QLabel(&dialog);
  icon->setPixmap(ProgramIcon().pixmap(32, 32));
  row->addWidget(icon);
  row->addWidget(new QLabel("vornade, Version 1.0", &dialog));
  layout->addLayout(row);
  RunWithOk(dialog, layout);
}

}  // namespace tessmark
