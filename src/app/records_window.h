#pragma once
// The records the simulated terminal collected since the program started,
// one a line, with Save As... (the file a receive would write) and Clear.
#include <QDialog>

#include "core/file_dialogs.h"
#include "core/messages.h"
#include "core/strings.h"
#include "simulator/terminal_data.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace tessel::ui {

class RecordsWindow : public QDialog {
    Q_OBJECT
public:
    RecordsWindow(sim::TerminalData& terminalData, const Strings& strings, MessageService& messages,
                  FileDialogs& dialogs, QWidget* parent = nullptr);

    QListWidget& list() { return *list_; }
    void saveAs();
    void clear();

private:
    void refresh();

    sim::TerminalData& data_;
    const Strings& strings_;
    MessageService& messages_;
    FileDialogs& dialogs_;
    QLabel* count_;
    QListWidget* list_;
    QPushButton* saveButton_;
    QPushButton* clearButton_;
};

}  // namespace tessel::ui
