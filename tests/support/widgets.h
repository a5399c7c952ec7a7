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
#include <memory>

namespace tessel::test {

// The application lives from before the first test to after the last, and is
// gone before the program's own teardown begins.
class ApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override { app_ = std::make_unique<QApplication>(argc_, argv_); }
    void TearDown() override { app_.reset(); }

private:
    int argc_ = 1;
    char name_[13] = "tessel-tests";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> app_;
};

inline ::testing::Environment* const kApplicationEnvironment =
    ::testing::AddGlobalTestEnvironment(new ApplicationEnvironment);

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
