#pragma once
// Work run in a child process, so that a test can stop it as a crash would
// (no clean-up, no destructors) or run two writers at once.

#include <functional>

#include <sys/wait.h>
#include <unistd.h>

// The exit status of a child stopped by Crash().
inline constexpr int Crashed = 99;
[[noreturn]] inline void Crash() { ::_exit(Crashed); }

// Starts the work in a child process that exits with the work's result.
inline pid_t StartChild(const std::function<int()>& work)
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(work());
    return child;
}

// The child's exit status; -1 when it could not be started or did not exit.
inline int WaitForChild(pid_t child)
{
    int status = 0;
    if (child <= 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}
