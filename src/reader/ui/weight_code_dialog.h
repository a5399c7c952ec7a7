#pragma once
// "Weight Code" over a WeightCodeDialogModel.
#include <QDialog>

#include "reader/weight_code_dialog_model.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace tessel {

class Strings;

class WeightCodeDialog : public QDialog {
    Q_OBJECT
public:
    WeightCodeDialog(Definition& definition, const Strings& strings, QWidget* parent = nullptr);

    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showEnabling();

    WeightCodeDialogModel model_;
    QCheckBox* enable_;
    QCheckBox* format1c_;
    QLineEdit* prefix_;
    QComboBox* mask_;
    QComboBox* key_;
    QComboBox* quantity_;
};

}  // namespace tessel
