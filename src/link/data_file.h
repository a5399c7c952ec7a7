#pragma once
// The file received records go to: one line per record, ended by CR LF, each
// on disk before the record is acknowledged, since the terminal may delete
// what it has acknowledgements for.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <span>
#include <string>

#include "core/bytes.h"
#include "core/file_io.h"

namespace tessel::link {

class RecordSink {
public:
    virtual ~RecordSink() = default;
    // Writes the record's bytes and CR LF; true once they are on disk.
    virtual bool append(std::span<const Byte> record) = 0;
    // Why the last append failed, for the user; empty when not known.
    virtual std::string failure() const { return {}; }
};

// What a receive does with a file already at the chosen name.
enum class DataPlacement {
    Replace,  // the records take its place
    Append,   // the records are added after what it holds, which is never rewritten
    Keep,     // it stays: the records go to no name that is taken
};

// The file follows the rules of every save (file_io.h): a symbolic link is
// written through, a read-only file is refused before anything is received,
// a replaced file's mode, owner and group are kept.
//
// Replacing (and keeping) writes the records into a new hidden file beside
// the chosen one, `.NAME.receiving`, which takes the chosen name once the
// first record is on disk. Until then a file already there stays as it was,
// so a receive that fails or brings nothing destroys nothing; the hidden file
// is removed when no record reached it, and one left by a process that ended
// is removed by the next receive into that folder. Appending writes after the
// file's last byte and cuts a record that failed part way off again.
class DataFile final : public RecordSink {
public:
    // Gives the next name to try when the one chosen was taken meanwhile
    // (DataPlacement::Keep); an empty path gives up.
    using NextName = std::function<std::filesystem::path()>;

    // Nothing, with the reason in `problem`, when the file cannot be made.
    static std::unique_ptr<DataFile> create(const std::filesystem::path& path, DataPlacement placement,
                                            WriteOutcome& problem, NextName nextName = {});
    ~DataFile() override;
    DataFile(const DataFile&) = delete;
    DataFile& operator=(const DataFile&) = delete;

    // A record is written whole or not at all: after a failed write the file
    // ends with the last record that was written.
    bool append(std::span<const Byte> record) override;
    std::string failure() const override { return failure_; }
    void close();
    // The name the records went to (the end of a symbolic link's chain).
    const std::filesystem::path& path() const { return path_; }
    // Whether a record reached the chosen file.
    bool placed() const { return placed_; }
    std::uint64_t recordsWritten() const { return records_; }

private:
    DataFile(int fd, std::filesystem::path staging, std::filesystem::path path, DataPlacement placement,
             NextName nextName);
    bool writeWhole(std::span<const Byte> line);
    bool takePlace();
    bool fail(const std::string& what);

    int fd_;
    std::filesystem::path staging_;  // empty when appending to an existing file
    std::filesystem::path path_;
    DataPlacement placement_;
    NextName nextName_;
    std::uint64_t size_ = 0;  // bytes of whole records (and what was there) in the file
    std::uint64_t records_ = 0;
    bool placed_ = false;
    std::string failure_;
};

// The message for a data file that could not be made: "PATH is read-only"
// or "Cannot write PATH: REASON".
std::string dataFileProblem(const std::filesystem::path& path, const WriteOutcome& problem);

}  // namespace tessel::link
