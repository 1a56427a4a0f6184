#include "settings/ui/PictureListDialog.h"

#include <QDialogButtonBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "app/ui/QtPlatform.h"
#include "imageio/ui/PictureFileFilters.h"
#include "settings/PictureListRules.h"

namespace tessmark {
namespace {

QStringList LocalFiles(const QMimeData* data) {
  QStringList paths;
  if (!data || !data->hasUrls()) return paths;
  for (const QUrl& url : data->urls())
    if (url.isLocalFile()) paths << url.toLocalFile();
  return paths;
}

QPushButton* Button(QWidget* parent, const QString& name, const QString& caption) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setAutoDefault(false);
  return button;
}

// One of the list's buttons, for the tab order.
QWidget* ListButton(const PictureListDialog& dialog, const char* name) { return dialog.findChild<QPushButton*>(name); }

}  // namespace

PictureListDialog::PictureListDialog(QWidget* parent, const QString& caption, PictureFiles& files)
    : RecordDialog(parent, caption), files_(files), working_(SortedPictureList(files)),
      buttons_(Buttons()),
      list_(new QListWidget(this)) {
  setAcceptDrops(true);
  list_->setObjectName("PictureFiles");
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  ShowList();
}

QLayout* PictureListDialog::ListButtons() {
  QPushButton* remove = Button(this, "Remove", "-");
  QPushButton* clear = Button(this, "Clear", "RAZ");
  QPushButton* add = Button(this, "Add", "Add ...");
  connect(remove, &QPushButton::clicked, this, &PictureListDialog::RemoveSelected);
  connect(clear, &QPushButton::clicked, this, &PictureListDialog::Clear);
  connect(add, &QPushButton::clicked, this, &PictureListDialog::AddFromFileDialog);
  auto* column = new QVBoxLayout;
  column->addStretch();
  column->addWidget(remove);
  column->addWidget(clear);
  column->addWidget(add);
  column->addStretch();
  return column;
}

void PictureListDialog::AddPaths(const QStringList& paths) {
  std::vector<std::string> added;
  for (const QString& path : paths) added.push_back(path.toLocal8Bit().toStdString());
  AddPicturePaths(working_, added);
  ShowList();
}

void PictureListDialog::RemoveSelected() {
  const int row = list_->currentRow();
  if (row < 0 || !list_->currentItem()->isSelected()) return;
  working_.erase(working_.begin() + row);
  ShowList();
}

void PictureListDialog::Clear() {
  working_.clear();
  ShowList();
}

void PictureListDialog::Confirm() {
  if (working_.empty()) return;
  files_ = working_;
  StoreAndAccept();
}

void PictureListDialog::dragEnterEvent(QDragEnterEvent* event) {
  if (!LocalFiles(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void PictureListDialog::dropEvent(QDropEvent* event) {
  const QStringList paths = LocalFiles(event->mimeData());
  if (paths.isEmpty()) return;
  AddPaths(paths);
  event->acceptProposedAction();
}

void PictureListDialog::ShowList() {
  list_->clear();
  for (const std::string& path : working_) list_->addItem(QString::fromLocal8Bit(path));
  list_->setCurrentRow(-1);
}

void PictureListDialog::AddFromFileDialog() {
  AddPaths(QFileDialog::getOpenFileNames(this, "Add pictures", QString(), QtFileFilter(PictureFilesFilter() + "All files|*|")));
}

std::unique_ptr<RecordDialog> TagDialog(QWidget* parent, TagParams& record) {
  auto d = std::make_unique<PictureListDialog>(parent, "Tag", record.PictureFiles);
  QDialogButtonBox* buttons = d->ButtonBox();
  auto* listRow = new QHBoxLayout;
  listRow->addWidget(d->List());
  listRow->addLayout(d->ListButtons());
  QLineEdit* countEdit = d->NumberEdit("Count", record.Count);
  auto* count = new QHBoxLayout;
  count->addWidget(new QLabel("Count : "));
  count->addWidget(countEdit);
  auto* frame = new QVBoxLayout(d.get());
  frame->addLayout(listRow);
  frame->addLayout(count);
  frame->addWidget(buttons);
  d->TabOrder({d->List(), ListButton(*d, "Remove"), countEdit, ListButton(*d, "Clear"), ListButton(*d, "Add")});
  return d;
}

std::unique_ptr<RecordDialog> CircleMixDialog(QWidget* parent, CircleMixParams& record) {
  auto d = std::make_unique<PictureListDialog>(parent, "Circle Mixe", record.PictureFiles);
  QDialogButtonBox* buttons = d->ButtonBox();
  QLineEdit* count = d->NumberEdit("Count", record.Count);
  QLineEdit* ranges[] = {d->NumberEdit("MixeMin", record.MixeMin), d->NumberEdit("MixeMax", record.MixeMax),
                         d->NumberEdit("RadiusMin", record.RadiusMin), d->NumberEdit("RadiusMax", record.RadiusMax)};
  auto* mixe = new QGroupBox("Mixe(%)");
  auto* mixeRow = new QHBoxLayout(mixe);
  mixeRow->addWidget(new QLabel("Min : "));
  mixeRow->addWidget(ranges[0]);
  mixeRow->addWidget(new QLabel("Max  :"));
  mixeRow->addWidget(ranges[1]);
  auto* radius = new QGroupBox("Radius");
  auto* radiusRow = new QHBoxLayout(radius);
  radiusRow->addWidget(new QLabel("Min : "));
  radiusRow->addWidget(ranges[2]);
  radiusRow->addWidget(new QLabel("Max  :"));
  radiusRow->addWidget(ranges[3]);
  auto* groups = new QHBoxLayout;
  groups->addWidget(mixe);
  groups->addWidget(radius);
  auto* countRow = new QHBoxLayout;
  countRow->addWidget(new QLabel("Count : "));
  countRow->addWidget(count);
  auto* listRow = new QHBoxLayout;
  listRow->addWidget(d->List());
  listRow->addLayout(d->ListButtons());
  auto* frame = new QVBoxLayout(d.get());
  frame->addLayout(groups);
  frame->addLayout(countRow);
  frame->addLayout(listRow);
  frame->addWidget(buttons);
  d->TabOrder({count, ranges[0], ranges[1], ranges[2], ranges[3], d->List(), ListButton(*d, "Remove"),
               ListButton(*d, "Clear"), ListButton(*d, "Add")});
  return d;
}

}  // namespace tessmark
