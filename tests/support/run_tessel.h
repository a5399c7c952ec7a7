#pragma once
// Runs the built `tessel` tool and keeps its exit status and both outputs.
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace tessel::test {

struct ToolRun {
    int status = -1;
    std::string out;
    std::string err;
};

inline std::string shellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// `scratch` is a folder for the captured error output; `environment` holds
// "NAME=value" settings for the run.
inline ToolRun runTessel(const std::vector<std::string>& arguments, const std::filesystem::path& scratch,
                         const std::vector<std::string>& environment = {}) {
    const auto errorFile = scratch / "stderr.txt";
    std::string command;
    if (!environment.empty()) {
        command = "env";
        for (const auto& setting : environment) command += " " + shellQuoted(setting);
        command += " ";
    }
    command += shellQuoted(TESSEL_CLI);
    for (const auto& argument : arguments) command += " " + shellQuoted(argument);
    command += " 2>" + shellQuoted(errorFile.string());

    ToolRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return run;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) run.out.append(buffer, n);
    const int waited = pclose(pipe);
    run.status = WIFEXITED(waited) ? WEXITSTATUS(waited) : -1;
    std::ifstream error(errorFile);
    std::ostringstream text;
    text << error.rdbuf();
    run.err = text.str();
    return run;
}

}  // namespace tessel::test
