#pragma once
// The Lookup page of the editor sheet: the record format of the three lookup
// files and what the terminal does with records and input that do not fit,
// bound to a LookupPageModel.
#include <QWidget>
#include <array>
#include <memory>

#include "editors/lookup_page_model.h"
#include "editors/ui/editor_page.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace tessel {

struct Project;

class LookupPage : public QWidget, public EditorPage {
    Q_OBJECT
public:
    LookupPage(Project& project, const Strings& strings, MessageService& messages,
               std::shared_ptr<WorkingTexts> startupTexts, QWidget* parent = nullptr);

    void load() override;
    bool mayAccept() const override;
    void explainRefusal() override;
    void accept() override;
    void discard() override {}
    bool hasChanges() const override;
    void showPlace(int index, int element) override;

private:
    struct ColumnRow {
        QLineEdit* offset;
        QLineEdit* length;
        QRadioButton* key;
    };

    QWidget* buildFormatControls();
    QWidget* buildColumnRows();
    QWidget* buildOptions();
    QCheckBox* newOption(QWidget* parent, const char* objectName, const QString& label,
                         void (LookupPageModel::*set)(bool));
    void showLookup();
    void showEnabling();
    void showNote();

    Project& project_;
    std::shared_ptr<WorkingTexts> startupTexts_;
    const Strings& strings_;
    LookupPageModel model_;
    QComboBox* name_ = nullptr;
    QLineEdit* memberLength_ = nullptr;
    QComboBox* columnCount_ = nullptr;
    QRadioButton* fixedLength_ = nullptr;
    QRadioButton* delimiter_ = nullptr;
    QLineEdit* delimiterCode_ = nullptr;
    QLabel* note_ = nullptr;
    QLabel* lengthHeading_ = nullptr;
    QButtonGroup* keys_ = nullptr;
    std::array<ColumnRow, kColumnsPerLookup> rows_{};
    QCheckBox* readOnce_ = nullptr;
    QCheckBox* uploadable_ = nullptr;
    QCheckBox* negativeRemains_ = nullptr;
    QCheckBox* deleteIfNull_ = nullptr;
    QCheckBox* onSdCard_ = nullptr;
    QComboBox* badFormat_ = nullptr;
    QComboBox* noMatch_ = nullptr;
};

}  // namespace tessel
