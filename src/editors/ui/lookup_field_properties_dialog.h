#pragma once
// "Properties" of a lookup field: whether its data is saved, and then how.
#include <QDialog>

#include "editors/lookup_field_properties_model.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace tessel {

class GridTargetBox;
class MessageService;

class LookupFieldPropertiesDialog : public QDialog {
    Q_OBJECT
public:
    LookupFieldPropertiesDialog(FormRecord& form, std::size_t formIndex, std::size_t field, const Strings& strings,
                                MessageService& messages, QWidget* parent = nullptr);

    void accept() override;
    void reject() override;

private:
    QCheckBox* optionBox(const char* objectName, const QString& label, bool checked,
                         void (LookupFieldPropertiesModel::*set)(bool));
    void showEnabling();

    LookupFieldPropertiesModel model_;
    QCheckBox* fixedLengthOn_;
    QLineEdit* fixedLength_;
    QComboBox* alignment_;
    QCheckBox* prefixOn_;
    GridTargetBox* prefix_;
    QCheckBox* suffixOn_;
    GridTargetBox* suffix_;
};

}  // namespace tessel
