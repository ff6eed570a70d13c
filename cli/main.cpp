#include <QCoreApplication>

#include "cli/converter_app.h"

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  return veldrane::cli::RunConverter(app.arguments().mid(1));
}
