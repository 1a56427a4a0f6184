#include "app/ui/PictureView.h"

#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>

namespace tessmark {

PictureView::PictureView(Workspace& state, QWidget* parent)
    : QWidget(parent),
      state_(state),
      horizontal_(new QScrollBar(Qt::Horizontal, this)),
      vertical_(new QScrollBar(Qt::Vertical, this)) {
  horizontal_->setObjectName("HorizontalScroll");
  vertical_->setObjectName("VerticalScroll");
  horizontal_->setRange(0, 0);
  vertical_->setRange(0, 0);
  connect(horizontal_, &QScrollBar::valueChanged, this, [this](int value) {
    state_.View.ScrollX = value;
    update();
  });
  connect(vertical_, &QScrollBar::valueChanged, this, [this](int value) {
    state_.View.ScrollY = value;
    update();
  });
}

void PictureView::LayoutScrollBars() {
  const int cw = width();
  const int ch = height();
  horizontal_->setGeometry(0, ch - ScrollBarSize, cw - ScrollBarSize, ScrollBarSize);
  vertical_->setGeometry(cw - ScrollBarSize, 0, ScrollBarSize, ch - ScrollBarSize);
  horizontal_->setPageStep(std::max(1, cw - ScrollBarSize));
  vertical_->setPageStep(std::max(1, ch - ScrollBarSize));
  // A new range would clamp the old thumb and report it as a scroll: the offsets decide instead,
  // and only what lies beyond the new range is clamped.
  const QSignalBlocker quietHorizontal(horizontal_);
  const QSignalBlocker quietVertical(vertical_);
  if (state_.CurrentPicture) {
    const ScrollRange range = ScrollRangeOf(state_.CurrentPicture->Width, state_.CurrentPicture->Height);
    horizontal_->setRange(0, range.Horizontal);
    vertical_->setRange(0, range.Vertical);
  }
  horizontal_->setValue(state_.View.ScrollX);
  vertical_->setValue(state_.View.ScrollY);
  state_.View.ScrollX = horizontal_->value();
  state_.View.ScrollY = vertical_->value();
  update();
}

void PictureView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().window());
  const std::optional<Bitmap32>& bitmap = state_.DisplayBitmap;
  if (!bitmap) return;
  // Bytes blue, green, red, 0xFF are one 0xFFRRGGBB word each: the image wraps them, no copy.
  const QImage display(bitmap->Bytes(), bitmap->Width, bitmap->Height, static_cast<qsizetype>(bitmap->Width) * 4,
                       QImage::Format_RGB32);
  painter.drawImage(QPoint(0, 0), display, QRect(state_.View.ScrollX, state_.View.ScrollY, bitmap->Width, bitmap->Height));
}

void PictureView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  LayoutScrollBars();
}

}  // namespace tessmark
