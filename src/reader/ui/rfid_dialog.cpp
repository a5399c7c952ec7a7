#include "reader/ui/rfid_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "editors/ui/dialog_controls.h"
#include "editors/ui/widget_binding.h"
#include "reader/dialog_text.h"
#include "reader/language_slots.h"
#include "reader/ui/reader_dialog_controls.h"

namespace tessel {
namespace {

constexpr int kFirstSlot = kRfidSlots.first;

}  // namespace

RfidDialog::RfidDialog(Definition& definition, const Strings& strings, QWidget* parent)
    : QDialog(parent), model_(definition) {
    const auto text = [&](int offset, std::string_view builtin) {
        return dialogText(strings, kFirstSlot + offset, builtin);
    };
    setObjectName("RFID_PARAM_DLG");
    setWindowTitle(toQString(text(0, "RFID Parameters")));
    readUid_ = newCheckBox(this, "readUid", text(1, "Read UID").c_str(), model_.readUid());
    readData_ = newCheckBox(this, "readData", text(2, "Read Data").c_str(), model_.readData());
    useDelimiter_ = newCheckBox(this, "useDelimiter", text(3, "Use Delimiter").c_str(), model_.useDelimiter());
    startLabel_ = new QLabel(toQString(text(4, "Start Position :")), this);
    start_ = newEdit(this, "startPosition", model_.startPositionText(), 3);
    lengthLabel_ = new QLabel(toQString(text(5, "Maximum Length :")), this);
    length_ = newEdit(this, "maxLength", model_.maxLengthText(), 3);
    delimiterLabel_ = new QLabel(toQString(text(6, "Delimiter :")), this);
    delimiter_ = newEdit(this, "delimiter", model_.delimiterText(), 1);
    for (QLineEdit* edit : {start_, length_, delimiter_}) edit->setMaximumWidth(60);

    connect(readUid_, &QCheckBox::toggled, this, [this](bool on) {
        model_.setReadUid(on);
        showEnabling();
    });
    connect(readData_, &QCheckBox::toggled, this, [this](bool on) {
        model_.setReadData(on);
        showEnabling();
    });
    connect(useDelimiter_, &QCheckBox::toggled, this, [this](bool on) {
        model_.setUseDelimiter(on);
        showEnabling();
    });
    connect(start_, &QLineEdit::textEdited, this,
            [this](const QString& typed) { showCorrected(start_, model_.setStartPosition(toUtf8(typed))); });
    connect(length_, &QLineEdit::textEdited, this,
            [this](const QString& typed) { showCorrected(length_, model_.setMaxLength(toUtf8(typed))); });
    connect(delimiter_, &QLineEdit::textEdited, this,
            [this](const QString& typed) { model_.setDelimiter(toUtf8(typed)); });

    auto* grid = new QGridLayout;
    grid->addWidget(readUid_, 0, 0, 1, 2);
    grid->addWidget(readData_, 1, 0, 1, 2);
    grid->addWidget(startLabel_, 2, 0);
    grid->addWidget(start_, 2, 1);
    grid->addWidget(lengthLabel_, 3, 0);
    grid->addWidget(length_, 3, 1);
    grid->addWidget(useDelimiter_, 4, 0, 1, 2);
    grid->addWidget(delimiterLabel_, 5, 0);
    grid->addWidget(delimiter_, 5, 1);
    grid->setColumnStretch(2, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(newReaderOkCancel(this, strings));
    showEnabling();
}

void RfidDialog::showEnabling() {
    for (QWidget* widget : {static_cast<QWidget*>(startLabel_), static_cast<QWidget*>(start_),
                            static_cast<QWidget*>(lengthLabel_), static_cast<QWidget*>(length_)}) {
        widget->setEnabled(model_.positionsEnabled());
    }
    useDelimiter_->setEnabled(model_.useDelimiterEnabled());
    delimiterLabel_->setEnabled(model_.delimiterEnabled());
    delimiter_->setEnabled(model_.delimiterEnabled());
}

void RfidDialog::accept() {
    model_.accept();
    QDialog::accept();
}

}  // namespace tessel
