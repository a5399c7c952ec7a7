#pragma once
// "Code ID" over a CodeIdDialogModel: the identifiers are composed in the
// character grid, by clicking their boxes.
#include <QDialog>
#include <array>

#include "reader/code_id_dialog_model.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace tessel {

class GridTargetBox;
class MessageService;
class Strings;

class CodeIdDialog : public QDialog {
    Q_OBJECT
public:
    CodeIdDialog(Definition& definition, const Strings& strings, MessageService& messages, QWidget* parent = nullptr);

    void accept() override;

private:
    void showCodes();

    CodeIdDialogModel model_;
    QCheckBox* on_;
    std::array<QLabel*, kCodeIdSymbologies> labels_{};
    std::array<GridTargetBox*, kCodeIdSymbologies> codes_{};
    std::array<QPushButton*, kCodeIdSets + 1> buttons_{};  // the five sets, then Clear
};

}  // namespace tessel
