#include "editors/ui/editor_sheet.h"

#include <QDialogButtonBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "core/project.h"
#include "editors/ui/placeholder_page.h"
#include "editors/ui/widget_binding.h"

namespace tessel {

EditorSheet::EditorSheet(Project& project, const Strings& strings, MessageService& messages, SendKey sendKey,
                         QWidget* parent)
    : QDialog(parent), tabs_(new QTabWidget(this)) {
    setObjectName("editorSheet");
    setWindowTitle(toQString(editorCaption(strings, project.currentPath)));
    tabs_->setObjectName("editorTabs");

    const auto titles = editorTabTitles(strings);
    auto* form = new FormPage(project, strings, messages, std::move(sendKey), tabs_);
    pages_[0] = form;
    tabs_->addTab(form, toQString(titles[0]));
    for (std::size_t page = 1; page < kEditorPages; ++page) {
        auto* placeholder = new PlaceholderPage(toQString(titles[page]), tabs_);
        pages_[page] = placeholder;
        tabs_->addTab(placeholder, toQString(titles[page]));
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName("sheetButtons");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(tabs_, &QTabWidget::currentChanged, this, &EditorSheet::loadOnFirstShow);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(buttons);
    loadOnFirstShow(0);
}

void EditorSheet::loadOnFirstShow(int index) {
    if (index < 0 || loaded_[static_cast<std::size_t>(index)]) return;
    loaded_[static_cast<std::size_t>(index)] = true;
    pages_[static_cast<std::size_t>(index)]->load();
}

void EditorSheet::accept() {
    for (std::size_t page = 0; page < kEditorPages; ++page) {
        if (loaded_[page]) pages_[page]->accept();
    }
    QDialog::accept();
}

void EditorSheet::reject() {
    for (std::size_t page = 0; page < kEditorPages; ++page) {
        if (loaded_[page]) pages_[page]->discard();
    }
    QDialog::reject();
}

}  // namespace tessel
