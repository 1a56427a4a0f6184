#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "textureset/MapRequest.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLineEdit;
class QTableWidget;

namespace tessmark {

// The maps of a texture set: one row per painted map (name, palette file or id, start and fill
// colours), a normal map with its source, strength and Y direction, and the folder and base name
// of the files. OK is refused, with the reason, until the maps can be written.
class TextureSetDialog : public QDialog {
 public:
  explicit TextureSetDialog(QWidget* parent);

  std::vector<MapRequest> Maps() const;
  // FOLDER/BASE as a PNG file; the maps go beside it as BASE-NAME, PNG files too.
  std::string PicturePath() const;

 private:
  void AddMapRow();
  void ChoosePaletteFile();
  void ChooseFolder();
  void Check();
  // The map of a row, or why its cells cannot be read.
  std::string ReadRow(int row, MapRequest& request) const;

  QTableWidget* maps_;
  QCheckBox* normal_;
  QLineEdit* normalName_;
  QComboBox* normalSource_;
  QDoubleSpinBox* strength_;
  QComboBox* yDirection_;
  QLineEdit* folder_;
  QLineEdit* baseName_;
};

}  // namespace tessmark
