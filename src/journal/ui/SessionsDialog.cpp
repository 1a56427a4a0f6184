#include "journal/ui/SessionsDialog.h"

#include <QDateTime>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QImage>
#include <QListWidget>
#include <QPixmap>
#include <QVBoxLayout>

#include "imageio/PictureOverWhite.h"
#include "recipe/OperationTable.h"

namespace tessmark {
namespace {

QIcon ThumbnailIcon(const std::string& path) {
  const PictureOverWhiteRead read = ReadPictureOverWhite(path, {});
  if (!read.Picture) return {};
  const Picture& small = *read.Picture;
  const QImage image(small.Pixels(), small.Width, small.Height, small.Width * 3, QImage::Format_RGB888);
  return QIcon(QPixmap::fromImage(image.copy()));
}

QString Counted(std::int64_t count, const char* thing) {
  return QString("%1 %2%3").arg(count).arg(thing).arg(count == 1 ? "" : "s");
}

QString SessionText(const SessionListing& listing) {
  if (!listing.Entry) return QString::fromStdString(listing.Name + " \u2014 cannot be read: " + listing.Entry.Error);
  const JournalEntry& entry = *listing.Entry.Value;
  return QString("%1 \u2014 %2 x %3 \u2014 %4, %5")
      .arg(QDateTime::fromSecsSinceEpoch(entry.Started).toString("yyyy-MM-dd hh:mm:ss"))
      .arg(entry.Width)
      .arg(entry.Height)
      .arg(Counted(std::int64_t(entry.Steps.size()), "command"))
      .arg(Counted(entry.Shapes, "shape"));
}

QString StepText(const OperationStep& step, std::size_t number, bool cutOff) {
  const OperationRow& row = RowOf(step.Kind);
  Settings records = step.Records;
  QString text = QString("%1. %2").arg(number).arg(QString::fromUtf8(row.Name.data(), qsizetype(row.Name.size())));
  if (row.Count) text += ", " + Counted(*row.Count(records), "shape");
  return cutOff ? text + " (cut off)" : text;
}

}  // namespace

SessionsDialog::SessionsDialog(QWidget* parent, const std::vector<SessionListing>& sessions)
    : QDialog(parent), sessions_(sessions), list_(new QListWidget(this)), steps_(new QListWidget(this)) {
  setWindowTitle("Sessions");
  list_->setObjectName("Sessions");
  steps_->setObjectName("Steps");
  list_->setIconSize(QSize(48, 48));
  for (const SessionListing& listing : sessions) {
    auto* item = new QListWidgetItem(ThumbnailIcon(listing.Thumbnail), SessionText(listing), list_);
    if (!listing.Entry) item->setFlags(item->flags() & ~(Qt::ItemIsEnabled | Qt::ItemIsSelectable));
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(list_, &QListWidget::currentRowChanged, this, &SessionsDialog::ShowSteps);
  auto* lists = new QHBoxLayout;
  lists->addWidget(list_, 3);
  lists->addWidget(steps_, 2);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(lists);
  layout->addWidget(buttons);
  for (std::size_t i = 0; i < sessions.size(); ++i) {
    if (sessions[i].Entry) {
      list_->setCurrentRow(static_cast<int>(i));
      break;
    }
  }
  resize(900, 420);
}

void SessionsDialog::ShowSteps(int session) {
  steps_->clear();
  if (session < 0 || !sessions_[static_cast<std::size_t>(session)].Entry) return;
  const JournalEntry& entry = *sessions_[static_cast<std::size_t>(session)].Entry.Value;
  steps_->addItem("Start");
  for (std::size_t i = 0; i < entry.Steps.size(); ++i)
    steps_->addItem(StepText(entry.Steps[i], i + 1, entry.CutOff && i + 1 == entry.Steps.size()));
  steps_->setCurrentRow(steps_->count() - 1);
}

std::optional<SessionChoice> SessionsDialog::Choice() const {
  const int session = list_->currentRow();
  const int step = steps_->currentRow();
  if (session < 0 || step < 0 || !sessions_[static_cast<std::size_t>(session)].Entry) return std::nullopt;
  return SessionChoice{static_cast<std::size_t>(session), static_cast<std::size_t>(step)};
}

std::optional<SessionChoice> RunSessionsDialog(QWidget* parent, const std::vector<SessionListing>& sessions) {
  SessionsDialog dialog(parent, sessions);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.Choice();
}

}  // namespace tessmark
