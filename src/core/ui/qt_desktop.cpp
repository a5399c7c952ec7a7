#include "core/ui/qt_desktop.h"

#include <QDesktopServices>
#include <QUrl>

namespace tessel::ui {

bool QtDesktop::openUrl(const std::string& url) { return QDesktopServices::openUrl(QUrl(QString::fromStdString(url))); }

bool QtDesktop::openFile(const std::filesystem::path& file) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(file.string())));
}

}  // namespace tessel::ui
