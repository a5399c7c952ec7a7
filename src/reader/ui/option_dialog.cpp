#include "reader/ui/option_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "editors/ui/dialog_controls.h"
#include "editors/ui/widget_binding.h"
#include "reader/ui/reader_dialog_controls.h"

namespace tessel {
namespace {

std::string named(std::string_view stem, std::string_view suffix) { return std::string(stem) + std::string(suffix); }

void selectRadio(QButtonGroup* group, int index) {
    // An entry of -1 (stored bits that name none) shows no radio ticked.
    group->setExclusive(false);
    for (QAbstractButton* button : group->buttons()) checkQuietly(button, group->id(button) == index);
    group->setExclusive(true);
}

}  // namespace

OptionDialog::OptionDialog(const OptionDialogTable& table, const Strings& strings, Definition& definition,
                           QWidget* parent)
    : QDialog(parent), model_(table, strings, definition), rows_(table.controls.size()) {
    setObjectName(toQString(table.templateName));
    setWindowTitle(toQString(model_.caption()));
    setMinimumWidth(300);
    auto* grid = new QGridLayout;
    grid->setColumnStretch(1, 1);
    for (std::size_t index = 0; index < model_.size(); ++index) addRow(grid, index);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addWidget(newReaderOkCancel(this, strings));
    showRows();
}

void OptionDialog::addRow(QGridLayout* grid, std::size_t index) {
    const OptionControl& control = model_.control(index);
    Row& row = rows_[index];
    switch (control.kind) {
        case OptionKind::Check: addCheck(grid, index, row); break;
        case OptionKind::Choice:
            if (control.look == ChoiceLook::Radios) {
                addRadios(grid, index, row);
                break;
            }
            row.list = newList(this, std::string(control.name).c_str(), {}, -1);
            for (std::size_t entry = 0; entry < control.entries.size(); ++entry) {
                row.list->addItem(toQString(model_.entryText(index, entry)));
            }
            connect(row.list, &QComboBox::currentIndexChanged, this, [this, index](int entry) {
                if (entry < 0) return;
                model_.setChoice(index, entry);
                showRows();
            });
            addLabelled(grid, index, row.list, row);
            break;
        case OptionKind::Number:
            row.edit = newEdit(this, std::string(control.name).c_str(), "", 3);
            row.edit->setMaximumWidth(60);
            connect(row.edit, &QLineEdit::textEdited, this, [this, index](const QString& text) {
                showCorrected(rows_[index].edit, model_.setNumber(index, toUtf8(text)));
            });
            addLabelled(grid, index, row.edit, row);
            break;
        case OptionKind::Separator: addSeparator(grid, index, row); break;
    }
}

void OptionDialog::addCheck(QGridLayout* grid, std::size_t index, Row& row) {
    const OptionControl& control = model_.control(index);
    row.box = newCheckBox(this, std::string(control.name).c_str(), model_.text(index).c_str(), false);
    connect(row.box, &QCheckBox::toggled, this, [this, index](bool on) {
        model_.setChecked(index, on);
        showRows();
    });
    grid->addWidget(row.box, grid->rowCount(), 0, 1, 2);
}

void OptionDialog::addRadios(QGridLayout* grid, std::size_t index, Row& row) {
    const OptionControl& control = model_.control(index);
    auto* group = new QGroupBox(toQString(model_.text(index)), this);
    group->setObjectName(toQString(control.name));
    auto* column = new QVBoxLayout(group);
    row.radios = new QButtonGroup(group);
    for (std::size_t entry = 0; entry < control.entries.size(); ++entry) {
        auto* radio = new QRadioButton(toQString(model_.entryText(index, entry)), group);
        radio->setObjectName(toQString(named(control.name, std::to_string(entry))));
        row.radios->addButton(radio, static_cast<int>(entry));
        column->addWidget(radio);
    }
    connect(row.radios, &QButtonGroup::idClicked, this, [this, index](int entry) {
        model_.setChoice(index, entry);
        showRows();
    });
    grid->addWidget(group, grid->rowCount(), 0, 1, 2);
}

void OptionDialog::addLabelled(QGridLayout* grid, std::size_t index, QWidget* field, Row& row) {
    row.label = new QLabel(this);
    row.label->setObjectName(toQString(named(model_.control(index).name, "Label")));
    const int at = grid->rowCount();
    grid->addWidget(row.label, at, 0);
    grid->addWidget(field, at, 1, Qt::AlignLeft);
}

void OptionDialog::addSeparator(QGridLayout* grid, std::size_t index, Row& row) {
    const OptionControl& control = model_.control(index);
    auto* group = new QGroupBox(toQString(model_.text(index)), this);
    group->setObjectName(toQString(control.name));
    row.edit = newEdit(group, named(control.name, "Text").c_str(), model_.separatorText(index), 1);
    row.code = newEdit(group, named(control.name, "Code").c_str(), model_.separatorCode(index), 3);
    for (QLineEdit* edit : {row.edit, row.code}) edit->setMaximumWidth(60);
    connect(row.edit, &QLineEdit::textEdited, this, [this, index](const QString& text) {
        showCorrected(rows_[index].code, model_.setSeparatorText(index, toUtf8(text)));
    });
    connect(row.code, &QLineEdit::textEdited, this, [this, index](const QString& text) {
        showCorrected(rows_[index].edit, model_.setSeparatorCode(index, toUtf8(text)));
        showCorrected(rows_[index].code, model_.separatorCode(index));
    });
    auto* fields = new QGridLayout(group);
    fields->addWidget(new QLabel(toQString(model_.separatorLabel(index, toUtf8(tr("Text:")))), group), 0, 0);
    fields->addWidget(row.edit, 0, 1);
    fields->addWidget(new QLabel(tr("ASCII:"), group), 1, 0);
    fields->addWidget(row.code, 1, 1);
    fields->setColumnStretch(2, 1);
    grid->addWidget(group, grid->rowCount(), 0, 1, 2);
}

void OptionDialog::showRows() {
    for (std::size_t index = 0; index < rows_.size(); ++index) {
        const Row& row = rows_[index];
        const int value = model_.value(index);
        const bool enabled = model_.enabled(index);
        if (row.box) checkQuietly(row.box, value != 0);
        if (row.radios) selectRadio(row.radios, value);
        if (row.list) selectQuietly(row.list, value);
        if (row.label) {
            row.label->setText(toQString(model_.text(index)));
            row.label->setEnabled(enabled);
        }
        if (row.edit && model_.control(index).kind == OptionKind::Number) {
            row.edit->setMaxLength(model_.numberDigits(index));
            showCorrected(row.edit, model_.numberText(index));
            row.edit->setEnabled(enabled);
        }
        if (row.list) row.list->setEnabled(enabled);
    }
}

void OptionDialog::accept() {
    model_.accept();
    QDialog::accept();
}

}  // namespace tessel
