#include "app/records_window.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/file_io.h"
#include "core/project_file.h"
#include "core/terminal_state.h"
#include "simulator/screen_text.h"

namespace tessel::ui {

RecordsWindow::RecordsWindow(sim::TerminalData& terminalData, const Strings& strings, MessageService& messages,
                             FileDialogs& dialogs, QWidget* parent)
    : QDialog(parent), data_(terminalData), strings_(strings), messages_(messages), dialogs_(dialogs) {
    setWindowTitle(tr("Collected Records"));
    auto* layout = new QVBoxLayout(this);
    count_ = new QLabel(this);
    list_ = new QListWidget(this);
    list_->setAccessibleName(tr("Collected records"));
    list_->setFont(QFont("Monospace"));
    layout->addWidget(count_);
    layout->addWidget(list_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    saveButton_ = buttons->addButton(tr("Save &As..."), QDialogButtonBox::ActionRole);
    clearButton_ = buttons->addButton(tr("C&lear"), QDialogButtonBox::ResetRole);
    connect(saveButton_, &QPushButton::clicked, this, &RecordsWindow::saveAs);
    connect(clearButton_, &QPushButton::clicked, this, &RecordsWindow::clear);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(420, 320);
    refresh();
}

void RecordsWindow::refresh() {
    list_->clear();
    for (const auto& record : data_.records) list_->addItem(QString::fromStdString(sim::displayText(record)));
    count_->setText(tr("Records collected since the start: %1").arg(data_.records.size()));
    saveButton_->setEnabled(!data_.records.empty());
    clearButton_->setEnabled(!data_.records.empty());
}

// The file holds what a receive from the terminal would write: each record
// followed by CR LF.
void RecordsWindow::saveAs() {
    const auto path = dialogs_.choose(saveDataRequest(strings_));
    if (!path) return;
    const WriteOutcome written = writeFileAtomically(*path, crLfLines(data_.records));
    if (!written) {
        const std::string detail = *path + (written.reason.empty() ? "" : "\n" + written.reason);
        messageByIds(strings_, messages_, 1121, kSaveFailedText, {MessageIcon::Warning, MessageButtons::Ok}, detail);
    }
}

void RecordsWindow::clear() {
    data_.records.clear();
    refresh();
}

}  // namespace tessel::ui
