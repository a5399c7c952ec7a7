#pragma once
// The data file of a receive: its name made from the OUTPUT pattern for the
// port, and the file opened by the rules of the chosen placement.
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "cli/link_session.h"
#include "link/data_file.h"

namespace tessel::cli {

struct ReceiveOutput {
    std::filesystem::path name;  // the pattern made into a name
    std::unique_ptr<link::DataFile> file;
};

// The port's name as {port} shows it.
std::string portNameOf(const LinkSetup& setup);

// The data file for `pattern` on the port `portName`: a pattern with {n}
// never replaces a file, nor does DataPlacement::Keep, which also refuses an
// existing file before anything is received. Nothing after printing why
// not, with the exit status in `status`.
std::optional<ReceiveOutput> openReceiveOutput(const std::string& pattern, const std::string& portName,
                                               link::DataPlacement placement, int& status);

// What a receive that brought nothing did to the file: "NAME was left as it
// was." or "No file was written."
std::string untouchedOutputNote(const std::filesystem::path& name);

}  // namespace tessel::cli
