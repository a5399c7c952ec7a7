#pragma once
// "RFID Parameters" over an RfidDialogModel.
#include <QDialog>

#include "reader/rfid_dialog_model.h"

class QCheckBox;
class QLabel;
class QLineEdit;

namespace tessel {

class Strings;

class RfidDialog : public QDialog {
    Q_OBJECT
public:
    RfidDialog(Definition& definition, const Strings& strings, QWidget* parent = nullptr);

    void accept() override;

private:
    void showEnabling();

    RfidDialogModel model_;
    QCheckBox* readUid_;
    QCheckBox* readData_;
    QCheckBox* useDelimiter_;
    QLabel* startLabel_;
    QLineEdit* start_;
    QLabel* lengthLabel_;
    QLineEdit* length_;
    QLabel* delimiterLabel_;
    QLineEdit* delimiter_;
};

}  // namespace tessel
