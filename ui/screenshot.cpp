#include "ui/screenshot.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QPixmap>
#include <cstdio>

#include "ui/main_window.h"
#include "ui/text_area.h"

namespace veldrane {
namespace {

bool SavePicture(MainWindow& window, const QString& path) {
  QCoreApplication::processEvents();
  if (window.grab().save(path, "PNG")) return true;
  std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
  return false;
}

}  // namespace

int SaveScreenshots(MainWindow& window, const QString& before_png, const QString& after_png,
                    const QString& coloured_png, const QString& sample_path) {
  QFile sample(sample_path);
  if (!sample.open(QIODevice::ReadOnly)) {
    std::fprintf(stderr, "cannot read %s\n", qPrintable(sample_path));
    return 1;
  }
  window.show();
  QApplication::clipboard()->setText(QString::fromUtf8(sample.readAll()));
  window.findChild<TextArea*>(QStringLiteral("Text1"))->paste();
  if (!SavePicture(window, before_png)) return 1;
  window.Actions().convertVD->trigger();
  if (!SavePicture(window, after_png)) return 1;
  window.Actions().syntaxColour->trigger();
  return SavePicture(window, coloured_png) ? 0 : 1;
}

}  // namespace veldrane
