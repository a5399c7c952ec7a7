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

}  // namespace tessel::test
