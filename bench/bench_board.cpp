// How the board's per-event work compares with what Qt itself needs, every
// figure a ratio against a floor measured in the same run.
//
//   bench_board            the full run, with a table of ratios at the end
//   bench_board --smoke    every benchmark once, briefly, so that they cannot rot
#include "FloorCanvas.h"
#include "ProcessRun.h"
#include "SegmentPath.h"
#include "platform/qt/BoardView.h"
#include "platform/qt/DesktopForm.h"

#include <QApplication>
#include <QTest>
#include <benchmark/benchmark.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <map>

namespace {

bool smoke = false;
qtwin::DesktopForm* boardForm = nullptr;
FloorCanvas* floorCanvas = nullptr;

// Delivers what the last event posted, as the event loop would before the next
// event: above all the update request that paints what it made dirty.
void paintPending(QWidget*) { QCoreApplication::sendPostedEvents(); }

void resetBoard()
{
    boardForm->handlers().ResetBoard();
    paintPending(boardForm);
}

// The pointer's heights for a drag that sweeps DE up and down, 3 pixels a move.
class DragWave {
public:
    float next()
    {
        y_ += step_;
        if (y_ > 520 || y_ < 240)
            step_ = -step_;
        return y_;
    }

private:
    float y_ = 410, step_ = 3;
};

void BM_DragMove(benchmark::State& state)
{
    resetBoard();
    auto& h = boardForm->handlers();
    h.gamen_MouseDown(1, 0, 300, 410);
    DragWave wave;
    for (auto _ : state) {
        h.gamen_MouseMove(1, 0, 300, wave.next());
        paintPending(boardForm);
    }
    h.gamen_MouseUp(1, 0, 300, 410);
}

void BM_WholeBoardRepaint(benchmark::State& state)
{
    resetBoard();
    for (auto _ : state) {
        boardForm->controls().gamen->update();
        paintPending(boardForm);
    }
}

void BM_ChalkSegment(benchmark::State& state)
{
    resetBoard();
    auto& h = boardForm->handlers();
    h.Command3_Click();
    SegmentPath path;
    h.gamen_MouseDown(1, 0, float(path.start().x()), float(path.start().y()));
    for (auto _ : state) {
        const SegmentPath::Step step = path.next();
        if (step.lift) {
            state.PauseTiming();
            h.gamen_MouseUp(1, 0, 0, 0);
            h.gamen_MouseDown(1, 0, float(step.to.x()), float(step.to.y()));
            state.ResumeTiming();
            continue;
        }
        h.gamen_MouseMove(1, 0, float(step.to.x()), float(step.to.y()));
        paintPending(boardForm);
    }
    h.gamen_MouseUp(1, 0, 0, 0);
}

void BM_FloorSegment(benchmark::State& state)
{
    SegmentPath path;
    QPointF last = path.start();
    for (auto _ : state) {
        const SegmentPath::Step step = path.next();
        if (!step.lift) {
            floorCanvas->drawSegment(last, step.to, 3, QColor(255, 0, 0));
            paintPending(floorCanvas);
        }
        last = step.to;
    }
}

void BM_Startup(benchmark::State& state, const char* executable)
{
    long peak = 0;
    for (auto _ : state) {
        const StartupSample sample = runStartup(executable);
        state.SetIterationTime(sample.firstFrameNs / 1e9);
        peak = std::max(peak, sample.peakKiB);
    }
    state.counters["peak_MiB"] = double(peak) / 1024;
}

// Keeps, for every benchmark, the fastest repetition and its counters.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    struct Best {
        double microseconds = 0;
        std::map<std::string, double> counters;
    };
    std::map<std::string, Best> best;

    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration || run.error_occurred)
                continue;
            const double us = run.GetAdjustedRealTime(); // every benchmark reports in µs
            Best& b = best[run.run_name.function_name];
            if (b.microseconds == 0 || us < b.microseconds) {
                b.microseconds = us;
                b.counters.clear();
                for (const auto& [name, counter] : run.counters)
                    b.counters[name] = counter.value;
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

struct LongSession {
    double rssGrowthMiB;
    double firstThousandUs, lastThousandUs;
};

template <class Event>
std::pair<double, double> firstAndLastThousand(long count, Event event)
{
    using Clock = std::chrono::steady_clock;
    double first = 0, last = 0;
    for (long i = 0; i < count; ++i) {
        const bool timed = i < 1000 || i >= count - 1000;
        const auto start = timed ? Clock::now() : Clock::time_point();
        event(i);
        if (timed) {
            const double us = std::chrono::duration<double, std::micro>(Clock::now() - start).count();
            (i < 1000 ? first : last) += us;
        }
    }
    return {first, last};
}

// A long lesson: many chalk segments and many drag moves, each painted.
LongSession runLongSession(long count)
{
    auto& h = boardForm->handlers();
    resetBoard();
    h.Command3_Click();
    SegmentPath path;
    h.gamen_MouseDown(1, 0, 20, 20);
    const long before = residentKiB();
    firstAndLastThousand(count, [&](long) {
        const SegmentPath::Step step = path.next();
        if (step.lift) {
            h.gamen_MouseUp(1, 0, 0, 0);
            h.gamen_MouseDown(1, 0, float(step.to.x()), float(step.to.y()));
        } else {
            h.gamen_MouseMove(1, 0, float(step.to.x()), float(step.to.y()));
        }
        paintPending(boardForm);
    });
    resetBoard();
    h.gamen_MouseDown(1, 0, 300, 410);
    DragWave wave;
    const auto [first, last] = firstAndLastThousand(count, [&](long) {
        h.gamen_MouseMove(1, 0, 300, wave.next());
        paintPending(boardForm);
    });
    h.gamen_MouseUp(1, 0, 300, 410);
    return {double(residentKiB() - before) / 1024, first, last};
}

void printTable(const RatioReporter& r, const LongSession& session, long count)
{
    auto us = [&r](const char* name) {
        const auto found = r.best.find(name);
        return found == r.best.end() ? 0.0 : found->second.microseconds;
    };
    auto peak = [&r](const char* name) {
        const auto found = r.best.find(name);
        return found == r.best.end() ? 0.0 : found->second.counters.at("peak_MiB");
    };
    auto row = [](const char* what, double measured, double floor, const char* unit, const char* target) {
        std::printf("| %-44s | %10.2f %-3s | %10.2f %-3s | %6.3f | %-8s |\n", what, measured, unit, floor, unit,
                    floor > 0 ? measured / floor : 0.0, target);
    };
    std::printf("\n| %-44s | %-14s | %-14s | %-6s | %-8s |\n", "figure", "measured", "floor", "ratio", "target");
    std::printf("|%s|%s|%s|%s|%s|\n", std::string(46, '-').c_str(), std::string(16, '-').c_str(),
                std::string(16, '-').c_str(), std::string(8, '-').c_str(), std::string(10, '-').c_str());
    row("drag move vs whole-board repaint", us("BM_DragMove"), us("BM_WholeBoardRepaint"), "us", "<= 0.3");
    row("chalk segment vs bare widget segment", us("BM_ChalkSegment"), us("BM_FloorSegment"), "us", "<= 1.3");
    row("start-up to first frame vs empty window", us("BM_StartupBoard") / 1000, us("BM_StartupFloor") / 1000,
        "ms", "<= 1.25");
    row("start-up peak memory vs empty window", peak("BM_StartupBoard"), peak("BM_StartupFloor"), "MiB", "<= 1.25");
    row("long session: last vs first 1000 drag moves", session.lastThousandUs / 1000,
        session.firstThousandUs / 1000, "ms", "<= ~1");
    std::printf("| %-44s | %10.3f %-3s | %14s | %6s | %-8s |\n", "long session: resident memory growth",
                session.rssGrowthMiB, "MiB", "", "", "< 1 MiB");
    std::printf("(long session: %ld chalk segments and %ld drag moves, each painted)\n", count, count);
}

void registerAll()
{
    const int repetitions = smoke ? 1 : 5;
    auto timed = [&](const char* name, void (*fn)(benchmark::State&)) {
        auto* b = benchmark::RegisterBenchmark(name, fn)->Unit(benchmark::kMicrosecond)->Repetitions(repetitions);
        if (smoke)
            b->Iterations(20);
        else
            b->MinTime(0.5);
    };
    timed("BM_DragMove", BM_DragMove);
    timed("BM_WholeBoardRepaint", BM_WholeBoardRepaint);
    timed("BM_ChalkSegment", BM_ChalkSegment);
    timed("BM_FloorSegment", BM_FloorSegment);
    for (auto [name, exe] : {std::pair{"BM_StartupBoard", STARTUP_BOARD}, std::pair{"BM_StartupFloor", STARTUP_FLOOR}})
        benchmark::RegisterBenchmark(name, BM_Startup, exe)
            ->Unit(benchmark::kMicrosecond)
            ->UseManualTime()
            ->Iterations(smoke ? 1 : 10)
            ->Repetitions(smoke ? 1 : 3);
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<char*> args;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--smoke") == 0)
            smoke = true;
        else
            args.push_back(argv[i]);
    }
    int benchArgc = int(args.size());
    QApplication app(benchArgc, args.data());
    benchmark::Initialize(&benchArgc, args.data());

    qtwin::DesktopForm form;
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        return 1;
    FloorCanvas canvas(QSize(793, 641));
    canvas.show();
    if (!QTest::qWaitForWindowExposed(&canvas))
        return 1;
    boardForm = &form;
    floorCanvas = &canvas;

    registerAll();
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const long count = smoke ? 2000 : 1000000;
    printTable(reporter, runLongSession(count), count);
    benchmark::Shutdown();
    return 0;
}
