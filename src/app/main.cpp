// Tessaloran's entry point: the screens of the program shown as real windows. The start-up
// screen opens first; the program ends when the user ends it on one of its screens.
#include <QApplication>

#include "platform/files/ProgramFolder.h"
#include "program/Program.h"
#include "qt/QtApplication.h"

int main(int argc, char** argv) {
  QApplication qtApplication(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tessaloran"));
  tess::qt::QtApplication app;
  // The record files lie beside the executable.
  tess::program::Program program(app, tess::files::pathToUtf8(tess::files::programFolder()));
  program.start();
  if (app.ended()) return 0;
  return QApplication::exec();
}
