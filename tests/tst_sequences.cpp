// Long random sequences of everything a class can do to the board, checked
// after every single event.
#include "BoardEvents.h"
#include "Invariants.h"
#include "SceneFixture.h"

#include <QtTest>
#include <vector>

namespace {

// Runs the events and returns the first failure, with the shortest prefix
// that shows it (the events up to the one after which the check failed).
QString firstFailure(quint32 seed, const std::vector<BoardEvent>& events)
{
    SceneFixture board;
    InvariantChecker checker;
    for (std::size_t i = 0; i < events.size(); ++i) {
        deliver(events[i], board.handlers, board.palette);
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

    // The checker itself must see a broken figure.
    void checkerCatchesADisplacedD()
    {
        SceneFixture board;
        InvariantChecker checker;
        BoardEvent move{BoardEvent::Move, 1, 0, 0, 0};
        QVERIFY(checker.check(board, move).empty());
        board.figure().Line2(1).setX1(251);
        board.figure().Line2(0).setX2(251);
        QVERIFY(!checker.check(board, move).empty());
    }
};

QTEST_MAIN(SequenceTest)
#include "tst_sequences.moc"
