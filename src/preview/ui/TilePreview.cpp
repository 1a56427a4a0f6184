#include "preview/ui/TilePreview.h"

#include <QMenuBar>
#include <QVBoxLayout>

#include <algorithm>

#include "preview/ui/PreviewArea.h"

namespace tessmark {

TilePreview::TilePreview(const Picture* picture, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                          Qt::WindowCloseButtonHint),
      picture_(picture),
      area_(new PreviewArea(this)) {
  setWindowTitle("Preview");
  resize(476, 298 + 24);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(area_);
  BuildMenu();
  connect(area_, &PreviewArea::FrameToggled, this, &TilePreview::RenderPreview);
  RenderPreview();
}

void TilePreview::BuildMenu() {
  auto* bar = new QMenuBar(this);
  QMenu* zoom = bar->addMenu("Zoom");
  zoom->addAction("Out", QKeySequence::ZoomOut, this, &TilePreview::ZoomOut);
  zoom->addAction("In", QKeySequence::ZoomIn, this, &TilePreview::ZoomIn);
  zoom->addAction("Pixel", QKeySequence(Qt::CTRL | Qt::Key_0), this, &TilePreview::ZoomPixel);
  bar->addAction("Close", this, &QDialog::accept);
  bar->addSeparator();
  QAction* refresh = bar->addAction("Refresh ...", this, &TilePreview::RenderPreview);
  refresh->setShortcut(QKeySequence::Refresh);
  addAction(refresh);
  layout()->setMenuBar(bar);
}

void TilePreview::ZoomOut() { SetZoomStep(zoomStep_ + 1); }
void TilePreview::ZoomIn() { SetZoomStep(zoomStep_ - 1); }
void TilePreview::ZoomPixel() { SetZoomStep(MinPreviewStep); }

void TilePreview::SetZoomStep(std::int32_t step) {
  zoomStep_ = std::clamp(step, MinPreviewStep, MaxPreviewStep);
  RenderPreview();
}

void TilePreview::RenderPreview() { area_->Render(picture_, zoomStep_); }

}  // namespace tessmark
