#include "app/program_icon.h"

#include <QDir>

namespace tessel::ui {

QIcon programIcon() {
    QIcon icon;
    const QDir folder(":/icons");
    for (const QString& file : folder.entryList({"tessel-studio-*.png"}, QDir::Files))
        icon.addFile(folder.filePath(file));
    return icon;
}

}  // namespace tessel::ui
