#pragma once
// The built `tessel` tool started as a process of its own, for tests that
// signal it or talk to it while it runs.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace tessel::test {

// Starts the tool with its error output in `errorFile` (and its output in
// `outputFile` when given); the process id, or -1.
inline pid_t startTessel(const std::vector<std::string>& arguments, const std::filesystem::path& errorFile,
                         const std::filesystem::path& outputFile = {}) {
    std::vector<std::string> all{TESSEL_CLI};
    all.insert(all.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (auto& argument : all) argv.push_back(argument.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 2, errorFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (!outputFile.empty())
        posix_spawn_file_actions_addopen(&actions, 1, outputFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid_t pid = -1;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

// The exit status of `pid`; a process still running after `patience` is
// killed and reported as -1, so that a fault shows as a failure, not a hang.
inline int exitStatusWithin(pid_t pid, std::chrono::seconds patience) {
    using namespace std::chrono_literals;
    int status = 0;
    for (auto waited = 0ms; waited < patience; waited += 50ms) {
        if (::waitpid(pid, &status, WNOHANG) == pid) return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        std::this_thread::sleep_for(50ms);
    }
    ::kill(pid, SIGKILL);
    ::waitpid(pid, &status, 0);
    return -1;
}

}  // namespace tessel::test
