// Bytes in, events out: every input is a sequence of board events delivered
// to the real handlers, with the board's invariants checked after each one.
#include "BoardEvents.h"
#include "Invariants.h"
#include "SceneFixture.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(*argc, *argv); // the figure's letters need the font database
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    SceneFixture board;
    InvariantChecker checker;
    BoardEvent event;
    int count = 0;
    while (decodeEvent(data, size, event)) {
        ++count;
        deliver(event, board.form, board.palette);
        const std::string failed = checker.check(board, event);
        if (!failed.empty()) {
            std::fprintf(stderr, "after event %d (%s): %s\n", count, describe(event).c_str(), failed.c_str());
            std::abort();
        }
    }
    return 0;
}
