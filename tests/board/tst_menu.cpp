// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/game.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QTest>
#include <QTimer>

namespace {

// The texts of the context menu's actions, whether each can act and is
// ticked, read while the menu is open; the menu is then closed.
QStringList openedMenu(const std::function<void()>& open)
{
    QStringList items;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        for (QAction* action : menu->actions())
            items << action->text() + '\t' + action->shortcut().toString() + (action->isEnabled() ? "" : " (greyed)")
                         + (action->isChecked() ? " (ticked)" : "");
        menu->close();
    });
    open();
    return items;
}

} // namespace

// The board's context menu, opened for real: by the right button between
// the holes and by Shift+F10.
class TestMenu : public QObject {
    Q_OBJECT

private slots:
    void theContextMenuOffersEveryAction();
    void theFinishedBoardsMenuCopiesTheGame();
};

void TestMenu::theContextMenuOffersEveryAction()
{
    Game game(1);
    const QPoint between(60, 60);
    const auto rightClick = [&] { QTest::mouseClick(game.window().windowHandle(), Qt::RightButton, {}, between); };
    QCOMPARE(openedMenu(rightClick),
             QStringList({ "Undo\tCtrl+Z (greyed)", "Redo\tCtrl+Y (greyed)", "Copy Moves\tCtrl+C (greyed)", "\t",
                           "Hint\tH", "Show Outcomes\tA", "Show Threats\tT", "Mark Last Move\tL (ticked)", "Mark Mistakes\tM", "\t",
                           "Keys and Views\tF1" }));
    game.play({ 3 });
    QCOMPARE(openedMenu(rightClick),
             QStringList({ "Undo\tCtrl+Z", "Redo\tCtrl+Y (greyed)", "Copy Moves\tCtrl+C", "\t", "Hint\tH",
                           "Show Outcomes\tA", "Show Threats\tT", "Mark Last Move\tL (ticked)", "Mark Mistakes\tM", "\t",
                           "Keys and Views\tF1" }));
    game.window().undo();
    game.window().showOutcomes(true);
    game.window().showThreats(true);
    const auto shiftF10 = [&] { QTest::keyClick(&game.window(), Qt::Key_F10, Qt::ShiftModifier); };
    QCOMPARE(openedMenu(shiftF10),
             QStringList({ "Undo\tCtrl+Z (greyed)", "Redo\tCtrl+Y", "Copy Moves\tCtrl+C (greyed)", "\t", "Hint\tH",
                           "Show Outcomes\tA (ticked)", "Show Threats\tT (ticked)", "Mark Last Move\tL (ticked)",
                           "Mark Mistakes\tM", "\t", "Keys and Views\tF1" }));
    // A left click on a hole drops a disc and opens no menu.
    QCOMPARE(openedMenu([&] { game.clickCell(5, 2); }), QStringList());
    QCOMPARE(game.window().moves(), QList<int>({ 5 }));
}

// Once four are in a line the board is disabled, but its menu still opens,
// and copies the finished game.
void TestMenu::theFinishedBoardsMenuCopiesTheGame()
{
    Game game(1);
    game.play({ 1, 2, 1, 2, 1, 2, 1 });
    QVERIFY(game.window().isOver());
    QStringList items;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        QVERIFY(menu->isEnabled());
        QAction* copy = nullptr;
        for (QAction* action : menu->actions())
            if (action->isEnabled() && !action->isSeparator()) {
                items << action->text();
                copy = action->text() == "Copy Moves" ? action : copy;
            }
        menu->close();
        if (copy)
            copy->trigger();
    });
    QGuiApplication::clipboard()->clear();
    QTest::mouseClick(game.window().windowHandle(), Qt::RightButton, {}, QPoint(60, 60));
    QCOMPARE(items, QStringList({ "Copy Moves", "Mark Last Move", "Mark Mistakes", "Keys and Views" }));
    QCOMPARE(QGuiApplication::clipboard()->text(), "1212121");
}

QTEST_MAIN(TestMenu)
#include "tst_menu.moc"
