#pragma once

#include <QPushButton>

#include <functional>
#include <optional>

#include "picture/Color.h"

namespace tessmark {

// Opens a colour chooser preset to a colour: the colour chosen, or nothing when cancelled.
using ColorChooser = std::function<std::optional<ColorRef>(ColorRef initial)>;

// A push button that shows a colour and lets the user pick another one.
class ColorButton : public QPushButton {
  Q_OBJECT

 public:
  ColorButton(ColorChooser chooser, QWidget* parent = nullptr);

  ColorRef Color() const { return color_; }
  void SetColor(ColorRef color);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void Choose();

  ColorChooser chooser_;
  ColorRef color_ = 0;
};

}  // namespace tessmark
