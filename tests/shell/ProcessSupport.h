#pragma once
// Starting, watching and stopping the real program in child processes.
#include <sys/types.h>

#include <functional>
#include <string>
#include <vector>

namespace korvat::shell::testing {

// Starts `program` with `args`; `env` entries ("NAME=value") are added to this environment.
// `stdoutFd`, when not -1, becomes the child's standard output. -1 when it cannot start.
pid_t spawn(const std::string& program, const std::vector<std::string>& args,
            const std::vector<std::string>& env, int keepFd = -1);
// The exit code (128 + signal for a killed child), or -1 while it runs after `timeoutMs`.
int waitExit(pid_t pid, int timeoutMs);
bool running(pid_t pid);
// SIGTERM, then SIGKILL when it does not end within a few seconds; returns the exit code.
int stop(pid_t pid);
bool waitFor(const std::function<bool()>& condition, int timeoutMs);
// An abstract Unix socket of that name is bound by some process.
bool abstractSocketListed(const std::string& name);
// Copies the program into `folder` and returns the copy's path.
std::string copyProgram(const std::string& program, const std::string& folder);
// A fresh folder under the temporary folder, removed by the caller.
std::string makeTempFolder();
void removeFolder(const std::string& folder);

}  // namespace korvat::shell::testing
