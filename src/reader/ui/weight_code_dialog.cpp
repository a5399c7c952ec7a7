#include "reader/ui/weight_code_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QEvent>
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

constexpr int kFirstSlot = kWeightCodeSlots.first;

}  // namespace

WeightCodeDialog::WeightCodeDialog(Definition& definition, const Strings& strings, QWidget* parent)
    : QDialog(parent), model_(definition) {
    const auto text = [&](int offset, std::string_view builtin) {
        return dialogText(strings, kFirstSlot + offset, builtin);
    };
    setObjectName("WEIGHTCODE");
    setWindowTitle(toQString(text(0, "Weight Code")));
    enable_ = newCheckBox(this, "enable", text(1, "Enable").c_str(), model_.enabled());
    format1c_ = newCheckBox(this, "format1c", text(2, "1C format").c_str(), model_.format1c());
    prefix_ = newEdit(this, "prefixCode", model_.prefixText(), 2);
    prefix_->setMaximumWidth(60);
    prefix_->installEventFilter(this);
    mask_ = newList(this, "maskCode", WeightCodeDialogModel::maskEntries(), model_.maskChoice());
    key_ = newList(this, "keyField", WeightCodeDialogModel::fieldEntries(strings), model_.keyChoice());
    quantity_ = newList(this, "quantityField", WeightCodeDialogModel::fieldEntries(strings), model_.quantityChoice());

    connect(enable_, &QCheckBox::toggled, this, [this](bool on) {
        model_.setEnabled(on);
        showEnabling();
    });
    connect(format1c_, &QCheckBox::toggled, this, [this](bool on) { model_.setFormat1c(on); });
    connect(prefix_, &QLineEdit::textEdited, this, [this](const QString& typed) { model_.setPrefix(toUtf8(typed)); });
    connect(mask_, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (i >= 0) model_.setMaskChoice(i);
    });
    connect(key_, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (i >= 0) model_.setKeyChoice(i);
    });
    connect(quantity_, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (i >= 0) model_.setQuantityChoice(i);
    });

    auto* grid = new QGridLayout;
    grid->addWidget(enable_, 0, 0, 1, 2);
    grid->addWidget(format1c_, 1, 0, 1, 2);
    const std::pair<std::string, QWidget*> labelled[] = {{text(3, "Prefix code:"), prefix_},
                                                         {text(4, "Mask code:"), mask_},
                                                         {text(5, "Key Field:"), key_},
                                                         {text(6, "Qty Field:"), quantity_}};
    int row = 2;
    for (const auto& [label, field] : labelled) {
        grid->addWidget(new QLabel(toQString(label), this), row, 0);
        grid->addWidget(field, row++, 1, Qt::AlignLeft);
    }
    grid->setColumnStretch(2, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(newReaderOkCancel(this, strings));
    showEnabling();
}

bool WeightCodeDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == prefix_ && event->type() == QEvent::FocusOut) showCorrected(prefix_, model_.padPrefix());
    return QDialog::eventFilter(watched, event);
}

void WeightCodeDialog::showEnabling() {
    for (QWidget* widget :
         {static_cast<QWidget*>(format1c_), static_cast<QWidget*>(prefix_), static_cast<QWidget*>(mask_),
          static_cast<QWidget*>(key_), static_cast<QWidget*>(quantity_)}) {
        widget->setEnabled(model_.optionsEnabled());
    }
}

void WeightCodeDialog::accept() {
    model_.accept();
    QDialog::accept();
}

}  // namespace tessel
