#include <QApplication>
#include <QMessageBox>
#include <cstdio>

#include "app/DisplayCheck.h"
#include "app/ui/MainWindow.h"
#include "app/ui/StartOptions.h"
#include "settings/Directories.h"

namespace {

// The program's words as Qt would read them, before any application object exists.
QStringList Arguments(int argc, char* argv[]) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  return arguments;
}

}  // namespace

int main(int argc, char* argv[]) {
  // --help and --version need no display.
  const tessmark::StartRequest request = tessmark::ReadStartOptions(Arguments(argc, argv));
  std::fputs(request.Output.c_str(), stdout);
  std::fputs(request.Error.c_str(), stderr);
  if (!request.OpenWindow) return request.Status;
  // Qt would abort with a note about its platform plug-in; say what to do instead.
  const std::optional<std::string> x =
      tessmark::XDisplayToOpen(request.Platform, request.Display, tessmark::ProcessEnvironment);
  if (x && !tessmark::XDisplayAnswers(*x)) {
    std::fputs("vornade needs a display. Start it on a virtual one with: xvfb-run -a vornade\n"
               "or make pictures without a window with: tessmark --help\n",
               stderr);
    return 1;
  }
  QApplication application(argc, argv);
  QApplication::setOrganizationName("Quenderlyn");
  QApplication::setApplicationName("vornade");
  const tessmark::DataDirectoryResult data = tessmark::ResolveDataDirectory(tessmark::ProcessEnvironment);
  if (data.Message) QMessageBox::critical(nullptr, QString(), QString::fromStdString(data.Message->Text));
  tessmark::MainWindow window({data.Path, tessmark::ProgramDirectory()});
  window.show();
  return QApplication::exec();
}
