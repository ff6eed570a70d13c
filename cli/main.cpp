#include <QCoreApplication>
#include <QStringList>

#include "cli/converter_app.h"
#include "files/native_path.h"

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  // Decoded losslessly, so that file names that are not UTF-8 keep their bytes.
  QStringList arguments;
  for (int i = 1; i < argc; ++i) arguments.append(veldrane::files::ArgumentFromNative(argv[i]));
  return veldrane::cli::RunConverter(arguments);
}
