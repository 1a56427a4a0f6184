#include "palette/ui/PaletteGrid.h"

#include <QMouseEvent>
#include <QPainter>

#include "palette/ui/ColorConversion.h"

namespace tessmark {
namespace {

void OutlineCell(QPainter& painter, const QRect& cell) {
  const int right = cell.left() + PaletteCellSize;
  const int bottom = cell.top() + PaletteCellSize;
  const QPoint corners[] = {{cell.left(), cell.top()}, {right, cell.top()}, {right, bottom}, {cell.left(), bottom}};
  painter.setPen(QPen(QColor(255, 0, 0), 2));
  painter.setBrush(Qt::NoBrush);
  painter.drawPolygon(corners, 4);
}

}  // namespace

PaletteGrid::PaletteGrid(const Palette& palette, QWidget* parent) : QWidget(parent), palette_(palette) {}

void PaletteGrid::SetSelection(std::int32_t selection) {
  selection_ = selection;
  update();
}

void PaletteGrid::SetCellsShown(bool shown) {
  cellsShown_ = shown;
  update();
}

void PaletteGrid::paintEvent(QPaintEvent*) {
  if (!cellsShown_) return;
  QPainter painter(this);
  for (std::int32_t i = 0; i < palette_.Count; ++i) {
    const QRect cell = PaletteCellRect(i);
    painter.fillRect(cell, ToQColor(palette_.Colors[static_cast<std::size_t>(i)]));
    if (i == selection_) OutlineCell(painter, cell);
  }
}

void PaletteGrid::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
  const QPoint at = event->position().toPoint();
  if (const std::optional<std::int32_t> cell = PaletteCellAt(at.x(), at.y())) SetSelection(*cell);
}

}  // namespace tessmark
