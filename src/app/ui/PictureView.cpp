#include "app/ui/PictureView.h"

#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QWheelEvent>

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
  setMouseTracking(true);
  connect(horizontal_, &QScrollBar::valueChanged, this, [this](int value) {
    state_.View.ScrollX = value;
    update();
    emit PointerMoved();
  });
  connect(vertical_, &QScrollBar::valueChanged, this, [this](int value) {
    state_.View.ScrollY = value;
    update();
    emit PointerMoved();
  });
}

// The part of the client area the bars leave visible.
QSize PictureView::Area() const { return {width() - ScrollBarSize, height() - ScrollBarSize}; }

void PictureView::LayoutScrollBars() {
  const int cw = width();
  const int ch = height();
  horizontal_->setGeometry(0, ch - ScrollBarSize, cw - ScrollBarSize, ScrollBarSize);
  vertical_->setGeometry(cw - ScrollBarSize, 0, ScrollBarSize, ch - ScrollBarSize);
  const ScrollRange page = ScrollPageOf(state_.View, Area().width(), Area().height());
  horizontal_->setPageStep(page.Horizontal);
  vertical_->setPageStep(page.Vertical);
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

std::optional<Point> PictureView::PointedPixel() const {
  if (!pointer_ || !state_.CurrentPicture || !state_.DisplayBitmap) return std::nullopt;
  if (pointer_->x() >= Area().width() || pointer_->y() >= Area().height()) return std::nullopt;
  return PicturePixelAt(state_.View, state_.CurrentPicture->Width, state_.CurrentPicture->Height,
                        {pointer_->x(), pointer_->y()});
}

// Only the visible source rectangle is scaled, without smoothing: a magnified view of a huge
// picture costs what the window shows, not what the picture holds.
void PictureView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().window());
  const std::optional<Bitmap32>& bitmap = state_.DisplayBitmap;
  if (!bitmap || !state_.CurrentPicture) return;
  const DisplayPart part =
      DrawnPart(state_.View, state_.CurrentPicture->Width, state_.CurrentPicture->Height, width(), height());
  if (part.Width <= 0 || part.Height <= 0) return;
  // Bytes blue, green, red, 0xFF are one 0xFFRRGGBB word each: the image wraps them, no copy.
  const QImage display(bitmap->Bytes(), bitmap->Width, bitmap->Height, static_cast<qsizetype>(bitmap->Width) * 4,
                       QImage::Format_RGB32);
  const QRect source = QRect(part.Left, part.Top, part.Width, part.Height).intersected(display.rect());
  painter.drawImage(QRect(QPoint(0, 0), source.size() * state_.View.Magnification), display, source);
}

void PictureView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  LayoutScrollBars();
}

void PictureView::wheelEvent(QWheelEvent* event) {
  const std::int32_t zoom = state_.View.Zoom;
  if (wheel_.Apply(*event, state_.View, *horizontal_, *vertical_, {})) emit WheelZoomed(zoom);
  event->accept();
}

void PictureView::mouseMoveEvent(QMouseEvent* event) {
  pointer_ = event->position().toPoint();
  emit PointerMoved();
}

void PictureView::leaveEvent(QEvent*) {
  pointer_.reset();
  emit PointerMoved();
}

}  // namespace tessmark
