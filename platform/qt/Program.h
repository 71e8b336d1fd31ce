#pragma once

namespace qtwin {

// Whether the toolkit has anything to open a window on: a display named in the
// environment, or a platform chosen explicitly.
bool displayNamed(int argc, char** argv);

// While alive, a fatal toolkit error (such as a display that cannot be
// opened) prints one line naming `program` and exits with status 1, instead
// of aborting with a core dump. Toolkit warnings in that time are held back
// and shown only with the fatal one.
class StartupGuard {
public:
    explicit StartupGuard(const char* program);
    ~StartupGuard();
    StartupGuard(const StartupGuard&) = delete;
    StartupGuard& operator=(const StartupGuard&) = delete;
};

} // namespace qtwin
