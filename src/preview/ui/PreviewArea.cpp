#include "preview/ui/PreviewArea.h"

#include <QCheckBox>
#include <QPainter>
#include <QScrollBar>

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
    scroll_.X = x;
    update();
  });
  connect(vertical_, &QScrollBar::valueChanged, this, [this](int y) {
    scroll_.Y = y;
    update();
  });
}

void PreviewArea::Render(const Picture* picture, std::int32_t step) {
  picture_ = picture;
  tile_.reset();
  tileImage_ = QImage();
  if (picture) tile_ = RenderPreviewTile(*picture, step, Framed());
  if (tile_) {
    tileImage_ = QImage(reinterpret_cast<const uchar*>(tile_->Pixels.get()), tile_->Width, tile_->Height,
                        static_cast<qsizetype>(tile_->Width) * 4, QImage::Format_RGB32);
  }
  SetRanges();
  update();
}

bool PreviewArea::Framed() const { return frame_->isChecked(); }

Point PreviewArea::TileSize() const { return tile_ ? Point{tile_->Width, tile_->Height} : Point{}; }

void PreviewArea::paintEvent(QPaintEvent*) {
  if (!tile_) return;
  const Point size = PreviewImageSize(tile_->Width, tile_->Height);
  // The tiled image is copied from the scroll position on; past its end the background shows.
  const QRect shown(0, ImageTop, std::max(0, size.X - scroll_.X), std::max(0, size.Y - scroll_.Y));
  if (shown.isEmpty()) return;
  QPainter painter(this);
  painter.setClipRect(shown);
  for (const Point place : PreviewTilePlacements(tile_->Width, tile_->Height))
    painter.drawImage(place.X - scroll_.X, ImageTop + place.Y - scroll_.Y, tileImage_);
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
  // A page is the part of the image that is visible beside the bars.
  horizontal_->setPageStep(std::max(1, cw - ScrollBarThickness));
  vertical_->setPageStep(std::max(1, ch - ScrollBarThickness - ImageTop));
  SetRanges();
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
