#pragma once

#include <QDialog>
#include <optional>
#include <vector>

#include "journal/SessionListing.h"

class QListWidget;

namespace tessmark {

// "Sessions": the kept sessions, newest first, each with when it started, its picture's size, its
// commands and shapes and a small picture; beside them the steps of the one chosen, the last
// chosen by default. One that cannot be read is listed with why, and cannot be chosen.
class SessionsDialog : public QDialog {
  Q_OBJECT

 public:
  SessionsDialog(QWidget* parent, const std::vector<SessionListing>& sessions);
  std::optional<SessionChoice> Choice() const;

 private:
  void ShowSteps(int session);

  const std::vector<SessionListing>& sessions_;
  QListWidget* list_;
  QListWidget* steps_;
};

std::optional<SessionChoice> RunSessionsDialog(QWidget* parent, const std::vector<SessionListing>& sessions);

}  // namespace tessmark
