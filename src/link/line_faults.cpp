#include "link/line_faults.h"

#include <charconv>

namespace tessel::link {
namespace {

std::optional<double> parseProbability(std::string_view text) {
    double value = 0;
    const auto [end, problem] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (problem != std::errc{} || end != text.data() + text.size() || value < 0 || value > 1) return std::nullopt;
    return value;
}

}  // namespace

std::optional<FaultSpec> parseFaultSpec(std::string_view text, std::string& error) {
    FaultSpec faults;
    while (!text.empty()) {
        const auto comma = text.find(',');
        const auto item = text.substr(0, comma);
        text = comma == std::string_view::npos ? std::string_view{} : text.substr(comma + 1);
        const auto equals = item.find('=');
        const auto name = item.substr(0, equals);
        const auto value = equals == std::string_view::npos ? std::string_view{} : item.substr(equals + 1);
        if (name == "maxdelay" || name == "latency") {
            int ms = 0;
            const auto [end, problem] = std::from_chars(value.data(), value.data() + value.size(), ms);
            if (problem != std::errc{} || end != value.data() + value.size() || ms < 0) {
                error = std::string(name) + " takes milliseconds: " + std::string(item);
                return std::nullopt;
            }
            (name == "maxdelay" ? faults.maxDelay : faults.latency) = Milliseconds(ms);
            continue;
        }
        double* field = name == "drop"      ? &faults.drop
                        : name == "corrupt" ? &faults.corrupt
                        : name == "delay"   ? &faults.delay
                        : name == "silence" ? &faults.silence
                        : name == "cr"      ? &faults.strayCr
                                            : nullptr;
        const auto probability = parseProbability(value);
        if (!field || !probability) {
            error =
                "expected drop, corrupt, delay, silence or cr with a chance from 0 to 1, or maxdelay=MS or "
                "latency=MS: " +
                std::string(item);
            return std::nullopt;
        }
        *field = *probability;
    }
    return faults;
}

bool LineFaults::chance(double probability) {
    return probability > 0 && std::uniform_real_distribution<double>(0, 1)(random_) < probability;
}

ByteString LineFaults::damage(std::span<const Byte> bytes) {
    ByteString out(bytes.begin(), bytes.end());
    if (out.empty()) return out;
    auto anyByte = [&] {
        return static_cast<std::ptrdiff_t>(std::uniform_int_distribution<std::size_t>(0, out.size() - 1)(random_));
    };
    if (chance(faults_.corrupt)) {
        Byte& victim = out[static_cast<std::size_t>(anyByte())];
        Byte damaged = victim;
        while (damaged == victim || damaged == kCr)
            damaged = static_cast<Byte>(victim ^ std::uniform_int_distribution<int>(1, 255)(random_));
        victim = damaged;
    }
    if (chance(faults_.drop)) out.erase(out.begin() + anyByte());
    return out;
}

ByteString LineFaults::damageAnswer(std::span<const Byte> bytes) {
    ByteString out = damage(bytes);
    if (!out.empty() && chance(faults_.strayCr)) {
        const auto at = std::uniform_int_distribution<std::size_t>(0, out.size() - 1)(random_);
        out[at] = kCr;
    }
    return out;
}

Milliseconds LineFaults::holdBack() {
    if (!chance(faults_.delay) || faults_.maxDelay.count() == 0) return faults_.latency;
    return faults_.latency +
           Milliseconds(std::uniform_int_distribution<long long>(1, faults_.maxDelay.count())(random_));
}

}  // namespace tessel::link
