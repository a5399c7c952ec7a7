#pragma once
// Drives a transfer engine the way the worker does, on a clock that only
// moves when the test says so, and keeps everything the engine asked for.
#include <string_view>
#include <vector>

#include "link/transfer_engine.h"

namespace tessel::test {

using link::Action;
using link::ByteString;

class EngineHarness {
public:
    explicit EngineHarness(link::AnswerHandler& handler) : engine_(handler) {}

    void start() {
        collect([&] { engine_.start(now_); });
    }
    void answer(std::string_view text) { answerBytes(link::bytesOf(text)); }
    void answerBytes(const ByteString& bytes) {
        collect([&] { engine_.receive(bytes, now_); });
    }
    // Each byte in a read of its own, as a slow line delivers them.
    void answerByteByByte(std::string_view text) {
        for (const char c : text) answer(std::string_view(&c, 1));
    }
    // Moves the clock on and lets the engine act on its deadline.
    void wait(link::Milliseconds duration) {
        now_ += duration;
        collect([&] { engine_.tick(now_); });
    }

    link::TransferEngine& engine() { return engine_; }
    link::TimePoint now() const { return now_; }
    const std::vector<Action>& actions() const { return actions_; }

    std::vector<ByteString> sent() const { return bytesOf(Action::Kind::Send); }
    std::vector<ByteString> written() const { return bytesOf(Action::Kind::WriteRecord); }
    std::vector<int> values(Action::Kind kind) const {
        std::vector<int> found;
        for (const auto& action : actions_)
            if (action.kind == kind) found.push_back(action.value);
        return found;
    }
    ByteString lastSent() const {
        const auto all = sent();
        return all.empty() ? ByteString{} : all.back();
    }
    void clear() { actions_.clear(); }

private:
    template <typename Step>
    void collect(Step step) {
        step();
        for (auto& action : engine_.takeActions()) actions_.push_back(std::move(action));
    }
    std::vector<ByteString> bytesOf(Action::Kind kind) const {
        std::vector<ByteString> found;
        for (const auto& action : actions_)
            if (action.kind == kind) found.push_back(action.bytes);
        return found;
    }

    link::TransferEngine engine_;
    link::TimePoint now_{};
    std::vector<Action> actions_;
};

inline ByteString bytes(std::initializer_list<int> values) {
    ByteString result;
    for (int v : values) result.push_back(static_cast<Byte>(v));
    return result;
}

}  // namespace tessel::test
