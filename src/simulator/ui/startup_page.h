#pragma once
// The Startup page of the editor sheet: program start, the data field
// delimiters and the screen texts of the terminal, bound to a
// StartupPageModel over the sheet's working texts.
#include <QWidget>
#include <array>
#include <memory>

#include "editors/ui/editor_page.h"
#include "simulator/startup_page_model.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace tessel {

class StartupPage : public QWidget, public EditorPage {
    Q_OBJECT
public:
    StartupPage(Project& project, const Strings& strings, MessageService& messages, FileDialogs& dialogs,
                std::shared_ptr<WorkingTexts> texts, QWidget* parent = nullptr);

    void load() override;
    void accept() override { model_.accept(); }
    void discard() override {}
    bool hasChanges() const override { return model_.hasChanges(); }

private:
    struct Delimiter {
        QLineEdit* code;
        QLineEdit* character;
    };
    struct LineRow {
        QLabel* label;
        QLineEdit* edit;
    };

    QWidget* buildStartAndDelimiters();
    QWidget* buildDelimiters(QWidget* parent);
    QWidget* buildTexts();
    void showSettings();
    void showDelimiter(std::size_t which, const DelimiterBoxes& boxes);
    void showGroup();

    std::shared_ptr<WorkingTexts> texts_;
    FileDialogs& dialogs_;
    StartupPageModel model_;
    QComboBox* programStart_ = nullptr;
    QComboBox* delimiterCount_ = nullptr;
    std::array<Delimiter, 2> delimiters_{};
    QComboBox* group_ = nullptr;
    std::array<LineRow, kGroupLines> lines_{};
};

}  // namespace tessel
