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
    text_ = new QLabel(this);
    text_->setObjectName("progressText");
    bar_ = new QProgressBar(this);
    bar_->setObjectName("progressBar");
    bar_->setRange(0, 100);
    bar_->setValue(0);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addWidget(bar_);
    setMinimumWidth(240);
    if (receiving_) bar_->hide();
    showExchangeText();
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

void ProgressDialog::settingUp(link::OpeningStep step) {
    const QString text = step == link::OpeningStep::Cradle ? "Setting up the cradle..." : "Opening the port...";
    QMetaObject::invokeMethod(
        this, [this, text] { text_->setText(text); }, Qt::QueuedConnection);
}

void ProgressDialog::exchanging() {
    QMetaObject::invokeMethod(
        this, [this] { showExchangeText(); }, Qt::QueuedConnection);
}

void ProgressDialog::showExchangeText() {
    if (receiving_) {
        showReceived(0);
        return;
    }
    const auto& language = strings_.language();
    text_->setText(language.active() ? QString::fromStdString(cp1251ToUtf8(language.text(kDownloadingSlot)))
                                     : QString("Downloading..."));
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
