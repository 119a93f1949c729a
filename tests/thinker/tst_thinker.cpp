// SPDX-License-Identifier: GPL-3.0-or-later
// The thinker's worker thread: a question abandoned in the middle of a long
// search, by stop() or by destroying the thinker, ends its thread there and
// then, and its answer never arrives. Thinking ahead gives way to any
// question at once, ends when its work is done, and leaves no thread.
#include "thinker/foresight.h"
#include "support/threads.h"
#include "thinker/sharedengine.h"
#include "thinker/thinker.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTest>

#include <memory>

namespace {

// Three 10-disc positions past the opening book, played along the edges,
// whose search by hard takes seconds of an optimised build: long enough to
// be stopped well before its end. Each question has its own, so that one
// does not find its answer in what the shared engine's table kept of
// another.
const QList<int> FirstLongQuestion{ 1, 2, 2, 1, 7, 6, 6, 7, 7, 1 };
const QList<int> SecondLongQuestion{ 2, 1, 1, 2, 6, 7, 7, 6, 6, 7 };
const QList<int> ThirdLongQuestion{ 1, 2, 2, 1, 7, 6, 6, 7, 7, 6 };

// Long enough for the worker to be started and searching.
constexpr int SettleMs = 100;

// A position past the book where thinking ahead takes a long while, and one
// of nineteen discs where it is done in well under a second of an optimised
// build, the best column not ending the game.
const QList<int> LongThinkingAhead{ 1, 1, 2, 2, 6, 6, 7, 7, 1, 7 };
const QList<int> ShortThinkingAhead{ 2, 6, 5, 2, 3, 7, 5, 5, 3, 6, 2, 1, 7, 1, 1, 3, 3, 5, 7 };

// A long wait for the end of thinking ahead, for a sanitizer's slow build.
constexpr int AheadTimeoutMs = 300000;

} // namespace

class TestThinker : public QObject {
    Q_OBJECT

private slots:
    void destroyedMidSearch()
    {
        const qsizetype before = threadCount();
        int answers = 0;
        {
            auto thinker = std::make_unique<Thinker>();
            thinker->think(FirstLongQuestion, engine::Level::hard, [&answers](int) { ++answers; });
            QTest::qWait(SettleMs);
            QVERIFY2(!thinker->isIdle(), "the question should take longer than this to answer");
            // The search may run on a team of threads.
            QVERIFY(threadCount() > before);
        }
        QTRY_COMPARE_WITH_TIMEOUT(threadCount(), before, ThreadExitMs);
        QCoreApplication::processEvents();
        QCOMPARE(answers, 0);
    }

    void stoppedMidSearch()
    {
        const qsizetype before = threadCount();
        Thinker thinker;
        int answers = 0;
        thinker.think(SecondLongQuestion, engine::Level::hard, [&answers](int) { ++answers; });
        QTest::qWait(SettleMs);
        QVERIFY2(!thinker.isIdle(), "the question should take longer than this to answer");
        thinker.stop();
        QVERIFY(thinker.isIdle());
        QTRY_COMPARE_WITH_TIMEOUT(threadCount(), before, ThreadExitMs);
        QCoreApplication::processEvents();
        QCOMPARE(answers, 0);

        // The stop is not left behind: the next question is answered (from
        // the book, at once) on a thread of its own, which ends with it.
        int column = 0;
        thinker.think({ 4 }, engine::Level::hard, [&column](int found) { column = found; });
        QTRY_VERIFY(column != 0);
        QVERIFY(column >= 1 && column <= 7);
        QTRY_VERIFY(thinker.isIdle());
        thinker.stop();
        QTRY_COMPARE_WITH_TIMEOUT(threadCount(), before, ThreadExitMs);
        QCOMPARE(answers, 0);
    }

    // Thinkers take turns at the one engine: one that waits for its turn
    // is answered once the engine is free, and one stopped while it waits
    // ends its wait at once, unanswered.
    void waitingForTheEngine()
    {
        Thinker busy;
        Thinker waiting;
        Thinker stopped;
        busy.think(ThirdLongQuestion, engine::Level::hard, [](int) {});
        QTest::qWait(SettleMs);
        int column = 0;
        int stoppedAnswers = 0;
        waiting.think({ 4 }, engine::Level::hard, [&column](int found) { column = found; });
        stopped.think({ 4 }, engine::Level::hard, [&stoppedAnswers](int) { ++stoppedAnswers; });
        QTest::qWait(SettleMs);
        QVERIFY2(!busy.isIdle(), "the question should take longer than this to answer");
        QCOMPARE(column, 0);
        stopped.stop();
        QVERIFY(stopped.isIdle());
        busy.stop();
        QTRY_VERIFY(column != 0);
        QCoreApplication::processEvents();
        QCOMPARE(stoppedAnswers, 0);
    }

    // Done, thinking ahead knows every position a column leads to, keeps no
    // thread, and takes no processor time: the process's, read a second
    // apart, stays where it was.
    void thinkingAheadStopsWhenItsWorkIsDone()
    {
        const qsizetype before = threadCount();
        Foresight foresight;
        foresight.thinkAhead(ShortThinkingAhead, false);
        QTRY_VERIFY_WITH_TIMEOUT(foresight.isIdle(), AheadTimeoutMs);
        QTRY_COMPARE_WITH_TIMEOUT(threadCount(), before, ThreadExitMs);
        const std::optional<score::ColumnScores> scores = Thinker::knownScores(ShortThinkingAhead);
        QVERIFY(scores);
        QList<int> best = ShortThinkingAhead;
        best << Thinker::preferredColumn(ShortThinkingAhead, *scores);
        QVERIFY(Thinker::knownScores(best));
        QVERIFY2(processorSecondsInASecond() < 0.01, "thinking ahead should use no processor time once done");

        // The same position again finds its work done.
        foresight.thinkAhead(ShortThinkingAhead, false);
        QTRY_VERIFY_WITH_TIMEOUT(foresight.isIdle(), AheadTimeoutMs);
    }

    // However long thinking ahead holds the engine, a question does not
    // wait for it: it takes the engine, and tells thinking ahead to stop.
    void aQuestionDoesNotWaitForThinkingAhead()
    {
        SharedEngine& shared = sharedEngine();
        std::atomic<bool> ahead = false;
        QVERIFY(shared.startThinkingAhead(ahead)); // and never lets go, till the end of the test
        Thinker thinker;
        int column = 0;
        thinker.think({ 4 }, engine::Level::hard, [&column](int found) { column = found; });
        QTRY_VERIFY(column != 0);
        QVERIFY(ahead);
        shared.endThinkingAhead(ahead);
    }

    // A question asked while thinking ahead is at work ends it after a few
    // milliseconds of processor time, unfinished, with no thread left. The
    // one bound on time the thinker's tests check.
    void aQuestionAbandonsThinkingAheadWithinItsBound()
    {
        const qsizetype before = threadCount();
        Foresight foresight;
        foresight.thinkAhead(LongThinkingAhead, false);
        // The worker and a helper at least, started at the idle priority.
        QTRY_VERIFY_WITH_TIMEOUT(threadCount() > before + 1, AheadTimeoutMs);
        QTest::qWait(SettleMs);
        const double used = processorSeconds();
        Thinker thinker;
        int column = 0;
        thinker.think({ 4 }, engine::Level::hard, [&column](int found) { column = found; });
        QTRY_VERIFY(column != 0);
        QTRY_VERIFY_WITH_TIMEOUT(foresight.isIdle(), AheadTimeoutMs);
        const double took = processorSeconds() - used;
        QVERIFY2(took < 0.025, qPrintable(QString::number(1000 * took) + " ms of processor time"));
        QVERIFY(!Thinker::knownScores(LongThinkingAhead));
        QTRY_COMPARE_WITH_TIMEOUT(threadCount(), before, ThreadExitMs);
    }

    // Started again and again, stopped, and destroyed at work: no thread
    // outlives it, and nothing is torn (ThreadSanitizer watches).
    void aStormOfStartsLeavesNoThread()
    {
        const qsizetype before = threadCount();
        {
            Foresight foresight;
            QList<int> moves = LongThinkingAhead;
            for (int i = 0; i < 20; ++i) {
                foresight.thinkAhead(moves, i % 2 == 0);
                QTest::qWait(i % 4);
                if (i % 3 == 0)
                    foresight.stop();
                moves = i % 2 == 0 ? ShortThinkingAhead : LongThinkingAhead;
            }
        }
        QTRY_COMPARE_WITH_TIMEOUT(threadCount(), before, ThreadExitMs);
    }

    // The shared engine reads VANTREL_THREADS when the first question
    // makes it, in a process of this suite's own that asks the book
    // (askTheBook): a value it does not understand is said on standard
    // error, quoted so that a terminal shows it rather than acts on it.
    // These come last: under ThreadSanitizer, a process that has started
    // a child may start no thread after it.
    void aThreadCountIsSaidSafely_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<QString>("said"); // empty: nothing
        QTest::newRow("a word") << QByteArray("abc") << "VANTREL_THREADS=\"abc\" is not understood";
        QTest::newRow("a title set through ESC")
            << QByteArray("\x1b]0;PWN\a") << "VANTREL_THREADS=\"U+001B]0;PWNU+0007\" is not understood";
        QTest::newRow("the screen cleared") << QByteArray("2\x1b[2J") << "VANTREL_THREADS=\"2U+001B[2J\" is";
        QTest::newRow("a byte that is no character") << QByteArray("2\xff") << "VANTREL_THREADS=\"2\\xFF\" is";
        QTest::newRow("a long value") << QByteArray(1000, 'x') << "VANTREL_THREADS=\"" + QString(40, u'x') + "...\" is";
        QTest::newRow("more threads than an int holds") << QByteArray("99999999999") << QString();
    }

    void aThreadCountIsSaidSafely()
    {
        QFETCH(QByteArray, value);
        QFETCH(QString, said);
        // Set here and inherited, byte for byte: QProcessEnvironment would
        // take the value as text.
        qputenv("VANTREL_THREADS", value);
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), { "askTheBook" });
        QVERIFY(child.waitForFinished(20000));
        qunsetenv("VANTREL_THREADS");
        QCOMPARE(child.exitCode(), 0);
        const QByteArray errorOutput = child.readAllStandardError();
        if (said.isEmpty())
            QCOMPARE(errorOutput, QByteArray());
        else
            QVERIFY2(QString::fromUtf8(errorOutput).contains(said), errorOutput.constData());
        QVERIFY2(errorOutput.isEmpty() || errorOutput.indexOf('\n') == errorOutput.size() - 1, "one line");
        for (const char byte : errorOutput)
            QVERIFY2(static_cast<unsigned char>(byte) >= 0x20 || byte == '\n', "a control character said as it is");
    }

    void askTheBook() { QVERIFY(Thinker::bookColumn({}).has_value()); }
};

QTEST_GUILESS_MAIN(TestThinker)
#include "tst_thinker.moc"
