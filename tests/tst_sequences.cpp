// Long random sequences of everything a class can do to the board, checked
// after every single event; and the board kept as a record along the way.
#include "BoardEvents.h"
#include "Invariants.h"
#include "SceneFixture.h"
#include "forms/QBColor.h"
#include "window/BoardRecord.h"

#include <QtTest>
#include <cmath>
#include <iterator>
#include <vector>

namespace {

// Runs the events and returns the first failure, with the shortest prefix
// that shows it (the events up to the one after which the check failed).
QString firstFailure(quint32 seed, const std::vector<BoardEvent>& events)
{
    SceneFixture board;
    InvariantChecker checker;
    for (std::size_t i = 0; i < events.size(); ++i) {
        deliver(events[i], board.form, board.palette);
        const std::string failed = checker.check(board, events[i]);
        if (failed.empty())
            continue;
        QString report = QStringLiteral("seed %1: after event %2 of %3: %4\nshortest failing prefix (%5 events):\n")
                             .arg(seed).arg(i + 1).arg(events.size()).arg(QString::fromStdString(failed)).arg(i + 1);
        const std::size_t from = i >= 40 ? i - 40 : 0;
        if (from > 0)
            report += QStringLiteral("  ... %1 earlier events ...\n").arg(from);
        for (std::size_t k = from; k <= i; ++k)
            report += QStringLiteral("  %1: %2\n").arg(k + 1).arg(QString::fromStdString(describe(events[k])));
        report += QStringLiteral("rerun with SEQUENCE_SEED=%1 SEQUENCE_EVENTS=%2").arg(seed).arg(i + 1);
        return report;
    }
    return {};
}

// Both boards hold every value alike, as far as a record reaches.
bool sameBoard(SceneFixture& a, SceneFixture& b)
{
    return sameState(a.state(), b.state()) && sameFigure(a.scene, b.scene)
        && a.scene.gamen.DrawWidth() == b.scene.gamen.DrawWidth() && a.palette.selected() == b.palette.selected()
        && a.palette.allEnabled(true) == b.palette.allEnabled(true);
}

// What a page does as it goes and comes back: the keys and buttons let go.
void letGo(SceneFixture& board)
{
    board.handlers.gamen_LostFocus();
    board.handlers.gamen_MouseUp(-1, 0, 0, 0);
}

// A record spoiled in its text, or written from a board no window can hold.
struct Spoiling {
    const char* name;
    void (*board)(SceneFixture&);
    void (*text)(std::string&);
};
void asItIs(SceneFixture&) {}
void asWritten(std::string&) {}
const Spoiling kSpoilings[] = {
    {"empty", asItIs, [](std::string& r) { r.clear(); }},
    {"cut off", asItIs, [](std::string& r) { r.resize(r.size() / 2); }},
    {"one character changed", asItIs, [](std::string& r) { r[r.size() / 2] ^= 1; }},
    {"another layout's name", asItIs, [](std::string& r) { r.replace(r.find('/') + 1, 1, "2"); }},
    {"a field more", asItIs, [](std::string& r) { r.insert(r.find(' ') + 1, "00000000"); }},
    {"not a record", asItIs, [](std::string& r) { r = "{\"board\": \"DE at 410\"}"; }},
    {"memo mode 2", [](SceneFixture& b) { b.state().memoMode = 2; }, asWritten},
    {"a pen colour no chalk has", [](SceneFixture& b) { b.state().penColor = 5; }, asWritten},
    {"a width no chalk has", [](SceneFixture& b) { b.scene.gamen.setDrawWidth(4); }, asWritten},
    {"DE in green", [](SceneFixture& b) { b.figure().Line2(board::kDE).setBorderColor(forms::QBColor(2)); }, asWritten},
    {"a vertex moved", [](SceneFixture& b) { b.state().xA = 401; }, asWritten},
    {"BC moved", [](SceneFixture& b) { b.figure().Line1(board::kBC).setY1(551); }, asWritten},
    {"BC's mark moved", [](SceneFixture& b) { b.figure().Line3(board::kBCMarkUpper).setX2(331); }, asWritten},
    {"the letter C moved", [](SceneFixture& b) { b.figure().Label2(board::kLetterC).setTop(536); }, asWritten},
    {"A's end of EA moved", [](SceneFixture& b) { b.figure().Line2(board::kEA).setX2(401); }, asWritten},
    {"a position not a number", [](SceneFixture& b) { b.state().lastX = NAN; }, asWritten},
    {"the palette enabled with memo mode off", [](SceneFixture& b) { forms::setAllEnabled(b.palette, true); }, asWritten},
};

} // namespace

class SequenceTest : public QObject {
    Q_OBJECT
private slots:
    void randomSequencesKeepTheInvariants_data()
    {
        QTest::addColumn<quint32>("seed");
        QTest::addColumn<int>("count");
        if (qEnvironmentVariableIsSet("SEQUENCE_SEED")) {
            QTest::newRow("given") << quint32(qEnvironmentVariableIntValue("SEQUENCE_SEED"))
                                   << qEnvironmentVariableIntValue("SEQUENCE_EVENTS");
            return;
        }
        for (quint32 seed : {1u, 2u, 3u, 20261208u})
            QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed))) << seed << 60000;
    }
    void randomSequencesKeepTheInvariants()
    {
        QFETCH(quint32, seed);
        QFETCH(int, count);
        const QString failure = firstFailure(seed, randomEvents(seed, count));
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    }

    // A board read back from its record holds every value, and the next
    // events give both the same board.
    void aKeptBoardGoesOnAsIfItNeverLeft_data() { randomSequencesKeepTheInvariants_data(); }
    void aKeptBoardGoesOnAsIfItNeverLeft()
    {
        QFETCH(quint32, seed);
        QFETCH(int, count);
        const std::vector<BoardEvent> events = randomEvents(seed, count);
        SceneFixture board;
        for (int i = 0; i < count; ++i) {
            deliver(events[std::size_t(i)], board.form, board.palette);
            if (i % 7919 != 7918)
                continue;
            letGo(board);
            SceneFixture back;
            QVERIFY(window::ReadRecord(window::WriteRecord(board.scene, board.palette), back.scene, back.palette));
            QVERIFY2(sameBoard(board, back), qPrintable(QStringLiteral("read back after event %1").arg(i + 1)));
            // The record keeps the board, not which pointer holds it: a page
            // that comes back starts with none, so pointers are left out here.
            for (std::size_t k = std::size_t(i) + 1; k < std::min(events.size(), std::size_t(i) + 500); ++k) {
                if (events[k].kind == BoardEvent::Pointer)
                    continue;
                deliver(events[k], board.form, board.palette);
                deliver(events[k], back.form, back.palette);
            }
            QVERIFY2(sameBoard(board, back), qPrintable(QStringLiteral("went on after event %1").arg(i + 1)));
        }
    }

    // A record that does not read back changes nothing.
    void aSpoiledRecordIsRefused_data()
    {
        QTest::addColumn<int>("spoiling");
        for (int i = 0; i < int(std::size(kSpoilings)); ++i)
            QTest::newRow(kSpoilings[i].name) << i;
    }
    void aSpoiledRecordIsRefused()
    {
        QFETCH(int, spoiling);
        SceneFixture kept, started, fresh;
        kept.press(1, 300, 405); // DE held and moved, so that the record is not a started board's
        kept.move(300, 450);
        kSpoilings[spoiling].board(kept);
        std::string record = window::WriteRecord(kept.scene, kept.palette);
        kSpoilings[spoiling].text(record);
        QVERIFY(!window::ReadRecord(record, started.scene, started.palette));
        QVERIFY(sameBoard(started, fresh));
    }

    // The checker itself must see a broken figure.
    void checkerCatchesADisplacedD()
    {
        SceneFixture board;
        InvariantChecker checker;
        BoardEvent move{BoardEvent::Move, 1, 0, 0, 0, {}};
        QVERIFY(checker.check(board, move).empty());
        board.figure().Line2(board::kDE).setX1(251);
        board.figure().Line2(board::kAD).setX2(251);
        QVERIFY(!checker.check(board, move).empty());
    }
};

QTEST_MAIN(SequenceTest)
#include "tst_sequences.moc"
