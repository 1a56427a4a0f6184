#pragma once

#include <QLabel>
#include <QMainWindow>
#include <map>
#include <memory>
#include <string>

#include "app/Workspace.h"
#include "app/ui/CommandContext.h"
#include "app/ui/CommandTable.h"

namespace tessmark {

class PictureView;
class QtPlatform;

// The program's one top-level window: owns the workspace, carries the menu bar, shows the picture
// and sends every menu command through the command table.
class MainWindow : public QMainWindow, public MainView {
  Q_OBJECT

 public:
  struct Start {
    std::string DataDirectory;
    std::string ProgramDirectory;
    // The desktop the commands talk to; the window's own Qt one when none is given.
    Platform* Desktop = nullptr;
  };

  explicit MainWindow(Start start);
  ~MainWindow() override;

  Workspace& State() { return state_; }
  PictureView& Picture() const { return *picture_; }
  CommandContext& Context() { return context_; }
  // The menu action carrying a command id, or null.
  QAction* CommandAction(int id) const;
  // Runs a command as its menu item would; false when no command has that id.
  bool RunCommand(int id);

  void RebuildDisplay() override;
  void LayoutScrollBars() override;
  void ShowPainting(const std::string& status) override;
  WindowPlacement Placement() const override;
  void EndProgram() override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void BuildMenuBar();
  void RestorePlacement();
  // The picture's size and zoom, and the pixel under the pointer, on the status line.
  void ShowReadout();
  // Keeps the session's journal after a command, telling once when it cannot.
  void KeepJournal();

  Workspace state_;
  std::unique_ptr<QtPlatform> ownDesktop_;
  Platform& desktop_;
  CommandTable commands_;
  CommandContext context_;
  PictureView* picture_;
  QLabel* status_;
  std::map<int, QAction*> actions_;
  bool ended_ = false;
  bool commandRunning_ = false;
  bool closeHeld_ = false;  // a close request that came while a command ran
};

}  // namespace tessmark
