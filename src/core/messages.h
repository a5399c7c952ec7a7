#pragma once
// Message boxes as a service: the desktop program shows them, the command-line
// tool prints them, and tests answer them.
#include <string>
#include <string_view>
#include <vector>

namespace tessel {

class Strings;

enum class MessageIcon { None, Information, Warning, Question };
// DiscardKeepEditing offers "Discard" and "Keep Editing", keep editing being
// the default and what Esc answers (kAnswerCancel).
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel, DiscardKeepEditing };

// The answers, numbered as the program's callers compare them.
enum MessageAnswer : int {
    kAnswerNone = 0,
    kAnswerOk = 1,
    kAnswerCancel = 2,
    kAnswerRetry = 4,
    kAnswerYes = 6,
    kAnswerNo = 7,
    kAnswerDiscard = 8
};

struct MessageStyle {
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
};

class MessageService {
public:
    virtual ~MessageService() = default;
    // Shows caption and text (UTF-8) and returns the answer.
    virtual int show(std::string_view caption, std::string_view text, MessageStyle style) = 0;
};

// Keeps every message shown and gives a fixed answer: for tests and for the
// command-line tool, which prints what it captured.
class CapturedMessages : public MessageService {
public:
    struct Message {
        std::string caption;
        std::string text;
        MessageStyle style;
    };

    explicit CapturedMessages(int answer = kAnswerOk) : answer_(answer) {}
    int show(std::string_view caption, std::string_view text, MessageStyle style) override;

    const std::vector<Message>& shown() const { return shown_; }
    void setAnswer(int answer) { answer_ = answer; }

private:
    std::vector<Message> shown_;
    int answer_;
};

// Shows the texts of two string ids, and `detail` (such as the system's reason
// for a failure) on a line of its own below the text; shows nothing and
// returns 0 when either text is empty.
int messageByIds(const Strings& strings, MessageService& messages, int captionId, int textId, MessageStyle style,
                 std::string_view detail = {});

}  // namespace tessel
