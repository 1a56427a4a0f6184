#include "palette/ui/PaletteEditor.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "app/ui/SaveDialog.h"
#include "palette/PaletteFile.h"
#include "palette/ui/NumberPrompt.h"
#include "palette/ui/PaletteGrid.h"

namespace tessmark {
namespace {

constexpr const char* PaletteCaption = "TessmarkPalette";
const FileDialogRequest PaletteFileRequest{"Palettes|*.gpal *.gpl|*.gpal|*.gpal|*.gpl|*.gpl|", true};

// The client area of the editor, in pixels.
constexpr QSize ClientSize(753, 587);
constexpr QRect AllColorBoxRect(0, 10, 99, 20);
constexpr QRect OkButtonRect(520, 552, 75, 23);
constexpr QRect CancelButtonRect(667, 552, 75, 23);

}  // namespace

PaletteEditor::PaletteEditor(Palette& current, Platform& desktop, QWidget* parent)
    : QDialog(parent), current_(current), desktop_(desktop), ownDialogs_(desktop, this), edit_(current) {
  setWindowTitle("Palette Editor");
  BuildClientArea();
  BuildMenu();
  allColor_->setChecked(current.AllColor);
  Repaint();
}

void PaletteEditor::BuildClientArea() {
  grid_ = new PaletteGrid(edit_, this);
  grid_->setObjectName("paletteGrid");
  grid_->setFixedSize(ClientSize);
  allColor_ = new QCheckBox("All Color", grid_);
  allColor_->setObjectName("allColor");
  allColor_->setGeometry(AllColorBoxRect);
  connect(allColor_, &QCheckBox::clicked, this, &PaletteEditor::Repaint);
  auto* ok = new QPushButton("OK", grid_);
  ok->setGeometry(OkButtonRect);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  auto* cancel = new QPushButton("Cancel", grid_);
  cancel->setGeometry(CancelButtonRect);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  layout->addWidget(grid_);
  // Delete works whichever control has the focus.
  installEventFilter(this);
  grid_->installEventFilter(this);
  for (QWidget* control : grid_->findChildren<QWidget*>()) control->installEventFilter(this);
}

void PaletteEditor::BuildMenu() {
  auto* bar = new QMenuBar(this);
  QMenu* file = bar->addMenu("File");
  file->addAction("Load ...", QKeySequence::Open, this, &PaletteEditor::Load);
  file->addAction("Save ...", QKeySequence::Save, this, &PaletteEditor::Save);
  QMenu* palette = bar->addMenu("Palette");
  palette->addAction("Add", this, &PaletteEditor::Add);
  palette->addAction("Remove", this, &PaletteEditor::Remove);
  palette->addAction("Modify", this, &PaletteEditor::Modify);
  palette->addSeparator();
  palette->addAction("Remove All", this, &PaletteEditor::RemoveAll);
  palette->addSeparator();
  palette->addMenu("Runtime")->addAction("Make a random color palette ....", this, &PaletteEditor::MakeRandomPalette);
  layout()->setMenuBar(bar);
}

std::int32_t PaletteEditor::Selection() const { return grid_->Selection(); }

void PaletteEditor::Repaint() { grid_->SetCellsShown(!allColor_->isChecked()); }

void PaletteEditor::UseTheColorList() {
  allColor_->setChecked(false);
  Repaint();
}

std::optional<ColorRef> PaletteEditor::ChooseColor(ColorRef initial) {
  std::optional<ColorRef> chosen = desktop_.ChooseColor(initial);
  if (chosen) chooserColor_ = *chosen;
  return chosen;
}

void PaletteEditor::Tell(const UserMessage& message) { desktop_.ShowMessage(message, MessageButtons::Ok); }

void PaletteEditor::Load() {
  const std::optional<std::string> path = desktop_.OpenFileName(PaletteFileRequest);
  if (!path) return;
  // The failure, or how many colours a long palette left out.
  if (const PaletteFileResult result = LoadPaletteFile(*path, edit_); !result.Message.Text.empty()) Tell(result.Message);
  Repaint();
}

void PaletteEditor::Save() {
  const std::optional<std::string> path = AskSavePath(desktop_, PaletteFileRequest, PaletteCaption);
  if (!path) return;
  if (const PaletteFileResult result = SavePaletteFile(*path, edit_); !result.Ok) Tell(result.Message);
}

void PaletteEditor::Add() {
  const std::optional<ColorRef> chosen = ChooseColor(chooserColor_);
  if (!chosen) return;
  AddColor(edit_, ColorFromRef(*chosen));
  UseTheColorList();
}

void PaletteEditor::Remove() {
  if (Selection() == PaletteGrid::NoSelection) return;
  RemoveColor(edit_, Selection());
  grid_->SetSelection(PaletteGrid::NoSelection);
}

void PaletteEditor::Modify() {
  const std::int32_t selected = Selection();
  if (selected == PaletteGrid::NoSelection) return;
  const auto storedColor = [&] { return RefFromColor(edit_.Colors[static_cast<std::size_t>(selected)]); };
  // A selected empty cell holds no colour to replace: the chooser still opens, its answer goes nowhere.
  if (selected >= edit_.Count) {
    ChooseColor(storedColor());
    return;
  }
  while (const std::optional<ColorRef> chosen = ChooseColor(storedColor())) {
    if (ReplaceColor(edit_, selected, ColorFromRef(*chosen))) break;
    Tell({"The color already exist in the palette", PaletteCaption, MessageIcon::Stop});
  }
  grid_->update();
}

void PaletteEditor::RemoveAll() {
  const UserMessage question{"Delete All Color Palette ?", PaletteCaption, MessageIcon::Exclamation};
  if (desktop_.ShowMessage(question, MessageButtons::YesNo) != MessageAnswer::Yes) return;
  ClearColors(edit_);
  grid_->update();
}

void PaletteEditor::MakeRandomPalette() {
  const std::optional<std::int32_t> count = NumberPrompt::AskNumber(this);
  if (!count) return;
  AddRandomColors(edit_, *count, desktop_.CurrentTime());
  UseTheColorList();
}

void PaletteEditor::DeleteSelected() {
  const std::int32_t selected = Selection();
  if (selected == PaletteGrid::NoSelection) return;
  RemoveColor(edit_, selected);
  // The selection stays on its index, so the next Delete removes the colour that moved into it.
  grid_->SetSelection(selected >= edit_.Count ? PaletteGrid::NoSelection : selected);
}

// The controls do nothing with Delete, so it is taken here once rather than passed up from the
// focused control to each parent in turn.
bool PaletteEditor::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
    DeleteSelected();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void PaletteEditor::accept() {
  current_.AllColor = allColor_->isChecked();
  current_.Count = edit_.Count;
  std::copy_n(edit_.Colors.begin(), edit_.Count, current_.Colors.begin());
  QDialog::accept();
}

}  // namespace tessmark
