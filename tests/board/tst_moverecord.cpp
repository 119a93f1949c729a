// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/moverecord.h"

#include <QTest>

// The record on its own, driven as the board drives it: a new move forgets
// what was taken back, a replayed one does not.
class TestMoveRecord : public QObject {
    Q_OBJECT

private slots:
    void takeBackAndRedo_data();
    void takeBackAndRedo();
};

void TestMoveRecord::takeBackAndRedo_data()
{
    // Steps: a digit is a new move in that column, '<' takes the last move
    // back and '>' plays again the move taken back last. `turn` is the
    // player to move after them; red (1) played the first disc unless the
    // row says otherwise.
    QTest::addColumn<QString>("steps");
    QTest::addColumn<int>("turn");
    QTest::addColumn<bool>("computerPlaysBlue");
    QTest::addColumn<qsizetype>("firstToTakeBack");
    QTest::addColumn<QList<int>>("played");
    QTest::addColumn<bool>("canReplay");

    QTest::newRow("empty board") << "" << 1 << false << qsizetype{ -1 } << QList<int>{} << false;
    QTest::newRow("empty board, against the computer") << "" << 1 << true << qsizetype{ -1 } << QList<int>{} << false;
    QTest::newRow("people: the last move") << "45" << 1 << false << qsizetype{ 1 } << QList<int>{ 4, 5 } << false;
    QTest::newRow("people: the last move, red's") << "453" << 2 << false << qsizetype{ 2 } << QList<int>{ 4, 5, 3 }
                                                    << false;
    QTest::newRow("computer: the person's move with its reply")
        << "45" << 1 << true << qsizetype{ 0 } << QList<int>{ 4, 5 } << false;
    QTest::newRow("computer: the person's move before its reply")
        << "4" << 2 << true << qsizetype{ 0 } << QList<int>{ 4 } << false;
    // The computer opened, in blue: its first disc alone is never taken back.
    QTest::newRow("computer opened: nothing to take back") << "4" << 1 << true << qsizetype{ -1 } << QList<int>{ 4 }
                                                            << false;
    QTest::newRow("computer opened: the person's move with its reply")
        << "453" << 1 << true << qsizetype{ 1 } << QList<int>{ 4, 5, 3 } << false;
    QTest::newRow("computer opened: the person's move before its reply")
        << "45" << 2 << true << qsizetype{ 1 } << QList<int>{ 4, 5 } << false;
    QTest::newRow("people: one taken back") << "4536<" << 2 << false << qsizetype{ 2 } << QList<int>{ 4, 5, 3 }
                                            << true;
    QTest::newRow("computer: a move and its reply taken back")
        << "4536<<" << 1 << true << qsizetype{ 0 } << QList<int>{ 4, 5 } << true;
    QTest::newRow("people: replayed in the order played") << "4536<<>" << 2 << false << qsizetype{ 2 }
                                                          << QList<int>{ 4, 5, 3 } << true;
    QTest::newRow("people: all replayed") << "4536<<>>" << 1 << false << qsizetype{ 3 } << QList<int>{ 4, 5, 3, 6 }
                                          << false;
    QTest::newRow("computer: the person's move and its reply replayed")
        << "4536<<>>" << 1 << true << qsizetype{ 2 } << QList<int>{ 4, 5, 3, 6 } << false;
    QTest::newRow("a new move forgets what was taken back") << "4536<<2" << 2 << false << qsizetype{ 2 }
                                                            << QList<int>{ 4, 5, 2 } << false;
    QTest::newRow("down to the empty board and back") << "1234567<<<<<<<>>>>>>>" << 2 << false << qsizetype{ 6 }
                                                      << QList<int>{ 1, 2, 3, 4, 5, 6, 7 } << false;
    QTest::newRow("down to the empty board, then a new move") << "12<<3" << 2 << false << qsizetype{ 0 }
                                                              << QList<int>{ 3 } << false;
    QTest::newRow("replayed, taken back again, replayed") << "123<<><>" << 1 << false << qsizetype{ 1 }
                                                          << QList<int>{ 1, 2 } << true;
}

void TestMoveRecord::takeBackAndRedo()
{
    QFETCH(QString, steps);
    QFETCH(int, turn);
    QFETCH(bool, computerPlaysBlue);
    QFETCH(qsizetype, firstToTakeBack);
    QFETCH(QList<int>, played);
    QFETCH(bool, canReplay);

    MoveRecord record;
    for (const QChar step : steps) {
        if (step == u'<') {
            const int last = record.played().last();
            QCOMPARE(record.takeBack(), last);
        } else if (step == u'>') {
            record.add(record.takeNextToReplay());
        } else {
            record.forgetTakenBack();
            record.add(step.digitValue());
        }
    }
    QCOMPARE(record.firstToTakeBack(turn, computerPlaysBlue), firstToTakeBack);
    QCOMPARE(record.played(), played);
    QCOMPARE(record.canReplay(), canReplay);
}

QTEST_APPLESS_MAIN(TestMoveRecord)
#include "tst_moverecord.moc"
