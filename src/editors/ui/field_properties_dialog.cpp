#include "editors/ui/field_properties_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "editors/initial_value_filter.h"
#include "editors/ui/dialog_controls.h"
#include "editors/ui/grid_target_box.h"
#include "editors/ui/widget_binding.h"

namespace tessel {

FieldPropertiesDialog::FieldPropertiesDialog(FormRecord& form, std::size_t formIndex, std::size_t field,
                                             const Strings& strings, MessageService& messages, QWidget* parent)
    : QDialog(parent), model_(form, field) {
    setObjectName("ADVANCEDLG");
    setWindowTitle(tr("Properties"));

    auto* where = new QHBoxLayout;
    where->addWidget(new QLabel(tr("Form # %1").arg(formIndex + 1), this));
    where->addWidget(new QLabel(tr("Line # %1").arg(field + 1), this));
    where->addStretch();
    auto* groups = new QHBoxLayout;
    groups->addWidget(buildDataGroup(strings, messages));
    groups->addWidget(buildBarcodeGroup(strings));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(where);
    layout->addLayout(groups);
    layout->addWidget(newOkCancel(this));
    showEnabling();
}

QWidget* FieldPropertiesDialog::buildDataGroup(const Strings& strings, MessageService& messages) {
    const FormRecord& form = model_.form();
    const std::size_t f = model_.field();
    auto* group = new QGroupBox(tr("Field data"), this);

    fixedLengthOn_ =
        optionBox("fixedLengthOn", tr("Fixed data length"), form.fixedLengthOn[f], &FieldOptionsEdit::setFixedLengthOn);
    fixedLength_ = newEdit(group, "fixedLength", std::to_string(form.fixedLength[f]), 3);
    connect(fixedLength_, &QLineEdit::textEdited, this,
            [this](const QString& text) { showCorrected(fixedLength_, model_.setFixedLength(toUtf8(text))); });
    alignment_ = newList(group, "alignment", FieldOptionsEdit::alignmentEntries(strings), form.alignment[f]);
    alignment_->setAccessibleName(tr("Alignment"));
    connect(alignment_, &QComboBox::currentIndexChanged, this, [this](int i) { model_.setAlignment(i); });

    initialValueOn_ = optionBox("initialValueOn", tr("Initial value or text"), form.initialValueOn[f],
                                &FieldPropertiesModel::setInitialValueOn);
    initialValue_ =
        newEdit(group, "initialValue", model_.initialValue(), static_cast<int>(initialValueLimit(model_.type())));
    connect(initialValue_, &QLineEdit::textEdited, this,
            [this](const QString& text) { showCorrected(initialValue_, model_.setInitialValue(toUtf8(text))); });

    prefixOn_ = optionBox("prefixOn", tr("Add prefix code"), form.prefixOn[f], &FieldOptionsEdit::setPrefixOn);
    prefix_ = new GridTargetBox(model_.prefix(), kAffixCapacity, strings, messages, group);
    prefix_->setObjectName("prefix");
    suffixOn_ = optionBox("suffixOn", tr("Add suffix code"), form.suffixOn[f], &FieldOptionsEdit::setSuffixOn);
    suffix_ = new GridTargetBox(model_.suffix(), kAffixCapacity, strings, messages, group);
    suffix_->setObjectName("suffix");

    showInputMark_ = optionBox("showInputMark", tr("Show input mark"), model_.showInputMark(),
                               &FieldPropertiesModel::setShowInputMark);
    inputMark_ = newEdit(group, "inputMark", model_.inputMark(), 1);
    connect(inputMark_, &QLineEdit::textEdited, this,
            [this](const QString& text) { showCorrected(inputMark_, model_.setInputMark(toUtf8(text))); });

    decimalPlaces_ =
        newList(group, "decimalPlaces", FieldPropertiesModel::decimalPlaceEntries(strings), form.decimalPlaces[f]);
    connect(decimalPlaces_, &QComboBox::currentIndexChanged, this, [this](int i) { model_.setDecimalPlaces(i); });

    auto* grid = new QGridLayout(group);
    grid->addWidget(fixedLengthOn_, 0, 0);
    grid->addWidget(fixedLength_, 0, 1);
    grid->addWidget(alignment_, 1, 0, 1, 2);
    grid->addWidget(initialValueOn_, 2, 0);
    grid->addWidget(initialValue_, 2, 1);
    grid->addWidget(prefixOn_, 3, 0);
    grid->addWidget(prefix_, 3, 1);
    grid->addWidget(suffixOn_, 4, 0);
    grid->addWidget(suffix_, 4, 1);
    grid->addWidget(showInputMark_, 5, 0);
    grid->addWidget(inputMark_, 5, 1);
    grid->addWidget(new QLabel(tr("Decimal places :"), group), 6, 0);
    grid->addWidget(decimalPlaces_, 6, 1);
    grid->setColumnStretch(1, 1);
    return group;
}

QWidget* FieldPropertiesDialog::buildBarcodeGroup(const Strings& strings) {
    const FormRecord& form = model_.form();
    const std::size_t f = model_.field();
    auto* group = new QGroupBox(tr("Barcode"), this);

    partialOn_ =
        optionBox("partialOn", tr("Read partial barcode"), form.partialOn[f], &FieldPropertiesModel::setPartialOn);
    partialStart_ = newEdit(group, "partialStart", model_.partialStart(), FieldPropertiesModel::kPartialDigits);
    connect(partialStart_, &QLineEdit::textEdited, this,
            [this](const QString& text) { showCorrected(partialStart_, model_.setPartialStart(toUtf8(text))); });
    partialLength_ =
        newEdit(group, "partialLength", std::to_string(form.partialLength[f]), FieldPropertiesModel::kPartialDigits);
    connect(partialLength_, &QLineEdit::textEdited, this,
            [this](const QString& text) { showCorrected(partialLength_, model_.setPartialLength(toUtf8(text))); });
    saveFullBarcode_ =
        newCheckBox(group, "saveFullBarcode", tr("Save full barcode in Data File"), model_.saveFullBarcode());
    connect(saveFullBarcode_, &QCheckBox::toggled, this, [this](bool on) { model_.setSaveFullBarcode(on); });

    leadingCodeOn_ = optionBox("leadingCodeOn", tr("Check leading code"), form.leadingCodeOn[f],
                               &FieldPropertiesModel::setLeadingCodeOn);
    leadingCode_ = newEdit(group, "leadingCode", model_.leadingCode(), 6);
    connect(leadingCode_, &QLineEdit::textEdited, this,
            [this](const QString& text) { showCorrected(leadingCode_, model_.setLeadingCode(toUtf8(text))); });

    checkDigitOn_ = optionBox("checkDigitOn", tr("Check digit verification"), form.checkDigit[f] != 0,
                              &FieldPropertiesModel::setCheckDigitOn);
    connect(checkDigitOn_, &QCheckBox::toggled, this,
            [this](bool on) { selectQuietly(checkDigitMethod_, on ? 0 : -1); });
    checkDigitMethod_ =
        newList(group, "checkDigitMethod", FieldPropertiesModel::checkDigitEntries(strings), form.checkDigit[f] - 1);
    checkDigitMethod_->setAccessibleName(tr("Check digit method"));
    connect(checkDigitMethod_, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (i >= 0) model_.setCheckDigitMethod(i);
    });

    auto* autoEnter = newList(group, "autoEnter", FieldPropertiesModel::autoEnterEntries(strings), form.autoEnter[f]);
    connect(autoEnter, &QComboBox::currentIndexChanged, this, [this](int i) { model_.setAutoEnter(i); });

    auto* grid = new QGridLayout(group);
    grid->addWidget(partialOn_, 0, 0, 1, 2);
    grid->addWidget(new QLabel(tr("Start position :"), group), 1, 0);
    grid->addWidget(partialStart_, 1, 1);
    grid->addWidget(new QLabel(tr("Maximum length :"), group), 2, 0);
    grid->addWidget(partialLength_, 2, 1);
    grid->addWidget(saveFullBarcode_, 3, 0, 1, 2);
    grid->addWidget(leadingCodeOn_, 4, 0);
    grid->addWidget(leadingCode_, 4, 1);
    grid->addWidget(checkDigitOn_, 5, 0, 1, 2);
    grid->addWidget(checkDigitMethod_, 6, 0, 1, 2);
    grid->addWidget(new QLabel(tr("Auto ENTER :"), group), 7, 0);
    grid->addWidget(autoEnter, 7, 1);
    return group;
}

QCheckBox* FieldPropertiesDialog::optionBox(const char* objectName, const QString& label, bool checked,
                                            void (FieldPropertiesModel::*set)(bool)) {
    auto* box = newCheckBox(this, objectName, label, checked);
    connect(box, &QCheckBox::toggled, this, [this, set](bool on) {
        (model_.*set)(on);
        showEnabling();
    });
    return box;
}

void FieldPropertiesDialog::showEnabling() {
    const FormRecord& form = model_.form();
    const std::size_t f = model_.field();
    fixedLength_->setEnabled(form.fixedLengthOn[f]);
    alignment_->setEnabled(form.fixedLengthOn[f]);
    initialValueOn_->setEnabled(model_.initialValueBoxEnabled());
    initialValue_->setEnabled(model_.initialValueBoxEnabled() && form.initialValueOn[f]);
    prefix_->setEnabled(form.prefixOn[f]);
    suffix_->setEnabled(form.suffixOn[f]);
    showInputMark_->setEnabled(model_.showInputMarkBoxEnabled());
    inputMark_->setEnabled(model_.showInputMarkBoxEnabled() && model_.showInputMark());
    decimalPlaces_->setEnabled(model_.decimalPlacesEnabled());
    for (QWidget* partial : {static_cast<QWidget*>(partialStart_), static_cast<QWidget*>(partialLength_),
                             static_cast<QWidget*>(saveFullBarcode_)}) {
        partial->setEnabled(form.partialOn[f]);
    }
    leadingCode_->setEnabled(form.leadingCodeOn[f]);
    checkDigitMethod_->setEnabled(form.checkDigit[f] != 0);
}

void FieldPropertiesDialog::accept() {
    model_.accept();
    QDialog::accept();
}

void FieldPropertiesDialog::reject() {
    model_.cancel();
    QDialog::reject();
}

}  // namespace tessel
