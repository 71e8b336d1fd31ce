#include "ProcessRun.h"

#include <cstdio>
#include <ctime>
#include <fstream>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

long long monotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return (long long)now.tv_sec * 1000000000LL + now.tv_nsec;
}

} // namespace

StartupSample runStartup(const std::string& executable)
{
    int out[2];
    if (pipe(out) != 0)
        throw std::runtime_error("pipe failed");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);

    char* argv[] = {const_cast<char*>(executable.c_str()), nullptr};
    const long long spawned = monotonicNs();
    pid_t pid = 0;
    const int failed = posix_spawn(&pid, executable.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (failed) {
        close(out[0]);
        throw std::runtime_error("cannot start " + executable);
    }

    char text[64] = {};
    ssize_t got = 0, n = 0;
    while (got < ssize_t(sizeof text - 1) && (n = read(out[0], text + got, sizeof text - 1 - got)) > 0)
        got += n;
    close(out[0]);

    int status = 0;
    waitpid(pid, &status, 0);
    long long frameAt = 0;
    long peakKiB = 0;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || std::sscanf(text, "%lld %ld", &frameAt, &peakKiB) != 2)
        throw std::runtime_error(executable + " did not report a first frame");
    // The child's own high-water mark: a spawned child's rusage would still
    // carry this process's memory from before the exec.
    return {double(frameAt - spawned), peakKiB};
}

long residentKiB()
{
    std::ifstream statm("/proc/self/statm");
    long size = 0, resident = 0;
    statm >> size >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}
