#include "app/design_check_window.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace tessel::ui {

DesignCheckWindow::DesignCheckWindow(std::vector<Finding> findings, Purpose purpose, QWidget* parent)
    : QDialog(parent), findings_(std::move(findings)), list_(new QListWidget(this)) {
    setObjectName("designFindings");
    setWindowTitle(tr("Check Design"));
    list_->setObjectName("findingList");
    for (const auto& finding : findings_) list_->addItem(QString::fromStdString(findingLine(finding)));
    list_->setMinimumWidth(list_->sizeHintForColumn(0) + 40);
    if (!findings_.empty()) list_->setCurrentRow(0);

    const bool download = purpose == Purpose::BeforeDownload;
    QString summary;
    if (findings_.empty()) {
        summary = tr("The design has no mistakes the checks know of.");
    } else if (download) {
        summary = tr("The design has mistakes the terminal would run into. Double-click one to mend it.");
    } else {
        summary = tr("Double-click a finding, or choose it and press Open, to mend it on its page.");
    }
    auto* heading = new QLabel(summary, this);
    heading->setObjectName("findingSummary");
    heading->setWordWrap(true);
    list_->setVisible(!findings_.empty());

    auto* buttons = new QDialogButtonBox(this);
    buttons->setObjectName("findingButtons");
    if (download) {
        auto* anyway = buttons->addButton(tr("Download anyway"), QDialogButtonBox::AcceptRole);
        anyway->setObjectName("downloadAnyway");
        auto* cancel = buttons->addButton(QDialogButtonBox::Cancel);
        cancel->setObjectName("cancelDownload");
        cancel->setDefault(true);
        connect(anyway, &QPushButton::clicked, this, [this] { done(DownloadAnyway); });
    } else {
        auto* open = buttons->addButton(tr("Open"), QDialogButtonBox::ActionRole);
        open->setObjectName("openFinding");
        open->setEnabled(!findings_.empty());
        open->setDefault(!findings_.empty());
        connect(open, &QPushButton::clicked, this, [this] { openRow(list_->currentRow()); });
        buttons->addButton(QDialogButtonBox::Close);
    }
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) { openRow(list_->row(item)); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(list_);
    layout->addWidget(buttons);
}

void DesignCheckWindow::openRow(int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= findings_.size()) return;
    chosen_ = findings_[static_cast<std::size_t>(row)];
    done(OpenFinding);
}

}  // namespace tessel::ui
