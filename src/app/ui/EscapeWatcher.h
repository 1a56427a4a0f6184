#pragma once

#include <QElapsedTimer>
#include <QObject>

namespace tessmark {

// While a generator runs on the user-interface thread: notes Escape presses, swallows every other
// key and click (so no command starts inside another), and pumps pending events now and then so
// the window keeps repainting and is not taken for hung. Close requests pass: the window holds
// them until the command has ended.
class EscapeWatcher : public QObject {
  Q_OBJECT

 public:
  // How often a poll lets the event loop run, at most.
  static constexpr int PumpIntervalMs = 30;

  void Start();
  void Stop();
  // True when Escape was pressed since the previous poll.
  bool Poll();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool active_ = false;
  bool escapePressed_ = false;
  QElapsedTimer sincePump_;
};

}  // namespace tessmark
