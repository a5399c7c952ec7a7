#pragma once
// Closes every modal dialog (such as the editor sheet that New shows) as soon
// as it appears, for widget tests that run commands which open one.
#include <QApplication>
#include <QTimer>

namespace tessel::test {

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

}  // namespace tessel::test
