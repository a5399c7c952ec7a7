#include "core/ui/qt_messages.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>

namespace tessel::ui {
namespace {

// Room the title bar takes beside the caption: the window icon and the
// close button, with their margins.
constexpr int kTitleBarExtras = 120;

QString fromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QMessageBox::Icon iconOf(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information: return QMessageBox::Information;
        case MessageIcon::Warning: return QMessageBox::Warning;
        case MessageIcon::Question: return QMessageBox::Question;
        case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons buttonsOf(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
        case MessageButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
        case MessageButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case MessageButtons::RetryCancel: return QMessageBox::Retry | QMessageBox::Cancel;
        case MessageButtons::DiscardKeepEditing: return QMessageBox::Discard;
        case MessageButtons::Ok: break;
    }
    return QMessageBox::Ok;
}

int answerOf(int button) {
    switch (button) {
        case QMessageBox::Ok: return kAnswerOk;
        case QMessageBox::Cancel: return kAnswerCancel;
        case QMessageBox::Retry: return kAnswerRetry;
        case QMessageBox::Yes: return kAnswerYes;
        case QMessageBox::No: return kAnswerNo;
        case QMessageBox::Discard: return kAnswerDiscard;
        default: return kAnswerCancel;
    }
}

// "Label (*.A;*.B)" as Qt writes a filter.
QString filterText(const FileFilter& filter) {
    QString patterns = fromUtf8(filter.patterns);
    patterns.replace(';', ' ');
    return fromUtf8(filter.label) + " (" + patterns + ")";
}

}  // namespace

int QtMessages::show(std::string_view caption, std::string_view text, MessageStyle style) {
    QWidget* owner = owner_ ? owner_.data() : QApplication::activeWindow();
    QMessageBox box(iconOf(style.icon), fromUtf8(caption), fromUtf8(text), buttonsOf(style.buttons), owner);
    fitCaption(box);
    if (style.buttons == MessageButtons::DiscardKeepEditing) {
        QPushButton* keep = box.addButton(QObject::tr("Keep Editing"), QMessageBox::RejectRole);
        keep->setObjectName("keepEditing");
        box.setDefaultButton(keep);
        box.setEscapeButton(keep);
        box.exec();
        return box.clickedButton() == box.button(QMessageBox::Discard) ? kAnswerDiscard : kAnswerCancel;
    }
    return answerOf(box.exec());
}

// A message box is only as wide as its text, so a short text left a long
// caption cut in the title bar ("E..."): the box is made wide enough for
// the caption and the title bar's icon and buttons.
void fitCaption(QMessageBox& box) {
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid) return;
    const int width = box.fontMetrics().horizontalAdvance(box.windowTitle()) + kTitleBarExtras;
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                  grid->columnCount());
}

void prepareFileDialog(QFileDialog& dialog, const FileDialogRequest& request) {
    QStringList filters;
    for (const auto& filter : request.filters) filters << filterText(filter);
    dialog.setNameFilters(filters);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setAcceptMode(request.forSaving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.forSaving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(fromUtf8(request.defaultExtension));
    dialog.setOption(QFileDialog::ReadOnly, false);
    const QFileInfo initial(fromUtf8(request.initialPath));
    if (!request.initialPath.empty()) {
        dialog.setDirectory(initial.absolutePath());
        dialog.selectFile(initial.fileName());
    } else {
        dialog.setDirectory(QDir::currentPath());
    }
}

std::optional<std::string> QtFileDialogs::choose(const FileDialogRequest& request) {
    QFileDialog dialog(owner_);
    prepareFileDialog(dialog, request);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first().toStdString();
}

}  // namespace tessel::ui
