#pragma once

#include <QString>

namespace veldrane {

class MainWindow;

// Shows the window, pastes the module read from `sample_path` (UTF-8) into Text1 through
// the clipboard, saves a picture of the window, runs the conversion command, saves a second
// picture, turns 構文の色分け on and saves a third.
// Returns the program's exit status: 0, or 1 when a file could not be read or written.
int SaveScreenshots(MainWindow& window, const QString& before_png, const QString& after_png,
                    const QString& coloured_png, const QString& sample_path);

}  // namespace veldrane
