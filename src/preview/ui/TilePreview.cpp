#include "preview/ui/TilePreview.h"

#include <QMenuBar>
#include <QScreen>
#include <QVBoxLayout>

#include "preview/ui/PreviewArea.h"

namespace tessmark {

TilePreview::TilePreview(const Picture* picture, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                          Qt::WindowCloseButtonHint),
      picture_(picture),
      area_(new PreviewArea(this)) {
  setWindowTitle("Preview");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(area_);
  BuildMenu();
  connect(area_, &PreviewArea::FrameToggled, this, &TilePreview::RenderPreview);
  resize(FittingSize());
  RenderPreview();
}

// Large enough for the nine copies at the first step, within four fifths of the screen.
QSize TilePreview::FittingSize() const {
  const QSize smallest(476, 322);
  if (!picture_) return smallest;
  const Point image = PreviewImageSize(picture_->Width, picture_->Height);
  const QSize needed(image.X + PreviewArea::ScrollBarThickness,
                     image.Y + PreviewArea::ImageTop + PreviewArea::ScrollBarThickness +
                         layout()->menuBar()->sizeHint().height());
  return needed.expandedTo(smallest).boundedTo(screen()->availableGeometry().size() * 4 / 5);
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

void TilePreview::ZoomOut() { area_->Zoom(tessmark::ZoomOut); }
void TilePreview::ZoomIn() { area_->Zoom(tessmark::ZoomIn); }
void TilePreview::ZoomPixel() { area_->Zoom(tessmark::ZoomPixel); }

std::int32_t TilePreview::ZoomStep() const { return area_->View().Zoom; }

void TilePreview::RenderPreview() { area_->Render(picture_); }

}  // namespace tessmark
