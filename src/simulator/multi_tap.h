#pragma once
// The multi-tap letter keys: pressing the same key again within the time-out
// steps through its characters; the character shown is entered only when
// another key comes or the time-out runs out.
#include <optional>

namespace tessel::sim {

class MultiTap {
public:
    // The letter keys, the two punctuation keys and the space key.
    static bool handles(int code);

    // A press of `code`: steps on when a character is pending (the caller has
    // entered the pending character of any other key first), else starts at
    // the key's first character. Returns the character now pending.
    char press(int code);

    // A 100 ms timer tick; true when the pending character has timed out and
    // is to be entered. The count is compared before it is raised, so this
    // happens at the seventh tick after the last press.
    bool tick();

    // Ends the pending state and gives the character that was pending.
    std::optional<char> take();

    bool pending() const { return pending_; }

private:
    bool pending_ = false;
    char character_ = 0;
    int step_ = 0;
    int ticks_ = 0;
};

}  // namespace tessel::sim
