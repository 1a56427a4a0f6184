#pragma once

#include <QDialog>

#include "app/ui/Platform.h"
#include "palette/Palette.h"

class QCheckBox;

namespace tessmark {

class PaletteGrid;

// The palette editor. It works on a copy of the palette: OK writes the copy back, Cancel and the
// close box leave the palette as it was. Saving to a file writes the copy whatever happens after.
class PaletteEditor : public QDialog {
  Q_OBJECT

 public:
  PaletteEditor(Palette& current, Platform& desktop, QWidget* parent = nullptr);

  const Palette& EditPalette() const { return edit_; }
  PaletteGrid* Grid() const { return grid_; }
  QCheckBox* AllColorBox() const { return allColor_; }
  std::int32_t Selection() const;

  void Load();
  void Save();
  void Add();
  void Remove();
  void Modify();
  void RemoveAll();
  void MakeRandomPalette();

  void accept() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildMenu();
  void BuildClientArea();
  void Repaint();
  void UseTheColorList();
  std::optional<ColorRef> ChooseColor(ColorRef initial);
  void DeleteSelected();
  void Tell(const UserMessage& message);

  Palette& current_;
  Platform& desktop_;
  DialogOwnerScope ownDialogs_;
  Palette edit_;  // its AllColor is not used: the box holds it
  ColorRef chooserColor_ = 0;  // the chooser starts from its last colour, as one chooser would
  PaletteGrid* grid_;
  QCheckBox* allColor_;
};

}  // namespace tessmark
