#pragma once
// "Printer settings": label printing of the form on show.
#include <QDialog>
#include <array>

#include "editors/printer_dialog_model.h"

class QComboBox;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace tessel {

class PrinterDialog : public QDialog {
    Q_OBJECT
public:
    PrinterDialog(FormRecord& form, SystemSettings& settings, const Strings& strings, QWidget* parent = nullptr);

    void accept() override;
    void reject() override;

private:
    QWidget* buildQuantityGroup(const PrintDataTexts& texts);
    QWidget* buildDataGroup(const PrintDataTexts& texts);
    void showEnabling();

    PrinterDialogModel model_;
    QComboBox* bluetoothMode_ = nullptr;
    QWidget* quantityGroup_ = nullptr;
    QWidget* dataGroup_ = nullptr;
    QLineEdit* quantity_ = nullptr;
    QWidget* quantityStepper_ = nullptr;
    QComboBox* quantityField_ = nullptr;
};

}  // namespace tessel
