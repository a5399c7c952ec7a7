#include "simulator/ui/scan_window.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

#include "core/text_encoding.h"
#include "simulator/keys.h"
#include "simulator/scan_token.h"

namespace tessel::ui {
namespace {

constexpr int kSymbologyRole = Qt::UserRole;
constexpr int kDataRole = Qt::UserRole + 1;

QString shown(const std::string& bytes) { return QString::fromStdString(cp1251ToUtf8(bytes)); }

QString labelOf(const sim::Scan& scan) {
    if (scan.source == sim::Scan::Source::Rfid) return "RFID  " + shown(scan.uid);
    return QString::fromUtf8(sim::symbologyInfo(scan.symbology).display.data()) + "  " + shown(scan.data);
}

// The picture's pixels in grey, as the codec reads them.
barcode::Picture greyPicture(const QImage& image) {
    const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    barcode::Picture picture{grey.width(), grey.height(), {}};
    picture.pixels.reserve(static_cast<std::size_t>(grey.width()) * grey.height());
    for (int y = 0; y < grey.height(); ++y) {
        const uchar* row = grey.constScanLine(y);
        picture.pixels.insert(picture.pixels.end(), row, row + grey.width());
    }
    return picture;
}

bool carriesPicture(const QMimeData& mime) {
    if (mime.hasImage()) return true;
    for (const auto& url : mime.urls()) {
        if (url.isLocalFile()) return true;
    }
    return false;
}

}  // namespace

ScanWindow::ScanWindow(sim::Simulator& simulator, MessageService& messages, FileDialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Tool),
      simulator_(simulator),
      messages_(messages),
      dialogs_(dialogs),
      symbology_(new QComboBox(this)),
      data_(new QLineEdit(this)),
      scan_(new QPushButton(tr("&Scan"), this)),
      note_(new QLabel(this)),
      recent_(new QListWidget(this)) {
    setObjectName("scanWindow");
    setWindowTitle(tr("Scanner"));
    setAcceptDrops(true);
    for (const auto& info : sim::symbologies()) {
        symbology_->addItem(QString::fromUtf8(info.display.data(), static_cast<int>(info.display.size())),
                            static_cast<int>(info.symbology));
    }
    symbology_->setObjectName("symbology");
    symbology_->setAccessibleName(tr("Symbology"));
    data_->setObjectName("scanData");
    data_->setAccessibleName(tr("Barcode data"));
    data_->setPlaceholderText(tr("Barcode data, %1D for the EAN128 separator"));
    scan_->setObjectName("scan");
    note_->setObjectName("scanNote");
    note_->setWordWrap(true);
    recent_->setObjectName("recentScans");
    recent_->setAccessibleName(tr("Recent scans"));
    auto* picture = new QPushButton(tr("Scan from &Picture..."), this);
    picture->setObjectName("scanFromPicture");

    auto* line = new QHBoxLayout;
    line->addWidget(symbology_);
    line->addWidget(data_, 1);
    line->addWidget(scan_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(line);
    layout->addWidget(note_);
    layout->addWidget(new QLabel(tr("Recent scans (double-click to scan again):"), this));
    layout->addWidget(recent_, 1);
    layout->addWidget(picture);
    resize(420, 320);

    connect(symbology_, &QComboBox::currentIndexChanged, this, [this] { boxChanged(); });
    connect(data_, &QLineEdit::textChanged, this, [this] { boxChanged(); });
    connect(data_, &QLineEdit::returnPressed, this, &ScanWindow::scanBox);
    connect(scan_, &QPushButton::clicked, this, &ScanWindow::scanBox);
    connect(picture, &QPushButton::clicked, this, &ScanWindow::scanFromPicture);
    connect(recent_, &QListWidget::itemActivated, this, &ScanWindow::repeat);
    boxChanged();
}

void ScanWindow::attachTo(QWidget* window, QWidget* terminal) {
    terminal->setAcceptDrops(true);
    terminal->installEventFilter(this);
    auto* paste = new QShortcut(QKeySequence::Paste, window);
    connect(paste, &QShortcut::activated, this, [this] {
        if (const QMimeData* clip = QApplication::clipboard()->mimeData(); clip && !scanMimeData(*clip)) {
            showNote(tr("The clipboard holds no picture."), true);
        }
    });
}

// The entries go in their own group before the last one (About and Exit).
void ScanWindow::addMenuEntries(QMenu& menu) {
    const auto actions = menu.actions();
    QAction* before = actions.size() >= 3 ? actions[actions.size() - 3] : nullptr;
    auto* scanner = new QAction(tr("Scanner..."), &menu);
    auto* picture = new QAction(tr("Scan from Picture..."), &menu);
    connect(scanner, &QAction::triggered, this, &ScanWindow::showBeside);
    connect(picture, &QAction::triggered, this, &ScanWindow::scanFromPicture);
    menu.insertSeparator(before);
    menu.insertActions(before, {scanner, picture});
}

void ScanWindow::showBeside() {
    if (QWidget* owner = parentWidget()) {
        const QRect frame = owner->frameGeometry();
        QPoint at(frame.right() + 8, frame.top());
        if (const QScreen* screen = owner->screen()) {
            const QRect free = screen->availableGeometry();
            if (at.x() + width() > free.right()) at.setX(std::max(free.left(), frame.left() - width() - 8));
        }
        move(at);
    }
    show();
    raise();
    data_->setFocus();
}

// What the box holds, typed in UTF-8, as the terminal's 8-bit characters.
sim::Scan ScanWindow::boxContents() const {
    return sim::Scan::barcode(static_cast<sim::Symbology>(symbology_->currentData().toInt()),
                              sim::unescapeScanData(utf8ToCp1251Lossy(data_->text().toStdString())));
}

// A barcode in the box lies in front of the reader: the SCAN key reads it.
void ScanWindow::boxChanged() {
    const sim::Scan scan = boxContents();
    const auto problem = sim::barcodeDataProblem(scan.symbology, scan.data);
    scan_->setEnabled(!problem);
    simulator_.queueScan(problem ? std::nullopt : std::optional(scan));
    showNote(problem && !scan.data.empty() ? QString::fromStdString(*problem) : QString(), true);
}

void ScanWindow::scanBox() {
    const sim::Scan scan = boxContents();
    if (!sim::barcodeDataProblem(scan.symbology, scan.data)) deliver(scan);
}

void ScanWindow::deliver(const sim::Scan& scan) {
    const std::string note = simulator_.scan(scan);
    remember(scan);
    showNote(QString::fromStdString(note), !note.empty());
}

void ScanWindow::remember(const sim::Scan& scan) {
    for (int i = 0; i < recent_->count(); ++i) {
        const QListWidgetItem* item = recent_->item(i);
        if (item->data(kSymbologyRole).toInt() == static_cast<int>(scan.symbology) &&
            item->data(kDataRole).toByteArray().toStdString() == scan.data) {
            delete recent_->takeItem(i);
            break;
        }
    }
    auto* item = new QListWidgetItem(labelOf(scan));
    item->setData(kSymbologyRole, static_cast<int>(scan.symbology));
    item->setData(kDataRole, QByteArray::fromStdString(scan.data));
    recent_->insertItem(0, item);
    while (recent_->count() > kRecentScans) delete recent_->takeItem(recent_->count() - 1);
}

void ScanWindow::repeat(QListWidgetItem* item) {
    deliver(sim::Scan::barcode(static_cast<sim::Symbology>(item->data(kSymbologyRole).toInt()),
                               item->data(kDataRole).toByteArray().toStdString()));
}

void ScanWindow::scanFromPicture() {
    FileDialogRequest request;
    request.filters = {{tr("Pictures").toStdString(), "*.png;*.PNG;*.jpg;*.JPG;*.jpeg;*.JPEG"},
                       {tr("All files").toStdString(), "*"}};
    if (const auto path = dialogs_.choose(request)) scanPictureFile(*path);
}

void ScanWindow::scanPictureFile(const std::string& path) {
    offerScans(barcode::scansInPictureFile(barcode::zxingCodec(), path));
}

void ScanWindow::scanImage(const QImage& image) {
    const auto pixels = static_cast<std::size_t>(image.width()) * static_cast<std::size_t>(image.height());
    if (image.isNull() || pixels > barcode::kMaxPicturePixels) {
        offerScans({{}, tr("The picture is too large to read.").toStdString()});
        return;
    }
    offerScans(barcode::scansInPicture(barcode::zxingCodec(), greyPicture(image)));
}

// One barcode is read at once; several go to the top of the recent list for
// the user to choose from; none says why.
void ScanWindow::offerScans(const barcode::PictureScans& found) {
    if (found.scans.empty()) {
        messages_.show(tr("Scan from Picture").toStdString(), found.problem,
                       {MessageIcon::Warning, MessageButtons::Ok});
        return;
    }
    if (found.scans.size() == 1) {
        deliver(found.scans.front());
        return;
    }
    for (auto it = found.scans.rbegin(); it != found.scans.rend(); ++it) remember(*it);
    recent_->setCurrentRow(0);
    showBeside();
    showNote(tr("The picture shows %1 barcodes: double-click the one to scan.").arg(found.scans.size()), false);
}

bool ScanWindow::scanMimeData(const QMimeData& mime) {
    if (mime.hasImage()) {
        scanImage(qvariant_cast<QImage>(mime.imageData()));
        return true;
    }
    for (const auto& url : mime.urls()) {
        if (url.isLocalFile()) {
            scanPictureFile(url.toLocalFile().toStdString());
            return true;
        }
    }
    return false;
}

bool ScanWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::DragEnter) {
        auto* drag = static_cast<QDragEnterEvent*>(event);
        if (drag->mimeData() && carriesPicture(*drag->mimeData())) drag->acceptProposedAction();
        return true;
    }
    if (event->type() == QEvent::Drop) {
        auto* drop = static_cast<QDropEvent*>(event);
        if (drop->mimeData() && scanMimeData(*drop->mimeData())) drop->acceptProposedAction();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void ScanWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData() && carriesPicture(*event->mimeData())) event->acceptProposedAction();
}

void ScanWindow::dropEvent(QDropEvent* event) {
    if (event->mimeData() && scanMimeData(*event->mimeData())) event->acceptProposedAction();
}

void ScanWindow::showNote(const QString& text, bool problem) {
    note_->setText(text);
    note_->setStyleSheet(problem ? "color: #a00000;" : QString());
}

}  // namespace tessel::ui
