// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/clickarea.h"
#include "support/game.h"

#include <QApplication>
#include <QKeyEvent>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

namespace {

// Red lines up row 0 from column 1 while blue fills columns 7, 6 and 5: every key is used.
const QList<int> redWinsOnRow0{ 1, 7, 2, 6, 3, 5, 4 };

// Presses and releases a key on the board window. Such events carry no scan
// code, so that presses in one millisecond are not taken for a repeat.
void press(Game& game, int key, Qt::KeyboardModifiers modifiers = {})
{
    QTest::keyClick(game.window().windowHandle(), Qt::Key(key), modifiers);
}

// The key 6 of the main row as X numbers it.
constexpr quint32 scanCodeOf6 = 15;

// Sends the board an event written "focus out", or "P100" or "R140": a press
// or a release, at a time in milliseconds, then any of: r when Qt flags it
// as a repeat, ^ when it reads as ^ (Shift went down while 6 was held), -
// when it carries no scan code, as events the program makes itself.
void send(QWidget& board, const QString& written)
{
    if (written == "focus out") {
        QFocusEvent focusOut(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        QApplication::sendEvent(&board, &focusOut);
        return;
    }
    const bool shifted = written.contains('^');
    QKeyEvent event(written[0] == 'P' ? QEvent::KeyPress : QEvent::KeyRelease,
                    shifted ? Qt::Key_AsciiCircum : Qt::Key_6, shifted ? Qt::ShiftModifier : Qt::NoModifier,
                    written.contains('-') ? 0 : scanCodeOf6, 0, 0, shifted ? "^" : "6", written.contains('r'));
    event.setTimestamp(QString(written).remove(QRegularExpression("\\D")).toULong());
    QApplication::sendEvent(&board, &event);
}

void pressColumns(Game& game, const QList<int>& columns, Qt::KeyboardModifiers modifiers = {})
{
    for (int c : columns)
        press(game, Qt::Key_1 + c - 1, modifiers);
}

} // namespace

// Playing with keys 1 to 7: the same moves as clicks, and nothing else.
class TestKeyboard : public QObject {
    Q_OBJECT

private slots:
    void theBoardHasTheKeyboardFocus();
    void keysPlayAGameToAWin_data();
    void keysPlayAGameToAWin();
    void aKeyClicksItsColumnsClickArea();
    void aKeyOnAFullColumnChangesNothing();
    void aFinishedBoardTakesNoKeys();
    void otherKeysDoNothing_data();
    void otherKeysDoNothing();
    void aHeldKeyDropsOneDisc_data();
    void aHeldKeyDropsOneDisc();
    void aHeldKeyShowsOrCopiesOnceButTakesBackAgain_data();
    void aHeldKeyShowsOrCopiesOnceButTakesBackAgain();
};

void TestKeyboard::theBoardHasTheKeyboardFocus()
{
    Game game;
    QVERIFY(QTest::qWaitForWindowActive(&game.window()));
    QCOMPARE(QApplication::focusWidget(), &game.window());
}

void TestKeyboard::keysPlayAGameToAWin_data()
{
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::newRow("main row") << Qt::KeyboardModifiers();
    QTest::newRow("keypad") << Qt::KeyboardModifiers(Qt::KeypadModifier);
}

void TestKeyboard::keysPlayAGameToAWin()
{
    QFETCH(Qt::KeyboardModifiers, modifiers);
    Game game(1, { "Ann", "Bea" });
    pressColumns(game, redWinsOnRow0.first(6), modifiers);
    QCOMPARE(game.discs(), "R.....R.....R...........B.....B.....B.....");
    QCOMPARE(game.visibleTurnLabel(), 1);
    QCOMPARE(game.gameover(), nullptr);

    pressColumns(game, { redWinsOnRow0.last() }, modifiers);
    QCOMPARE(game.discColor(4, 0), QColor(Qt::red));
    QVERIFY(!game.window().isEnabled());
    QCOMPARE(game.outcomeText(), "Ann Wins");
    QCOMPARE(game.visibleTurnLabel(), 0);
}

void TestKeyboard::aKeyClicksItsColumnsClickArea()
{
    Game game;
    auto* area = game.window().findChild<runtime::ClickArea*>("lblcover3(0)");
    QSignalSpy clicks(area, &runtime::ClickArea::clicked);
    press(game, Qt::Key_3);
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(game.discColor(3, 0), QColor(Qt::red));
}

void TestKeyboard::aKeyOnAFullColumnChangesNothing()
{
    Game game(2);
    pressColumns(game, { 2, 2, 2, 2, 2, 2 });
    QVERIFY(!game.isColumnOpen(2));
    const QString before = game.discs();
    QCOMPARE(before.count('.'), 36);

    press(game, Qt::Key_2);
    press(game, Qt::Key_2, Qt::KeypadModifier);
    QCOMPARE(game.discs(), before);
    QCOMPARE(game.visibleTurnLabel(), 2);
    pressColumns(game, { 5 });
    QCOMPARE(game.discColor(5, 0), QColor(Qt::blue));
}

void TestKeyboard::aFinishedBoardTakesNoKeys()
{
    Game game(1);
    pressColumns(game, redWinsOnRow0);
    QVERIFY(!game.window().isEnabled());
    const QString before = game.discs();
    pressColumns(game, { 1, 2, 3, 4, 5, 6, 7 });
    pressColumns(game, { 1, 2, 3, 4, 5, 6, 7 }, Qt::KeypadModifier);
    QCOMPARE(game.discs(), before);
}

void TestKeyboard::otherKeysDoNothing_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::newRow("0") << int(Qt::Key_0) << Qt::KeyboardModifiers();
    QTest::newRow("8") << int(Qt::Key_8) << Qt::KeyboardModifiers();
    QTest::newRow("keypad 9") << int(Qt::Key_9) << Qt::KeyboardModifiers(Qt::KeypadModifier);
    QTest::newRow("letter") << int(Qt::Key_C) << Qt::KeyboardModifiers();
    QTest::newRow("space") << int(Qt::Key_Space) << Qt::KeyboardModifiers();
    QTest::newRow("enter") << int(Qt::Key_Return) << Qt::KeyboardModifiers();
    QTest::newRow("arrow") << int(Qt::Key_Down) << Qt::KeyboardModifiers();
    QTest::newRow("tab") << int(Qt::Key_Tab) << Qt::KeyboardModifiers();
    QTest::newRow("ctrl+3") << int(Qt::Key_3) << Qt::KeyboardModifiers(Qt::ControlModifier);
    QTest::newRow("alt+3") << int(Qt::Key_3) << Qt::KeyboardModifiers(Qt::AltModifier);
}

void TestKeyboard::otherKeysDoNothing()
{
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    Game game(1);
    press(game, key, modifiers);
    QCOMPARE(game.discs().count('.'), 42);
    QCOMPARE(game.visibleTurnLabel(), 1);
    QCOMPARE(QApplication::focusWidget(), &game.window());
}

void TestKeyboard::aHeldKeyDropsOneDisc_data()
{
    QTest::addColumn<QStringList>("events"); // as send() reads them
    QTest::addColumn<int>("discs");
    QTest::newRow("presses flagged as repeats") << QStringList{ "P100", "P140r", "P180r", "R220" } << 1;
    QTest::newRow("presses without releases") << QStringList{ "P100", "P140", "P180", "R220" } << 1;
    QTest::newRow("release-and-press pairs at one moment")
        << QStringList{ "P100", "R140", "P140", "R180", "P180", "R300" } << 1;
    QTest::newRow("pairs, one of them flagged")
        << QStringList{ "P100", "R140r", "P140r", "R180", "P180", "R300" } << 1;
    QTest::newRow("two quick presses") << QStringList{ "P100", "R130", "P160", "R190" } << 2;
    QTest::newRow("a press after a repeated hold")
        << QStringList{ "P100", "R140", "P140", "R200", "P260", "R300" } << 2;
    QTest::newRow("released as another key, then pressed again") << QStringList{ "P100", "R150^", "P300", "R350" }
                                                                    << 2;
    QTest::newRow("no scan codes, two presses at one moment") << QStringList{ "P100-", "R100-", "P100-", "R100-" }
                                                              << 2;
    QTest::newRow("held while the window lost the focus") << QStringList{ "P100", "focus out", "P500" } << 2;
}

// A key held down drops one disc however the system repeats it; a key
// pressed again, however soon and whatever its release read as, drops another.
void TestKeyboard::aHeldKeyDropsOneDisc()
{
    QFETCH(QStringList, events);
    QFETCH(int, discs);
    Game game(1);
    for (const QString& e : events)
        send(game.window(), e);
    QCOMPARE(game.discs().count('.'), 42 - discs);
    QCOMPARE(game.window().moves(), QList<int>(discs, 6));
}

void TestKeyboard::aHeldKeyShowsOrCopiesOnceButTakesBackAgain_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("events"); // P a press, p a press flagged as a repeat, R a release
    QTest::addColumn<QString>("after");  // the threats and outcomes shown, the moves left
    QTest::newRow("T pressed") << int(Qt::Key_T) << "PR" << "threats|-|4453";
    QTest::newRow("T pressed twice") << int(Qt::Key_T) << "PRPR" << "-|-|4453";
    QTest::newRow("T held, repeats flagged") << int(Qt::Key_T) << "PpppR" << "threats|-|4453";
    QTest::newRow("T held, presses without releases") << int(Qt::Key_T) << "PPPPR" << "threats|-|4453";
    QTest::newRow("A held") << int(Qt::Key_A) << "PppR" << "-|outcomes|4453";
    QTest::newRow("Backspace held takes back one after another") << int(Qt::Key_Backspace) << "PppR" << "-|-|4";
}

// Through the window, as the system delivers keys: a held key that shows,
// hints or copies acts once, while one that takes back repeats.
void TestKeyboard::aHeldKeyShowsOrCopiesOnceButTakesBackAgain()
{
    QFETCH(int, key);
    QFETCH(QString, events);
    QFETCH(QString, after);
    Game game(1);
    pressColumns(game, { 4, 4, 5, 3 });
    QWindow* window = game.window().windowHandle();
    for (const QChar event : events)
        QTest::simulateEvent(window, event != u'R', key, {}, {}, event == u'p');
    QString moves;
    for (int c : game.window().moves())
        moves += QString::number(c);
    const bool threats = game.action(QKeySequence(Qt::Key_T)).isChecked();
    QCOMPARE(QStringList({ threats ? "threats" : "-", game.window().outcomesShown() ? "outcomes" : "-", moves }).join('|'),
             after);
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
