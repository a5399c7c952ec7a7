#pragma once
// Cuts the bytes that arrive from the terminal, in chunks of any size, into
// CR-ended answer lines.
#include <functional>
#include <span>

#include "link/wire.h"

namespace tessel::link {

inline constexpr std::size_t kMaxLineLength = 1024;

class LineAssembler {
public:
    // Downloads only ever expect ASCII answers, so bytes above 0x7F are noise
    // there; received records keep them.
    explicit LineAssembler(bool keepHighBytes) : keepHighBytes_(keepHighBytes) {}

    // Hands every completed line (its CR included, at most 1024 bytes kept)
    // to `handle`. The first result other than 1 stops the assembly, drops the
    // rest of the chunk and is returned; otherwise the result is 1.
    int feed(std::span<const Byte> chunk, const std::function<int(std::span<const Byte>)>& handle);

    void clear() { line_.clear(); }

private:
    bool keepHighBytes_;
    ByteString line_;
};

}  // namespace tessel::link
