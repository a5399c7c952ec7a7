#include "editors/ui/branch_options_dialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>

#include "editors/ui/dialog_controls.h"

namespace tessel {

SummationDialog::SummationDialog(FormRecord& form, std::size_t key, const Strings& strings, QWidget* parent)
    : QDialog(parent), model_(form, key) {
    setObjectName("FORMSUMMATION");
    setWindowTitle(tr("Properties summation"));
    const auto fields = branchFieldEntries(strings);
    auto* source = newList(this, "sumSource", SummationModel::sourceEntries(strings), model_.source);
    auto* sumField = newList(this, "sumField", fields, model_.sumField);
    auto* multiply = newCheckBox(this, "sumMultiply", tr("And multiply by field:"), model_.multiply);
    multiplierField_ = newList(this, "sumMultiplierField", fields, model_.multiplierField);
    multiplierField_->setEnabled(model_.multiply);
    connect(source, &QComboBox::currentIndexChanged, this, [this](int i) { model_.source = i; });
    connect(sumField, &QComboBox::currentIndexChanged, this, [this](int i) { model_.sumField = i; });
    connect(multiplierField_, &QComboBox::currentIndexChanged, this, [this](int i) { model_.multiplierField = i; });
    connect(multiply, &QCheckBox::toggled, this, [this](bool on) {
        model_.multiply = on;
        multiplierField_->setEnabled(on);
    });

    auto* layout = new QFormLayout(this);
    layout->addRow(tr("Source:"), source);
    layout->addRow(tr("Summation by field:"), sumField);
    layout->addRow(multiply, multiplierField_);
    layout->addRow(newOkCancel(this));
}

void SummationDialog::accept() {
    model_.accept();
    QDialog::accept();
}

RemainsDialog::RemainsDialog(FormRecord& form, std::size_t key, const Strings& strings, QWidget* parent)
    : QDialog(parent), model_(form, key) {
    setObjectName("FORMREMAINS");
    setWindowTitle(tr("Properties filter remains"));
    auto* enable = newCheckBox(this, "remainsEnable", tr("Enable"), model_.filterOn);
    variable_ = newList(this, "remainsVariable", RemainsModel::variableEntries(strings), model_.variable);
    lookupField_ = newList(this, "remainsField", branchFieldEntries(strings), model_.lookupField);
    filterIsSuffix_ = newCheckBox(this, "remainsSuffix", tr("Filter is suffix:"), model_.filterIsSuffix);
    connect(enable, &QCheckBox::toggled, this, [this](bool on) {
        model_.filterOn = on;
        showEnabling();
    });
    connect(variable_, &QComboBox::currentIndexChanged, this, [this](int i) { model_.variable = i; });
    connect(lookupField_, &QComboBox::currentIndexChanged, this, [this](int i) { model_.lookupField = i; });
    connect(filterIsSuffix_, &QCheckBox::toggled, this, [this](bool on) { model_.filterIsSuffix = on; });

    auto* layout = new QFormLayout(this);
    layout->addRow(enable);
    layout->addRow(tr("Filter for:"), variable_);
    layout->addRow(tr("Field DB:"), lookupField_);
    layout->addRow(filterIsSuffix_);
    layout->addRow(newOkCancel(this));
    showEnabling();
}

void RemainsDialog::showEnabling() {
    for (QWidget* control : {static_cast<QWidget*>(variable_), static_cast<QWidget*>(lookupField_),
                             static_cast<QWidget*>(filterIsSuffix_)}) {
        control->setEnabled(model_.filterOn);
    }
}

void RemainsDialog::accept() {
    model_.accept();
    QDialog::accept();
}

}  // namespace tessel
