#pragma once
// "Security Settings": the password and the functions it guards, on a copy of
// the Settings page's working copy.
#include <QDialog>
#include <array>

#include "editors/security_dialog_model.h"

class QCheckBox;
class QLineEdit;

namespace tessel {

class SecurityDialog : public QDialog {
    Q_OBJECT
public:
    SecurityDialog(SystemSettings& working, const Strings& strings, MessageService& messages,
                   QWidget* parent = nullptr);

    void accept() override;

private:
    QWidget* buildChecking(const Strings& strings);
    void showEnabling();

    SecurityDialogModel model_;
    QLineEdit* password_ = nullptr;
    std::array<QCheckBox*, kProtectBoxes> boxes_{};
};

}  // namespace tessel
