#pragma once
// One dialog for every option table: it builds a control per row (check box,
// radio group, list, length field, separator pair), binds it to an
// OptionDialogModel and writes into the definition on OK only.
#include <QDialog>
#include <vector>

#include "reader/option_dialog_model.h"

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;

namespace tessel {

class OptionDialog : public QDialog {
    Q_OBJECT
public:
    OptionDialog(const OptionDialogTable& table, const Strings& strings, Definition& definition,
                 QWidget* parent = nullptr);

    void accept() override;

    const OptionDialogModel& model() const { return model_; }

private:
    // The widgets of one row; only those of its kind are set.
    struct Row {
        QCheckBox* box = nullptr;
        QButtonGroup* radios = nullptr;
        QComboBox* list = nullptr;
        QLabel* label = nullptr;
        QLineEdit* edit = nullptr;
        QLineEdit* code = nullptr;  // the separator's "ASCII:" field
    };

    void addRow(QGridLayout* grid, std::size_t index);
    void addCheck(QGridLayout* grid, std::size_t index, Row& row);
    void addRadios(QGridLayout* grid, std::size_t index, Row& row);
    void addLabelled(QGridLayout* grid, std::size_t index, QWidget* field, Row& row);
    void addSeparator(QGridLayout* grid, std::size_t index, Row& row);
    void showRows();

    OptionDialogModel model_;
    std::vector<Row> rows_;
};

}  // namespace tessel
