#include "editors/ui/function_key_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QVBoxLayout>

#include "core/strings.h"
#include "editors/ui/dialog_controls.h"
#include "editors/ui/widget_binding.h"

namespace tessel {
namespace {

constexpr int kTitleId = 637;
constexpr int kSwitchId = 638;

}  // namespace

FunctionKeyDialog::FunctionKeyDialog(SystemSettings& working, const Strings& strings, QWidget* parent)
    : QDialog(parent), model_(working) {
    setObjectName("FUNCTIONKEYDLG");
    setWindowTitle(toQString(strings.utf8(kTitleId)));
    const auto mappingsOn = strings.utf8(kSwitchId);
    auto* on = newCheckBox(this, "functionKeysOn", mappingsOn.c_str(), model_.mappingsOn());
    connect(on, &QCheckBox::toggled, this, [this](bool checked) {
        model_.setMappingsOn(checked);
        showEnabling();
    });

    const auto functions = FunctionKeyDialogModel::functionEntries(strings);
    auto* rows = new QFormLayout;
    for (std::size_t key = 0; key < kFunctionKeys; ++key) {
        const auto number = std::to_string(key + 1);
        lists_[key] = newList(this, ("function" + number).c_str(), functions, model_.function(key));
        connect(lists_[key], &QComboBox::currentIndexChanged, this, [this, key](int i) { model_.setFunction(key, i); });
        rows->addRow(tr("Function %1 (FN+%1)  :").arg(key + 1), lists_[key]);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(on);
    layout->addLayout(rows);
    layout->addWidget(newOkCancel(this));
    showEnabling();
}

void FunctionKeyDialog::showEnabling() {
    for (QComboBox* list : lists_) list->setEnabled(model_.mappingsOn());
}

void FunctionKeyDialog::accept() {
    model_.accept();
    QDialog::accept();
}

}  // namespace tessel
