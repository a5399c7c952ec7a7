#include "editors/security_dialog_model.h"

#include <algorithm>

#include "core/messages.h"
#include "core/text_encoding.h"

namespace tessel {
namespace {

constexpr int kWarningCaption = 1122;
constexpr int kPasswordTooLong = 1141;
constexpr int kInvalidCharacter = 1142;

// The terminal's keypad enters letters and digits only.
bool isLetterOrDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

}  // namespace

SecurityDialogModel::SecurityDialogModel(SystemSettings& working, const Strings& strings, MessageService& messages)
    : SettingsCopyEdit(working),
      strings_(strings),
      messages_(messages),
      password_(cp1251ToUtf8(cellText(working.password))) {}

std::string SecurityDialogModel::setPassword(std::string_view text) {
    const std::string chars = utf8ToCp1251Lossy(text);
    int refusal = 0;
    if (chars.size() > kPasswordChars) {
        refusal = kPasswordTooLong;
    } else if (!std::all_of(chars.begin(), chars.end(), isLetterOrDigit)) {
        refusal = kInvalidCharacter;
    }
    if (refusal != 0) {
        messageByIds(strings_, messages_, kWarningCaption, refusal, {MessageIcon::Warning});
    } else {
        password_ = text;
    }
    return password_;
}

bool SecurityDialogModel::boxEnabled(std::size_t box) const {
    return box < kGeneralProtectBoxes || copy_.protectSettings == 0;
}

void SecurityDialogModel::accept() {
    setCellText(copy_.password, utf8ToCp1251Lossy(password_));
    putBack();
}

}  // namespace tessel
