#include "link/ui/progress_dialog.h"

#include <QLabel>
#include <QProgressBar>
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
    setWindowTitle(language.active() ? slot(kCaptionSlot) : QString("Progress"));
    text_ = new QLabel(language.active() ? slot(kDownloadingSlot) : QString("Downloading..."), this);
    text_->setObjectName("progressText");
    bar_ = new QProgressBar(this);
    bar_->setObjectName("progressBar");
    bar_->setRange(0, 100);
    bar_->setValue(0);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addWidget(bar_);
    setMinimumWidth(240);
    if (receiving_) {
        bar_->hide();
        showReceived(0);
    }
    poll_ = new QTimer(this);
    poll_->setInterval(20);
    connect(poll_, &QTimer::timeout, this, &ProgressDialog::finishWhenDone);
}

link::TransferOutcome ProgressDialog::run(link::TransferWorker& worker, link::TransferJob job) {
    worker_ = &worker;
    worker.start(std::move(job), *this);
    poll_->start();
    exec();
    poll_->stop();
    outcome_ = worker.wait();
    worker_ = nullptr;
    return outcome_;
}

void ProgressDialog::reject() {
    // The user closed the window: the worker ends the exchange and the poll
    // closes the window once it has.
    if (worker_) worker_->cancel();
}

void ProgressDialog::progress(int position) {
    QMetaObject::invokeMethod(
        this, [this, position] { bar_->setValue(position); }, Qt::QueuedConnection);
}

void ProgressDialog::received(int count) {
    QMetaObject::invokeMethod(
        this, [this, count] { showReceived(count); }, Qt::QueuedConnection);
}

void ProgressDialog::showReceived(int count) {
    text_->setText(QString::fromStdString(cp1251ToUtf8(link::receivedCountText(strings_, count))));
}

void ProgressDialog::finishWhenDone() {
    if (worker_ && worker_->finished()) done(QDialog::Accepted);
}

}  // namespace tessel::ui
