#pragma once
// Faults of a noisy line, drawn from a seeded generator so that every run
// with the same seed goes wrong in the same way.
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <string_view>

#include "link/transfer.h"

namespace tessel::link {

// Each chance applies to one message on the line: a write of the PC or an
// answer of the terminal.
struct FaultSpec {
    double drop = 0;     // chance that one of its bytes is lost
    // Chance that one of its bytes arrives as another value, never CR: a line
    // end that was not sent is the stray-CR fault, which only the terminal's
    // answers suffer. A PC message cut in two would have the terminal answer
    // it twice, and as acknowledgements carry no number no PC could tell the
    // second answer from one to its next frame.
    double corrupt = 0;
    double delay = 0;    // chance that an answer is held back, up to maxDelay
    Milliseconds maxDelay{300};
    double silence = 0;       // chance that an answer is never sent
    double strayCr = 0;       // chance that one of its bytes arrives as CR, cutting its line in two
    Milliseconds latency{0};  // how long every answer takes to arrive

    bool any() const {
        return drop > 0 || corrupt > 0 || delay > 0 || silence > 0 || strayCr > 0 || latency.count() > 0;
    }
};

// "drop=0.02,corrupt=0.01,delay=0.05,maxdelay=300,silence=0.01,cr=0.01,latency=1200",
// any subset;
// the reason in `error` when the text is not of that form.
std::optional<FaultSpec> parseFaultSpec(std::string_view text, std::string& error);

class LineFaults {
public:
    LineFaults(FaultSpec faults, std::uint32_t seed) : faults_(faults), random_(seed) {}

    // The message after dropping and corrupting.
    ByteString damage(std::span<const Byte> bytes);
    // An answer of the terminal after dropping, corrupting and stray CRs.
    ByteString damageAnswer(std::span<const Byte> bytes);
    bool silenced() { return chance(faults_.silence); }
    // How long an answer is held back: the latency, and more for some.
    Milliseconds holdBack();

private:
    bool chance(double probability);

    FaultSpec faults_;
    std::mt19937 random_;
};

}  // namespace tessel::link
