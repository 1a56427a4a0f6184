#include "app/ui/MainWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <utility>

#include "app/BuildStamp.h"
#include "app/CommandMessages.h"
#include "app/MainMenu.h"
#include "app/SessionKeeping.h"
#include "app/ui/ConfigurationFileCommands.h"
#include "app/ui/FileCommands.h"
#include "app/ui/MenuShortcuts.h"
#include "app/ui/PictureView.h"
#include "app/ui/PlacementSettings.h"
#include "app/ui/ProgramIcon.h"
#include "app/ui/QtPlatform.h"
#include "imageio/ui/PictureFileImport.h"
#include "view/DisplayBitmap.h"
#include "view/LiveView.h"

namespace tessmark {
namespace {

void AddEntries(QMenu* menu, const std::vector<MenuEntry>& entries, QObject* owner, std::map<int, QAction*>& actions,
                const std::function<void(int)>& run) {
  for (const MenuEntry& entry : entries) {
    switch (entry.Type) {
      case MenuEntry::Kind::Separator:
        menu->addSeparator();
        break;
      case MenuEntry::Kind::Submenu:
        AddEntries(menu->addMenu(QString::fromStdString(entry.Caption)), entry.Children, owner, actions, run);
        break;
      case MenuEntry::Kind::Command: {
        QAction* action = menu->addAction(QString::fromStdString(entry.Caption));
        action->setData(entry.Id);
        action->setShortcuts(CommandShortcuts(entry.Id));
        const int id = entry.Id;
        QObject::connect(action, &QAction::triggered, owner, [run, id] { run(id); });
        actions[id] = action;
        break;
      }
    }
  }
}

Platform& ChooseDesktop(Platform* given, std::unique_ptr<QtPlatform>& own, QWidget* window) {
  if (given) return *given;
  own = std::make_unique<QtPlatform>(window);
  return *own;
}

}  // namespace

MainWindow::MainWindow(Start start)
    : desktop_(ChooseDesktop(start.Desktop, ownDesktop_, this)),
      context_{state_, desktop_, *this},
      picture_(new PictureView(state_, this)),
      status_(new QLabel(this)) {
  state_.DataDirectory = std::move(start.DataDirectory);
  state_.ProgramDirectory = std::move(start.ProgramDirectory);
  RegisterAllCommands(commands_);
  setCentralWidget(picture_);
  connect(picture_, &PictureView::PointerMoved, this, &MainWindow::ShowReadout);
  connect(picture_, &PictureView::WheelZoomed, this, [this](std::int32_t previousZoom) { context_.ShowZoom(previousZoom); });
  // Below the picture area, whose scroll bars keep to its own edges.
  status_->setObjectName("StatusLine");
  statusBar()->addWidget(status_, 1);
  BuildMenuBar();
  setWindowIcon(ProgramIcon());
  setAcceptDrops(true);
  setWindowTitle(QString::fromStdString(MainWindowTitle()));
  state_.ConfigPath = MainConfigPath(state_.DataDirectory);
  LoadMainConfiguration(context_);
  RestorePlacement();
  LayoutScrollBars();
  StartJournal(state_);
  if (TakeUnexpectedEnd(state_.Journal.Folder())) statusBar()->showMessage(QString::fromStdString(UnexpectedEndNotice));
}

MainWindow::~MainWindow() = default;

void MainWindow::BuildMenuBar() {
  for (const MenuEntry& top : MainMenu())
    AddEntries(menuBar()->addMenu(QString::fromStdString(top.Caption)), top.Children, this, actions_,
               [this](int id) { RunCommand(id); });
}

// Without a stored placement the window takes two thirds of the screen, in its middle.
void MainWindow::RestorePlacement() {
  if (const std::optional<WindowPlacement> p = StoredPlacement(desktop_)) {
    move(p->Left, p->Top);
    resize(p->Right - p->Left, p->Bottom - p->Top);
    return;
  }
  const QRect available = screen()->availableGeometry();
  QRect placed(QPoint(), available.size() * 2 / 3);
  placed.moveCenter(available.center());
  move(placed.topLeft());
  resize(placed.size());
}

QAction* MainWindow::CommandAction(int id) const {
  const auto found = actions_.find(id);
  return found == actions_.end() ? nullptr : found->second;
}

// A notice stays on the status line until the next command; the journal is kept after each.
bool MainWindow::RunCommand(int id) {
  statusBar()->clearMessage();
  commandRunning_ = true;
  const bool known = commands_.Run(id, context_);
  commandRunning_ = false;
  KeepJournal();
  if (std::exchange(closeHeld_, false)) close();
  return known;
}

void MainWindow::KeepJournal() {
  KeepSession(state_, desktop_.CurrentTime());
  if (const std::optional<std::string> failure = state_.Journal.TakeFailure())
    statusBar()->showMessage(QString::fromStdString(*failure));
}

void MainWindow::RebuildDisplay() {
  if (!state_.CurrentPicture) {
    state_.DisplayBitmap.reset();
    status_->clear();
    return;
  }
  ShowReadout();
  const bool built = RebuildDisplayBitmap(state_.DisplayBitmap, *state_.CurrentPicture, state_.View.Zoom, state_.Connectable(),
                                          state_.Memory);
  picture_->repaint();
  if (!built) desktop_.ShowMessage(DisplayOutOfMemoryMessage(), MessageButtons::Ok);
}

void MainWindow::LayoutScrollBars() {
  picture_->LayoutScrollBars();
  ShowReadout();
}

void MainWindow::ShowReadout() {
  if (!state_.CurrentPicture) {
    status_->clear();
    return;
  }
  const tessmark::Picture& picture = *state_.CurrentPicture;
  std::string text = PictureStatus(picture.Width, picture.Height, state_.View);
  if (const std::optional<Point> pixel = picture_->PointedPixel())
    text += " \u2014 " + PixelReadout(*pixel, picture.Row(pixel->Y) + std::size_t(pixel->X) * 3);
  status_->setText(QString::fromStdString(text));
}

// Only the display pixels in sight are rebuilt: the whole display of a huge picture would cost the
// run far more than the tenth of its time the live view may take.
void MainWindow::ShowPainting(const std::string& status) {
  status_->setText(QString::fromStdString(status));
  status_->repaint();
  if (state_.CurrentPicture && state_.DisplayBitmap &&
      RefreshDisplayPart(*state_.DisplayBitmap, *state_.CurrentPicture, state_.View.Zoom, state_.Connectable(),
                         VisiblePart(state_.View, picture_->width(), picture_->height())))
    picture_->repaint();
}

// Left and top are where move() puts the window; right and bottom add the size resize() takes,
// so a stored placement comes back exactly, frame or no frame.
WindowPlacement MainWindow::Placement() const {
  const QPoint origin = pos();
  return {origin.x(), origin.y(), origin.x() + width(), origin.y() + height()};
}

void MainWindow::EndProgram() {
  ended_ = true;
  close();
}

// A paint run lets events through now and then; asking then would end the program under the
// running generator, so the request waits for the command to end.
void MainWindow::closeEvent(QCloseEvent* event) {
  if (!ended_ && commandRunning_) closeHeld_ = true;
  else if (!ended_) ConfirmExit(context_);
  event->setAccepted(ended_);
}

// Files from a file manager come as URLs; what is dropped decides the message, so every drop of
// URLs is taken.
void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
  std::vector<std::string> paths;
  for (const QUrl& url : event->mimeData()->urls())
    paths.push_back((url.isLocalFile() ? url.toLocalFile() : url.toString()).toStdString());
  event->acceptProposedAction();
  statusBar()->clearMessage();
  ImportDroppedFiles(context_, paths);
  KeepJournal();
}

}  // namespace tessmark
