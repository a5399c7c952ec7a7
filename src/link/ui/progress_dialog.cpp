#include "link/ui/progress_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "core/strings.h"
#include "core/text_encoding.h"
#include "link/transfer_texts.h"

namespace tessel::ui {
namespace {

constexpr int kCaptionSlot = 7;
constexpr int kDownloadingSlot = 8;

}  // namespace

ProgressDialog::ProgressDialog(bool receiving, const Strings& strings, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint), strings_(strings), receiving_(receiving) {
    setObjectName("ProgressDlg");
    const auto& language = strings_.language();
    const auto slot = [&](int id) { return QString::fromStdString(cp1251ToUtf8(language.text(id))); };
    setWindowTitle(language.active() ? slot(kCaptionSlot) : tr("Progress"));
    text_ = new QLabel(this);
    text_->setObjectName("progressText");
    bar_ = new QProgressBar(this);
    bar_->setObjectName("progressBar");
    bar_->setRange(0, 100);
    bar_->setValue(0);
    status_ = new QLabel(this);
    status_->setObjectName("progressStatus");
    status_->setWordWrap(true);
    // Closing the window, Esc and Cancel all end the exchange.
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    cancel_ = buttons->button(QDialogButtonBox::Cancel);
    cancel_->setObjectName("cancelTransfer");
    if (language.active()) cancel_->setText(slot(1219));
    connect(buttons, &QDialogButtonBox::rejected, this, &ProgressDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addWidget(bar_);
    layout->addWidget(status_);
    layout->addWidget(buttons);
    setMinimumWidth(240);
    if (receiving_) bar_->hide();
    showExchangeText();
    poll_ = new QTimer(this);
    poll_->setInterval(20);
    connect(poll_, &QTimer::timeout, this, &ProgressDialog::finishWhenDone);
}

link::TransferOutcome ProgressDialog::run(link::TransferWorker& worker, link::TransferJob job) {
    worker_ = &worker;
    if (job.portIndex >= 0 && static_cast<std::size_t>(job.portIndex) < job.ports.size()) {
        port_ = QString::fromStdString(job.ports[static_cast<std::size_t>(job.portIndex)].devicePath);
    }
    worker.start(std::move(job), *this);
    poll_->start();
    exec();
    poll_->stop();
    outcome_ = worker.wait();
    worker_ = nullptr;
    return outcome_;
}

void ProgressDialog::reject() {
    // The user closed the window, pressed Esc or Cancel: the worker ends the
    // exchange and the poll closes the window once it has.
    if (!worker_) return;
    worker_->cancel();
    cancel_->setEnabled(false);
    waitingFor_ = tr("Stopping…");
    resends_ = 0;
    showStatus();
}

void ProgressDialog::settingUp(link::OpeningStep step) {
    QMetaObject::invokeMethod(
        this,
        [this, step] {
            waitingFor_ = step == link::OpeningStep::Cradle ? tr("Setting up the infrared cradle on %1…").arg(port_)
                                                            : tr("Opening %1…").arg(port_);
            showStatus();
        },
        Qt::QueuedConnection);
}

void ProgressDialog::exchanging() {
    QMetaObject::invokeMethod(
        this,
        [this] {
            showExchangeText();
            waitingFor_ = tr("Waiting for the terminal on %1…").arg(port_);
            showStatus();
        },
        Qt::QueuedConnection);
}

void ProgressDialog::askedAgain(int times) {
    QMetaObject::invokeMethod(
        this,
        [this, times] {
            resends_ = times;
            showStatus();
        },
        Qt::QueuedConnection);
}

void ProgressDialog::showStatus() {
    QString status = answered_ && resends_ == 0 ? QString() : waitingFor_;
    if (resends_ > 0) status += " " + tr("Asked again %1 of %2 times.").arg(resends_).arg(link::kMaxRetries);
    status_->setText(status.trimmed());
}

void ProgressDialog::showExchangeText() {
    if (receiving_) {
        showReceived(0);
        return;
    }
    const auto& language = strings_.language();
    text_->setText(language.active() ? QString::fromStdString(cp1251ToUtf8(language.text(kDownloadingSlot)))
                                     : tr("Downloading..."));
}

void ProgressDialog::progress(int position) {
    QMetaObject::invokeMethod(
        this,
        [this, position] {
            bar_->setValue(position);
            answered_ = true;
            showStatus();
        },
        Qt::QueuedConnection);
}

void ProgressDialog::received(int count) {
    QMetaObject::invokeMethod(
        this,
        [this, count] {
            showReceived(count);
            answered_ = true;
            showStatus();
        },
        Qt::QueuedConnection);
}

void ProgressDialog::showReceived(int count) {
    text_->setText(QString::fromStdString(cp1251ToUtf8(link::receivedCountText(strings_, count))));
}

void ProgressDialog::finishWhenDone() {
    if (worker_ && worker_->finished()) done(QDialog::Accepted);
}

}  // namespace tessel::ui
