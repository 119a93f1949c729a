// SPDX-License-Identifier: GPL-3.0-or-later
// The engine's threads: searching together they give the scores and the
// choices of the single-threaded search, the outcomes' bounds only ever
// narrow to the exact scores, and a stop ends every thread.
#include "engine/engine.h"
#include "engine/team.h"
#include "engine/threadcount.h"
#include "oracle.h"
#include "support/threads.h"

#include <QFile>
#include <QTest>

#include <algorithm>
#include <array>
#include <limits>
#include <map>
#include <random>
#include <thread>
#include <vector>

using engine::Position;
using engine::ScoreBounds;

namespace {

// More threads than this machine may have processors, so that they take
// turns at odd moments.
constexpr int Threads = 4;

engine::Book shippedBook()
{
    QFile file(QStringLiteral(VANTREL_DATA_DIR "/engine.book"));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read the shipped book");
    const QByteArray bytes = file.readAll();
    return engine::Book::fromBytes({ reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                     static_cast<std::size_t>(bytes.size()) });
}

// Random positions from 9 discs (the book's last layer, whose children are
// searched from the book's bounds) to 20; fewer and later under a slow
// build (VANTREL_TEAM_FROM_DISCS).
std::vector<oracle::Board> sample()
{
    const int fromDiscs = qEnvironmentVariableIsSet("VANTREL_TEAM_FROM_DISCS")
                              ? qEnvironmentVariableIntValue("VANTREL_TEAM_FROM_DISCS")
                              : 9;
    std::mt19937_64 random(28);
    std::vector<oracle::Board> boards;
    for (int discs = fromDiscs; discs <= 20; ++discs)
        boards.push_back(oracle::randomBoard(random, oracle::Columns * oracle::Rows - discs));
    return boards;
}

} // namespace

class TestTeam : public QObject {
    Q_OBJECT

private slots:
    void teamAgreesWithOneThread();
    void aStopEndsEveryThread_data();
    void aStopEndsEveryThread();
    void onlyANumberOfThreadsIsTakenForOne_data();
    void onlyANumberOfThreadsIsTakenForOne();
};

// The oracle: one thread, no book, the plain search.
void TestTeam::teamAgreesWithOneThread()
{
    engine::TranspositionTable table(16);
    engine::Search alone(table);
    engine::Engine team;
    team.setBook(shippedBook());
    team.setThreads(Threads);
    const std::atomic<bool> stop = false;
    for (const oracle::Board& b : sample()) {
        const Position p(b.moves);
        const QByteArray where = QByteArray("moves \"") + b.moves.c_str() + '"';
        const auto expected = alone.moveScores(p);
        QVERIFY(expected);
        // Searched first: once the columns are scored, the cache answers.
        const auto choice = team.perfectChoice(p, stop);
        QVERIFY(choice);
        QCOMPARE(choice->column, engine::preferredChoice(p, *expected));
        QCOMPARE(choice->score, **std::max_element(expected->begin(), expected->end()));

        std::map<int, std::vector<ScoreBounds>> reports;
        QVERIFY(team.scoreColumns(p, stop, [&](int column, ScoreBounds bounds) { reports[column].push_back(bounds); }));
        for (int column = 0; column < engine::Width; ++column) {
            const QByteArray which = where + " column " + QByteArray::number(column);
            QCOMPARE(reports.contains(column), (*expected)[column].has_value());
            if (!reports.contains(column))
                continue;
            const int score = *(*expected)[column];
            ScoreBounds before;
            for (const ScoreBounds& r : reports[column]) {
                QVERIFY2(r.isSignKnown(), which);
                QVERIFY2(r.low <= score && score <= r.high, which);
                QVERIFY2(before.low <= r.low && r.high <= before.high && r != before, which);
                before = r;
            }
            QVERIFY2(before.isExact(), which);
        }
    }
}

// An 8-disc position searched without a book takes seconds: stopped as
// soon as every thread is at work, on the outcomes' several columns or on
// one answer, the call returns with no thread left.
void TestTeam::aStopEndsEveryThread_data()
{
    QTest::addColumn<bool>("outcomes");
    QTest::newRow("every column's score") << true;
    QTest::newRow("perfect play's answer") << false;
}

void TestTeam::aStopEndsEveryThread()
{
    QFETCH(const bool, outcomes);
    const Position position("12217667");
    const qsizetype before = threadCount();
    engine::Engine team;
    team.setThreads(Threads);
    std::atomic<bool> stop = false;
    bool answered = true;
    std::thread asker([&] {
        answered = outcomes ? team.scoreColumns(position, stop, [](int, ScoreBounds) {})
                            : team.perfectChoice(position, stop).has_value();
    });
    QTRY_COMPARE_WITH_TIMEOUT(threadCount(), before + Threads, 20000);
    stop = true;
    asker.join();
    QVERIFY(!answered);
    QTRY_COMPARE_WITH_TIMEOUT(threadCount(), before, ThreadExitMs);
}

void TestTeam::onlyANumberOfThreadsIsTakenForOne_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("threads"); // 0: not understood
    QTest::newRow("1") << "1" << 1;
    QTest::newRow("3") << "3" << 3;
    QTest::newRow("more than any machine has") << "100" << 100;
    // Too many for an int, yet a number above the processors: all of them.
    QTest::newRow("99999999999") << "99999999999" << std::numeric_limits<int>::max();
    QTest::newRow("a hundred digits") << QString(100, u'9') << std::numeric_limits<int>::max();
    QTest::newRow("leading zeros") << "0000000000000000000002" << 2;
    for (const char* text : { "0", "-1", "", "abc", "2x", " 2", "+2", "0x2", "00000000000000000000", "-99999999999" })
        QTest::addRow("\"%s\"", text) << text << 0;
}

// VANTREL_THREADS once took any text that is no number of threads ("abc",
// "0", "-1", "2x") for every processor, without a word.
void TestTeam::onlyANumberOfThreadsIsTakenForOne()
{
    QFETCH(QString, text);
    QFETCH(int, threads);
    QCOMPARE(engine::threadsAsked(text.toStdString()).value_or(0), threads);
}

QTEST_GUILESS_MAIN(TestTeam)
#include "tst_team.moc"
