#pragma once
// Download Application, Download Lookup File and Receive Data as the desktop
// program runs them: file choosers, the progress window, the retry question
// and the closing messages.
#include <functional>
#include <string>

#include "link/data_file.h"
#include "link/failure_advice.h"
#include "link/ir_cradle.h"
#include "link/port_list.h"

class QWidget;

namespace tessel {
class Desktop;
class FileDialogs;
class MessageService;
class Strings;
struct Project;
}  // namespace tessel

namespace tessel::ui {

// Which port and link an exchange uses.
struct LinkSetup {
    link::PortList ports;
    int portIndex = -1;
    int linkKind = 2;
    int baudIndex = 0;
};

struct TransferServices {
    MessageService& messages;
    FileDialogs& dialogs;
    Desktop& desktop;
    link::PortMaker makePort;
};

class TransferCommands {
public:
    TransferCommands(Project& project, const Strings& strings, TransferServices services, QWidget* owner);

    // 1 completed, 0 cancelled, else the id of the last failure, which has
    // been shown and followed by the retry question already.
    int download(const LinkSetup& setup, bool lookup);
    // 1 completed (its summary shown), 0 cancelled, else the id of the
    // failure, which has been shown.
    int receive(const LinkSetup& setup);

private:
    int downloadOnce(const LinkSetup& setup, bool lookup);
    int exchange(const LinkSetup& setup, link::AnswerHandler& handler, link::RecordSink* records);
    void showFailure(int result);
    void showReceiveSummary(int records, const std::string& path);

    Project& project_;
    const Strings& strings_;
    TransferServices services_;
    QWidget* owner_;
    std::string lookupPath_;  // the lookup file chosen last, offered again
    std::string failureDetail_;
    link::Advice failureAdvice_;
};

}  // namespace tessel::ui
