#include "link/lookup_reader.h"

namespace tessel::link {
namespace {

constexpr std::size_t kBlockSize = 64 * 1024;

}  // namespace

LookupReader::LookupReader(std::istream& file) : file_(file), block_(kBlockSize) {}

std::optional<Byte> LookupReader::nextByte() {
    if (position_ == filled_) {
        if (failed_ || !file_.good()) return std::nullopt;
        file_.read(block_.data(), static_cast<std::streamsize>(block_.size()));
        filled_ = static_cast<std::size_t>(file_.gcount());
        position_ = 0;
        if (file_.bad()) failed_ = true;
        if (filled_ == 0) return std::nullopt;
    }
    return static_cast<Byte>(block_[position_++]);
}

std::optional<ByteString> LookupReader::next() {
    ByteString characters;
    bool cut = false;
    while (const auto b = nextByte()) {
        const bool lineEnd = *b == kCr || *b == kLf;
        if (lineEnd && characters.empty()) {
            ++consumed_;
            continue;
        }
        if (lineEnd) break;
        if (characters.size() < kMaxLookupChars) {
            characters.push_back(*b);
        } else {
            // The terminal takes at most 255 characters a record; the rest of
            // the line is dropped so that the lines after it still go out.
            cut = true;
            ++consumed_;
        }
    }
    if (characters.empty()) return std::nullopt;
    if (cut) ++cutRecords_;
    consumed_ += characters.size() + 1;
    return lookupRecordFrame(characters);
}

}  // namespace tessel::link
