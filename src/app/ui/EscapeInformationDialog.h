#pragma once

#include <QDialog>

class QCheckBox;

namespace tessmark {

// "Information !": how to stop a running generator, with a switch to stop showing it.
class EscapeInformationDialog : public QDialog {
  Q_OBJECT

 public:
  explicit EscapeInformationDialog(QWidget* parent);

  // The switch as OK found it; false when the dialog was closed any other way.
  bool DontShowAgain() const { return dontShowAgain_; }

 private:
  QCheckBox* box_;
  bool dontShowAgain_ = false;
};

}  // namespace tessmark
