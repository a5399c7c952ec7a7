#pragma once
// The "Progress" window of a transfer: a line of text and, for downloads, a
// bar. It starts the exchange on its worker, shows what the worker reports,
// and closes when the exchange ends; closing it cancels the exchange. Every
// end joins the worker, so the port is closed when run() returns.
#include <QDialog>

#include "link/transfer_worker.h"

class QLabel;
class QPushButton;
class QProgressBar;
class QTimer;

namespace tessel {
class Strings;
}

namespace tessel::ui {

class ProgressDialog : public QDialog, private link::TransferObserver {
    Q_OBJECT
public:
    ProgressDialog(bool receiving, const Strings& strings, QWidget* parent = nullptr);

    // Runs the exchange of `job` on `worker` while the window is shown.
    link::TransferOutcome run(link::TransferWorker& worker, link::TransferJob job);

    void reject() override;

private:
    // Called on the worker's thread; forwarded to the window's own.
    void settingUp(link::OpeningStep step) override;
    void exchanging() override;
    void progress(int position) override;
    void received(int count) override;
    void askedAgain(int times) override;

    void showReceived(int count);
    void showExchangeText();
    // What the exchange waits for, and how often the last frame went again.
    void showStatus();
    void finishWhenDone();

    const Strings& strings_;
    bool receiving_;
    QLabel* text_;
    QLabel* status_;
    QProgressBar* bar_;
    QPushButton* cancel_;
    QString port_;
    QString waitingFor_;
    bool answered_ = false;
    int resends_ = 0;
    QTimer* poll_;
    link::TransferWorker* worker_ = nullptr;
    link::TransferOutcome outcome_;
};

}  // namespace tessel::ui
