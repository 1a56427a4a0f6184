#include <QApplication>
#include <QMessageBox>

#include "app/Directories.h"
#include "app/ui/MainWindow.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setOrganizationName("Quenderlyn");
  QApplication::setApplicationName("vornade");
  const tessmark::DataDirectoryResult data = tessmark::ResolveDataDirectory(tessmark::ProcessEnvironment);
  if (data.Message) QMessageBox::critical(nullptr, QString(), QString::fromStdString(data.Message->Text));
  tessmark::MainWindow window({data.Path, tessmark::ProgramDirectory()});
  window.show();
  return QApplication::exec();
}
