#include "link/line_assembler.h"

namespace tessel::link {

int LineAssembler::feed(std::span<const Byte> chunk, const std::function<int(std::span<const Byte>)>& handle) {
    for (const Byte b : chunk) {
        if (b > 0x7F && !keepHighBytes_) continue;
        if (line_.size() < kMaxLineLength) line_.push_back(b);
        if (b != kCr) continue;
        const ByteString line = std::move(line_);
        line_.clear();
        const int result = handle(line);
        if (result != 1) return result;
    }
    return 1;
}

}  // namespace tessel::link
