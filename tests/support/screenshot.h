#pragma once
// Pictures of widgets for the documentation, written by the screenshot
// programs (run by hand, not tests).
#include <QApplication>
#include <QDir>
#include <QTextStream>
#include <QWidget>

namespace tessel::test {

// Saves `widget` as NAME.png in `folder` and prints the path; the widget takes
// its natural size unless `size` is given.
inline void saveScreenshot(QWidget& widget, const QDir& folder, const char* name, QSize size = {}) {
    if (size.isValid()) {
        widget.resize(size);
    } else {
        widget.adjustSize();
    }
    widget.show();
    QApplication::processEvents();
    const QString path = folder.filePath(QString(name) + ".png");
    widget.grab().save(path);
    QTextStream(stdout) << path << "\n";
    widget.hide();
}

// The main() of a screenshot program: the pictures go into the folder its
// first argument names (the current folder without one).
inline int takeScreenshots(int argc, char** argv, void (*takeAll)(const QDir& folder)) {
    QApplication app(argc, argv);
    const QDir folder(argc > 1 ? argv[1] : ".");
    QDir().mkpath(folder.path());
    takeAll(folder);
    return 0;
}

}  // namespace tessel::test
