// zuvo-calculator: the desktop calculator. The stores live in
// ZuvoCalculatorExt under the user's documents folder.
#include <QApplication>
#include <QIcon>

#include "storage/store_folder.h"
#include "ui/Unit1.h"
#include "ui/calculator_app.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("zuvo-calculator"));
  QApplication::setApplicationDisplayName(QStringLiteral("Zuvo计算器"));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/zuvo/zuvo-calculator.svg")));
  QGuiApplication::setDesktopFileName(QStringLiteral("zuvo-calculator"));
  // The secondary windows are hidden, not closed, so the program ends with
  // the main window rather than with the last visible window.
  QApplication::setQuitOnLastWindowClosed(false);

  CalculatorApp app(zuvo::DefaultStoreFolder());
  QObject::connect(&app, &CalculatorApp::Finished, &application, &QCoreApplication::quit, Qt::QueuedConnection);
  app.Form1()->show();
  return QApplication::exec();
}
