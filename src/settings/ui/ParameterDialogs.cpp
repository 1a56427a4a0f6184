#include "settings/ui/ParameterDialogs.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <memory>
#include <variant>

#include "settings/ui/PictureListDialog.h"
#include "settings/ui/RecordDialog.h"

namespace tessmark {
namespace {

// Label and edit pairs laid out in rows of a grid, as the templates place them.
void Row(QGridLayout* grid, int row, int column, const QString& label, QWidget* field, int span = 1) {
  grid->addWidget(new QLabel(label), row, column);
  grid->addWidget(field, row, column + 1, 1, span);
}

QVBoxLayout* Frame(RecordDialog& dialog, QLayout* body) {
  auto* frame = new QVBoxLayout(&dialog);
  frame->addLayout(body);
  return frame;
}

QGroupBox* Group(const QString& title, QGridLayout*& grid) {
  auto* group = new QGroupBox(title);
  grid = new QGridLayout(group);
  return group;
}

std::unique_ptr<RecordDialog> CircleDialog(QWidget* parent, CircleParams& r) {
  auto d = std::make_unique<RecordDialog>(parent, "Dialog");
  QDialogButtonBox* buttons = d->Buttons();
  auto* grid = new QGridLayout;
  Row(grid, 0, 0, "Raymin", d->NumberEdit("Raymin", r.Raymin));
  Row(grid, 0, 2, "Raymax", d->NumberEdit("Raymax", r.Raymax));
  // The count edit takes any text, so a negative count (paint until Escape) can be typed.
  Row(grid, 1, 0, "Count:  ", d->NumberEdit("Count", r.Count, false), 3);
  Frame(*d, grid)->addWidget(buttons);
  return d;
}

std::unique_ptr<RecordDialog> RectangleDialog(QWidget* parent, RectangleParams& r) {
  auto d = std::make_unique<RecordDialog>(parent, "Dialog");
  QDialogButtonBox* buttons = d->Buttons();
  auto* grid = new QGridLayout;
  Row(grid, 0, 0, "XMin :", d->NumberEdit("XMin", r.XMin));
  Row(grid, 1, 0, "YMin :", d->NumberEdit("YMin", r.YMin));
  Row(grid, 0, 2, "XMax : ", d->NumberEdit("XMax", r.XMax));
  Row(grid, 1, 2, "YMax : ", d->NumberEdit("YMax", r.YMax));
  Row(grid, 2, 0, "Count : ", d->NumberEdit("Count", r.Count), 3);
  Frame(*d, grid)->addWidget(buttons);
  return d;
}

std::unique_ptr<RecordDialog> PolygonDialog(QWidget* parent, PolygonParams& r) {
  auto d = std::make_unique<RecordDialog>(parent, "Polygone");
  QDialogButtonBox* buttons = d->Buttons();
  auto* grid = new QGridLayout;
  Row(grid, 0, 0, "RayMin : ", d->NumberEdit("RayMin", r.RayMin));
  Row(grid, 1, 0, "RayMax : ", d->NumberEdit("RayMax", r.RayMax));
  Row(grid, 2, 0, "AngMin :", d->NumberEdit("AngMin", r.AngMin));
  Row(grid, 3, 0, "AngMax :", d->NumberEdit("AngMax", r.AngMax));
  Row(grid, 4, 0, "Count", d->NumberEdit("Count", r.Count));
  grid->addWidget(d->Switch("Fill", "Fill", r.Fill), 0, 2);
  Frame(*d, grid)->addWidget(buttons);
  return d;
}

std::unique_ptr<RecordDialog> VectorDialog(QWidget* parent, VectorParams& r) {
  auto d = std::make_unique<RecordDialog>(parent, "Vector");
  QDialogButtonBox* buttons = d->Buttons();
  QGridLayout* length = nullptr;
  QGroupBox* lengthGroup = Group("Length", length);
  QLineEdit* lengthMin = d->NumberEdit("LengthMin", r.LengthMin);
  QLineEdit* lengthMax = d->NumberEdit("LengthMax", r.LengthMax);
  Row(length, 0, 0, "Min :", lengthMin);
  Row(length, 1, 0, "Max : ", lengthMax);
  QLineEdit* count = d->NumberEdit("Count", r.Count);
  QGridLayout* weight = nullptr;
  QGroupBox* weightGroup = Group("Weight", weight);
  QLineEdit* weightMin = d->NumberEdit("WeightMin", r.WeightMin);
  QLineEdit* weightMax = d->NumberEdit("WeightMax", r.WeightMax);
  Row(weight, 0, 0, "Min :", weightMin);
  Row(weight, 1, 0, "Max : ", weightMax);
  QCheckBox* fill = d->Switch("Fill", "Fill", r.Fill);
  auto* grid = new QGridLayout;
  grid->addWidget(lengthGroup, 0, 0, 1, 2);
  grid->addWidget(weightGroup, 1, 0, 1, 2);
  Row(grid, 2, 0, "Count :", count);
  grid->addWidget(fill, 3, 0, 1, 2);
  Frame(*d, grid)->addWidget(buttons);
  d->TabOrder({lengthMin, lengthMax, count, weightMin, weightMax, fill});
  return d;
}

std::unique_ptr<RecordDialog> MixDialog(QWidget* parent, MixRange& r) {
  auto d = std::make_unique<RecordDialog>(parent, "Mix", ShortEditChars);
  QDialogButtonBox* buttons = d->Buttons();
  QGridLayout* percent = nullptr;
  QGroupBox* group = Group("%", percent);
  Row(percent, 0, 0, "From : ", d->ByteEdit("From", r.From));
  Row(percent, 0, 2, "To : ", d->ByteEdit("To", r.To));
  auto* body = new QVBoxLayout;
  body->addWidget(group);
  Frame(*d, body)->addWidget(buttons);
  return d;
}

std::unique_ptr<RecordDialog> NoiseDialog(QWidget* parent, NoiseParams& r) {
  auto d = std::make_unique<RecordDialog>(parent, "Filter Noise");
  QDialogButtonBox* buttons = d->Buttons();
  auto* grid = new QGridLayout;
  grid->addWidget(d->Switch("Monochromatique", "Monochromatique", r.Monochromatique), 0, 0, 1, 2);
  Row(grid, 1, 0, "%", d->ByteEdit("Percent", r.Percent));
  Row(grid, 2, 0, "Germe : ", d->NumberEdit("Germe", r.Germe));
  Frame(*d, grid)->addWidget(buttons);
  return d;
}

std::unique_ptr<RecordDialog> NewPictureDialog(QWidget* parent, NewPictureParams& r, ConfigSettings& config) {
  auto d = std::make_unique<RecordDialog>(parent, "New Picture", ShortEditChars);
  QDialogButtonBox* buttons = d->Buttons();
  auto* grid = new QGridLayout;
  Row(grid, 0, 0, "X : ", d->NumberEdit("X", r.X));
  Row(grid, 1, 0, "Y :", d->NumberEdit("Y", r.Y));
  // Never shown: OK writes the connectable switch back as 0 or 1.
  d->Switch("Bend", "Bend", config.Connectable)->hide();
  Frame(*d, grid)->addWidget(buttons);
  return d;
}

std::unique_ptr<RecordDialog> DialogOf(QWidget* parent, OperationKind kind, Settings& s) {
  switch (kind) {
    case OperationKind::Circle: return CircleDialog(parent, s.Circle);
    case OperationKind::Rect: return RectangleDialog(parent, s.Rectangle);
    case OperationKind::Polygon: return PolygonDialog(parent, s.Polygon);
    case OperationKind::Vector: return VectorDialog(parent, s.Vector);
    case OperationKind::CircleMix: return CircleMixDialog(parent, s.CircleMix);
    case OperationKind::Tag: return TagDialog(parent, s.Tag);
    case OperationKind::Fill: return nullptr;
    case OperationKind::Noise: return NoiseDialog(parent, s.Noise);
  }
  return nullptr;
}

std::unique_ptr<RecordDialog> DialogOf(QWidget* parent, SettingsDialog dialog, Settings& s) {
  switch (dialog) {
    case SettingsDialog::NewPicture: return NewPictureDialog(parent, s.NewPicture, s.Config);
    case SettingsDialog::MixRange: return MixDialog(parent, s.MixRange);
  }
  return nullptr;
}

}  // namespace

std::unique_ptr<RecordDialog> MakeParameterDialog(QWidget* parent, RecordDialogKind dialog, Settings& s) {
  return std::visit([&](auto which) { return DialogOf(parent, which, s); }, dialog);
}

bool RunParameterDialog(QWidget* parent, RecordDialogKind dialog, Settings& settings) {
  const std::unique_ptr<RecordDialog> d = MakeParameterDialog(parent, dialog, settings);
  return d && d->exec() == QDialog::Accepted;
}

}  // namespace tessmark
