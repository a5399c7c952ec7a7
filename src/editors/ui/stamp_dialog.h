#pragma once
// "Date & Time Stamp settings" of the form on show.
#include <QDialog>

#include "editors/stamp_dialog_model.h"

class QCheckBox;
class QGroupBox;

namespace tessel {

class StampDialog : public QDialog {
    Q_OBJECT
public:
    StampDialog(FormRecord& form, const Strings& strings, QWidget* parent = nullptr);

    void reject() override;

private:
    QCheckBox* flagBox(const char* objectName, const QString& label, StampFlag flag);
    void showCaptions();

    StampDialogModel model_;
    QGroupBox* dateGroup_;
    QGroupBox* timeGroup_;
};

}  // namespace tessel
