#pragma once
// The file received records go to: one line per record, ended by CR LF, each
// on disk before the record is acknowledged, since the terminal may delete
// what it has acknowledgements for.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <span>
#include <string>

#include "core/bytes.h"

namespace tessel::link {

class RecordSink {
public:
    virtual ~RecordSink() = default;
    // Writes the record's bytes and CR LF; true once they are on disk.
    virtual bool append(std::span<const Byte> record) = 0;
    // Why the last append failed, for the user; empty when not known.
    virtual std::string failure() const { return {}; }
};

// The records go into a new file beside the chosen one, which takes the
// chosen file's place once the first record is on disk. Until then a file
// already there stays as it was, so a receive that fails or brings nothing
// destroys nothing; the new file is removed when no record reached it.
class DataFile final : public RecordSink {
public:
    // Nothing when the folder takes no new file.
    static std::unique_ptr<DataFile> create(const std::filesystem::path& path);
    ~DataFile() override;
    DataFile(const DataFile&) = delete;
    DataFile& operator=(const DataFile&) = delete;

    // A record is written whole or not at all: after a failed write the file
    // ends with the last record that was written.
    bool append(std::span<const Byte> record) override;
    std::string failure() const override { return failure_; }
    void close();
    const std::filesystem::path& path() const { return path_; }
    // Whether a record reached the chosen file.
    bool placed() const { return placed_; }

private:
    DataFile(std::FILE* file, std::filesystem::path staging, std::filesystem::path path);
    bool writeWhole(std::span<const Byte> line);
    bool takePlace();
    bool fail(const std::string& what);

    std::FILE* file_;
    std::filesystem::path staging_;
    std::filesystem::path path_;
    std::uint64_t size_ = 0;  // bytes of whole records in the file
    bool placed_ = false;
    std::string failure_;
};

}  // namespace tessel::link
