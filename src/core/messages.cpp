#include "core/messages.h"

#include "core/strings.h"
#include "core/text_encoding.h"

namespace tessel {

int CapturedMessages::show(std::string_view caption, std::string_view text, MessageStyle style) {
    shown_.push_back({std::string(caption), std::string(text), style});
    return answer_;
}

int messageByIds(const Strings& strings, MessageService& messages, int captionId, int textId, MessageStyle style,
                 std::string_view detail) {
    const auto caption = strings.text(captionId);
    const auto text = strings.text(textId);
    if (caption.empty() || text.empty()) return kAnswerNone;
    std::string shown = cp1251ToUtf8(text);
    if (!detail.empty()) shown += "\n" + std::string(detail);
    return messages.show(cp1251ToUtf8(caption), shown, style);
}

}  // namespace tessel
