#pragma once
// Widget tests drive real controls, found by object name, under a QApplication
// on the offscreen platform.
#include <gtest/gtest.h>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTimer>
#include <functional>

namespace tessel::test {

inline void ensureApplication() {
    static int argc = 1;
    static char name[] = "tessel-tests";
    static char* argv[] = {name, nullptr};
    static QApplication* app = QApplication::instance() ? nullptr : new QApplication(argc, argv);
    (void)app;
}

// Put first among a fixture's members, so the application exists before any widget.
struct Application {
    Application() { ensureApplication(); }
};

template <typename Widget>
Widget* child(const QObject* parent, const char* objectName) {
    auto* found = parent->findChild<Widget*>(objectName);
    EXPECT_NE(found, nullptr) << objectName;
    return found;
}

// Runs `drive` on the modal dialog that the next event-loop turn shows, so a
// test can answer a dialog that a click opens with exec().
inline void whenModalOpens(std::function<void(QDialog&)> drive) {
    QTimer::singleShot(0, [drive] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        drive(*dialog);
    });
}

inline void press(QDialog& dialog, QDialogButtonBox::StandardButton which) {
    auto* buttons = dialog.findChild<QDialogButtonBox*>(QString(), Qt::FindDirectChildrenOnly);
    ASSERT_NE(buttons, nullptr);
    buttons->button(which)->click();
}

}  // namespace tessel::test
