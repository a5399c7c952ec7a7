#pragma once
// Helpers for widget tests, which drive real controls found by object name
// (the test program's main makes the QApplication, see qt_main.cpp).
#include <gtest/gtest.h>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTimer>
#include <functional>

namespace tessel::test {

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

// Runs `drive` on the modal window named `objectName` once it is the one on
// top: a window that another closes opens when the other's loop has ended.
inline void whenModalNamed(const QString& objectName, std::function<void(QDialog&)> drive, int triesLeft = 100) {
    QTimer::singleShot(10, [=] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog && dialog->objectName() == objectName) {
            drive(*dialog);
        } else if (triesLeft > 0) {
            whenModalNamed(objectName, drive, triesLeft - 1);
        } else {
            ADD_FAILURE() << "no " << objectName.toStdString() << " opened";
        }
    });
}

inline void press(QDialog& dialog, QDialogButtonBox::StandardButton which) {
    auto* buttons = dialog.findChild<QDialogButtonBox*>(QString(), Qt::FindDirectChildrenOnly);
    ASSERT_NE(buttons, nullptr);
    buttons->button(which)->click();
}

}  // namespace tessel::test
