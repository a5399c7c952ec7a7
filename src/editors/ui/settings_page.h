#pragma once
// The Settings page of the editor sheet: ports and speeds, backlight, data
// deletion, entry prompts and sounds, with the buttons to the Security and
// Function Key Mapping dialogs, bound to a SettingsPageModel.
#include <QWidget>
#include <vector>

#include "editors/settings_page_model.h"
#include "editors/ui/editor_page.h"

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace tessel {

class MessageService;
class Strings;
struct Project;

class SettingsPage : public QWidget, public EditorPage {
    Q_OBJECT
public:
    SettingsPage(Project& project, const Strings& strings, MessageService& messages, QWidget* parent = nullptr);

    void load() override;
    void accept() override;
    void discard() override {}
    bool hasChanges() const override;

private:
    struct Choice {
        QComboBox* list;
        SettingsChoice byte;
    };

    QWidget* buildLinkColumn();
    QWidget* buildTerminalColumn();
    QWidget* buildButtons();
    // A labelled list in the next row of `grid` that stores its index into `byte`.
    QComboBox* addChoice(QGridLayout* grid, const char* objectName, const QString& label, const ListEntries& entries,
                         SettingsChoice byte);
    // The telephone icon and phone number edit under a port.
    QLineEdit* addPhone(QGridLayout* grid, const char* objectName, QLabel*& icon,
                        std::string (SettingsPageModel::*set)(std::string_view));
    template <typename Dialog, typename... Args>
    void runDialog(Args&&... args);
    void showSettings();
    void showEnabling();

    Project& project_;
    const Strings& strings_;
    MessageService& messages_;
    SettingsPageModel model_;
    std::vector<Choice> choices_;
    QComboBox* uploadPort_ = nullptr;
    QComboBox* downloadPort_ = nullptr;
    QComboBox* modemSpeed_ = nullptr;
    QComboBox* baudRate_ = nullptr;
    QLabel* uploadIcon_ = nullptr;
    QLabel* downloadIcon_ = nullptr;
    QLineEdit* uploadPhone_ = nullptr;
    QLineEdit* downloadPhone_ = nullptr;
    QLineEdit* backlightIdle_ = nullptr;
    QRadioButton* stayOnLcd_ = nullptr;
    QRadioButton* pressAnyKey_ = nullptr;
    QLineEdit* duration_ = nullptr;
};

}  // namespace tessel
