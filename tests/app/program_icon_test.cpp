// The window icon is compiled into the program, drawn at each size of the
// icon theme, and shown by every window and dialog.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>

#include "app/main_window.h"
#include "app/program_icon.h"
#include "core/popup_menu.h"
#include "core/ui/qt_messages.h"
#include "link/ui/progress_dialog.h"
#include "support/recording_desktop.h"
#include "support/temp_dir.h"
#include "support/widgets.h"

namespace tessel::ui {
namespace {

TEST(ProgramIcon, IsCompiledInAtEveryThemeSize) {
    const QIcon icon = programIcon();
    ASSERT_FALSE(icon.isNull());
    const auto sizes = icon.availableSizes();
    for (const int side : {16, 24, 32, 48, 64, 128, 256}) {
        SCOPED_TRACE(side);
        EXPECT_TRUE(sizes.contains(QSize(side, side)));
        const QImage image = icon.pixmap(side, side).toImage();
        ASSERT_EQ(image.size(), QSize(side, side));
        // Drawn, not blank: the corner is transparent and the middle is the terminal's body.
        EXPECT_EQ(qAlpha(image.pixel(0, side - 1)), 0);
        EXPECT_EQ(qAlpha(image.pixel(side / 2, side * 3 / 4)), 255);
    }
}

// The test program sets no application icon, so a dialog shows the program's
// icon only when it gets it from the main window, as each one opened by the
// commands and the message and file-dialog services does.
TEST(ProgramIcon, EveryWindowAndDialogShowsIt) {
    ASSERT_TRUE(QApplication::windowIcon().isNull());
    test::TempDir temp;
    QtMessages messages;
    QtFileDialogs dialogs;
    test::RecordingDesktop desktop;
    sim::SteppingClock clock{{2026, 3, 5, 9, 5, 0}};
    MainWindow window(
        {messages, dialogs, desktop, clock, temp.path() / "TESSEX.ini", {}, [] { return link::PortList{}; }, {}});
    messages.setOwner(&window);
    dialogs.setOwner(&window);
    ASSERT_FALSE(window.windowIcon().isNull());
    const qint64 icon = window.windowIcon().cacheKey();

    QStringList shown;
    const auto check = [&](QDialog& dialog) {
        const QString name = dialog.metaObject()->className() + QString(" ") + dialog.objectName();
        EXPECT_EQ(dialog.windowIcon().cacheKey(), icon) << name.toStdString();
        shown << name;
    };
    const auto closing = [&](QDialog& dialog) {
        check(dialog);
        if (dialog.objectName() == "AboutBox") {
            test::press(dialog, QDialogButtonBox::Ok);  // it closes only by OK
        } else {
            dialog.reject();
        }
    };
    for (const int command : {kCommandEdit, kCommandPreferences, kCommandAbout}) {
        test::whenModalOpens(closing);
        window.runCommand(command);
    }
    test::whenModalOpens(closing);
    messages.show("Tessel Studio", "Save current program ?", {MessageIcon::Question, MessageButtons::YesNoCancel});
    test::whenModalOpens(closing);
    dialogs.choose({});
    const Strings strings;
    ProgressDialog progress(true, strings, &window);  // the transfers give it the window as owner
    check(progress);
    EXPECT_EQ(shown.size(), 6) << shown.join(", ").toStdString();
}

}  // namespace
}  // namespace tessel::ui
