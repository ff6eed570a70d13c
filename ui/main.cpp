#include <QApplication>
#include <QStringList>

#include "ui/main_window.h"
#include "ui/screenshot.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  veldrane::MainWindow window;

  // Not a user option: renders the window before and after converting a sample, and with
  // the result coloured, for the pictures in the documentation.
  const QStringList args = QCoreApplication::arguments();
  if (args.size() == 6 && args[1] == QLatin1String("--screenshot")) {
    return veldrane::SaveScreenshots(window, args[2], args[3], args[4], args[5]);
  }

  window.show();
  return app.exec();
}
