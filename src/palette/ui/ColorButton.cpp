#include "palette/ui/ColorButton.h"

#include <QPainter>

#include "palette/ui/ColorConversion.h"

namespace tessmark {

ColorButton::ColorButton(ColorChooser chooser, QWidget* parent) : QPushButton(parent), chooser_(std::move(chooser)) {
  connect(this, &QPushButton::clicked, this, &ColorButton::Choose);
}

void ColorButton::SetColor(ColorRef color) {
  color_ = color;
  update();
}

void ColorButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), ToQColor(color_));
}

void ColorButton::Choose() {
  if (std::optional<ColorRef> chosen = chooser_(color_)) SetColor(*chosen);
}

}  // namespace tessmark
