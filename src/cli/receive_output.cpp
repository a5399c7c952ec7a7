#include "cli/receive_output.h"

#include <ctime>

#include "cli/console.h"
#include "core/strings.h"
#include "link/data_file_name.h"
#include "link/transfer.h"

namespace tessel::cli {
namespace {

bool taken(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::exists(std::filesystem::symlink_status(path, error));
}

std::tm localNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

}  // namespace

std::string portNameOf(const LinkSetup& setup) {
    return setup.ports[static_cast<std::size_t>(setup.portIndex)].portName;
}

std::optional<ReceiveOutput> openReceiveOutput(const std::string& pattern, const std::string& portName,
                                               link::DataPlacement placement, int& status) {
    if (const auto problem = link::dataFileNameProblem(pattern)) {
        status = kUsageError;
        fail("OUTPUT " + pattern + ": " + *problem + ".");
        return std::nullopt;
    }
    auto values = std::make_shared<link::DataFileNameValues>();
    values->port = link::portTag(portName);
    values->time = localNow();
    ReceiveOutput output;
    output.name = link::firstFreeDataFileName(pattern, *values);
    link::DataFile::NextName nextName;
    if (link::patternHasField(pattern, "n")) {
        // Another program may take the name meanwhile: the next free one then.
        placement = link::DataPlacement::Keep;
        nextName = [pattern, values] {
            ++values->n;
            return link::firstFreeDataFileName(pattern, *values);
        };
    } else if (placement == link::DataPlacement::Keep && taken(output.name)) {
        status = fail(output.name.string() + " exists; with --no-clobber it is left alone.");
        return std::nullopt;
    }
    WriteOutcome problem;
    output.file = link::DataFile::create(output.name, placement, problem, std::move(nextName));
    if (!output.file) {
        const Strings strings;
        status =
            fail(strings.utf8(link::message::kFileCreateFailed) + "\n" + link::dataFileProblem(output.name, problem));
        return std::nullopt;
    }
    return output;
}

std::string untouchedOutputNote(const std::filesystem::path& name) {
    return taken(name) ? name.string() + " was left as it was." : "No file was written.";
}

}  // namespace tessel::cli
