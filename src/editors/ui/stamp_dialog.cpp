#include "editors/ui/stamp_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "editors/ui/dialog_controls.h"
#include "editors/ui/widget_binding.h"

namespace tessel {
StampDialog::StampDialog(FormRecord& form, const Strings& strings, QWidget* parent)
    : QDialog(parent), model_(form), dateGroup_(new QGroupBox(this)), timeGroup_(new QGroupBox(this)) {
    setObjectName("DATETIMESTAMPDLG");
    setWindowTitle(tr("Date & Time Stamp settings"));
    const FormRecord& record = model_.form();

    auto* position = newList(this, "stampPosition", StampDialogModel::positionEntries(strings), record.stampPosition);
    connect(position, &QComboBox::currentIndexChanged, this, [this](int i) { model_.setPosition(i); });

    auto* yearDigits = newList(this, "stampYearDigits", StampDialogModel::yearDigitEntries(), record.stampYearDigits);
    auto* dateStyle =
        newList(this, "stampDateStyle", shownEntries("tessel::StampDialogModel", StampDialogModel::dateStyleEntries()),
                record.stampDateStyle);
    auto* dateSeparator = newEdit(this, "dateSeparator", model_.dateSeparator(), 2);
    auto* timeSeparator = newEdit(this, "timeSeparator", model_.timeSeparator(), 2);
    dateSeparator->setMaximumWidth(40);
    timeSeparator->setMaximumWidth(40);
    connect(yearDigits, &QComboBox::currentIndexChanged, this, [this](int i) {
        model_.setYearDigits(i);
        showCaptions();
    });
    connect(dateStyle, &QComboBox::currentIndexChanged, this, [this](int i) {
        model_.setDateStyle(i);
        showCaptions();
    });
    connect(dateSeparator, &QLineEdit::textEdited, this, [this, dateSeparator](const QString& text) {
        showCorrected(dateSeparator, model_.setDateSeparator(toUtf8(text)));
        showCaptions();
    });
    connect(timeSeparator, &QLineEdit::textEdited, this, [this, timeSeparator](const QString& text) {
        showCorrected(timeSeparator, model_.setTimeSeparator(toUtf8(text)));
        showCaptions();
    });

    dateGroup_->setObjectName("dateGroup");
    auto* date = new QGridLayout(dateGroup_);
    date->addWidget(flagBox("stampYear", tr("Year"), &FormRecord::stampYear), 0, 0);
    date->addWidget(yearDigits, 0, 1);
    date->addWidget(flagBox("stampMonth", tr("Month"), &FormRecord::stampMonth), 1, 0);
    date->addWidget(flagBox("stampDay", tr("Day"), &FormRecord::stampDay), 2, 0);
    date->addWidget(flagBox("stampDateSeparatorOn", tr("Separator"), &FormRecord::stampDateSeparatorOn), 3, 0);
    date->addWidget(dateSeparator, 3, 1);
    date->addWidget(new QLabel(tr("Date Style :"), dateGroup_), 4, 0);
    date->addWidget(dateStyle, 4, 1);

    timeGroup_->setObjectName("timeGroup");
    auto* time = new QGridLayout(timeGroup_);
    time->addWidget(flagBox("stampHour", tr("Hour"), &FormRecord::stampHour), 0, 0);
    time->addWidget(flagBox("stampMinute", tr("Minute"), &FormRecord::stampMinute), 1, 0);
    time->addWidget(flagBox("stampSecond", tr("Second"), &FormRecord::stampSecond), 2, 0);
    time->addWidget(flagBox("stampTimeSeparatorOn", tr("Separator"), &FormRecord::stampTimeSeparatorOn), 3, 0);
    time->addWidget(timeSeparator, 3, 1);
    time->setRowStretch(4, 1);

    auto* top = new QFormLayout;
    top->addRow(tr("Date && Time Stamp :"), position);
    auto* groups = new QHBoxLayout;
    groups->addWidget(dateGroup_);
    groups->addWidget(timeGroup_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(
        flagBox("stampSplit", tr("Separate DATE stamp and TIME stamp to two fields."), &FormRecord::stampSplit));
    layout->addLayout(groups);
    layout->addWidget(newOkCancel(this));
    showCaptions();
}

void StampDialog::reject() {
    model_.cancel();
    QDialog::reject();
}

QCheckBox* StampDialog::flagBox(const char* objectName, const QString& label, StampFlag flag) {
    auto* box = newCheckBox(this, objectName, label, model_.form().*flag != 0);
    connect(box, &QCheckBox::toggled, this, [this, flag](bool on) {
        model_.setFlag(flag, on);
        showCaptions();
    });
    return box;
}

void StampDialog::showCaptions() {
    dateGroup_->setTitle(tr("Date Format : %1").arg(toQString(model_.dateFormat())));
    timeGroup_->setTitle(tr("Time Format : %1").arg(toQString(model_.timeFormat())));
}

}  // namespace tessel
