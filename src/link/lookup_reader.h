#pragma once
// Reads a lookup text file record by record: CR, LF or CR LF ends a record
// (files from any system), blank lines are skipped, and every record goes out
// as a lookup record frame. The file is read in large blocks, not byte by
// byte.
#include <cstdint>
#include <istream>
#include <optional>
#include <vector>

#include "link/wire.h"

namespace tessel::link {

class LookupReader {
public:
    explicit LookupReader(std::istream& file);

    // The frame of the next record, or nothing when the file holds no further
    // record (or cannot be read any further: see failed()).
    std::optional<ByteString> next();

    // File bytes accounted for: skipped CR and LF bytes, and for each record
    // its characters and one more for the CR or LF that ended it.
    std::uint64_t consumed() const { return consumed_; }
    // Whether reading stopped on an error rather than at the end of the file.
    bool failed() const { return failed_; }
    // Records that were longer than a frame carries and were cut to 255
    // characters; the rest of such a line is dropped.
    std::uint64_t cutRecords() const { return cutRecords_; }

private:
    std::optional<Byte> nextByte();

    std::istream& file_;
    std::vector<char> block_;
    std::size_t position_ = 0;
    std::size_t filled_ = 0;
    std::uint64_t consumed_ = 0;
    std::uint64_t cutRecords_ = 0;
    bool failed_ = false;
};

}  // namespace tessel::link
