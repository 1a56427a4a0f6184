#include <QApplication>

#include "app/ui/MainWindow.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setOrganizationName("Quenderlyn");
  QApplication::setApplicationName("vornade");
  tessmark::MainWindow window({});
  window.show();
  return QApplication::exec();
}
