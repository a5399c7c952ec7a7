#include "simulator/ui/startup_page.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "editors/ui/dialog_controls.h"
#include "editors/ui/edit_notice.h"
#include "editors/ui/widget_binding.h"

namespace tessel {
namespace {

constexpr int kCodeDigits = 3;
constexpr int kLineEditChars = static_cast<int>(kLineChars);

std::string numbered(const char* stem, std::size_t index) { return stem + std::to_string(index + 1); }

// Terminal lines are shown in a fixed font, as the terminal's screen shows them.
template <typename Widget>
Widget* terminalFont(Widget* widget) {
    widget->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    return widget;
}

}  // namespace

StartupPage::StartupPage(Project& project, const Strings& strings, MessageService& messages, FileDialogs& dialogs,
                         std::shared_ptr<WorkingTexts> texts, QWidget* parent)
    : QWidget(parent), texts_(std::move(texts)), dialogs_(dialogs), model_(project, strings, messages, *texts_) {
    setObjectName("STARTUPDLG");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildStartAndDelimiters());
    layout->addWidget(buildTexts());
    layout->addStretch();
    noticeEdits(this, [this] { workingCopyChanged(); });
}

PreviewSubject StartupPage::previewSubject() const { return {PreviewSubject::Kind::TextGroup, model_.shownGroup()}; }

void StartupPage::showPlace(int index, int element) {
    if (index >= 0 && static_cast<std::size_t>(index) < kStartupGroups) group_->setCurrentIndex(index);
    if (element >= 0 && static_cast<std::size_t>(element) < kGroupLines)
        lines_[static_cast<std::size_t>(element)].edit->setFocus();
}

void StartupPage::load() {
    model_.load();
    showSettings();
    showGroup();
}

QWidget* StartupPage::buildDelimiters(QWidget* parent) {
    auto* group = new QGroupBox(tr("Data Field Delimiter"), parent);
    delimiterCount_ = newList(group, "delimiterCount", model_.delimiterCountEntries(), 0);
    connect(delimiterCount_, &QComboBox::currentIndexChanged, this, [this](int i) {
        model_.setDelimiterCount(i);
        showSettings();
    });
    auto* grid = new QGridLayout(group);
    grid->addWidget(new QLabel(tr("Number of Delimiter :"), group), 0, 0);
    grid->addWidget(delimiterCount_, 0, 1, 1, 2);
    grid->addWidget(new QLabel(tr("ASCII :"), group), 1, 0);
    grid->addWidget(new QLabel(tr("Text :"), group), 2, 0);
    for (std::size_t which = 0; which < delimiters_.size(); ++which) {
        Delimiter& d = delimiters_[which];
        d.code = newEdit(group, numbered("delimiterCode", which).c_str(), "", kCodeDigits);
        d.character = terminalFont(newEdit(group, numbered("delimiterText", which).c_str(), "", 1));
        d.code->setAccessibleName(tr("Delimiter %1, ASCII").arg(which + 1));
        d.character->setAccessibleName(tr("Delimiter %1, text").arg(which + 1));
        d.code->setMaximumWidth(60);
        d.character->setMaximumWidth(60);
        connect(d.code, &QLineEdit::textEdited, this, [this, which](const QString& text) {
            showDelimiter(which, model_.setDelimiterCode(which, toUtf8(text)));
        });
        connect(d.character, &QLineEdit::textEdited, this, [this, which](const QString& text) {
            showDelimiter(which, model_.setDelimiterCharacter(which, toUtf8(text)));
        });
        const int column = static_cast<int>(which) + 1;
        grid->addWidget(d.code, 1, column);
        grid->addWidget(d.character, 2, column);
    }
    return group;
}

QWidget* StartupPage::buildStartAndDelimiters() {
    auto* box = new QWidget(this);
    programStart_ = newList(box, "programStart", model_.programStartEntries(), 0);
    connect(programStart_, &QComboBox::currentIndexChanged, this, [this](int i) { model_.setProgramStart(i); });

    auto* import = new QPushButton(tr("Import Prompts and Messages ..."), box);
    import->setObjectName("importPrompts");
    connect(import, &QPushButton::clicked, this, [this] {
        if (!model_.importPrompts(dialogs_)) return;
        fillList(group_, model_.groupEntries(), 0);
        showGroup();
    });
    auto* reset = new QPushButton(tr("Reset"), box);
    reset->setObjectName("resetStartup");
    connect(reset, &QPushButton::clicked, this, [this] {
        model_.reset();
        showSettings();
        showGroup();
    });

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(import);
    buttons->addWidget(reset);
    buttons->addStretch();
    auto* start = new QHBoxLayout;
    start->addWidget(new QLabel(tr("Program start from :"), box));
    start->addWidget(programStart_);
    start->addStretch();
    auto* left = new QVBoxLayout;
    left->addLayout(start);
    left->addWidget(buildDelimiters(box));
    auto* layout = new QHBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(left);
    layout->addStretch();
    layout->addLayout(buttons);
    return box;
}

QWidget* StartupPage::buildTexts() {
    auto* box = new QGroupBox(this);
    group_ = newList(box, "promptGroup", model_.groupEntries(), 0);
    connect(group_, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (i < 0) return;
        model_.showGroup(static_cast<std::size_t>(i));
        showGroup();
    });
    auto* grid = new QGridLayout(box);
    grid->addWidget(new QLabel(tr("Redefine Prompts and Messages :"), box), 0, 0);
    grid->addWidget(group_, 0, 1);
    for (std::size_t line = 0; line < kGroupLines; ++line) {
        LineRow& row = lines_[line];
        row.label = terminalFont(new QLabel(box));
        row.label->setObjectName(toQString(numbered("defaultLine", line)));
        row.label->setTextFormat(Qt::PlainText);
        row.edit = terminalFont(newEdit(box, numbered("promptLine", line).c_str(), "", kLineEditChars));
        row.edit->setAccessibleName(tr("Line %1").arg(line + 1));
        row.edit->setFixedWidth(row.edit->fontMetrics().horizontalAdvance(QString(kLineEditChars + 2, 'M')));
        connect(row.edit, &QLineEdit::textEdited, this, [this, line](const QString& text) {
            showCorrected(lines_[line].edit, model_.setLine(line, toUtf8(text)));
        });
        const int gridRow = static_cast<int>(line) + 1;
        grid->addWidget(row.label, gridRow, 0);
        grid->addWidget(row.edit, gridRow, 1);
    }
    grid->setColumnStretch(2, 1);
    return box;
}

void StartupPage::showSettings() {
    selectQuietly(programStart_, model_.programStart());
    selectQuietly(delimiterCount_, model_.delimiterCount());
    for (std::size_t which = 0; which < delimiters_.size(); ++which) {
        showDelimiter(which, model_.delimiterBoxes(which));
        delimiters_[which].code->setEnabled(model_.delimiterEnabled(which));
        delimiters_[which].character->setEnabled(model_.delimiterEnabled(which));
    }
}

void StartupPage::showDelimiter(std::size_t which, const DelimiterBoxes& boxes) {
    showCorrected(delimiters_[which].code, boxes.code);
    showCorrected(delimiters_[which].character, boxes.character);
}

void StartupPage::showGroup() {
    selectQuietly(group_, static_cast<int>(model_.shownGroup()));
    const auto shown = model_.shownLines();
    for (std::size_t line = 0; line < kGroupLines; ++line) {
        lines_[line].label->setText(toQString(shown[line].label));
        showCorrected(lines_[line].edit, shown[line].text);
        lines_[line].label->setEnabled(shown[line].enabled);
        lines_[line].edit->setEnabled(shown[line].enabled);
    }
}

}  // namespace tessel
