#include "imageio/ui/cdpreview.h"

#include <QMenuBar>
#include <QVBoxLayout>

#include <algorithm>

#include "imageio/ui/PreviewArea.h"

namespace tessmark {

cdpreview::cdpreview(const Picture* picture, QWidget* parent)
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
  connect(area_, &PreviewArea::FrameToggled, this, &cdpreview::RenderPreview);
  RenderPreview();
}

void cdpreview::BuildMenu() {
  auto* bar = new QMenuBar(this);
  QMenu* zoom = bar->addMenu("Zoom");
  zoom->addAction("Out", QKeySequence::ZoomOut, this, &cdpreview::ZoomOut);
  zoom->addAction("In", QKeySequence::ZoomIn, this, &cdpreview::ZoomIn);
  zoom->addAction("Pixel", QKeySequence(Qt::CTRL | Qt::Key_0), this, &cdpreview::ZoomPixel);
  bar->addAction("Close", this, &QDialog::accept);
  bar->addSeparator();
  QAction* refresh = bar->addAction("Refresh ...", this, &cdpreview::RenderPreview);
  refresh->setShortcut(QKeySequence::Refresh);
  addAction(refresh);
  layout()->setMenuBar(bar);
}

void cdpreview::ZoomOut() { SetZoomStep(zoomStep_ + 1); }
void cdpreview::ZoomIn() { SetZoomStep(zoomStep_ - 1); }
void cdpreview::ZoomPixel() { SetZoomStep(MinPreviewStep); }

void cdpreview::SetZoomStep(std::int32_t step) {
  zoomStep_ = std::clamp(step, MinPreviewStep, MaxPreviewStep);
  RenderPreview();
}

void cdpreview::RenderPreview() { area_->Render(picture_, zoomStep_); }

}  // namespace tessmark
