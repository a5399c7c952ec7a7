#include "editors/ui/lookup_field_properties_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "editors/ui/dialog_controls.h"
#include "editors/ui/grid_target_box.h"
#include "editors/ui/widget_binding.h"

namespace tessel {

LookupFieldPropertiesDialog::LookupFieldPropertiesDialog(FormRecord& form, std::size_t formIndex, std::size_t field,
                                                         const Strings& strings, MessageService& messages,
                                                         QWidget* parent)
    : QDialog(parent), model_(form, field) {
    setObjectName("LOOKUPADVANCEDLG");
    setWindowTitle(tr("Properties"));
    const FormRecord& record = model_.form();

    auto* saveData = optionBox("saveFieldData", tr("Save field data"), model_.saveFieldData(),
                               &LookupFieldPropertiesModel::setSaveFieldData);
    fixedLengthOn_ = optionBox("fixedLengthOn", tr("Fixed data length"), record.fixedLengthOn[field],
                               &FieldOptionsEdit::setFixedLengthOn);
    fixedLength_ = newEdit(this, "fixedLength", std::to_string(record.fixedLength[field]), 3);
    connect(fixedLength_, &QLineEdit::textEdited, this,
            [this](const QString& text) { showCorrected(fixedLength_, model_.setFixedLength(toUtf8(text))); });
    alignment_ = newList(this, "alignment", FieldOptionsEdit::alignmentEntries(strings), record.alignment[field]);
    alignment_->setAccessibleName(tr("Alignment"));
    connect(alignment_, &QComboBox::currentIndexChanged, this, [this](int i) { model_.setAlignment(i); });
    prefixOn_ = optionBox("prefixOn", tr("Add prefix code"), record.prefixOn[field], &FieldOptionsEdit::setPrefixOn);
    prefix_ = new GridTargetBox(model_.prefix(), kAffixCapacity, strings, messages, this);
    prefix_->setObjectName("prefix");
    suffixOn_ = optionBox("suffixOn", tr("Add suffix code"), record.suffixOn[field], &FieldOptionsEdit::setSuffixOn);
    suffix_ = new GridTargetBox(model_.suffix(), kAffixCapacity, strings, messages, this);
    suffix_->setObjectName("suffix");

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(tr("Form # %1").arg(formIndex + 1), this), 0, 0);
    grid->addWidget(new QLabel(tr("Line # %1").arg(field + 1), this), 0, 1);
    grid->addWidget(saveData, 1, 0, 1, 2);
    grid->addWidget(fixedLengthOn_, 2, 0);
    grid->addWidget(fixedLength_, 2, 1);
    grid->addWidget(alignment_, 3, 0, 1, 2);
    grid->addWidget(prefixOn_, 4, 0);
    grid->addWidget(prefix_, 4, 1);
    grid->addWidget(suffixOn_, 5, 0);
    grid->addWidget(suffix_, 5, 1);
    grid->addWidget(newOkCancel(this), 6, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    showEnabling();
}

QCheckBox* LookupFieldPropertiesDialog::optionBox(const char* objectName, const QString& label, bool checked,
                                                  void (LookupFieldPropertiesModel::*set)(bool)) {
    auto* box = newCheckBox(this, objectName, label, checked);
    connect(box, &QCheckBox::toggled, this, [this, set](bool on) {
        (model_.*set)(on);
        showEnabling();
    });
    return box;
}

void LookupFieldPropertiesDialog::showEnabling() {
    for (QWidget* box : {fixedLengthOn_, prefixOn_, suffixOn_}) box->setEnabled(model_.optionBoxesEnabled());
    fixedLength_->setEnabled(model_.fixedLengthControlsEnabled());
    alignment_->setEnabled(model_.fixedLengthControlsEnabled());
    prefix_->setEnabled(model_.prefixBoxEnabled());
    suffix_->setEnabled(model_.suffixBoxEnabled());
}

void LookupFieldPropertiesDialog::accept() {
    model_.accept();
    QDialog::accept();
}

void LookupFieldPropertiesDialog::reject() {
    model_.cancel();
    QDialog::reject();
}

}  // namespace tessel
