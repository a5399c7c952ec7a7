#include "reader/ui/barcode_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/project.h"
#include "core/strings.h"
#include "editors/ui/dialog_controls.h"
#include "editors/ui/widget_binding.h"
#include "reader/ui/code_id_dialog.h"
#include "reader/ui/option_dialog.h"
#include "reader/ui/rfid_dialog.h"
#include "reader/ui/weight_code_dialog.h"

namespace tessel {
namespace {

constexpr int kBoxRows = 9;
constexpr int kFirstMoreButton = 201;
constexpr int kMoreText = 334;

QString text(const Strings& strings, int id) { return toQString(strings.utf8(id)); }

std::string numbered(const char* stem, std::size_t box, int base) {
    return stem + std::to_string(base + static_cast<int>(box));
}

}  // namespace

BarcodePage::BarcodePage(Project& project, const Strings& strings, MessageService& messages, QWidget* parent)
    : QWidget(parent), project_(project), strings_(strings), messages_(messages), model_(strings, project.family) {
    setObjectName("BARCODESETTINGDLG");
    auto* top = new QHBoxLayout;
    top->addWidget(buildReaderType(), 1);
    top->addWidget(buildReaderSettings(), 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buildSymbologies());
    layout->addWidget(buildButtons());
    layout->addStretch();
}

QWidget* BarcodePage::buildReaderType() {
    auto* group = new QGroupBox(text(strings_, 1801), this);
    reader_ = newList(group, "readerType", {}, -1);
    rfid_ = newCheckBox(group, "rfidReader", strings_.utf8(1804).c_str(), false);
    rfidMore_ = new QPushButton(text(strings_, kMoreText), group);
    rfidMore_->setObjectName("more228");
    connect(reader_, &QComboBox::currentIndexChanged, this, [this](int position) {
        if (position < 0) return;
        model_.chooseReader(project_.definition, position);
        showPage();
        wroteAtOnce(tr("Reader Type").toStdString());
    });
    connect(rfidMore_, &QPushButton::clicked, this,
            [this] { runDialog<RfidDialog>(tr("RFID Options"), project_.definition, strings_); });
    connect(rfid_, &QCheckBox::toggled, this, [this](bool on) {
        model_.setRfid(on);
        rfidMore_->setEnabled(model_.rfid());
    });

    auto* grid = new QGridLayout(group);
    grid->addWidget(new QLabel(text(strings_, 1810), group), 0, 0);
    grid->addWidget(reader_, 0, 1, 1, 2);
    grid->addWidget(rfid_, 1, 1);
    grid->addWidget(rfidMore_, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(2, 1);
    return group;
}

QWidget* BarcodePage::buildReaderSettings() {
    auto* group = new QGroupBox(text(strings_, 302), this);
    for (std::size_t row = 0; row < settingLabels_.size(); ++row) {
        settingLabels_[row] = new QLabel(group);
        settingLabels_[row]->setObjectName(toQString(numbered("settingLabel", row, 0)));
    }
    firstList_ = newList(group, "settingList1", {}, -1);
    secondList_ = newList(group, "settingList2", {}, -1);
    timeout_ = newEdit(group, "timeout", "", 3);
    aimLabel_ = new QLabel(text(strings_, 1825), group);
    aim_ = newEdit(group, "aimDuration", "", 3);
    aimUnit_ = new QLabel(text(strings_, 1824), group);
    timeout_->setMaximumWidth(48);
    aim_->setMaximumWidth(48);
    connect(firstList_, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (i >= 0) model_.setFirstChoice(i);
    });
    connect(secondList_, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (i >= 0) model_.setSecondChoice(i);
    });
    connect(timeout_, &QLineEdit::textEdited, this,
            [this](const QString& typed) { showCorrected(timeout_, model_.setTimeout(toUtf8(typed))); });
    connect(aim_, &QLineEdit::textEdited, this,
            [this](const QString& typed) { showCorrected(aim_, model_.setAimDuration(toUtf8(typed))); });

    auto* grid = new QGridLayout(group);
    grid->addWidget(settingLabels_[0], 0, 0);
    grid->addWidget(firstList_, 0, 1, 1, 2);
    grid->addWidget(settingLabels_[1], 1, 0);
    grid->addWidget(secondList_, 1, 1, 1, 2);
    grid->addWidget(settingLabels_[2], 2, 0);
    grid->addWidget(timeout_, 2, 1);
    grid->addWidget(settingLabels_[3], 2, 2);
    grid->addWidget(aimLabel_, 3, 0);
    grid->addWidget(aim_, 3, 1);
    grid->addWidget(aimUnit_, 3, 2);
    grid->setColumnStretch(2, 1);
    return group;
}

QWidget* BarcodePage::buildSymbologies() {
    auto* group = new QGroupBox(text(strings_, 307), this);
    auto* grid = new QGridLayout(group);
    for (std::size_t box = 0; box < kSymbologyBoxes; ++box) {
        boxes_[box] = newCheckBox(group, numbered("box", box, kFirstBoxId).c_str(), "", false);
        more_[box] = new QPushButton(text(strings_, kMoreText), group);
        more_[box]->setObjectName(toQString(numbered("more", box, kFirstMoreButton)));
        connect(more_[box], &QPushButton::clicked, this, [this, box] { openOptions(box); });
        connect(boxes_[box], &QCheckBox::toggled, this, [this, box](bool on) {
            model_.setBox(box, on);
            for (std::size_t other = 0; other < kSymbologyBoxes; ++other) showBox(other);
        });
        const int row = static_cast<int>(box) % kBoxRows;
        const int column = static_cast<int>(box) / kBoxRows * 2;
        grid->addWidget(boxes_[box], row, column);
        grid->addWidget(more_[box], row, column + 1);
    }
    for (int column = 0; column < 6; column += 2) grid->setColumnStretch(column, 1);
    return group;
}

QWidget* BarcodePage::buildButtons() {
    auto* row = new QWidget(this);
    codeId_ = new QPushButton(text(strings_, 335), row);
    codeId_->setObjectName("codeIdButton");
    weightCode_ = new QPushButton(text(strings_, 336), row);
    weightCode_->setObjectName("weightCodeButton");
    reset_ = new QPushButton(text(strings_, 1800), row);
    reset_->setObjectName("resetButton");
    connect(codeId_, &QPushButton::clicked, this,
            [this] { runDialog<CodeIdDialog>(tr("Code ID"), project_.definition, strings_, messages_); });
    connect(weightCode_, &QPushButton::clicked, this,
            [this] { runDialog<WeightCodeDialog>(tr("Weight Code"), project_.definition, strings_); });
    connect(reset_, &QPushButton::clicked, this, [this] {
        model_.resetToDefault(project_.definition);
        showPage();
        wroteAtOnce(tr("Reset to Default").toStdString());
    });
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(codeId_);
    layout->addWidget(weightCode_);
    layout->addStretch();
    layout->addWidget(reset_);
    return row;
}

void BarcodePage::load() {
    model_.load(project_.definition);
    showPage();
}

void BarcodePage::accept() { model_.apply(project_.definition); }

// What the page would write, against what it would write had nothing on it
// been touched: writing its bits also keeps bytes in step that it mirrors (the
// Code 128 copy bit, which a new project's bytes leave clear), and that is no
// change of the user's.
bool BarcodePage::hasChanges() const {
    Definition edited = project_.definition;
    model_.apply(edited);
    BarcodePageModel untouched = model_;
    untouched.load(project_.definition);
    Definition asLoaded = project_.definition;
    untouched.apply(asLoaded);
    return !sameBytes(edited, asLoaded);
}

void BarcodePage::showPage() {
    fillList(reader_, model_.readerList(), model_.readerPosition());
    checkQuietly(rfid_, model_.rfid());
    rfid_->setEnabled(model_.rfidAvailable());
    rfidMore_->setEnabled(model_.rfid());

    const bool settings = model_.settingsEnabled();
    for (std::size_t row = 0; row < settingLabels_.size(); ++row) {
        settingLabels_[row]->setText(toQString(model_.scanSettingLabel(static_cast<int>(row))));
        settingLabels_[row]->setEnabled(settings);
    }
    fillList(firstList_, model_.firstList(), model_.firstChoice());
    fillList(secondList_, model_.secondList(), model_.secondChoice());
    timeout_->setMaxLength(model_.timeoutDigits());
    showCorrected(timeout_, model_.timeoutText());
    for (QWidget* control :
         {static_cast<QWidget*>(firstList_), static_cast<QWidget*>(secondList_), static_cast<QWidget*>(timeout_)}) {
        control->setEnabled(settings);
    }
    showCorrected(aim_, model_.aimText());
    for (QWidget* control :
         {static_cast<QWidget*>(aimLabel_), static_cast<QWidget*>(aim_), static_cast<QWidget*>(aimUnit_)}) {
        control->setEnabled(model_.aimEnabled());
    }
    for (std::size_t box = 0; box < kSymbologyBoxes; ++box) {
        boxes_[box]->setText(toQString(model_.boxLabel(box)));
        checkQuietly(boxes_[box], model_.boxChecked(box));
        showBox(box);
    }
}

void BarcodePage::showBox(std::size_t box) {
    boxes_[box]->setVisible(model_.boxShown(box));
    boxes_[box]->setEnabled(model_.boxEnabled(box));
    more_[box]->setVisible(model_.moreShown(box));
    more_[box]->setEnabled(model_.moreEnabled(box));
}

template <typename Dialog, typename... Args>
void BarcodePage::runDialog(const QString& change, Args&&... args) {
    Dialog dialog(std::forward<Args>(args)..., this);
    dialog.exec();
    wroteAtOnce(change.toStdString());
}

void BarcodePage::openOptions(std::size_t box) {
    const int button = kFirstMoreButton + static_cast<int>(box);
    if (const OptionDialogTable* table = optionDialogFor(isTwoD(model_.mode()), button)) {
        runDialog<OptionDialog>(tr("Symbology Options"), *table, strings_, project_.definition);
    }
}

}  // namespace tessel
