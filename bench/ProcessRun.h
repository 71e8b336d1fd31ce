#pragma once

#include <string>

// One run of a start-up executable: nanoseconds from spawning it to the first
// frame it reports, and its peak resident memory up to then in KiB. Throws
// on failure.
struct StartupSample {
    double firstFrameNs;
    long peakKiB;
};

StartupSample runStartup(const std::string& executable);

// The resident memory of this process in KiB.
long residentKiB();
