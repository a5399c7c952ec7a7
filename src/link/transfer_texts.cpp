#include "link/transfer_texts.h"

namespace tessel::link {
namespace {

// Slots of the language table that hold these texts; they are used unchanged
// when a language is active, also when empty.
constexpr int kSlotDoneBefore = 4;
constexpr int kSlotDoneAfter = 5;
constexpr int kSlotDataReceived = 6;

}  // namespace

std::string receivedCountText(const Strings& strings, int count) {
    const auto& language = strings.language();
    const std::string label = language.active() ? std::string(language.text(kSlotDataReceived)) : "Data received :";
    return label + " " + std::to_string(count);
}

std::string receiveDoneQuestion(const Strings& strings, int count) {
    const auto& language = strings.language();
    if (language.active())
        return std::string(language.text(kSlotDoneBefore)) + std::to_string(count) +
               std::string(language.text(kSlotDoneAfter));
    return "Done : " + std::to_string(count) + " records received.\nView the received data?";
}

}  // namespace tessel::link
