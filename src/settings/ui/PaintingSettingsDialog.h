#pragma once

#include <QDialog>

#include "palette/ui/ColorButton.h"
#include "settings/ParameterRecords.h"

class QCheckBox;
class QLabel;
class QLineEdit;

namespace tessmark {

// The painting settings that belong to no single shape: connectable mode, blend colour and the
// mixage percentages. Edits the record in place on OK; Cancel leaves it as it was.
class PaintingSettingsDialog : public QDialog {
  Q_OBJECT

 public:
  PaintingSettingsDialog(ConfigSettings& record, ColorChooser chooser, QWidget* parent = nullptr);

  void accept() override;

 private:
  void ShowBlendColor();

  ConfigSettings& record_;
  QCheckBox* connectable_;
  QCheckBox* noBlendColor_;
  QLabel* blendColorLabel_;
  ColorButton* blendColor_;
  QLineEdit* from_;
  QLineEdit* to_;
};

}  // namespace tessmark
