#include "link/ui/progress_dialog.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QProgressBar>
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

TEST(ProgressDialog, ClosingTheWindowCancelsTheExchange) {
    std::string error;
    const auto silent = link::PseudoTerminalServer::open(error);  // nobody answers on it
    ASSERT_NE(silent, nullptr) << error;
    const Strings strings;
    Project project = test::newProject(kFamilyGroup);
    link::ApplicationDownload handler(project.definition, project.defaults);
    link::SteadyLinkClock clock;
    link::CradleTiming timing;
    link::TransferWorker worker(link::makeQtSerialPort, clock, timing);
    ProgressDialog dialog(false, strings);
    QTimer::singleShot(300, &dialog, [&dialog] { dialog.close(); });
    const link::PortEntry port{silent->devicePath(), silent->devicePath()};
    const auto outcome = dialog.run(worker, {{port}, 0, 2, 0, &handler, nullptr});
    EXPECT_EQ(outcome.result, link::kCancelled);
    EXPECT_TRUE(worker.finished());
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
        shown = dialog.findChild<QLabel*>("progressText")->text();
        dialog.close();
    });
    const link::PortEntry port{silent->devicePath(), silent->devicePath()};
    const auto outcome = dialog.run(worker, {{port}, 0, link::kLinkKindCradle, 0, &handler, nullptr});
    EXPECT_EQ(shown, "Setting up the cradle...");
    EXPECT_EQ(outcome.result, link::kCancelled);
}

}  // namespace
}  // namespace tessel::ui
