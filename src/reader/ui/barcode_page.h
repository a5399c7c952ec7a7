#pragma once
// The Barcode page of the editor sheet: reader type, reader settings and the
// symbology enables with their option dialogs, bound to a BarcodePageModel.
#include <QWidget>
#include <array>

#include "editors/ui/editor_page.h"
#include "reader/barcode_page_model.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tessel {

class MessageService;
struct Project;

class BarcodePage : public QWidget, public EditorPage {
    Q_OBJECT
public:
    BarcodePage(Project& project, const Strings& strings, MessageService& messages, QWidget* parent = nullptr);

    void load() override;
    void accept() override;
    // The reader type and what the dialogs stored were written at once and stay.
    void discard() override {}
    bool hasChanges() const override;

private:
    QWidget* buildReaderType();
    QWidget* buildReaderSettings();
    QWidget* buildSymbologies();
    QWidget* buildButtons();
    void showPage();
    void showBox(std::size_t box);
    void openOptions(std::size_t box);
    // Runs a dialog that writes into the definition on its OK; what it wrote
    // is a change of its own, named `change`.
    template <typename Dialog, typename... Args>
    void runDialog(const QString& change, Args&&... args);

    Project& project_;
    const Strings& strings_;
    MessageService& messages_;
    BarcodePageModel model_;
    QComboBox* reader_ = nullptr;
    QCheckBox* rfid_ = nullptr;
    QPushButton* rfidMore_ = nullptr;
    std::array<QLabel*, 4> settingLabels_{};
    QComboBox* firstList_ = nullptr;
    QComboBox* secondList_ = nullptr;
    QLineEdit* timeout_ = nullptr;
    QLabel* aimLabel_ = nullptr;
    QLineEdit* aim_ = nullptr;
    QLabel* aimUnit_ = nullptr;
    std::array<QCheckBox*, kSymbologyBoxes> boxes_{};
    std::array<QPushButton*, kSymbologyBoxes> more_{};
    QPushButton* codeId_ = nullptr;
    QPushButton* weightCode_ = nullptr;
    QPushButton* reset_ = nullptr;
};

}  // namespace tessel
