#pragma once

#include <QRect>
#include <QWidget>

#include <cstdint>
#include <optional>

#include "palette/Palette.h"

namespace tessmark {

// Cells of 24 pixels every 32 pixels, 16 to a row, the first row 32 pixels below the top.
inline constexpr int PaletteColumns = 16;
inline constexpr int PaletteCellPitch = 32;
inline constexpr int PaletteCellSize = 24;
inline constexpr int PaletteGridTop = 32;

constexpr QRect PaletteCellRect(std::int32_t index) {
  const int column = index % PaletteColumns;
  const int row = index / PaletteColumns;
  return QRect(PaletteCellPitch * column, PaletteGridTop + PaletteCellPitch * row, PaletteCellSize, PaletteCellSize);
}

// The cell a click at (x, y) selects. A click in the gap after a cell selects that cell; below the
// sixteenth row the rows start over. Nothing above the grid or right of the sixteenth column.
constexpr std::optional<std::int32_t> PaletteCellAt(int x, int y) {
  if (y <= PaletteGridTop || x < 0) return std::nullopt;
  const int column = x / PaletteCellPitch;
  if (column >= PaletteColumns) return std::nullopt;
  return ((y - PaletteGridTop) / PaletteCellPitch * PaletteColumns + column) % PaletteCapacity;
}

// The palette editor's client area: draws the colours of a palette as a grid of cells, outlines the
// selected cell in red and selects the cell under a click. The selection may lie beyond the last
// colour, where no cell and so no outline is drawn.
class PaletteGrid : public QWidget {
  Q_OBJECT

 public:
  static constexpr std::int32_t NoSelection = -1;

  PaletteGrid(const Palette& palette, QWidget* parent = nullptr);

  std::int32_t Selection() const { return selection_; }
  void SetSelection(std::int32_t selection);
  // While all colours are in use the palette is not shown.
  void SetCellsShown(bool shown);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  const Palette& palette_;
  std::int32_t selection_ = NoSelection;
  bool cellsShown_ = true;
};

}  // namespace tessmark
