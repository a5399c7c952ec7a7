#pragma once
// The settings of a function key branching to Summation or to Remains. They
// store into the form only on OK; the Branch dialog's Cancel undoes them.
#include <QDialog>

#include "editors/branch_options_model.h"

class QCheckBox;
class QComboBox;

namespace tessel {

class SummationDialog : public QDialog {
    Q_OBJECT
public:
    SummationDialog(FormRecord& form, std::size_t key, const Strings& strings, QWidget* parent = nullptr);

    void accept() override;

private:
    SummationModel model_;
    QComboBox* multiplierField_;
};

class RemainsDialog : public QDialog {
    Q_OBJECT
public:
    RemainsDialog(FormRecord& form, std::size_t key, const Strings& strings, QWidget* parent = nullptr);

    void accept() override;

private:
    void showEnabling();

    RemainsModel model_;
    QComboBox* variable_;
    QComboBox* lookupField_;
    QCheckBox* filterIsSuffix_;
};

}  // namespace tessel
