#include "editors/ui/branch_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "editors/ui/branch_options_dialogs.h"
#include "editors/ui/dialog_controls.h"

namespace tessel {

BranchDialog::BranchDialog(FormRecord& form, const Strings& strings, QWidget* parent)
    : QDialog(parent), model_(form), strings_(strings) {
    setObjectName("FORMBRANCHDLG");
    setWindowTitle(tr("Branch"));
    const auto entries = BranchDialogModel::targetEntries(strings);
    auto* grid = new QGridLayout(this);
    for (std::size_t key = 0; key < kFunctionBranches; ++key) {
        const auto number = std::to_string(key + 1);
        auto* target = newList(this, ("branchTarget" + number).c_str(), entries, model_.target(key));
        more_[key] = new QPushButton(tr("More..."), this);
        more_[key]->setObjectName(QString::fromStdString("branchMore" + number));
        more_[key]->setEnabled(model_.hasOptions(key));
        connect(target, &QComboBox::currentIndexChanged, this, [this, key](int i) {
            model_.setTarget(key, i);
            more_[key]->setEnabled(model_.hasOptions(key));
        });
        connect(more_[key], &QPushButton::clicked, this, [this, key] { openOptions(key); });
        const int row = static_cast<int>(key);
        grid->addWidget(new QLabel(QString::fromStdString("FN + " + number), this), row, 0);
        grid->addWidget(target, row, 1);
        grid->addWidget(more_[key], row, 2);
    }
    grid->addWidget(newOkCancel(this), static_cast<int>(kFunctionBranches), 0, 1, 3);
}

void BranchDialog::openOptions(std::size_t key) {
    if (model_.target(key) == kBranchSummation) {
        SummationDialog(model_.record(), key, strings_, this).exec();
    } else if (model_.target(key) == kBranchRemains) {
        RemainsDialog(model_.record(), key, strings_, this).exec();
    }
}

void BranchDialog::reject() {
    model_.cancel();
    QDialog::reject();
}

}  // namespace tessel
