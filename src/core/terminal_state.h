#pragma once
// The state folder of a simulated terminal: what `tessel terminal --state`
// received (the application image, the lookup files) and the records the
// terminal holds for its next upload, which `tessel sim --state` runs and
// adds to. Both the link's terminal and the simulator read and write it, so
// it lives here, below both.
//
//   application.img   the last application image received whole (20100 bytes)
//   lookup-1.txt ...  lookup 1 to 3: one record a line, each ended by CR LF
//   records.txt       the records for the next upload: one a line, CR LF
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/file_io.h"

namespace tessel {

class TerminalStateFolder {
public:
    // The folder, made when it does not exist yet; nothing, with the reason
    // in `error`, when it is no folder, belongs to another user or cannot be
    // written.
    static std::optional<TerminalStateFolder> open(const std::filesystem::path& folder, std::string& error);

    const std::filesystem::path& folder() const { return folder_; }
    std::filesystem::path imagePath() const { return folder_ / "application.img"; }
    std::filesystem::path lookupPath(int number) const;  // 1 to 3
    std::filesystem::path recordsPath() const { return folder_ / "records.txt"; }

    // The lines of a file of the folder; none when it does not exist, and
    // nothing, with the reason in `error`, when it cannot be read.
    std::optional<std::vector<std::string>> readLines(const std::filesystem::path& path, std::string& error) const;
    WriteOutcome writeLines(const std::filesystem::path& path, const std::vector<std::string>& lines) const;

private:
    explicit TerminalStateFolder(std::filesystem::path folder) : folder_(std::move(folder)) {}

    std::filesystem::path folder_;
};

// Each line followed by CR LF: the format of a received data file.
std::string crLfLines(const std::vector<std::string>& lines);
// The lines of such a text; LF alone ends a line too.
std::vector<std::string> splitCrLfLines(std::string_view text);

}  // namespace tessel
