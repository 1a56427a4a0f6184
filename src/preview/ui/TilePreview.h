#pragma once

#include <QDialog>

#include "preview/PreviewBuffer.h"

namespace tessmark {

class PreviewArea;

// Shows the working picture tiled 3 x 3, reduced by its own step, to judge how it repeats.
class TilePreview : public QDialog {
  Q_OBJECT

 public:
  // picture may be null: the preview is then empty. It is only read.
  explicit TilePreview(const Picture* picture, QWidget* parent = nullptr);

  std::int32_t ZoomStep() const;
  PreviewArea* Area() const { return area_; }

  void ZoomOut();
  void ZoomIn();
  void ZoomPixel();
  void RenderPreview();

 private:
  void BuildMenu();
  QSize FittingSize() const;

  const Picture* picture_;
  PreviewArea* area_;
};

}  // namespace tessmark
