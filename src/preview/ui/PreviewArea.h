#pragma once

#include <QImage>
#include <QWidget>

#include <optional>

#include "preview/PreviewBuffer.h"
#include "view/ViewGeometry.h"
#include "view/ui/WheelInput.h"

class QCheckBox;
class QScrollBar;

namespace tessmark {

// The client area of the preview: the "Cadre Resolution" box, the two scroll bars along the right
// and bottom edges and the 3 x 3 tiled picture, whose top-left corner is at (0, ImageTop) when not
// scrolled. Painting only copies the rendered tile, at the view's magnification; rendering is the
// one pass over the picture. The view's zoom is the preview's reduction step.
class PreviewArea : public QWidget {
  Q_OBJECT

 public:
  static constexpr int ImageTop = 32;
  static constexpr int ScrollBarThickness = 24;

  explicit PreviewArea(QWidget* parent = nullptr);

  // Rebuilds the tile from the picture (none: an empty preview) at the view's reduction step.
  void Render(const Picture* picture);
  // A zoom step of the menu: the offsets stay, the tile is rendered again for another reduction.
  void Zoom(void (*step)(ViewPosition&));

  bool Framed() const;
  const ViewPosition& View() const { return view_; }
  Point TileSize() const;  // (0, 0) while nothing is shown
  Point ScrollPosition() const { return {view_.ScrollX, view_.ScrollY}; }
  QScrollBar* HorizontalBar() const { return horizontal_; }
  QScrollBar* VerticalBar() const { return vertical_; }

 signals:
  void FrameToggled();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  void LayOut();
  void SetRanges();
  void SetPages();
  void ShowZoom(std::int32_t previousStep);

  QCheckBox* frame_;
  QScrollBar* horizontal_;
  QScrollBar* vertical_;
  const Picture* picture_ = nullptr;
  std::optional<PreviewTile> tile_;
  QImage tileImage_;  // a view of tile_'s pixels, no copy
  ViewPosition view_;
  WheelInput wheel_;
};

}  // namespace tessmark
