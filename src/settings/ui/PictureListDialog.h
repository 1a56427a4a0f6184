#pragma once

#include <QStringList>
#include <memory>

#include "settings/ParameterRecords.h"
#include "settings/ui/RecordDialog.h"

class QDialogButtonBox;
class QListWidget;
class QPushButton;

namespace tessmark {

// A record dialog with a list of picture files, filled by dropping files onto the dialog or with
// "Add ...". The list is a working copy: OK stores it, Cancel drops it. OK with an empty list is
// refused silently and leaves the record as it was.
class PictureListDialog : public RecordDialog {
  Q_OBJECT

 public:
  PictureListDialog(QWidget* parent, const QString& caption, PictureFiles& files);

  // OK and Cancel (first in the tab order, as in every dialog), the list box and its buttons
  // "-", "RAZ" and "Add ...", for the caller's layout.
  QDialogButtonBox* ButtonBox() const { return buttons_; }
  QListWidget* List() const { return list_; }
  QLayout* ListButtons();

  void AddPaths(const QStringList& paths);
  void RemoveSelected();
  void Clear();

 protected:
  void Confirm() override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void ShowList();
  void AddFromFileDialog();

  PictureFiles& files_;
  PictureFiles working_;
  QDialogButtonBox* buttons_;
  QListWidget* list_;
};

std::unique_ptr<RecordDialog> TagDialog(QWidget* parent, TagParams& record);
std::unique_ptr<RecordDialog> CircleMixDialog(QWidget* parent, CircleMixParams& record);

}  // namespace tessmark
