#pragma once

#include <QWidget>
#include <optional>

#include "app/Workspace.h"
#include "view/ui/WheelInput.h"

class QScrollBar;

namespace tessmark {

// The main window's client area: the part of the workspace's display bitmap that shows the picture,
// drawn from the view offsets on at the view's magnification over the window's background, and the
// two scroll bars along the right and bottom edges.
class PictureView : public QWidget {
  Q_OBJECT

 public:
  static constexpr int ScrollBarSize = 24;

  PictureView(Workspace& state, QWidget* parent);

  // Places the bars; with a picture, ranges 0 ... width and 0 ... height; a page is the part of
  // the client area the bars leave visible. The thumbs follow the view offsets.
  void LayoutScrollBars();

  QScrollBar* HorizontalBar() const { return horizontal_; }
  QScrollBar* VerticalBar() const { return vertical_; }
  // The picture pixel under the pointer, while it is over the drawn picture.
  std::optional<Point> PointedPixel() const;

 signals:
  // What lies under the pointer may have changed: it moved, left, or the view scrolled.
  void PointerMoved();
  // Ctrl+wheel changed the view's zoom (from `previousZoom`) around the pointer.
  void WheelZoomed(std::int32_t previousZoom);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  QSize Area() const;

  Workspace& state_;
  QScrollBar* horizontal_;
  QScrollBar* vertical_;
  WheelInput wheel_;
  std::optional<QPoint> pointer_;
};

}  // namespace tessmark
