#pragma once
// "Function Key Mapping": the functions of FN+1 .. FN+9, on a copy of the
// Settings page's working copy.
#include <QDialog>
#include <array>

#include "editors/function_key_dialog_model.h"

class QComboBox;

namespace tessel {

class FunctionKeyDialog : public QDialog {
    Q_OBJECT
public:
    FunctionKeyDialog(SystemSettings& working, const Strings& strings, QWidget* parent = nullptr);

    void accept() override;

private:
    void showEnabling();

    FunctionKeyDialogModel model_;
    std::array<QComboBox*, kFunctionKeys> lists_{};
};

}  // namespace tessel
