// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/movestring.h"

#include <QTest>

using game::MoveStringFault;
using Kind = MoveStringFault::Kind;

namespace {

// 42 moves that fill the board with no four in a line on the way.
const QString fullBoard = "455714637617614767242476316455122212535333";

QString nameOf(Kind kind)
{
    switch (kind) {
    case Kind::tooLong:
        return "too long";
    case Kind::notAColumn:
        return "not a column";
    case Kind::columnFull:
        return "column full";
    case Kind::gameOver:
        return "game over";
    case Kind::endsGame:
        return "ends the game";
    }
    return "?";
}

// What a reading gives, as one line a failure shows whole: the moves, or
// the fault's kind, move and character.
QString played(const QList<int>& moves)
{
    QString text = "plays";
    for (const int c : moves)
        text += ' ' + QString::number(c);
    return text;
}

// The reading of a string that plays, written from its characters.
QString plays(const QString& digits)
{
    QString text = "plays";
    for (const QChar c : digits)
        text += QString(' ') + c;
    return text;
}

QString fault(Kind kind, int move, const QString& character)
{
    return nameOf(kind) + " at move " + QString::number(move) + ", '" + character + '\'';
}

QString readingOf(const QString& digits)
{
    const auto read = game::readMoveString(digits);
    if (const auto* moves = std::get_if<QList<int>>(&read))
        return played(*moves);
    const auto& f = std::get<MoveStringFault>(read);
    return fault(f.kind, f.move, f.character);
}

} // namespace

// readMoveString on its own: which strings play, and for each that does
// not, the first move at fault, its kind and its character as given.
class TestMoveString : public QObject {
    Q_OBJECT

private slots:
    void readsTheFirstFault_data();
    void readsTheFirstFault();
};

void TestMoveString::readsTheFirstFault_data()
{
    QTest::addColumn<QString>("digits");
    QTest::addColumn<QString>("reading");

    // Strings that play, whatever their length up to the last hole but one.
    QTest::newRow("no moves: the empty board") << "" << plays("");
    QTest::newRow("a few moves") << "4453" << plays("4453");
    QTest::newRow("a column filled to the top") << "111111" << plays("111111");
    QTest::newRow("41 moves, one hole left") << fullBoard.left(41) << plays(fullBoard.left(41));

    // Characters that are no column from 1 to 7, named as given.
    QTest::newRow("a letter") << "44a3" << fault(Kind::notAColumn, 3, "a");
    QTest::newRow("column 0") << "0" << fault(Kind::notAColumn, 1, "0");
    QTest::newRow("column 8") << "4448" << fault(Kind::notAColumn, 4, "8");
    QTest::newRow("a space") << "4 3" << fault(Kind::notAColumn, 2, " ");
    QTest::newRow("a full-width digit") << QString::fromUtf8("4\uff14") << fault(Kind::notAColumn, 2, "\uff14");
    QTest::newRow("another script's digit") << QString::fromUtf8("\u0664") << fault(Kind::notAColumn, 1, "\u0664");
    QTest::newRow("beyond the first plane, one character")
        << QString::fromUtf8("44\U0001F600") << fault(Kind::notAColumn, 3, QString::fromUtf8("\U0001F600"));

    // A seventh disc in a column of six.
    QTest::newRow("a full column") << "3333333" << fault(Kind::columnFull, 7, "3");
    QTest::newRow("a full column among others") << "1111112" "1" << fault(Kind::columnFull, 8, "1");

    // A move after four in a line, even into a full column; a character
    // that is no column is named as such first.
    QTest::newRow("after four in a column") << "12121212" << fault(Kind::gameOver, 8, "2");
    QTest::newRow("after four, into a full column") << "333333" "1212121" "3" << fault(Kind::gameOver, 14, "3");
    QTest::newRow("a letter after four") << "1212121x" << fault(Kind::notAColumn, 8, "x");
    QTest::newRow("four in a line among 50") << "1212121" + QString(43, u'3') << fault(Kind::gameOver, 8, "3");

    // The last move ends the game, leaving nothing to play from.
    QTest::newRow("the last makes four in a column") << "1212121" << fault(Kind::endsGame, 7, "1");
    QTest::newRow("the last makes four along the bottom") << "1122334" << fault(Kind::endsGame, 7, "4");
    QTest::newRow("the last fills the board") << fullBoard << fault(Kind::endsGame, 42, "3");

    // Too long only when the first 42 moves all play: any earlier fault
    // is named first, however long the string.
    QTest::newRow("one more than the board holds") << fullBoard + "4" << fault(Kind::tooLong, 43, "4");
    QTest::newRow("a letter after a full board") << fullBoard + "x" << fault(Kind::tooLong, 43, "x");
    QTest::newRow("43 in one column") << QString(43, u'4') << fault(Kind::columnFull, 7, "4");
    QTest::newRow("100,000 in one column") << QString(100000, u'4') << fault(Kind::columnFull, 7, "4");
    QTest::newRow("43 letters") << QString(43, u'x') << fault(Kind::notAColumn, 1, "x");
    QTest::newRow("a letter at 42 of 43") << fullBoard.left(41) + "x3" << fault(Kind::notAColumn, 42, "x");
}

void TestMoveString::readsTheFirstFault()
{
    QFETCH(QString, digits);
    QFETCH(QString, reading);
    QCOMPARE(readingOf(digits), reading);
}

QTEST_GUILESS_MAIN(TestMoveString)
#include "tst_movestring.moc"
