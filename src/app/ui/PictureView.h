#pragma once

#include <QImage>
#include <QWidget>
#include <cstdint>
#include <vector>

#include "app/Workspace.h"

class QScrollBar;

namespace tessmark {

// The main window's client area: the display bitmap copied in one block from the view offsets
// to the origin, and the two scroll bars along the right and bottom edges.
class PictureView : public QWidget {
  Q_OBJECT

 public:
  static constexpr int ScrollBarSize = 24;

  PictureView(Workspace& state, QWidget* parent);

  // Takes a width x height buffer of 4-byte pixels blue, green, red, 0xFF, rows from the top.
  void ShowDisplay(std::vector<std::uint8_t> pixels, std::int32_t width, std::int32_t height);
  void ClearDisplay();
  const QImage& Display() const { return display_; }

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
  std::vector<std::uint8_t> pixels_;
  QImage display_;
  QScrollBar* horizontal_;
  QScrollBar* vertical_;
};

}  // namespace tessmark
