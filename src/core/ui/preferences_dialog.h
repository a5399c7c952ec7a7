#pragma once
// The preferences dialog: binds the controls to a PreferencesForm.
#include <QDialog>
#include <functional>
#include <optional>
#include <string>

#include "core/preferences_form.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace tessel {
class MessageService;
class Strings;
}  // namespace tessel

namespace tessel::ui {

struct DetectedCradle {
    int portIndex;
    std::string portName;
};
// Looks for the infrared cradle on every port; nothing when none answers.
using CradleDetector = std::function<std::optional<DetectedCradle>()>;

class PreferencesDialog : public QDialog {
    Q_OBJECT
public:
    PreferencesDialog(PreferencesForm& form, const Strings& strings, MessageService& messages, CradleDetector detect,
                      QWidget* parent = nullptr);

private:
    void buildControls();
    void makePortTypable();
    void applyLanguageTexts();
    void updateDetectButton();
    void detectCradle();

    PreferencesForm& form_;
    const Strings& strings_;
    MessageService& messages_;
    CradleDetector detect_;
    QComboBox* downloadVia_;
    QComboBox* receiveVia_;
    QComboBox* port_;
    QPushButton* detectButton_;
    QComboBox* baudRate_;
    QCheckBox* autoPreload_;
    QCheckBox* alwaysOnTop_;
    QComboBox* language_;
    QLabel* languageLabel_;
};

}  // namespace tessel::ui
