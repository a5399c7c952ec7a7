#pragma once
// A main window on a scratch folder for tests that drive the editor sheet and
// the windows it opens from, with helpers to act on the sheet's pages.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "app/main_window.h"
#include "core/messages.h"
#include "support/recording_desktop.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"
#include "support/widgets.h"

namespace tessel::test {

// Controls are found on the page of their tab: several pages use one name.
class SheetDriver {
public:
    explicit SheetDriver(QDialog& sheet) : tabs_(child<QTabWidget>(&sheet, "editorTabs")) {}

    void page(int tab) {
        tabs_->setCurrentIndex(tab);
        page_ = tabs_->widget(tab);
    }
    QWidget* current() const { return page_; }
    void choose(const char* list, int index) { child<QComboBox>(page_, list)->setCurrentIndex(index); }
    void type(const char* edit, const char* text) {
        auto* box = child<QLineEdit>(page_, edit);
        box->selectAll();
        QTest::keyClicks(box, text);
    }
    void click(const char* button) { child<QAbstractButton>(page_, button)->click(); }

private:
    QTabWidget* tabs_;
    QWidget* page_ = nullptr;
};

class SheetWindowTest : public ::testing::Test {
protected:
    SheetWindowTest()
        : window(std::make_unique<ui::MainWindow>(ui::WindowServices{messages,
                                                                     dialogs,
                                                                     desktop,
                                                                     clock,
                                                                     temp.path() / "TESSEX.ini",
                                                                     {},
                                                                     [] { return link::PortList{}; },
                                                                     {}})) {}

    // New of `family`, its editor sheet closed at once.
    void newProject(int command) {
        whenModalOpens([](QDialog& sheet) { sheet.reject(); });
        window->runCommand(command);
    }

    TempDir temp;
    CapturedMessages messages{kAnswerNo};
    ScriptedFileDialogs dialogs;
    RecordingDesktop desktop;
    sim::SteppingClock clock{{2026, 3, 5, 9, 5, 0}};
    std::unique_ptr<ui::MainWindow> window;
};

}  // namespace tessel::test
