#pragma once
// The scanner beside the pictured terminal: a symbology and data to scan
// (Enter, or the terminal's SCAN key, reads it), the recent scans to repeat,
// and pictures of barcodes (chosen, dropped on the terminal or pasted)
// decoded and read as the terminal's reader would.
#include <QImage>
#include <QWidget>
#include <optional>
#include <string>

#include "barcode/picture_scan.h"
#include "core/file_dialogs.h"
#include "core/messages.h"
#include "simulator/simulator.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QMenu;
class QMimeData;
class QPushButton;

namespace tessel::ui {

class ScanWindow : public QWidget {
    Q_OBJECT
public:
    // The most scans the recent list keeps.
    static constexpr int kRecentScans = 12;

    ScanWindow(sim::Simulator& simulator, MessageService& messages, FileDialogs& dialogs, QWidget* parent);

    // Takes pictures dropped on `terminal`, and pasted with the paste keys on `window`.
    void attachTo(QWidget* window, QWidget* terminal);
    // The popup menu's scanner entries.
    void addMenuEntries(QMenu& menu);

    // Shows the window beside its parent.
    void showBeside();
    // Reads what the box holds, if it is a barcode.
    void scanBox();
    // Asks for a picture and reads its barcode.
    void scanFromPicture();
    void scanPictureFile(const std::string& path);
    void scanImage(const QImage& image);
    // Reads a picture the clipboard or a drop carries: image data or a file.
    bool scanMimeData(const QMimeData& mime);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    sim::Scan boxContents() const;
    void boxChanged();
    void deliver(const sim::Scan& scan);
    void remember(const sim::Scan& scan);
    void offerScans(const barcode::PictureScans& found);
    void repeat(QListWidgetItem* item);
    void showNote(const QString& text, bool problem);

    sim::Simulator& simulator_;
    MessageService& messages_;
    FileDialogs& dialogs_;
    QComboBox* symbology_;
    QLineEdit* data_;
    QPushButton* scan_;
    QLabel* note_;
    QListWidget* recent_;
};

}  // namespace tessel::ui
