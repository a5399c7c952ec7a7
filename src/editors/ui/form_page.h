#pragma once
// The Form page of the editor sheet: the form-wide lists, the eight field
// rows and the buttons to the option dialogs, bound to a FormPageModel.
#include <QWidget>
#include <array>
#include <functional>

#include "editors/form_page_model.h"
#include "editors/ui/editor_page.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tessel {

class MessageService;
struct Project;

// Hands the simulator a key code (the page nudges it after its changes apply).
using SendKey = std::function<void(int keyCode)>;

class FormPage : public QWidget, public EditorPage {
    Q_OBJECT
public:
    FormPage(Project& project, const Strings& strings, MessageService& messages, SendKey sendKey,
             QWidget* parent = nullptr);

    void load() override;
    void accept() override;
    void discard() override {}
    bool hasChanges() const override;

private:
    struct FieldRow {
        QComboBox* type;
        QLineEdit* prompt;
        QComboBox* source;
        QLineEdit* minLength;
        QLineEdit* maxLength;
        QComboBox* link;
        QPushButton* more;
    };

    QWidget* buildFormControls();
    QWidget* buildFieldRows();
    FieldRow buildRow(QWidget* parent, std::size_t field);
    void showForm();
    void showRow(std::size_t field);
    void openProperties(std::size_t field);
    // Runs an option dialog on the form on show, then shows what it left.
    template <typename Dialog, typename... Args>
    void runDialog(Args&&... args);

    Project& project_;
    const Strings& strings_;
    MessageService& messages_;
    SendKey sendKey_;
    FormPageModel model_;
    QComboBox* name_ = nullptr;
    QComboBox* esc_ = nullptr;
    QComboBox* next_ = nullptr;
    QComboBox* errorAction_ = nullptr;
    QComboBox* lookup_ = nullptr;
    QComboBox* record_ = nullptr;
    QLabel* linkHeading_ = nullptr;
    std::array<FieldRow, kFieldsPerForm> rows_{};
};

}  // namespace tessel
