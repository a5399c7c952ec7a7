#include "editors/ui/editor_sheet.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "core/messages.h"
#include "core/project.h"
#include "editors/editor_caption.h"
#include "editors/ui/widget_binding.h"

namespace tessel {
namespace {

// The name of what OK applies, as Undo shows it.
std::string editStep() { return QCoreApplication::translate("tessel::EditorSheet", "Edit").toStdString(); }

}  // namespace

EditorSheet::EditorSheet(Project& project, const Strings& strings, QWidget* parent)
    : QDialog(parent),
      project_(project),
      strings_(strings),
      tabs_(new QTabWidget(this)),
      body_(new QHBoxLayout),
      checkpoint_(std::make_unique<Definition>(project.definition)) {
    setObjectName("editorSheet");
    setWindowTitle(toQString(editorCaption(strings, project.currentPath)));
    tabs_->setObjectName("editorTabs");

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName("sheetButtons");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(tabs_, &QTabWidget::currentChanged, this, &EditorSheet::loadOnFirstShow);
    connect(tabs_, &QTabWidget::currentChanged, this, &EditorSheet::previewChanged);

    auto* layout = new QVBoxLayout(this);
    body_->addWidget(tabs_, 1);
    layout->addLayout(body_);
    layout->addWidget(buttons);
}

void EditorSheet::addPage(QWidget* widget, EditorPage* page) {
    const auto titles = editorTabTitles(strings_);
    pages_.push_back({page, false});
    page->setChangeNotice([this] { emit previewChanged(); });
    const std::size_t index = pages_.size() - 1;
    page->setWroteAtOnce([this](const std::string& change) { recordStep(change); });
    tabs_->addTab(widget, index < titles.size() ? toQString(titles[index]) : QString());
    if (index == 0) loadOnFirstShow(0);
}

void EditorSheet::loadOnFirstShow(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= pages_.size()) return;
    Entry& entry = pages_[static_cast<std::size_t>(index)];
    if (entry.loaded) return;
    entry.loaded = true;
    entry.page->load();
}

void EditorSheet::setPreview(QWidget* preview) { body_->addWidget(preview, 0, Qt::AlignTop); }

Definition EditorSheet::workingDefinition() const {
    Definition working = project_.definition;
    for (const Entry& entry : pages_) {
        if (entry.loaded) entry.page->writePreview(working);
    }
    return working;
}

PreviewSubject EditorSheet::previewSubject() const {
    const int index = tabs_->currentIndex();
    if (index < 0 || static_cast<std::size_t>(index) >= pages_.size()) return {};
    return pages_[static_cast<std::size_t>(index)].page->previewSubject();
}

void EditorSheet::showPlace(int page, int index, int element) {
    if (page < 0 || static_cast<std::size_t>(page) >= pages_.size()) return;
    tabs_->setCurrentIndex(page);
    loadOnFirstShow(page);
    pages_[static_cast<std::size_t>(page)].page->showPlace(index, element);
}

void EditorSheet::accept() {
    for (std::size_t index = 0; index < pages_.size(); ++index) {
        if (pages_[index].loaded && !pages_[index].page->mayAccept()) {
            tabs_->setCurrentIndex(static_cast<int>(index));
            pages_[index].page->explainRefusal();
            return;
        }
    }
    // A write at once that its page did not report still becomes its own step.
    recordStep(editStep());
    for (Entry& entry : pages_) {
        if (entry.loaded) entry.page->accept();
    }
    recordStep(editStep());
    QDialog::accept();
}

// Esc, Cancel and the window's close button all come here.
void EditorSheet::reject() {
    if (hasChanges() && !userAllowsDiscarding()) return;
    for (Entry& entry : pages_) {
        if (entry.loaded) entry.page->discard();
    }
    recordStep(editStep());
    QDialog::reject();
}

bool EditorSheet::hasChanges() const {
    if (!steps_.empty() || !sameBytes(*checkpoint_, project_.definition)) return true;
    return std::any_of(pages_.begin(), pages_.end(),
                       [](const Entry& entry) { return entry.loaded && entry.page->hasChanges(); });
}

bool EditorSheet::userAllowsDiscarding() const {
    if (!messages_) return true;
    QString text = tr("Discard the changes made in the editor?");
    if (!steps_.empty()) {
        text += "\n" + tr("What was stored at once, such as the reader type, stays and can be undone.");
    }
    const int answer = messages_->show("Tessel Studio", text.toStdString(),
                                       {MessageIcon::Question, MessageButtons::DiscardKeepEditing});
    return answer == kAnswerDiscard;
}

void EditorSheet::recordStep(const std::string& change) {
    if (sameBytes(*checkpoint_, project_.definition)) return;
    steps_.push_back({change, *checkpoint_, project_.definition});
    *checkpoint_ = project_.definition;
    project_.modified = true;
}

}  // namespace tessel
