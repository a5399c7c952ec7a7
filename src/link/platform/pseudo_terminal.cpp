#include "link/platform/pseudo_terminal.h"

#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>

#include "link/line_pace.h"

namespace tessel::link {
namespace {

using namespace std::chrono_literals;

constexpr Milliseconds kIdleWake{100};

void writeAll(int fd, const ByteString& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return;  // nobody reads: the terminal's answer is lost, as on a real line
        done += static_cast<std::size_t>(n);
    }
}

}  // namespace

std::unique_ptr<PseudoTerminalServer> PseudoTerminalServer::open(std::string& error) {
    int controller = -1, device = -1;
    std::array<char, 256> name{};
    if (::openpty(&controller, &device, name.data(), nullptr, nullptr) != 0) {
        error = std::string("cannot make a pseudo-terminal: ") + std::strerror(errno);
        return nullptr;
    }
    termios settings{};
    ::tcgetattr(device, &settings);
    ::cfmakeraw(&settings);
    ::tcsetattr(device, TCSANOW, &settings);
    return std::unique_ptr<PseudoTerminalServer>(new PseudoTerminalServer(controller, device, name.data()));
}

PseudoTerminalServer::~PseudoTerminalServer() {
    ::close(controller_);
    ::close(device_);
}

void PseudoTerminalServer::serve(PeerLine& line, const std::atomic<bool>& stop,
                                 const std::function<void()>& afterEvents, int bitsPerSecond) {
    std::array<Byte, 4096> buffer{};
    LinePace fromPc(bitsPerSecond), toPc(bitsPerSecond);
    while (!stop) {
        const TimePoint now = Clock::now();
        Milliseconds wait = kIdleWake;
        for (const auto due : {line.deadline(), fromPc.deadline(), toPc.deadline()})
            if (due)
                wait =
                    std::min(wait, std::clamp(std::chrono::ceil<Milliseconds>(*due - now), Milliseconds{0}, kIdleWake));
        pollfd watch{controller_, POLLIN, 0};
        const int ready = ::poll(&watch, 1, static_cast<int>(wait.count()));
        if (ready > 0 && (watch.revents & POLLIN)) {
            const ssize_t n = ::read(controller_, buffer.data(), buffer.size());
            if (n > 0) fromPc.enter(std::span(buffer).first(static_cast<std::size_t>(n)), Clock::now());
        }
        if (const auto arrived = fromPc.leave(Clock::now()); !arrived.empty()) line.fromPc(arrived, Clock::now());
        toPc.enter(line.toPc(Clock::now()), Clock::now());
        writeAll(controller_, toPc.leave(Clock::now()));
        if (afterEvents) afterEvents();
    }
}

}  // namespace tessel::link
