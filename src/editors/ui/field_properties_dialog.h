#pragma once
// "Properties" of an ordinary field (any type but lookup).
#include <QDialog>

#include "editors/field_properties_model.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace tessel {

class GridTargetBox;
class MessageService;

class FieldPropertiesDialog : public QDialog {
    Q_OBJECT
public:
    FieldPropertiesDialog(FormRecord& form, std::size_t formIndex, std::size_t field, const Strings& strings,
                          MessageService& messages, QWidget* parent = nullptr);

    void accept() override;
    void reject() override;

private:
    QWidget* buildDataGroup(const Strings& strings, MessageService& messages);
    QWidget* buildBarcodeGroup(const Strings& strings);
    // A box whose flag is stored at once and enables its companions.
    QCheckBox* optionBox(const char* objectName, const QString& label, bool checked,
                         void (FieldPropertiesModel::*set)(bool));
    void showEnabling();

    FieldPropertiesModel model_;
    QCheckBox* fixedLengthOn_ = nullptr;
    QLineEdit* fixedLength_ = nullptr;
    QComboBox* alignment_ = nullptr;
    QCheckBox* initialValueOn_ = nullptr;
    QLineEdit* initialValue_ = nullptr;
    QCheckBox* prefixOn_ = nullptr;
    GridTargetBox* prefix_ = nullptr;
    QCheckBox* suffixOn_ = nullptr;
    GridTargetBox* suffix_ = nullptr;
    QCheckBox* showInputMark_ = nullptr;
    QLineEdit* inputMark_ = nullptr;
    QComboBox* decimalPlaces_ = nullptr;
    QCheckBox* partialOn_ = nullptr;
    QLineEdit* partialStart_ = nullptr;
    QLineEdit* partialLength_ = nullptr;
    QCheckBox* saveFullBarcode_ = nullptr;
    QCheckBox* leadingCodeOn_ = nullptr;
    QLineEdit* leadingCode_ = nullptr;
    QCheckBox* checkDigitOn_ = nullptr;
    QComboBox* checkDigitMethod_ = nullptr;
};

}  // namespace tessel
