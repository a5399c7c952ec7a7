#pragma once
// "Branch": where FN+1..FN+4 lead from the form on show. A key set to Remains
// or Summation opens that target's settings through its "More..." button.
#include <QDialog>
#include <array>

#include "editors/branch_dialog_model.h"

class QPushButton;

namespace tessel {

class BranchDialog : public QDialog {
    Q_OBJECT
public:
    BranchDialog(FormRecord& form, const Strings& strings, QWidget* parent = nullptr);

    void reject() override;

private:
    void openOptions(std::size_t key);

    BranchDialogModel model_;
    const Strings& strings_;
    std::array<QPushButton*, kFunctionBranches> more_{};
};

}  // namespace tessel
