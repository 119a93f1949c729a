// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/keyswindow.h"
#include "runtime/shape.h"
#include "support/game.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QTest>

namespace {

// The holes that carry the last move's dot, as "c,r", each checked to say
// "Last move" to a screen reader, and no other hole to say it.
QString lastMoveMarked(const Game& game)
{
    QStringList marked;
    for (int c = 1; c <= 7; ++c)
        for (int r = 0; r < 6; ++r) {
            const auto* hole = game.window().findChild<runtime::Shape*>(QStringLiteral("Shp%1(%2)").arg(c).arg(r));
            const bool says = hole->accessibleDescription() == u"Last move";
            if (hole->hasDot() != says)
                return QStringLiteral("hole %1,%2 says '%3'").arg(c).arg(r).arg(hole->accessibleDescription());
            if (hole->hasDot())
                marked << QStringLiteral("%1,%2").arg(c).arg(r);
        }
    return marked.join(u' ');
}

QList<KeysWindow*> keysWindows()
{
    QList<KeysWindow*> windows;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* keys = qobject_cast<KeysWindow*>(window); keys && keys->isVisible())
            windows << keys;
    return windows;
}

// A step of a game: columns played by clicks, "u" a take-back, "r" a redo,
// "L" the last move's mark turned off or on.
void perform(Game& game, const QString& steps)
{
    for (const QChar step : steps) {
        if (step == u'u')
            game.window().undo();
        else if (step == u'r')
            game.window().redo();
        else if (step == u'L')
            game.action(QKeySequence(Qt::Key_L)).trigger();
        else
            game.play({ step.digitValue() });
    }
}

} // namespace

// What a player sees without looking for it: the last disc played, that no
// threat exists when they are asked for, where the keys are listed, and the
// finished game kept.
class TestGlance : public QObject {
    Q_OBJECT

private slots:
    void theLastMoveIsMarked_data();
    void theLastMoveIsMarked();
    void theComputersReplyIsMarked();
    void askingForThreatsWhereNoneExistSaysSo();
    void f1ListsEveryKeyOnce();
    void theGameOverDialogCopiesTheWholeGame();
};

void TestGlance::theLastMoveIsMarked_data()
{
    QTest::addColumn<QList<int>>("opening");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("marked");
    QTest::newRow("no move yet") << QList<int>{} << "" << "";
    QTest::newRow("a move") << QList<int>{} << "4" << "4,0";
    QTest::newRow("the other player's answer") << QList<int>{} << "45" << "5,0";
    QTest::newRow("on top of a column") << QList<int>{} << "444" << "4,2";
    QTest::newRow("a take-back") << QList<int>{} << "45u" << "4,0";
    QTest::newRow("back to the empty board") << QList<int>{} << "4u" << "";
    QTest::newRow("a redo") << QList<int>{} << "45uur" << "4,0";
    QTest::newRow("a redo, then another") << QList<int>{} << "45uurr" << "5,0";
    QTest::newRow("set up from moves") << QList<int>{ 4, 4, 5, 3 } << "" << "3,0";
    QTest::newRow("a take-back into the moves set up") << QList<int>{ 4, 4, 5, 3 } << "u" << "5,0";
    QTest::newRow("the finished board") << QList<int>{} << "1212121" << "1,3";
    QTest::newRow("turned off") << QList<int>{} << "45L" << "";
    QTest::newRow("turned off, and on after a move") << QList<int>{} << "45L6L" << "6,0";
}

void TestGlance::theLastMoveIsMarked()
{
    QFETCH(QList<int>, opening);
    QFETCH(QString, steps);
    QFETCH(QString, marked);
    Game game(1, opening, std::nullopt);
    perform(game, steps);
    QCOMPARE(lastMoveMarked(game), marked);
}

void TestGlance::theComputersReplyIsMarked()
{
    Game game(1, "Mira", engine::Level::hard);
    game.play({ 4 });
    QCOMPARE(lastMoveMarked(game), "4,0");
    game.settle();
    QTRY_COMPARE(game.window().moves().size(), 2);
    const int reply = game.window().moves().last();
    QCOMPARE(lastMoveMarked(game), QStringLiteral("%1,%2").arg(reply).arg(reply == 4 ? 1 : 0));
    game.window().undo();
    QCOMPARE(lastMoveMarked(game), "");
    game.window().redo();
    QCOMPARE(lastMoveMarked(game), QStringLiteral("%1,%2").arg(reply).arg(reply == 4 ? 1 : 0));
}

void TestGlance::askingForThreatsWhereNoneExistSaysSo()
{
    Game game(1);
    auto* sign = game.window().findChild<QWidget*>(QStringLiteral("lblnothreats"));
    QVERIFY(sign->isHidden());
    game.window().showThreats(true);
    QVERIFY(sign->isVisible());
    QCOMPARE(QAccessible::queryAccessibleInterface(sign)->text(QAccessible::Name), "No threats");
    QVERIFY(game.window().accessibleDescription().endsWith("No threats."));
    game.play({ 1, 7, 2, 7, 3 });
    QVERIFY(sign->isHidden());
    QVERIFY(!game.window().accessibleDescription().contains("No threats"));
    game.window().undo();
    QVERIFY(sign->isVisible());
    game.window().showThreats(false);
    QVERIFY(sign->isHidden());
    QVERIFY(!game.window().accessibleDescription().contains("No threats"));
}

// Every action of the board is in the list, with every key it has and
// what it does: an action added later without a line of its own fails here.
void TestGlance::f1ListsEveryKeyOnce()
{
    Game game(1);
    QVERIFY(QTest::qWaitForWindowActive(&game.window()));
    QTest::keyClick(&game.window(), Qt::Key_F1);
    QCOMPARE(keysWindows().size(), 1);
    KeysWindow* keys = keysWindows().first();
    QCOMPARE(keys->windowTitle(), "Keys and Views");
    QVERIFY(!keys->isModal());
    const QString text = keys->text();
    for (const QAction* action : game.window().actions()) {
        QVERIFY2(!action->whatsThis().isEmpty(), qPrintable(action->text()));
        QVERIFY2(text.contains(action->text() + ": " + action->whatsThis()), qPrintable(action->text()));
        for (const QKeySequence& key : action->shortcuts())
            QVERIFY2(text.contains(key.toString(QKeySequence::NativeText)), qPrintable(key.toString()));
    }
    for (const char* more : { "1 to 7", "Shift+F10", "Escape", "+3", "=", "threat", "last disc", "winning line",
                                 "No threats" })
        QVERIFY2(text.contains(QString::fromUtf8(more)), more);
    // Asked again, from the board or its menu, the same list comes to the front.
    game.window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&game.window()));
    QTest::keyClick(&game.window(), Qt::Key_F1);
    game.action(QKeySequence::HelpContents).trigger();
    QCOMPARE(keysWindows(), QList<KeysWindow*>{ keys });
    QVERIFY(QTest::qWaitForWindowActive(keys));
    QTest::keyClick(keys, Qt::Key_Escape);
    QVERIFY(keysWindows().isEmpty());
}

// A game set up from moves and finished by one click is copied whole, from
// the dialog that has the keyboard once the board is disabled.
void TestGlance::theGameOverDialogCopiesTheWholeGame()
{
    Game game(1, { 1, 2, 1, 2, 1, 2 }, std::nullopt);
    game.play({ 1 });
    QVERIFY(game.window().isOver());
    QWidget* dialog = game.gameover();
    QVERIFY(QTest::qWaitForWindowActive(dialog));
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(dialog, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), "1212121");
    const auto buttons = dialog->findChildren<QAbstractButton*>();
    QCOMPARE(buttons.size(), 1);
    QCOMPARE(buttons.first()->text(), "Quit");
}

QTEST_MAIN(TestGlance)
#include "tst_glance.moc"
