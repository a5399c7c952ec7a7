#include "app/transfer_commands.h"

#include <QCoreApplication>

#include "core/desktop.h"
#include "core/file_dialogs.h"
#include "core/messages.h"
#include "core/project.h"
#include "core/strings.h"
#include "core/text_encoding.h"
#include "link/application_download.h"
#include "link/data_file.h"
#include "link/ir_cradle.h"
#include "link/link_clock.h"
#include "link/lookup_download.h"
#include "link/lookup_file.h"
#include "link/receive_data.h"
#include "link/transfer_texts.h"
#include "link/ui/progress_dialog.h"
#include "link/ui/translated_advice.h"

namespace tessel::ui {
namespace {

constexpr int kCaptionError = 1121;
constexpr int kFailedRetry = 1166;
constexpr int kUploadDataCaption = 1124;
constexpr int kNoDataReceived = 1134;

}  // namespace

TransferCommands::TransferCommands(Project& project, const Strings& strings, TransferServices services, QWidget* owner)
    : project_(project), strings_(strings), services_(std::move(services)), owner_(owner) {}

int TransferCommands::exchange(const LinkSetup& setup, link::AnswerHandler& handler, link::RecordSink* records) {
    link::SteadyLinkClock clock;
    link::CradleTiming timing;
    link::TransferWorker worker(services_.makePort, clock, timing);
    ProgressDialog progress(handler.mode() == link::TransferMode::Receive, strings_, owner_);
    const auto outcome =
        progress.run(worker, {setup.ports, setup.portIndex, setup.linkKind, setup.baudIndex, &handler, records});
    failureDetail_ = outcome.detail;
    failureAdvice_ = outcome.advice;
    return outcome.result;
}

int TransferCommands::download(const LinkSetup& setup, bool lookup) {
    for (;;) {
        const int result = downloadOnce(setup, lookup);
        if (result == link::kCompleted || result == link::kCancelled) return result;
        showFailure(result);
        const int answer = messageByIds(strings_, services_.messages, kCaptionError, kFailedRetry,
                                        {MessageIcon::Warning, MessageButtons::YesNo});
        if (answer != kAnswerYes) return result;
    }
}

int TransferCommands::downloadOnce(const LinkSetup& setup, bool lookup) {
    failureDetail_.clear();
    failureAdvice_.clear();
    if (!lookup) {
        link::ApplicationDownload handler(project_.definition, project_.defaults);
        return exchange(setup, handler, nullptr);
    }
    const auto chosen = services_.dialogs.choose(openLookupRequest(strings_, lookupPath_));
    if (!chosen) return link::kCancelled;
    lookupPath_ = *chosen;
    const auto file = link::openLookupFile(*chosen);
    if (!file) {
        failureDetail_ = *chosen;
        return link::message::kCannotOpenFile;
    }
    link::LookupDownload handler(file->stream, file->size);
    return exchange(setup, handler, nullptr);
}

int TransferCommands::receive(const LinkSetup& setup) {
    failureDetail_.clear();
    failureAdvice_.clear();
    const auto chosen = services_.dialogs.choose(saveDataRequest(strings_));
    if (!chosen) return link::kCancelled;
    // Refused before the exchange when it is read-only, with the reason.
    WriteOutcome problem;
    auto file = link::DataFile::create(*chosen, link::DataPlacement::Replace, problem);
    if (!file) {
        failureDetail_ = link::dataFileProblem(*chosen, problem);
        showFailure(link::message::kFileCreateFailed);
        return link::message::kFileCreateFailed;
    }
    link::ReceiveData handler;
    const int result = exchange(setup, handler, file.get());
    file->close();
    // After a failure the file keeps what was received and acknowledged.
    if (result == link::kCompleted) {
        showReceiveSummary(handler.recordsReceived(), *chosen);
    } else if (result != link::kCancelled) {
        showFailure(result);
    }
    return result;
}

void TransferCommands::showFailure(int result) {
    std::string text = strings_.utf8(result);
    if (!failureDetail_.empty()) text += "\n" + failureDetail_;
    if (!failureAdvice_.empty()) text += "\n" + translatedAdvice(failureAdvice_).toStdString();
    services_.messages.show(strings_.utf8(kCaptionError), text, {MessageIcon::Warning});
}

void TransferCommands::showReceiveSummary(int records, const std::string& path) {
    const auto& language = strings_.language();
    const auto slot = [&](int id) { return cp1251ToUtf8(language.text(id)); };
    const std::string caption = language.active() ? slot(kUploadDataCaption) : strings_.utf8(kUploadDataCaption);
    if (records == 0) {
        // The data file took the chosen file's place only with a first
        // record, so there is nothing to delete.
        const std::string text = language.active() ? slot(kNoDataReceived) : strings_.utf8(kNoDataReceived);
        services_.messages.show(caption, text, {MessageIcon::Information});
        return;
    }
    const std::string question = cp1251ToUtf8(link::receiveDoneQuestion(strings_, records));
    const int answer = services_.messages.show(caption, question, {MessageIcon::Information, MessageButtons::YesNo});
    if (answer == kAnswerYes && !services_.desktop.openFile(path)) {
        // Nothing on this desktop shows text files: say where the data is.
        const QString text = QCoreApplication::translate(
            "tessel::ui::TransferCommands", "No program of this desktop could show the received data. It is in:\n%1");
        services_.messages.show(caption, text.arg(QString::fromStdString(path)).toStdString(), {MessageIcon::Warning});
    }
}

}  // namespace tessel::ui
