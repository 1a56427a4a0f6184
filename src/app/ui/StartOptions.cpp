#include "app/ui/StartOptions.h"

#include <QCommandLineParser>

#include "base/Version.h"

namespace tessmark {
namespace {

constexpr char Description[] =
    "Makes seamless, tileable random pictures: shapes painted at random over a picture whose edges\n"
    "join. See vornade(1); tessmark(1) paints the same pictures from the command line.";

StartRequest Finish(int status, std::string output, std::string error = {}) {
  return {false, std::nullopt, std::nullopt, status, std::move(output), std::move(error)};
}

// Qt's usage line names the program by the path it was started with, or by a placeholder while no
// application object exists: the help always names it vornade.
std::string HelpText(const QCommandLineParser& parser) {
  const QString text = parser.helpText();
  return "Usage: vornade [options]" + text.mid(text.indexOf('\n')).toStdString();
}

std::optional<std::string> Value(const QCommandLineParser& parser, const QCommandLineOption& option) {
  if (!parser.isSet(option)) return std::nullopt;
  return parser.value(option).toStdString();
}

}  // namespace

StartRequest ReadStartOptions(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription(Description);
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  const QCommandLineOption help({"h", "help"}, "Show this text and end.");
  const QCommandLineOption version("version", "Show the program's name and version and end.");
  const QCommandLineOption platform("platform", "The Qt platform plug-in to show the window with (xcb, wayland, ...).", "name");
  const QCommandLineOption display("display", "The X display to open instead of $DISPLAY.", "display");
  parser.addOptions({help, version, platform, display, {"style", "The Qt widget style to draw with.", "style"}});
  if (!parser.parse(arguments)) {
    QString error = parser.errorText();
    if (error.endsWith('.')) error.chop(1);
    return Finish(2, {}, "vornade: " + error.toStdString() + " (see vornade --help)\n");
  }
  if (parser.isSet(help)) return Finish(0, HelpText(parser));
  if (parser.isSet(version)) return Finish(0, std::string("vornade ") + ProgramVersion + "\n");
  if (!parser.positionalArguments().isEmpty()) {
    return Finish(2, {}, "vornade: unexpected argument '" + parser.positionalArguments().first().toStdString() +
                             "' (see vornade --help)\n");
  }
  return {true, Value(parser, platform), Value(parser, display), 0, {}, {}};
}

}  // namespace tessmark
