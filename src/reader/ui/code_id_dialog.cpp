#include "reader/ui/code_id_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "editors/ui/dialog_controls.h"
#include "editors/ui/grid_target_box.h"
#include "editors/ui/widget_binding.h"
#include "reader/dialog_text.h"
#include "reader/language_slots.h"
#include "reader/ui/reader_dialog_controls.h"

namespace tessel {
namespace {

constexpr int kFirstSlot = kCodeIdSlots.first;
constexpr int kFirstRowSlot = kFirstSlot + 2;
constexpr int kFirstButtonSlot = kFirstRowSlot + static_cast<int>(kCodeIdSymbologies);
constexpr std::size_t kCodeIdBytes = 2;
constexpr int kColumns = 3;

}  // namespace

CodeIdDialog::CodeIdDialog(Definition& definition, const Strings& strings, MessageService& messages, QWidget* parent)
    : QDialog(parent), model_(definition) {
    setObjectName("CODEIDDLG");
    setWindowTitle(toQString(dialogText(strings, kFirstSlot, "Code ID")));
    on_ = newCheckBox(this, "codeIdOn", dialogText(strings, kFirstSlot + 1, "Enable code ID").c_str(), model_.on());
    connect(on_, &QCheckBox::toggled, this, [this](bool on) {
        model_.setOn(on);
        showCodes();
    });

    auto* rows = new QGridLayout;
    for (std::size_t row = 0; row < kCodeIdSymbologies; ++row) {
        const int slot = kFirstRowSlot + static_cast<int>(row);
        labels_[row] = new QLabel(toQString(dialogText(strings, slot, CodeIdDialogModel::rowName(row))), this);
        codes_[row] = new GridTargetBox(model_.codes()[row], kCodeIdBytes, strings, messages, this);
        codes_[row]->setObjectName(toQString("codeId" + std::to_string(row + 1)));
        codes_[row]->setMinimumWidth(110);
        const int at = static_cast<int>(row) / kColumns;
        const int column = static_cast<int>(row) % kColumns * 2;
        rows->addWidget(labels_[row], at, column);
        rows->addWidget(codes_[row], at, column + 1);
    }

    auto* buttonRow = new QHBoxLayout;
    for (std::size_t button = 0; button < buttons_.size(); ++button) {
        const bool clear = button == kCodeIdSets;
        const std::string builtin = clear ? "Clear" : "Set " + std::to_string(button + 1);
        const int slot = kFirstButtonSlot + static_cast<int>(button);
        buttons_[button] = new QPushButton(toQString(dialogText(strings, slot, builtin)), this);
        buttons_[button]->setObjectName(
            toQString(clear ? std::string("clearButton") : "set" + std::to_string(button + 1)));
        connect(buttons_[button], &QPushButton::clicked, this, [this, button, clear] {
            if (clear) {
                model_.clear();
            } else {
                model_.loadSet(button);
            }
            for (GridTargetBox* code : codes_) code->showValue();
        });
        buttonRow->addWidget(buttons_[button]);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(on_);
    layout->addLayout(rows);
    layout->addLayout(buttonRow);
    layout->addWidget(newReaderOkCancel(this, strings));
    showCodes();
}

void CodeIdDialog::showCodes() {
    for (std::size_t row = 0; row < kCodeIdSymbologies; ++row) {
        labels_[row]->setEnabled(model_.rowEnabled(row));
        codes_[row]->setEnabled(model_.rowEnabled(row));
    }
    for (QPushButton* button : buttons_) button->setEnabled(model_.buttonsEnabled());
}

void CodeIdDialog::accept() {
    model_.accept();
    QDialog::accept();
}

}  // namespace tessel
