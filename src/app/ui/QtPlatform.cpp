#include "app/ui/QtPlatform.h"

#include <chrono>

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>
#include <algorithm>
#include <ctime>
#include <utility>

#include "app/FileFilter.h"
#include "app/ui/AboutDialogs.h"
#include "app/ui/EscapeInformationDialog.h"
#include "journal/ui/SessionsDialog.h"
#include "settings/ui/ParameterDialogs.h"

namespace tessmark {
namespace {

QMessageBox::Icon QtIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Stop: return QMessageBox::Critical;
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::None: break;
  }
  return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons QtButtons(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::Ok: break;
  }
  return QMessageBox::Ok;
}

MessageAnswer Answer(int button) {
  switch (button) {
    case QMessageBox::Yes: return MessageAnswer::Yes;
    case QMessageBox::No: return MessageAnswer::No;
    case QMessageBox::Cancel: return MessageAnswer::Cancel;
    default: return MessageAnswer::Ok;
  }
}

std::optional<std::string> ChosenPath(const QString& path) {
  if (path.isEmpty()) return std::nullopt;
  return path.toLocal8Bit().toStdString();
}

}  // namespace

namespace {

QStringList QtFileFilters(const std::vector<FileFilterEntry>& entries) {
  QStringList filters;
  for (const FileFilterEntry& entry : entries) {
    filters << QString::fromStdString(entry.Description) + " (" + QString::fromStdString(entry.Pattern) + ")";
  }
  return filters;
}

}  // namespace

QString QtFileFilter(const std::string& filter) { return QtFileFilters(ParseFileFilter(filter)).join(";;"); }

QtPlatform::QtPlatform(QWidget* owner) : owner_(owner), store_("Haldrune", "TessmarkPicture") {}

MessageAnswer QtPlatform::ShowMessage(const UserMessage& message, MessageButtons buttons) {
  QMessageBox box(QtIcon(message.Icon), QString::fromStdString(message.Caption), QString::fromStdString(message.Text),
                  QtButtons(buttons), owner_);
  return Answer(box.exec());
}

std::optional<ColorRef> QtPlatform::ChooseColor(ColorRef initial) {
  const Color c = ColorFromRef(initial);
  const QColor chosen = QColorDialog::getColor(QColor(c.Red, c.Green, c.Blue), owner_);
  if (!chosen.isValid()) return std::nullopt;
  return RefFromColor({static_cast<std::uint8_t>(chosen.red()), static_cast<std::uint8_t>(chosen.green()),
                       static_cast<std::uint8_t>(chosen.blue())});
}

std::optional<std::string> QtPlatform::OpenFileName(const FileDialogRequest& request) {
  return ChosenPath(QFileDialog::getOpenFileName(owner_, QString(), QString(), QtFileFilter(request.Filter)));
}

std::optional<SaveChoice> QtPlatform::SaveFile(const FileDialogRequest& request) {
  const QFileDialog::Options options = request.PromptOverwrite ? QFileDialog::Options() : QFileDialog::DontConfirmOverwrite;
  const std::vector<FileFilterEntry> entries = ParseFileFilter(request.Filter);
  const QStringList filters = QtFileFilters(entries);
  QString selected;
  const std::optional<std::string> path =
      ChosenPath(QFileDialog::getSaveFileName(owner_, QString(), QString(), filters.join(";;"), &selected, options));
  if (!path) return std::nullopt;
  // A dialog that does not say which filter was selected had the first one.
  const auto index = static_cast<std::size_t>(std::max<qsizetype>(filters.indexOf(selected), 0));
  return SaveChoice{*path, index < entries.size() ? entries[index].Pattern : std::string()};
}

QWidget* QtPlatform::SetDialogOwner(QWidget* owner) { return std::exchange(owner_, owner); }

bool QtPlatform::RunParameterDialog(RecordDialogKind dialog, Settings& settings) {
  return tessmark::RunParameterDialog(owner_, dialog, settings);
}

bool QtPlatform::ShowEscapeInformation() {
  EscapeInformationDialog dialog(owner_);
  dialog.exec();
  return dialog.DontShowAgain();
}

std::optional<SessionChoice> QtPlatform::ChooseSession(const std::vector<SessionListing>& sessions) {
  return RunSessionsDialog(owner_, sessions);
}

void QtPlatform::ShowAboutBox(const std::string& text) { RunAboutBox(owner_, text); }

void QtPlatform::ShowProgramAbout() { RunProgramAbout(owner_); }

void QtPlatform::RunBusy(const std::function<void()>& work) {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  escape_.Start();
  struct Finish {
    EscapeWatcher& escape;
    ~Finish() {
      escape.Stop();
      QApplication::restoreOverrideCursor();
    }
  } finish{escape_};
  work();
}

bool QtPlatform::EscapePressed() { return escape_.Poll(); }

std::uint32_t QtPlatform::CurrentTime() { return static_cast<std::uint32_t>(std::time(nullptr)); }

std::int64_t QtPlatform::SteadyMilliseconds() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

std::optional<std::uint32_t> QtPlatform::ReadSetting(const std::string& name) {
  bool ok = false;
  const std::uint32_t value = store_.value(QString::fromStdString(name)).toUInt(&ok);
  if (!ok) return std::nullopt;
  return value;
}

void QtPlatform::WriteSetting(const std::string& name, std::uint32_t value) {
  store_.setValue(QString::fromStdString(name), value);
  store_.sync();
}

}  // namespace tessmark
