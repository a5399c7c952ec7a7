// The lookup reader on any file, against a plain reference: split at CR and
// LF, skip empty lines, cut each record to 255 characters. Every record must
// come out as its frame, in order, with the bytes consumed so far counted up
// to the end of its line. The file is read once as it is and once behind a
// run of blank lines that moves it across the reader's 64 KiB blocks.
#include <sstream>

#include "fuzz_check.h"
#include "link/lookup_reader.h"

using namespace tessel;
using namespace tessel::link;

namespace {

constexpr std::size_t kReaderBlock = 64 * 1024;

struct ReferenceRecord {
    ByteString characters;
    std::uint64_t consumedAfter = 0;  // bytes accounted for once it is read
    bool cut = false;
};

std::vector<ReferenceRecord> referenceSplit(std::string_view file) {
    std::vector<ReferenceRecord> records;
    std::size_t start = 0;
    while (start < file.size()) {
        const std::size_t end = std::min(file.find_first_of("\r\n", start), file.size());
        if (end > start) {
            const auto line = file.substr(start, end - start);
            const auto kept = line.substr(0, kMaxLookupChars);
            // The end of a line counts one byte, also where the file ends instead.
            records.push_back({ByteString(kept.begin(), kept.end()), end + 1, line.size() > kMaxLookupChars});
        }
        start = end + 1;
    }
    return records;
}

void check(std::string_view file) {
    const auto expected = referenceSplit(file);
    std::istringstream stream{std::string(file)};
    LookupReader reader(stream);
    std::uint64_t cut = 0;
    for (const auto& record : expected) {
        const auto frame = reader.next();
        fuzz::require(frame.has_value(), "the reader ends before the file's last record");
        fuzz::require(*frame == lookupRecordFrame(record.characters), "a record comes out as another frame");
        fuzz::require(reader.consumed() == record.consumedAfter, "the bytes consumed are counted wrongly");
        cut += record.cut ? 1 : 0;
    }
    fuzz::require(!reader.next().has_value(), "the reader finds a record the file does not hold");
    fuzz::require(!reader.failed(), "reading a string failed");
    fuzz::require(reader.cutRecords() == cut, "the long records are counted wrongly");
    const bool endsInRecord = !file.empty() && file.back() != '\r' && file.back() != '\n';
    fuzz::require(reader.consumed() == file.size() + (endsInRecord ? 1 : 0), "the whole file is not accounted for");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const std::string_view file = fuzz::textOf(data, size);
    check(file);
    std::string shifted(kReaderBlock - 1 - size % 512, '\n');
    shifted.append(file);
    check(shifted);
    return 0;
}
