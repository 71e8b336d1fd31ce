#pragma once

#include <string>

namespace qtwin {

// Whether the toolkit has anything to open a window on: a display named in the
// environment, or a platform chosen explicitly.
bool displayNamed(int argc, char** argv);

// What the toolkit will try to open a window on, for a message: "the display
// :0", or "a window on the platform "vnc"" where a platform is chosen.
std::string windowTarget(int argc, char** argv);

// While alive, a fatal toolkit error (such as a display that cannot be
// opened) prints one line of our own, "<program>: cannot open <target>", and
// exits with status 1, instead of aborting with a core dump and the toolkit's
// advice, which would point a teacher at the wrong cause. Toolkit warnings
// that lead to no failure are shown when the guard goes.
class StartupGuard {
public:
    StartupGuard(const char* program, std::string target);
    ~StartupGuard();
    StartupGuard(const StartupGuard&) = delete;
    StartupGuard& operator=(const StartupGuard&) = delete;
};

} // namespace qtwin
