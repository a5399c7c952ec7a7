#include "app/main_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QScreen>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include "core/bytes.h"
#include "core/messages.h"
#include "core/popup_menu.h"
#include "core/project_file.h"
#include "core/records/field_type.h"
#include "editors/ui/editor_sheet.h"
#include "simulator/ui/terminal_view.h"
#include "support/projects.h"
#include "support/recording_desktop.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"
#include "support/widgets.h"

namespace tessel::ui {
namespace {

// Closes every modal dialog (the editor sheet that New and Open show) as soon
// as it appears.
class ModalCloser {
public:
    ModalCloser() {
        QObject::connect(&timer_, &QTimer::timeout, [] {
            if (auto* modal = QApplication::activeModalWidget()) modal->close();
        });
        timer_.start(20);
    }

private:
    QTimer timer_;
};

class MainWindowTest : public ::testing::Test {
protected:
    MainWindow& window() {
        if (!window_) {
            window_ = std::make_unique<MainWindow>(WindowServices{messages,
                                                                  dialogs,
                                                                  desktop,
                                                                  clock,
                                                                  temp.path() / "TESSEX.ini",
                                                                  {},
                                                                  [] { return link::PortList{}; },
                                                                  {}});
        }
        return *window_;
    }
    void click(QPoint at) {
        QTest::mousePress(&window().terminal(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(&window().terminal(), Qt::LeftButton, {}, at);
    }
    QStringList menuTexts() {
        QStringList texts;
        for (auto* action : window().popupMenu().actions()) texts << (action->isSeparator() ? "-" : action->text());
        return texts;
    }

    test::TempDir temp;
    CapturedMessages messages{kAnswerCancel};
    test::ScriptedFileDialogs dialogs;
    test::RecordingDesktop desktop;
    sim::SteppingClock clock{{2026, 3, 5, 9, 5, 0}};
    ModalCloser closer;
    std::unique_ptr<MainWindow> window_;
};

TEST_F(MainWindowTest, StartsAsTheGroupFamilyTerminal) {
    EXPECT_EQ(window().windowTitle(), "Untitled");
    EXPECT_EQ(window().size(), QSize(267, 645));
    EXPECT_EQ(window().project().family, kFamilyAtStartup);
    EXPECT_EQ(window().terminal().family(), kFamilyAtStartup);
    EXPECT_EQ(window().simulator().screen().rows[0], "1. Collect data     ");
}

// The window opens at its usual place as far as its screen allows, and goes
// back there after the preferences. CTest runs this again at a scale factor
// of 2, where the screen is smaller than the window; the rule over screens of
// every size is tested in core.
TEST_F(MainWindowTest, OpensOnItsScreen) {
    const QRect free = window().screen()->availableGeometry();
    const QPoint usual(std::min(300, free.right() + 1 - 267), std::min(50, free.bottom() + 1 - 645));
    EXPECT_TRUE(window().isVisible());
    EXPECT_EQ(window().pos(), free.topLeft() + QPoint(std::max(usual.x(), 0), std::max(usual.y(), 0)));
    window().move(free.topLeft() + QPoint(500, 200));
    window().runCommand(kCommandPreferences);
    EXPECT_EQ(window().pos(), free.topLeft() + QPoint(std::max(usual.x(), 0), std::max(usual.y(), 0)));
    EXPECT_TRUE(free.contains(window().geometry().topLeft()));
}

TEST_F(MainWindowTest, KeyClicksReachTheSimulatorAndPressesBesideThemDrag) {
    window().runCommand(kCommandNew4760);
    QSignalSpy drags(&window().terminal(), &TerminalView::windowDragRequested);
    click({56, 301});
    EXPECT_EQ(window().terminal().lastKey(), 42);
    EXPECT_EQ(drags.count(), 0);
    click({55, 301});
    EXPECT_EQ(window().terminal().lastKey(), 0);
    EXPECT_EQ(drags.count(), 1);

    window().simulator().restart();
    click({130, 400});  // Down
    EXPECT_EQ(window().simulator().screen().highlightRow, 2);
}

TEST_F(MainWindowTest, MenuKeyOpensThePopupOnRelease) {
    window().runCommand(kCommandNew4760);
    QSignalSpy popups(&window().terminal(), &TerminalView::popupRequested);
    QTest::mousePress(&window().terminal(), Qt::LeftButton, {}, {170, 595});
    EXPECT_EQ(popups.count(), 0);
    QTest::mouseRelease(&window().terminal(), Qt::LeftButton, {}, {170, 595});
    ASSERT_EQ(popups.count(), 1);
    EXPECT_EQ(popups.at(0).at(0).toPoint(), window().terminal().mapToGlobal(QPoint(158, 586)));
    QTest::mousePress(&window().terminal(), Qt::RightButton, {}, {10, 10});
    EXPECT_EQ(popups.count(), 2);
}

// The PC keyboard drives the terminal: the arrows and Enter on the main
// menu, digits and letters typed through the multi-tap keys in a form.
TEST_F(MainWindowTest, PcKeyboardDrivesTheTerminal) {
    window().runCommand(kCommandNew4760);
    auto& form = window().project().definition.forms[0];
    form.fieldType[0] = kFieldText;
    setCellText(form.fieldPrompt[0], "Name:");
    form.maxLength[0] = 12;
    window().simulator().restart();
    auto& terminal = window().terminal();
    EXPECT_EQ(window().focusProxy(), &terminal);

    QTest::keyClick(&terminal, Qt::Key_Down);
    EXPECT_EQ(terminal.lastKey(), 33);
    EXPECT_EQ(window().simulator().screen().highlightRow, 2);
    QTest::keyClick(&terminal, Qt::Key_Up);
    QTest::keyClick(&terminal, Qt::Key_Return);
    ASSERT_EQ(window().simulator().screen().state, sim::SimState::FormScreen);

    QTest::keyClicks(&terminal, "Ab-7x");
    QTest::keyClick(&terminal, Qt::Key_Backspace);
    QTest::keyClicks(&terminal, "Yz");
    QTest::keyClick(&terminal, Qt::Key_Right);  // no effect, but it enters the pending "z"
    EXPECT_EQ(window().simulator().screen().rows[0].substr(0, 11), "Name:Ab-7Yz");
    QTest::keyClick(&terminal, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(window().simulator().recordCounter(), 1u);
    QTest::keyClick(&terminal, Qt::Key_Escape);
    EXPECT_EQ(window().simulator().screen().state, sim::SimState::MainMenu);
}

// Every command can be reached without a mouse: the Menu key and Shift+F10
// open the popup with its first entry active, and its access keys choose.
TEST_F(MainWindowTest, MenuKeyAndShiftF10OpenThePopupForTheKeyboard) {
    window().show();
    auto& terminal = window().terminal();
    QMenu& menu = window().popupMenu();
    for (const auto& [key, modifiers] : {std::pair{Qt::Key_Menu, Qt::KeyboardModifiers{}},
                                         std::pair{Qt::Key_F10, Qt::KeyboardModifiers{Qt::ShiftModifier}}}) {
        QSignalSpy popups(&terminal, &TerminalView::popupRequested);
        QTest::keyClick(&terminal, key, modifiers);
        ASSERT_EQ(popups.count(), 1);
        EXPECT_EQ(popups.at(0).at(0).toPoint(), terminal.mapToGlobal(QPoint(173, 541)));
        EXPECT_TRUE(popups.at(0).at(1).toBool());
        EXPECT_TRUE(menu.isVisible());
        EXPECT_EQ(menu.activeAction(), menu.actions().first());
        menu.hide();
    }
    QTest::keyClick(&terminal, Qt::Key_Menu);
    QString opened;
    test::whenModalOpens([&opened](QDialog& dialog) {
        opened = dialog.objectName();
        dialog.reject();
    });
    QTest::keyClick(&menu, Qt::Key_P);  // &Preferences...
    EXPECT_EQ(opened, "PreferencesDlg");
}

TEST_F(MainWindowTest, PopupMenuListsTheCommandsAndRecentFiles) {
    EXPECT_EQ(menuTexts(),
              (QStringList{"&New\tCtrl+N", "&Open...\tCtrl+O", "&Save\tCtrl+S", "Save &As...", "-", "&Undo\tCtrl+Z",
                           "Redo\tCtrl+Shift+Z", "-", "&Edit\tCtrl+E", "&Preferences...", "-", "&Download Application",
                           "Download &Lookup File", "&Receive Data", "-", "A&bout...\tF1", "E&xit\tAlt+F4"}));
    std::vector<std::string> files;
    for (const char* name : {"one.TSX", "two.TSX", "three.TSX", "four.TSX", "five.TSX"}) {
        Project made = test::newProject(kFamilyGroup);
        ASSERT_EQ(writeProject(made, temp.path() / name, nullptr), 1);
        dialogs.answer((temp.path() / name).string());
        window().runCommand(kCommandOpen);
    }
    const auto texts = menuTexts();
    ASSERT_EQ(texts.size(), 22);
    EXPECT_TRUE(texts[15].startsWith("&1:  ")) << texts[15].toStdString();
    EXPECT_TRUE(texts[15].endsWith("five.TSX"));
    EXPECT_TRUE(texts[18].endsWith("two.TSX"));
    EXPECT_EQ(texts[19], "-");
}

TEST_F(MainWindowTest, NewWithUnsavedChangesAndCancelChangesNothing) {
    window().project().modified = true;
    window().project().currentPath = "/kept/path.TSX";
    window().project().definition.forms[0].fieldType[0] = 3;
    const auto mask = window().mask();
    messages.setAnswer(kAnswerCancel);
    window().runCommand(kCommandNew4760);
    EXPECT_EQ(window().project().family, kFamilyAtStartup);
    EXPECT_EQ(window().terminal().family(), kFamilyAtStartup);
    EXPECT_EQ(window().mask(), mask);
    EXPECT_EQ(window().project().currentPath, "/kept/path.TSX");
    EXPECT_EQ(window().project().definition.forms[0].fieldType[0], 3);
    ASSERT_FALSE(messages.shown().empty());
    EXPECT_EQ(messages.shown().back().text, "Save current program ?");
}

TEST_F(MainWindowTest, NewOfTheOtherFamilyChangesOutlineAndSkin) {
    const auto mask = window().mask();
    window().runCommand(kCommandNew4760);
    EXPECT_EQ(window().project().family, kFamily4760);
    EXPECT_EQ(window().terminal().family(), kFamily4760);
    EXPECT_NE(window().mask(), mask);
}

TEST_F(MainWindowTest, ClosingAsksWhileThereAreUnsavedChanges) {
    window().show();
    window().project().modified = true;
    messages.setAnswer(kAnswerCancel);
    EXPECT_FALSE(window().close());
    messages.setAnswer(kAnswerNo);
    EXPECT_TRUE(window().close());
}

// A screen text changed on the Startup page shows on the terminal once the
// sheet is closed with OK.
TEST_F(MainWindowTest, StartupTextsShowOnTheTerminalAfterOk) {
    window().runCommand(kCommandNew4760);
    window().simulator().handleKey(3);  // into the utilities
    test::whenModalOpens([](QDialog& dialog) {
        auto* sheet = qobject_cast<EditorSheet*>(&dialog);
        ASSERT_NE(sheet, nullptr);
        sheet->tabs()->setCurrentIndex(5);
        auto* line = test::child<QLineEdit>(sheet, "promptLine1");
        line->selectAll();
        QTest::keyClicks(line, "1. Count stock");
        test::press(dialog, QDialogButtonBox::Ok);
    });
    window().runCommand(kCommandEdit);
    EXPECT_EQ(window().simulator().screen().rows[0], "1. Count stock");
    EXPECT_TRUE(window().project().modified);
}

}  // namespace
}  // namespace tessel::ui
