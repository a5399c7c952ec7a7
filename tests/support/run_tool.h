#pragma once
// Runs the command-line tool and collects its exit status and output.
#include <sys/wait.h>

#include <cstdio>
#include <string>

namespace tessel::test {

struct ToolRun {
    int status = -1;
    std::string out;  // standard output followed by standard error
};

inline ToolRun runTool(const std::string& arguments) {
    ToolRun run;
    const std::string command = std::string(TESSEL_CLI) + " " + arguments + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return run;
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) run.out.append(buffer, n);
    const int raw = pclose(pipe);
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return run;
}

}  // namespace tessel::test
