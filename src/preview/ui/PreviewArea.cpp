#include "preview/ui/PreviewArea.h"

#include <QCheckBox>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <limits>

namespace tessmark {

PreviewArea::PreviewArea(QWidget* parent)
    : QWidget(parent),
      frame_(new QCheckBox("Cadre Resolution", this)),
      horizontal_(new QScrollBar(Qt::Horizontal, this)),
      vertical_(new QScrollBar(Qt::Vertical, this)) {
  frame_->setObjectName("cadreResolution");
  frame_->setGeometry(10, 11, 302, 16);
  for (QScrollBar* bar : {horizontal_, vertical_}) bar->setRange(0, 0);
  connect(frame_, &QCheckBox::clicked, this, &PreviewArea::FrameToggled);
  connect(horizontal_, &QScrollBar::valueChanged, this, [this](int x) {
    view_.ScrollX = x;
    update();
  });
  connect(vertical_, &QScrollBar::valueChanged, this, [this](int y) {
    view_.ScrollY = y;
    update();
  });
}

void PreviewArea::Render(const Picture* picture) {
  picture_ = picture;
  tile_.reset();
  tileImage_ = QImage();
  if (picture) tile_ = RenderPreviewTile(*picture, view_.Zoom, Framed());
  if (tile_) {
    tileImage_ = QImage(reinterpret_cast<const uchar*>(tile_->Pixels.get()), tile_->Width, tile_->Height,
                        static_cast<qsizetype>(tile_->Width) * 4, QImage::Format_RGB32);
  }
  SetRanges();
  update();
}

bool PreviewArea::Framed() const { return frame_->isChecked(); }

Point PreviewArea::TileSize() const { return tile_ ? Point{tile_->Width, tile_->Height} : Point{}; }

void PreviewArea::Zoom(void (*step)(ViewPosition&)) {
  const std::int32_t previous = view_.Zoom;
  step(view_);
  ShowZoom(previous);
}

void PreviewArea::ShowZoom(std::int32_t previousStep) {
  if (view_.Zoom != previousStep) Render(picture_);
  SetPages();
  horizontal_->setValue(view_.ScrollX);
  vertical_->setValue(view_.ScrollY);
  update();
}

// The tiled image is copied from the scroll position on, each copy only where it is in sight; past
// the image's end the background shows.
void PreviewArea::paintEvent(QPaintEvent*) {
  if (!tile_) return;
  const Point size = PreviewImageSize(tile_->Width, tile_->Height);
  const DisplayPart part = VisiblePart(view_, width(), height() - ImageTop);
  const QRect visible = QRect(part.Left, part.Top, part.Width, part.Height).intersected(QRect(0, 0, size.X, size.Y));
  if (visible.isEmpty()) return;
  QPainter painter(this);
  const int scale = view_.Magnification;
  const QPoint origin(view_.ScrollX, view_.ScrollY);
  for (const Point place : PreviewTilePlacements(tile_->Width, tile_->Height)) {
    const QRect source = visible.intersected(QRect(place.X, place.Y, tile_->Width, tile_->Height));
    if (source.isEmpty()) continue;
    const QPoint target = (source.topLeft() - origin) * scale + QPoint(0, ImageTop);
    painter.drawImage(QRect(target, source.size() * scale), tileImage_, source.translated(-place.X, -place.Y));
  }
}

void PreviewArea::resizeEvent(QResizeEvent* event) {
  LayOut();
  QWidget::resizeEvent(event);
}

void PreviewArea::LayOut() {
  const int cw = width();
  const int ch = height();
  horizontal_->setGeometry(0, ch - ScrollBarThickness, cw - ScrollBarThickness, ScrollBarThickness);
  vertical_->setGeometry(cw - ScrollBarThickness, 0, ScrollBarThickness, ch - ScrollBarThickness);
  SetPages();
  SetRanges();
}

// A page is the part of the image that is visible beside the bars.
void PreviewArea::SetPages() {
  const ScrollRange page =
      ScrollPageOf(view_, width() - ScrollBarThickness, height() - ScrollBarThickness - ImageTop);
  horizontal_->setPageStep(page.Horizontal);
  vertical_->setPageStep(page.Vertical);
}

void PreviewArea::wheelEvent(QWheelEvent* event) {
  const std::int32_t previous = view_.Zoom;
  if (wheel_.Apply(*event, view_, *horizontal_, *vertical_, QPoint(0, ImageTop))) ShowZoom(previous);
  event->accept();
}

// The ranges cover three picture sizes whatever the reduction step, so a reduced image can be
// scrolled out of sight; without a picture they stay as they are.
void PreviewArea::SetRanges() {
  if (!picture_) return;
  const auto threeTimes = [](std::int32_t size) {
    return static_cast<int>(std::min<std::int64_t>(3 * std::int64_t{size}, std::numeric_limits<int>::max()));
  };
  horizontal_->setRange(0, threeTimes(picture_->Width));
  vertical_->setRange(0, threeTimes(picture_->Height));
}

}  // namespace tessmark
