#pragma once

#include <QWidget>

#include "app/Workspace.h"

class QScrollBar;

namespace tessmark {

// The main window's client area: the workspace's display bitmap copied in one block from the view
// offsets to the origin, and the two scroll bars along the right and bottom edges.
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

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  Workspace& state_;
  QScrollBar* horizontal_;
  QScrollBar* vertical_;
};

}  // namespace tessmark
