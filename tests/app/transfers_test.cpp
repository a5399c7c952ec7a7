// Download and receive through the desktop program's commands, to the
// simulated terminal served on a real pseudo-terminal.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include "app/main_window.h"
#include "core/application_image.h"
#include "core/file_io.h"
#include "core/messages.h"
#include "core/popup_menu.h"
#include "link/fake_port.h"
#include "link/platform/pseudo_terminal.h"
#include "support/recording_desktop.h"
#include "support/scripted_dialogs.h"
#include "support/served_terminal.h"
#include "support/temp_dir.h"
#include "support/widgets.h"

namespace tessel::ui {
namespace {

class DesktopTransfers : public ::testing::Test {
protected:
    DesktopTransfers() {
        settings.uploads = {link::ByteString{'1', '2'}, link::ByteString{'A', ';', '7'}};
        terminal = std::make_unique<test::ServedTerminal>(settings);
        Preferences chosen;
        chosen.portIndex = 0;
        EXPECT_TRUE(writePreferences(temp.path() / "TESSEX.ini", chosen));
        // The editor sheet that New opens is closed at once; a new design
        // has nothing to run, and its download goes ahead all the same.
        // The other windows are the tests' to answer.
        QObject::connect(&closer, &QTimer::timeout, [] {
            auto* modal = QApplication::activeModalWidget();
            if (modal && modal->objectName() == "editorSheet") modal->close();
            if (modal && modal->objectName() == "designFindings")
                test::child<QAbstractButton>(modal, "downloadAnyway")->click();
        });
        closer.start(20);
        window = windowOnPorts(link::PortList{{terminal->devicePath(), terminal->devicePath()}});
    }

    // The window with `ports` as the computer's ports and its preferences in `preferences`.
    std::unique_ptr<MainWindow> windowOnPorts(link::PortList ports, const char* preferences = "TESSEX.ini") {
        return std::make_unique<MainWindow>(WindowServices{messages,
                                                           dialogs,
                                                           desktop,
                                                           clock,
                                                           temp.path() / preferences,
                                                           {},
                                                           [ports] { return ports; },
                                                           link::makeQtSerialPort});
    }

    link::PeerSettings settings;
    std::unique_ptr<test::ServedTerminal> terminal;
    test::TempDir temp;
    CapturedMessages messages{kAnswerYes};
    test::ScriptedFileDialogs dialogs;
    test::RecordingDesktop desktop;
    sim::SteppingClock clock{{2026, 3, 5, 9, 5, 0}};
    QTimer closer;
    std::unique_ptr<MainWindow> window;
};

TEST_F(DesktopTransfers, DownloadApplicationSendsTheImage) {
    window->runCommand(kCommandNewGroup);  // its first interface is a cable
    window->runCommand(kCommandDownloadApplication);
    ASSERT_FALSE(messages.shown().empty());
    EXPECT_EQ(messages.shown().back().caption, "Download");
    EXPECT_EQ(messages.shown().back().text, "Downloaded completely!");
    const ApplicationImage* image = terminal->stopServing().image();
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(*image, buildImage(window->project().definition, window->project().defaults));
}

TEST_F(DesktopTransfers, ReceiveWritesTheRecordsAndOffersToShowThem) {
    const auto data = temp.path() / "received.txt";
    dialogs.answer(data.string());
    window->runCommand(kCommandReceiveData);
    ASSERT_FALSE(messages.shown().empty());
    EXPECT_EQ(messages.shown().back().caption, "Upload Data");
    EXPECT_EQ(messages.shown().back().text, "Done : 2 records received.\nView the received data?");
    EXPECT_EQ(readFileBytes(data, 1000), std::optional<std::string>("12\r\nA;7\r\n"));
    EXPECT_EQ(desktop.opened, std::vector<std::string>{data.string()});
}

// "View the received data?" answered Yes on a desktop without a viewer for
// text files: the message names where the data is.
TEST_F(DesktopTransfers, WithoutAViewerTheMessageNamesTheDataFile) {
    desktop.hasViewer = false;
    const auto data = temp.path() / "received.txt";
    dialogs.answer(data.string());
    window->runCommand(kCommandReceiveData);
    ASSERT_GE(messages.shown().size(), 2u);
    EXPECT_EQ(messages.shown()[messages.shown().size() - 2].text,
              "Done : 2 records received.\nView the received data?");
    EXPECT_EQ(desktop.opened, std::vector<std::string>{data.string()});
    const auto& told = messages.shown().back();
    EXPECT_EQ(told.caption, "Upload Data");
    EXPECT_EQ(told.style.icon, MessageIcon::Warning);
    EXPECT_NE(told.text.find("could show the received data"), std::string::npos) << told.text;
    EXPECT_NE(told.text.find(data.string()), std::string::npos) << told.text;
}

TEST_F(DesktopTransfers, ReceivingNothingDeletesTheFile) {
    terminal->stopServing();
    settings.uploads.clear();
    terminal = std::make_unique<test::ServedTerminal>(settings);
    window = windowOnPorts(link::PortList{{terminal->devicePath(), terminal->devicePath()}});
    const auto data = temp.path() / "nothing.txt";
    dialogs.answer(data.string());
    window->runCommand(kCommandReceiveData);
    ASSERT_FALSE(messages.shown().empty());
    EXPECT_EQ(messages.shown().back().text, "No data received!");
    EXPECT_FALSE(std::filesystem::exists(data));
}

TEST_F(DesktopTransfers, ReceivingNothingLeavesAnExistingFileAlone) {
    terminal->stopServing();
    settings.uploads.clear();
    terminal = std::make_unique<test::ServedTerminal>(settings);
    window = windowOnPorts(link::PortList{{terminal->devicePath(), terminal->devicePath()}});
    const auto data = temp.path() / "earlier.txt";
    ASSERT_EQ(writeFileAtomically(data, "earlier\r\n"), WriteResult::Written);
    dialogs.answer(data.string());
    window->runCommand(kCommandReceiveData);
    ASSERT_FALSE(messages.shown().empty());
    EXPECT_EQ(messages.shown().back().text, "No data received!");
    EXPECT_EQ(readFileBytes(data, 1000), std::optional<std::string>("earlier\r\n"));
}

TEST_F(DesktopTransfers, AFailureIsShownAndOffersARetry) {
    messages.setAnswer(kAnswerNo);
    window->runCommand(kCommandNew4760);  // its first interface is the infrared cradle, which never answers here
    window->runCommand(kCommandDownloadApplication);
    ASSERT_GE(messages.shown().size(), 2u);
    const auto& error = messages.shown()[messages.shown().size() - 2];
    EXPECT_EQ(error.caption, "Error");
    EXPECT_EQ(error.text.substr(0, 27), "Cannot configure IR device!");
    EXPECT_EQ(messages.shown().back().text, "Failed to download, would you like to retry?");
    EXPECT_EQ(messages.shown().back().style.buttons, MessageButtons::YesNo);
}

// A port that cannot be opened: the message names the port, the cause and
// the fix.
TEST_F(DesktopTransfers, APortThatCannotBeOpenedSaysWhyAndWhatToDo) {
    struct Case {
        link::OpenResult::Status status;
        std::vector<std::string> said;
    };
    const Case cases[] = {
        {link::OpenResult::Status::PermissionDenied,
         {"You have no permission to use ttyUSB0 (/dev/ttyUSB0).", "sudo usermod -aG", "log out and in again"}},
        {link::OpenResult::Status::Busy,
         {"ttyUSB0 (/dev/ttyUSB0) is in use by another program.", "fuser -v /dev/ttyUSB0"}},
        {link::OpenResult::Status::NotFound, {"ttyUSB0 (/dev/ttyUSB0) does not exist (any more)."}},
    };
    link::ManualClock portClock;
    for (const Case& c : cases) {
        messages.setAnswer(kAnswerNo);
        window = std::make_unique<MainWindow>(WindowServices{messages,
                                                             dialogs,
                                                             desktop,
                                                             clock,
                                                             temp.path() / "TESSEX.ini",
                                                             {},
                                                             [] {
                                                                 return link::PortList{{"/dev/ttyUSB0", "ttyUSB0"}};
                                                             },
                                                             [&portClock, &c] {
                                                                 auto port = std::make_unique<link::FakePort>(portClock,
                                                                                                              nullptr);
                                                                 port->refuseOpen(c.status);
                                                                 return port;
                                                             }});
        window->runCommand(kCommandNewGroup);
        const auto before = messages.shown().size();
        window->runCommand(kCommandDownloadApplication);
        ASSERT_EQ(messages.shown().size(), before + 2);
        const auto& error = messages.shown()[before];
        EXPECT_TRUE(error.text.starts_with("Cannot open the COM port!\n")) << error.text;
        for (const auto& part : c.said) EXPECT_NE(error.text.find(part), std::string::npos) << error.text;
    }
}

// A terminal that never answers: after "Time out!" the message says what was
// not answered, where, and what to check.
TEST_F(DesktopTransfers, ATerminalThatDoesNotAnswerIsExplained) {
    std::string failure;
    const auto silent = link::PseudoTerminalServer::open(failure);
    ASSERT_NE(silent, nullptr) << failure;
    messages.setAnswer(kAnswerNo);
    window = windowOnPorts(link::PortList{{silent->devicePath(), silent->devicePath()}});
    window->runCommand(kCommandNewGroup);
    window->runCommand(kCommandDownloadApplication);
    ASSERT_GE(messages.shown().size(), 2u);
    const std::string text = messages.shown()[messages.shown().size() - 2].text;
    EXPECT_TRUE(text.starts_with("Time out!\nNothing answered KORVAN on " + silent->devicePath() +
                                 " at 115200 bit/s, sent 11 times.\n"))
        << text;
    EXPECT_NE(text.find("download screen"), std::string::npos) << text;
    EXPECT_NE(text.find("both sides use 115200 bit/s"), std::string::npos) << text;
}

// Without a listed port the preferences open and say so in the port box,
// where a device path can be typed; cancelling them starts nothing.
TEST_F(DesktopTransfers, WithoutAnyPortThePreferencesSaySo) {
    window = windowOnPorts({}, "none.ini");
    QString hint;
    test::whenModalNamed("PreferencesDlg", [&hint](QDialog& dialog) {
        hint = test::child<QComboBox>(&dialog, "port")->lineEdit()->placeholderText();
        dialog.reject();
    });
    window->runCommand(kCommandDownloadApplication);
    EXPECT_TRUE(hint.startsWith("Don't have any COM port device!"));
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_EQ(terminal->stopServing().image(), nullptr);
}

// The running simulated terminals are listed for every program of the user:
// when the chosen one has stopped, another may stand at its position. The
// transfer then asks for the port, and the port box selects nothing.
TEST_F(DesktopTransfers, AStaleChoiceAsksInsteadOfTakingAnotherTerminal) {
    Preferences stale;
    stale.portIndex = 0;
    stale.portName = "/dev/pts/999";
    ASSERT_TRUE(writePreferences(temp.path() / "stale.ini", stale));
    window = windowOnPorts(link::PortList{{terminal->devicePath(), terminal->devicePath()}}, "stale.ini");
    window->runCommand(kCommandNewGroup);
    int selected = 0;
    QString shown = "?";
    test::whenModalNamed("PreferencesDlg", [&](QDialog& dialog) {
        auto* port = test::child<QComboBox>(&dialog, "port");
        selected = port->currentIndex();
        shown = port->currentText();
        dialog.reject();
    });
    window->runCommand(kCommandDownloadApplication);
    // Before the preferences open, the user learns why they do.
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text,
              "The port /dev/pts/999 chosen in the preferences is not there any more.\n"
              "Plug the device in again, or choose another port.");
    EXPECT_EQ(selected, -1);
    EXPECT_EQ(shown, "");
    EXPECT_EQ(terminal->stopServing().image(), nullptr);
}

// A device the listing does not show, typed in the preferences, is used.
TEST_F(DesktopTransfers, ATypedDevicePathIsUsed) {
    window = windowOnPorts({}, "typed.ini");
    window->runCommand(kCommandNewGroup);
    const std::string path = terminal->devicePath();
    test::whenModalNamed("PreferencesDlg", [path](QDialog& dialog) {
        QTest::keyClicks(test::child<QComboBox>(&dialog, "port")->lineEdit(), QString::fromStdString(path));
        test::press(dialog, QDialogButtonBox::Ok);
    });
    window->runCommand(kCommandDownloadApplication);
    ASSERT_FALSE(messages.shown().empty());
    EXPECT_EQ(messages.shown().back().text, "Downloaded completely!");
    EXPECT_EQ(readPreferences(temp.path() / "typed.ini").portName, path);
    EXPECT_NE(terminal->stopServing().image(), nullptr);
}

}  // namespace
}  // namespace tessel::ui
