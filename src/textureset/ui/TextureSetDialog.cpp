#include "textureset/ui/TextureSetDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "imageio/PictureFormats.h"
#include "recipe/KeyValues.h"
#include "textureset/TextureSet.h"

namespace tessmark {
namespace {

enum Column { NameColumn, ColorsColumn, StartColumn, FillColumn };

std::string Cell(const QTableWidget* table, int row, int column) {
  const QTableWidgetItem* item = table->item(row, column);
  return item ? item->text().trimmed().toStdString() : std::string();
}

std::string ReadColors(const std::string& text, std::vector<Color>& colors) {
  const Parsed<std::vector<std::string>> items = ListItems(text);
  if (!items) return items.Error;
  for (const std::string& item : *items.Value) {
    const Parsed<Color> color = ParseHexColor(item);
    if (!color) return color.Error;
    colors.push_back(*color.Value);
  }
  return {};
}

}  // namespace

TextureSetDialog::TextureSetDialog(QWidget* parent)
    : QDialog(parent),
      maps_(new QTableWidget(0, 4, this)),
      normal_(new QCheckBox("Normal map", this)),
      normalName_(new QLineEdit("normal", this)),
      normalSource_(new QComboBox(this)),
      strength_(new QDoubleSpinBox(this)),
      yDirection_(new QComboBox(this)),
      folder_(new QLineEdit(QDir::currentPath(), this)),
      baseName_(new QLineEdit("texture", this)) {
  setWindowTitle("Texture set");
  maps_->setHorizontalHeaderLabels({"Name", "Palette file or id", "Start", "Fill"});
  maps_->horizontalHeader()->setStretchLastSection(true);
  maps_->setTabKeyNavigation(false);  // Tab leaves the table, as in every other field
  auto* add = new QPushButton("Add map", this);
  auto* remove = new QPushButton("Remove map", this);
  auto* palette = new QPushButton("Palette file ...", this);
  connect(add, &QPushButton::clicked, this, &TextureSetDialog::AddMapRow);
  connect(remove, &QPushButton::clicked, this, [this] { maps_->removeRow(maps_->currentRow()); });
  connect(palette, &QPushButton::clicked, this, &TextureSetDialog::ChoosePaletteFile);
  auto* rowButtons = new QHBoxLayout;
  for (QPushButton* button : {add, remove, palette}) rowButtons->addWidget(button);

  normalSource_->setEditable(true);
  normalSource_->addItem(MainMapName);
  strength_->setRange(0.01, 100);
  strength_->setValue(NormalMapParams{}.Strength);
  yDirection_->addItems({"up (OpenGL)", "down (DirectX)"});
  auto* folderRow = new QHBoxLayout;
  auto* browse = new QPushButton("Folder ...", this);
  connect(browse, &QPushButton::clicked, this, &TextureSetDialog::ChooseFolder);
  folderRow->addWidget(folder_);
  folderRow->addWidget(browse);
  auto* form = new QFormLayout;
  form->addRow(normal_);
  form->addRow("Normal map name", normalName_);
  form->addRow("Made from", normalSource_);
  form->addRow("Strength", strength_);
  form->addRow("Y", yDirection_);
  form->addRow("Folder", folderRow);
  form->addRow("Base name", baseName_);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &TextureSetDialog::Check);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(maps_);
  layout->addLayout(rowButtons);
  layout->addLayout(form);
  layout->addWidget(buttons);
  const std::initializer_list<QWidget*> order{maps_,        add,         remove,      palette, normal_,  normalName_,
                                              normalSource_, strength_, yDirection_, folder_, browse, baseName_};
  for (auto it = order.begin(); it + 1 != order.end(); ++it) setTabOrder(*it, *(it + 1));
  AddMapRow();
  resize(640, sizeHint().height());
}

void TextureSetDialog::AddMapRow() {
  const int row = maps_->rowCount();
  maps_->insertRow(row);
  maps_->setItem(row, NameColumn, new QTableWidgetItem(row == 0 ? "height" : QString("map%1").arg(row + 1)));
  maps_->setItem(row, ColorsColumn, new QTableWidgetItem(row == 0 ? "" : "id"));
  maps_->setCurrentCell(row, ColorsColumn);
}

void TextureSetDialog::ChoosePaletteFile() {
  const int row = maps_->currentRow();
  if (row < 0) return;
  const QString file = QFileDialog::getOpenFileName(this, "Palette file", folder_->text(), "Palettes (*.gpl *.gpal)");
  if (!file.isEmpty()) maps_->setItem(row, ColorsColumn, new QTableWidgetItem(file));
}

void TextureSetDialog::ChooseFolder() {
  const QString folder = QFileDialog::getExistingDirectory(this, "Folder", folder_->text());
  if (!folder.isEmpty()) folder_->setText(folder);
}

std::string TextureSetDialog::ReadRow(int row, MapRequest& request) const {
  request.Name = Cell(maps_, row, NameColumn);
  request.PaletteFile = Cell(maps_, row, ColorsColumn);
  request.Type = request.PaletteFile == "id" ? MapRequest::Kind::Id : MapRequest::Kind::Palette;
  if (request.PaletteFile.empty()) return Concat("Map ", request.Name, " needs a palette file or id");
  std::vector<Color> start;
  if (std::string error = ReadColors(Cell(maps_, row, StartColumn), start); !error.empty() || start.size() > 1) {
    return Concat("Map ", request.Name, ": give one start colour RRGGBB");
  }
  if (!start.empty()) request.Start = start.front();
  if (std::string error = ReadColors(Cell(maps_, row, FillColumn), request.Fill); !error.empty()) {
    return Concat("Map ", request.Name, ": give the fill colours as RRGGBB;RRGGBB;...");
  }
  return {};
}

std::vector<MapRequest> TextureSetDialog::Maps() const {
  std::vector<MapRequest> requests(static_cast<std::size_t>(maps_->rowCount()));
  for (int row = 0; row < maps_->rowCount(); ++row) ReadRow(row, requests[static_cast<std::size_t>(row)]);
  if (normal_->isChecked()) {
    MapRequest& normal = requests.emplace_back();
    normal.Type = MapRequest::Kind::Normal;
    normal.Name = normalName_->text().trimmed().toStdString();
    normal.From = normalSource_->currentText().trimmed().toStdString();
    normal.Normal = {strength_->value(), yDirection_->currentIndex() == 0};
  }
  return requests;
}

std::string TextureSetDialog::PicturePath() const {
  const std::string_view extension = FindPictureFormat(PictureFormatId::Png).Extensions.front();
  const QString name = baseName_->text().trimmed() + "." + QString::fromUtf8(extension.data(), qsizetype(extension.size()));
  return QDir(folder_->text()).filePath(name).toStdString();
}

void TextureSetDialog::Check() {
  MapRequest request;
  std::string error = baseName_->text().trimmed().isEmpty() ? "Give a base name" : std::string();
  for (int row = 0; row < maps_->rowCount() && error.empty(); ++row) error = ReadRow(row, request);
  if (error.empty()) error = CheckMapRequests(Maps(), PicturePath());
  if (error.empty()) {
    accept();
    return;
  }
  QMessageBox::warning(this, windowTitle(), QString::fromStdString(error));
}

}  // namespace tessmark
