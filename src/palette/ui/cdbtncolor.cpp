#include "palette/ui/cdbtncolor.h"

#include <QPainter>

#include "palette/ui/ColorConversion.h"

namespace tessmark {

cdbtncolor::cdbtncolor(ColorChooser chooser, QWidget* parent) : QPushButton(parent), chooser_(std::move(chooser)) {
  connect(this, &QPushButton::clicked, this, &cdbtncolor::Choose);
}

void cdbtncolor::SetColor(ColorRef color) {
  color_ = color;
  update();
}

void cdbtncolor::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), ToQColor(color_));
}

void cdbtncolor::Choose() {
  if (std::optional<ColorRef> chosen = chooser_(color_)) SetColor(*chosen);
}

}  // namespace tessmark
