#pragma once

#include <QDialog>

#include <cstdint>
#include <optional>

class QLineEdit;

namespace tessmark {

// Asks the user for a whole number ("Number : "), starting from 0.
class NumberPrompt : public QDialog {
  Q_OBJECT

 public:
  explicit NumberPrompt(QWidget* parent = nullptr);

  // Runs the prompt: the number typed, or nothing when the user cancelled.
  static std::optional<std::int32_t> AskNumber(QWidget* parent);

  // The decimal value of the text (0 when there is no number).
  std::int32_t Number() const;

 private:
  QLineEdit* edit_;
};

}  // namespace tessmark
