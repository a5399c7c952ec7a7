#include "editors/ui/printer_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "editors/ui/dialog_controls.h"
#include "editors/ui/widget_binding.h"

namespace tessel {

PrinterDialog::PrinterDialog(FormRecord& form, SystemSettings& settings, const Strings& strings, QWidget* parent)
    : QDialog(parent), model_(form, settings) {
    setObjectName("FORMBTPRINTDLG");
    setWindowTitle(tr("Printer settings"));
    // The data lists are labelled by language texts; built in, only the
    // "Line #" label of the field dialogs names the fields.
    const PrintDataTexts texts{"", toUtf8(tr("Line #")), ""};

    auto* method = newList(this, "printMethod", PrinterDialogModel::methodEntries(strings), model_.form().printMethod);
    connect(method, &QComboBox::currentIndexChanged, this, [this](int i) {
        model_.setMethod(i);
        showEnabling();
    });
    bluetoothMode_ =
        newList(this, "bluetoothMode", PrinterDialogModel::bluetoothModeEntries(strings), model_.bluetoothMode());
    connect(bluetoothMode_, &QComboBox::currentIndexChanged, this, [this](int i) { model_.setBluetoothMode(i); });

    auto* top = new QFormLayout;
    top->addRow(tr("Printing method:"), method);
    top->addRow(tr("Mode bluetooth:"), bluetoothMode_);
    auto* groups = new QHBoxLayout;
    groups->addWidget(buildQuantityGroup(texts));
    groups->addWidget(buildDataGroup(texts));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(groups);
    layout->addWidget(newOkCancel(this));
    showEnabling();
}

QWidget* PrinterDialog::buildQuantityGroup(const PrintDataTexts& texts) {
    auto* group = new QGroupBox(tr("Print quantity:"), this);
    quantityGroup_ = group;
    auto* fixed = new QRadioButton(tr("Fixed"), group);
    fixed->setObjectName("quantityFixed");
    auto* fromForm = new QRadioButton(tr("From the form"), group);
    fromForm->setObjectName("quantityFromForm");
    (model_.quantityFixed() ? fixed : fromForm)->setChecked(true);
    connect(fixed, &QRadioButton::toggled, this, [this](bool on) {
        model_.setQuantityFixed(on);
        showEnabling();
    });

    quantity_ = newEdit(group, "quantity", model_.quantity(), 3);
    connect(quantity_, &QLineEdit::textEdited, this,
            [this](const QString& text) { showCorrected(quantity_, model_.setQuantity(toUtf8(text))); });
    auto* stepper = new QWidget(group);
    quantityStepper_ = stepper;
    auto* steps = new QVBoxLayout(stepper);
    steps->setContentsMargins(0, 0, 0, 0);
    steps->setSpacing(0);
    for (const auto& [arrow, delta] : {std::pair{Qt::UpArrow, 1}, std::pair{Qt::DownArrow, -1}}) {
        auto* button = new QToolButton(stepper);
        button->setArrowType(arrow);
        button->setFixedSize(18, 12);
        connect(button, &QToolButton::clicked, this,
                [this, delta] { showCorrected(quantity_, model_.stepQuantity(delta)); });
        steps->addWidget(button);
    }
    quantityField_ = newList(group, "quantityField", PrinterDialogModel::quantityFieldEntries(texts),
                             model_.form().printQuantityField);
    connect(quantityField_, &QComboBox::currentIndexChanged, this, [this](int i) { model_.setQuantityField(i); });

    auto* grid = new QGridLayout(group);
    grid->addWidget(fixed, 0, 0);
    grid->addWidget(quantity_, 0, 1);
    grid->addWidget(stepper, 0, 2);
    grid->addWidget(fromForm, 1, 0);
    grid->addWidget(quantityField_, 1, 1, 1, 2);
    grid->setRowStretch(2, 1);
    return group;
}

QWidget* PrinterDialog::buildDataGroup(const PrintDataTexts& texts) {
    auto* group = new QGroupBox(tr("Data to print"), this);
    dataGroup_ = group;
    const auto entries = PrinterDialogModel::printDataEntries(texts);
    auto* rows = new QFormLayout(group);
    for (std::size_t variable = 0; variable < kPrintVariables; ++variable) {
        const auto number = std::to_string(variable + 1);
        auto* list = newList(group, ("printData" + number).c_str(), entries, model_.form().printData[variable]);
        connect(list, &QComboBox::currentIndexChanged, this,
                [this, variable](int i) { model_.setPrintData(variable, i); });
        rows->addRow(tr("%1 variable:").arg(variable + 1), list);
    }
    return group;
}

void PrinterDialog::showEnabling() {
    const bool printing = model_.printingEnabled();
    bluetoothMode_->setEnabled(printing);
    quantityGroup_->setEnabled(printing);
    dataGroup_->setEnabled(printing);
    quantity_->setEnabled(model_.quantityEditEnabled());
    quantityStepper_->setEnabled(model_.quantityEditEnabled());
    quantityField_->setEnabled(model_.quantityFieldEnabled());
}

void PrinterDialog::accept() {
    model_.accept();
    QDialog::accept();
}

void PrinterDialog::reject() {
    model_.cancel();
    QDialog::reject();
}

}  // namespace tessel
