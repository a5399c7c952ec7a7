// What keeps the user's work in the real window: the question before the
// editor sheet drops changes, Undo and Redo, the title and the saved notice,
// dialogs that fit the screen, and a project named on the command line.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTest>
#include <functional>

#include "app/main_window.h"
#include "core/file_io.h"
#include "core/messages.h"
#include "core/popup_menu.h"
#include "core/project_file.h"
#include "editors/ui/editor_sheet.h"
#include "support/projects.h"
#include "support/recording_desktop.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"
#include "support/widgets.h"

namespace tessel::ui {
namespace {

class EditingSafety : public ::testing::Test {
protected:
    MainWindow& window(const std::string& fileToOpen = {}) {
        if (!window_) {
            window_ = std::make_unique<MainWindow>(WindowServices{messages,
                                                                  dialogs,
                                                                  desktop,
                                                                  clock,
                                                                  temp.path() / "TESSEX.ini",
                                                                  {},
                                                                  [] { return link::PortList{}; },
                                                                  {},
                                                                  {},
                                                                  fileToOpen});
            window_->show();
            QApplication::setActiveWindow(window_.get());
        }
        return *window_;
    }
    // Runs `command`, whose editor sheet `drive` handles.
    void withSheet(int command, std::function<void(EditorSheet&)> drive) {
        test::whenModalOpens([drive](QDialog& dialog) {
            auto* sheet = qobject_cast<EditorSheet*>(&dialog);
            ASSERT_NE(sheet, nullptr);
            drive(*sheet);
            if (sheet->isVisible()) sheet->done(QDialog::Rejected);
        });
        window().runCommand(command);
    }
    // The shortcuts work in the active window, which a closed sheet leaves unset.
    void keys(QKeyCombination combination) {
        QApplication::setActiveWindow(&window());
        QTest::keyClick(&window(), combination.key(), combination.keyboardModifiers());
    }
    QAction* action(int command) {
        for (QAction* entry : window().popupMenu().actions()) {
            if (entry->data().toInt() == command) return entry;
        }
        ADD_FAILURE() << "no entry for " << command;
        return nullptr;
    }
    std::string projectFile(const char* name, Byte marker) {
        Project saved = test::newProject(kFamily4760);
        saved.definition.forms[0].fieldType[0] = marker;
        const auto path = (temp.path() / name).string();
        EXPECT_EQ(writeProject(saved, path, nullptr), 1);
        return path;
    }
    Byte formType(int field) const { return window_->project().definition.forms[0].fieldType[field]; }

    test::TempDir temp;
    CapturedMessages messages{kAnswerCancel};
    test::ScriptedFileDialogs dialogs;
    test::RecordingDesktop desktop;
    sim::SteppingClock clock{{2026, 3, 5, 9, 5, 0}};
    std::unique_ptr<MainWindow> window_;
};

// A change on the Form page: the first field of form 1 becomes a text field.
void changeTheFirstField(EditorSheet& sheet) { test::child<QComboBox>(sheet.tabs(), "fieldType1")->setCurrentIndex(1); }

TEST_F(EditingSafety, EscAfterAnEditAsksAndDiscardOrKeepEditingDoWhatTheySay) {
    window();
    withSheet(kCommandEdit, [this](EditorSheet& sheet) {
        changeTheFirstField(sheet);
        messages.setAnswer(kAnswerCancel);  // keep editing
        QTest::keyClick(&sheet, Qt::Key_Escape);
        EXPECT_TRUE(sheet.isVisible());
        ASSERT_EQ(messages.shown().size(), 1u);
        EXPECT_EQ(messages.shown()[0].style.buttons, MessageButtons::DiscardKeepEditing);
        EXPECT_EQ(test::child<QComboBox>(sheet.tabs(), "fieldType1")->currentIndex(), 1);

        messages.setAnswer(kAnswerDiscard);
        QTest::keyClick(&sheet, Qt::Key_Escape);
        EXPECT_FALSE(sheet.isVisible());
    });
    EXPECT_EQ(formType(0), 0);
    EXPECT_FALSE(window().project().modified);
    EXPECT_FALSE(action(kCommandUndo)->isEnabled());
}

TEST_F(EditingSafety, OkThenUndoThenSaveGivesTheOriginalBytes) {
    const auto file = projectFile("stock.TSX", 0);
    const auto original = readFileBytes(file, kProjectFileSize);
    dialogs.answer(file);
    withSheet(kCommandOpen, [](EditorSheet&) {});
    EXPECT_EQ(window().windowTitle(), "stock.TSX");

    withSheet(kCommandEdit, [](EditorSheet& sheet) {
        changeTheFirstField(sheet);
        test::press(sheet, QDialogButtonBox::Ok);
    });
    EXPECT_EQ(formType(0), 1);
    EXPECT_TRUE(window().project().modified);
    EXPECT_EQ(window().windowTitle(), "stock.TSX \u2022");
    EXPECT_EQ(action(kCommandUndo)->text(), "&Undo Edit\tCtrl+Z");
    EXPECT_TRUE(action(kCommandUndo)->isEnabled());
    EXPECT_FALSE(action(kCommandRedo)->isEnabled());

    keys(Qt::CTRL | Qt::Key_Z);
    EXPECT_EQ(formType(0), 0);
    EXPECT_FALSE(window().project().modified);  // back to what was saved
    EXPECT_EQ(window().windowTitle(), "stock.TSX");
    EXPECT_EQ(action(kCommandRedo)->text(), "Redo Edit\tCtrl+Shift+Z");
    EXPECT_EQ(window().simulator().screen().rows[0], "1. Collect data     ");

    window().runCommand(kCommandSave);
    EXPECT_TRUE(readFileBytes(file, kProjectFileSize) == original);

    keys(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
    EXPECT_EQ(formType(0), 1);
    EXPECT_TRUE(window().project().modified);
    keys(Qt::CTRL | Qt::Key_Z);
    keys(Qt::CTRL | Qt::Key_Y);
    EXPECT_EQ(formType(0), 1);
    EXPECT_TRUE(messages.shown().empty());
}

// The Barcode page writes the second Code 128 bit to follow the first, which a
// new project's defaults leave apart: the first OK after visiting it changes
// that byte, so each project is settled by one OK and saved before the check.
TEST_F(EditingSafety, AnOkThatChangesNothingLeavesTheFlagAsItWasOnEveryPage) {
    const auto okOnEveryPage = [](EditorSheet& sheet) {
        for (int tab = 0; tab < sheet.tabs()->count(); ++tab) sheet.tabs()->setCurrentIndex(tab);
        test::press(sheet, QDialogButtonBox::Ok);
    };
    window();
    for (const int command : {kCommandNew4760, kCommandNewGroup}) {
        withSheet(command, okOnEveryPage);
        dialogs.answer((temp.path() / std::to_string(command)).string());
        window().runCommand(kCommandSaveAs);
        for (const bool modified : {false, true}) {
            window().project().modified = modified;
            withSheet(kCommandEdit, okOnEveryPage);
            EXPECT_EQ(window().project().modified, modified) << command;
            EXPECT_FALSE(window().session().history().canRedo()) << command;
            EXPECT_EQ(window().session().history().undoName(), "Edit") << command;  // only New's settling OK
        }
        window().project().modified = false;
    }
}

TEST_F(EditingSafety, TheTitleFollowsTheFileAndTheSavedNoticeShowsAboveTheScreen) {
    EXPECT_EQ(window().windowTitle(), "Untitled");
    withSheet(kCommandNew4760, changeTheFirstField);
    EXPECT_EQ(window().windowTitle(), "Untitled");  // the change was dropped without OK
    withSheet(kCommandEdit, [](EditorSheet& sheet) {
        changeTheFirstField(sheet);
        test::press(sheet, QDialogButtonBox::Ok);
    });
    EXPECT_EQ(window().windowTitle(), "Untitled \u2022");
    EXPECT_FALSE(window().savedNotice().isVisible());

    dialogs.answer((temp.path() / "count").string());
    window().runCommand(kCommandSaveAs);
    EXPECT_EQ(window().windowTitle(), "count.TSX");
    EXPECT_TRUE(window().savedNotice().isVisible());
    EXPECT_EQ(window().savedNotice().text(), "Saved count.TSX");
    EXPECT_TRUE(window().savedNoticeTimer().isActive());
    EXPECT_EQ(window().savedNoticeTimer().interval(), 2000);
    // Above the terminal's screen, whose glass starts below y 50 in both families.
    const QRect notice = window().savedNotice().geometry();
    EXPECT_TRUE(window().rect().contains(notice));
    EXPECT_LT(notice.bottom(), 50);
    EXPECT_TRUE(window().mask().contains(notice.topLeft()) && window().mask().contains(notice.bottomRight()));

    QTest::qWait(2200);
    EXPECT_FALSE(window().savedNotice().isVisible());
}

TEST_F(EditingSafety, AProjectNamedAtStartIsOpened) {
    const auto file = projectFile("named.TSX", 5);
    window(file);
    EXPECT_EQ(window().project().currentPath, file);
    EXPECT_EQ(formType(0), 5);
    EXPECT_EQ(window().project().family, kFamily4760);
    EXPECT_EQ(window().windowTitle(), "named.TSX");
}

TEST_F(EditingSafety, AnUnreadableProjectNamedAtStartIsReportedAndANewProjectShown) {
    const auto missing = (temp.path() / "missing.TSX").string();
    window(missing);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text, "File open/create failed!\n" + missing + ": No such file or directory");
    EXPECT_TRUE(window().project().currentPath.empty());
    EXPECT_EQ(window().windowTitle(), "Untitled");
    EXPECT_EQ(window().simulator().screen().rows[0], "1. Collect data     ");
}

// The sheet and the dialogs fit the free area of their screen, OK and Cancel
// in reach. CTest runs this again at a scale factor of 2 on a 1280 x 1024
// screen, where the sheet's pages are larger than the screen.
TEST_F(EditingSafety, TheSheetAndTheDialogsFitTheScreen) {
    struct Case {
        const char* what;
        int command;
        int tab;  // of the sheet, -1 for another dialog
    };
    const Case cases[] = {
        {"Form page", kCommandEdit, 0},           {"Barcode page", kCommandEdit, 3}, {"Startup page", kCommandEdit, 5},
        {"Preferences", kCommandPreferences, -1}, {"About", kCommandAbout, -1},
    };
    window();
    for (const auto& c : cases) {
        bool checked = false;
        test::whenModalOpens([&](QDialog& dialog) {
            auto* sheet = qobject_cast<EditorSheet*>(&dialog);
            if (sheet) sheet->tabs()->setCurrentIndex(c.tab);
            QApplication::processEvents();
            const QRect free = dialog.screen()->availableGeometry();
            EXPECT_TRUE(free.contains(dialog.frameGeometry())) << c.what;
            // The pages show, in as much of the screen as they need.
            if (sheet) {
                EXPECT_FALSE(sheet->tabs()->visibleRegion().isEmpty()) << c.what;
                EXPECT_GE(dialog.height(), std::min(free.height() * 3 / 4, sheet->tabs()->sizeHint().height()))
                    << c.what;
            }
            for (auto* button : dialog.findChildren<QPushButton*>()) {
                const auto role = qobject_cast<QDialogButtonBox*>(button->parentWidget());
                if (!role || !button->isVisible()) continue;
                const QRect shown(button->mapToGlobal(QPoint(0, 0)), button->size());
                EXPECT_TRUE(free.contains(shown)) << c.what << ": " << button->text().toStdString();
                EXPECT_TRUE(dialog.geometry().contains(shown)) << c.what << ": " << button->text().toStdString();
            }
            checked = true;
            dialog.done(QDialog::Rejected);
        });
        window().runCommand(c.command);
        EXPECT_TRUE(checked) << c.what;
    }
}

}  // namespace
}  // namespace tessel::ui
