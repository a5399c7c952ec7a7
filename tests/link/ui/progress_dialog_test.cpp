#include "link/ui/progress_dialog.h"

#include <gtest/gtest.h>

#include <functional>

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include "core/strings.h"
#include "link/application_download.h"
#include "link/platform/pseudo_terminal.h"
#include "link/platform/qt_serial_port.h"
#include "support/projects.h"

namespace tessel::ui {
namespace {

TEST(ProgressDialog, ReceivingShowsTheCountWithoutABar) {
    const Strings strings;
    ProgressDialog receiving(true, strings);
    EXPECT_EQ(receiving.windowTitle(), "Progress");
    EXPECT_EQ(receiving.findChild<QLabel*>("progressText")->text(), "Data received : 0");
    EXPECT_TRUE(receiving.findChild<QProgressBar*>("progressBar")->isHidden());
    ProgressDialog downloading(false, strings);
    EXPECT_EQ(downloading.findChild<QLabel*>("progressText")->text(), "Downloading...");
    EXPECT_FALSE(downloading.findChild<QProgressBar*>("progressBar")->isHidden());
}

TEST(ProgressDialog, ALanguageNamesTheWindowEvenWithEmptySlots) {
    Strings strings;
    strings.language().store(7, "\xD5\xEE\xE4");  // "Ход" in Windows-1251
    strings.language().setActive(true);
    ProgressDialog downloading(false, strings);
    EXPECT_EQ(downloading.windowTitle(), "Ход");
    EXPECT_EQ(downloading.findChild<QLabel*>("progressText")->text(), "");
}

// A download to a pseudo-terminal nobody answers on, for `stop` to end.
link::TransferOutcome runUnanswered(ProgressDialog& dialog, int stopAfterMs, const std::function<void()>& stop) {
    std::string error;
    const auto silent = link::PseudoTerminalServer::open(error);
    EXPECT_NE(silent, nullptr) << error;
    if (!silent) return {};
    Project project = test::newProject(kFamilyGroup);
    link::ApplicationDownload handler(project.definition, project.defaults);
    link::SteadyLinkClock clock;
    link::CradleTiming timing;
    link::TransferWorker worker(link::makeQtSerialPort, clock, timing);
    QTimer::singleShot(stopAfterMs, &dialog, stop);
    const link::PortEntry port{silent->devicePath(), silent->devicePath()};
    const auto outcome = dialog.run(worker, {{port}, 0, 2, 0, &handler, nullptr});
    EXPECT_TRUE(worker.finished());
    return outcome;
}

TEST(ProgressDialog, CancelEscAndClosingEachCancelTheExchange) {
    const Strings strings;
    const std::pair<const char*, std::function<void(ProgressDialog&)>> ways[] = {
        {"close", [](ProgressDialog& dialog) { dialog.close(); }},
        {"Esc", [](ProgressDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); }},
        {"Cancel", [](ProgressDialog& dialog) { dialog.findChild<QPushButton*>("cancelTransfer")->click(); }},
    };
    for (const auto& [way, stop] : ways) {
        ProgressDialog dialog(false, strings);
        const auto outcome = runUnanswered(dialog, 300, [&dialog, &stop] { stop(dialog); });
        EXPECT_EQ(outcome.result, link::kCancelled) << way;
    }
}

// While the terminal is silent the window says what it waits for, on which
// port, and how often it asked again.
TEST(ProgressDialog, SaysWhatItWaitsForAndHowOftenItAskedAgain) {
    const Strings strings;
    ProgressDialog dialog(false, strings);
    QString status;
    runUnanswered(dialog, 2500, [&] {
        status = dialog.findChild<QLabel*>("progressStatus")->text();
        dialog.close();
    });
    const QRegularExpression expected(R"(^Waiting for the terminal on /dev/pts/\d+… Asked again [12] of 10 times\.$)");
    EXPECT_TRUE(expected.match(status).hasMatch()) << status.toStdString();
}

// The cradle set-up before a download takes about two seconds: the window
// says so, and closing it ends the set-up.
TEST(ProgressDialog, ShowsTheCradleSetUpAndClosingEndsIt) {
    std::string error;
    const auto silent = link::PseudoTerminalServer::open(error);  // no cradle answers on it
    ASSERT_NE(silent, nullptr) << error;
    const Strings strings;
    Project project = test::newProject(kFamily4760);
    link::ApplicationDownload handler(project.definition, project.defaults);
    link::SteadyLinkClock clock;
    link::CradleTiming timing;
    link::TransferWorker worker(link::makeQtSerialPort, clock, timing);
    ProgressDialog dialog(false, strings);
    QString shown;
    QTimer::singleShot(400, &dialog, [&] {
        shown = dialog.findChild<QLabel*>("progressStatus")->text();
        dialog.close();
    });
    const link::PortEntry port{silent->devicePath(), silent->devicePath()};
    const auto outcome = dialog.run(worker, {{port}, 0, link::kLinkKindCradle, 0, &handler, nullptr});
    EXPECT_EQ(shown, QString::fromStdString("Setting up the infrared cradle on " + silent->devicePath() + "…"));
    EXPECT_EQ(outcome.result, link::kCancelled);
}

}  // namespace
}  // namespace tessel::ui
