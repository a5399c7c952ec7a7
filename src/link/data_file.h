#pragma once
// The file received records go to: one line per record, ended by CR LF, each
// on disk before the record is acknowledged, since the terminal may delete
// what it has acknowledgements for.
#include <cstdio>
#include <filesystem>
#include <memory>
#include <span>

#include "core/bytes.h"

namespace tessel::link {

class RecordSink {
public:
    virtual ~RecordSink() = default;
    // Writes the record's bytes and CR LF; true once they are on disk.
    virtual bool append(std::span<const Byte> record) = 0;
};

class DataFile final : public RecordSink {
public:
    // Creates the file anew (an existing one is replaced); nothing when it
    // cannot be created.
    static std::unique_ptr<DataFile> create(const std::filesystem::path& path);
    ~DataFile() override { close(); }

    bool append(std::span<const Byte> record) override;
    void close();
    const std::filesystem::path& path() const { return path_; }

private:
    DataFile(std::FILE* file, std::filesystem::path path) : file_(file), path_(std::move(path)) {}

    std::FILE* file_;
    std::filesystem::path path_;
};

}  // namespace tessel::link
