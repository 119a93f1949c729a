// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/clickarea.h"
#include "runtime/label.h"
#include "runtime/shape.h"
#include "support/game.h"

#include <QAccessible>
#include <QApplication>
#include <QPushButton>
#include <QTest>

namespace {

QAccessibleInterface* accessible(QObject* object)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    if (!iface)
        qFatal("no accessible interface");
    return iface;
}

QAccessibleInterface* clickArea(const Game& game, int c, int r)
{
    return accessible(game.window().findChild<runtime::ClickArea*>(
        QStringLiteral("lblcover%1(%2)").arg(c).arg(r)));
}

QString name(QAccessibleInterface* iface)
{
    return iface->text(QAccessible::Name);
}

int lowestHole(const Game& game, int c)
{
    int r = 0;
    while (r < 6 && game.discColor(c, r) != Qt::black)
        ++r;
    return r;
}

// Plays a column the way a screen reader does: the press action of its
// button. The button answers a moment later, as if pressed and released.
bool pressColumn(const Game& game, int c)
{
    const int hole = lowestHole(game, c);
    QAccessibleActionInterface* actions = clickArea(game, c, 0)->actionInterface();
    if (!actions || !actions->actionNames().contains(QAccessibleActionInterface::pressAction()))
        return false;
    actions->doAction(QAccessibleActionInterface::pressAction());
    return QTest::qWaitFor([&] { return game.discColor(c, hole) != Qt::black; });
}

} // namespace

// What a screen reader finds on the board and in the dialog, and playing a
// game through it.
class TestAccessibility : public QObject {
    Q_OBJECT

private slots:
    void everyControlHasANameAndARole();
    void theLabelsReadTheirText();
    void clickAreasSayHowFullTheirColumnIs();
    void discsSayWhoseTheyAre();
    void pressActionsPlayAGameToAWin();
    void theDialogIntroducesItselfWithTheOutcome();
};

// What a screen reader lists when it reviews the board: the title, the two
// turn labels, the threats' sign, the 42 holes and one button per column,
// each with a name.
void TestAccessibility::everyControlHasANameAndARole()
{
    Game game(1, { "Ann", "Bea" });
    QAccessibleInterface* board = accessible(&game.window());
    QCOMPARE(name(board), "Vantrel");
    QCOMPARE(board->text(QAccessible::Description),
             "Keys 1 to 7 drop a disc in that column; Ctrl+Z takes a move back and Ctrl+Y plays it again; "
             "H shows a hint; A shows what each column leads to; T shows the threats; Ctrl+C copies the moves; "
             "F1 lists every key and mark.");
    // The labels: the title, the turn labels and the threats' "No threats", hidden until asked for.
    QCOMPARE(board->childCount(), 4 + 42 + 7);
    QStringList buttons;
    for (int i = 0; i < board->childCount(); ++i) {
        QAccessibleInterface* iface = board->child(i);
        QCOMPARE(board->indexOfChild(iface), i);
        QVERIFY2(!name(iface).isEmpty(), qPrintable(iface->object()->objectName()));
        QAccessible::Role expected = QAccessible::StaticText;
        if (qobject_cast<runtime::ClickArea*>(iface->object())) {
            expected = QAccessible::Button;
            buttons.append(iface->object()->objectName());
        } else if (qobject_cast<runtime::Shape*>(iface->object())) {
            expected = QAccessible::Graphic;
        }
        QCOMPARE(iface->role(), expected);
    }
    QCOMPARE(buttons, QStringList({ "lblcover1(0)", "lblcover2(0)", "lblcover3(0)", "lblcover4(0)",
                                    "lblcover5(0)", "lblcover6(0)", "lblcover7(0)" }));
    // The other click areas still take the mouse.
    game.clickCell(3, 5);
    QCOMPARE(game.discColor(3, 0), QColor(Qt::red));
}

void TestAccessibility::theLabelsReadTheirText()
{
    Game game(2, { "Ann", "Bea" });
    QCOMPARE(name(accessible(game.window().findChild<QWidget*>("lblTitle"))), "Vantrel");
    QAccessibleInterface* first = accessible(game.window().findChild<QWidget*>("lblplayer1"));
    QAccessibleInterface* second = accessible(game.window().findChild<QWidget*>("lblplayer2"));
    QCOMPARE(name(first), "Ann's turn");
    QCOMPARE(first->text(QAccessible::Description), "Plays red");
    QVERIFY(first->state().invisible);
    QCOMPARE(name(second), "Bea's turn");
    QCOMPARE(second->text(QAccessible::Description), "Plays blue");
    QVERIFY(!second->state().invisible);
}

void TestAccessibility::clickAreasSayHowFullTheirColumnIs()
{
    Game game;
    const QStringList expected{ "Column 3, no discs", "Column 3, 1 disc",  "Column 3, 2 discs",
                                "Column 3, 3 discs",  "Column 3, 4 discs", "Column 3, 5 discs",
                                "Column 3, full" };
    for (int discs = 0; discs <= 6; ++discs) {
        if (discs > 0)
            game.play({ 3 });
        QCOMPARE(name(clickArea(game, 3, 0)), expected[discs]);
        QCOMPARE(name(clickArea(game, 4, 0)), "Column 4, no discs");
    }
    QVERIFY(clickArea(game, 3, 0)->state().invisible);
}

void TestAccessibility::discsSayWhoseTheyAre()
{
    Game game(1);
    game.play({ 7, 7 });
    const auto disc = [&](int c, int r) {
        return name(accessible(game.window().findChild<runtime::Shape*>(
            QStringLiteral("Shp%1(%2)").arg(c).arg(r))));
    };
    QCOMPARE(disc(7, 0), "Column 7, row 1, red");
    QCOMPARE(disc(7, 1), "Column 7, row 2, blue");
    QCOMPARE(disc(7, 2), "Column 7, row 3, empty");
    QCOMPARE(disc(1, 5), "Column 1, row 6, empty");
}

void TestAccessibility::pressActionsPlayAGameToAWin()
{
    Game game(2, { "Ann", "Bea" });
    QCOMPARE(clickArea(game, 5, 0)->actionInterface()->actionNames(),
             QStringList{ QAccessibleActionInterface::pressAction() });
    for (int c : { 1, 7, 2, 6, 3, 5 })
        QVERIFY(pressColumn(game, c));
    QCOMPARE(game.discColor(1, 0), QColor(Qt::blue));
    QCOMPARE(game.discColor(7, 0), QColor(Qt::red));
    QCOMPARE(name(clickArea(game, 6, 0)), "Column 6, 1 disc");
    QCOMPARE(game.gameover(), nullptr);

    QVERIFY(pressColumn(game, 4));
    QVERIFY(!game.window().isEnabled());
    QCOMPARE(game.outcomeText(), "Bea Wins");
    QVERIFY(clickArea(game, 4, 0)->state().disabled);
}

void TestAccessibility::theDialogIntroducesItselfWithTheOutcome()
{
    Game game(1, { "Ann", "Bea" });
    game.play({ 1, 2, 1, 2, 1, 2, 1 });
    QWidget* dialog = game.gameover();
    QVERIFY(dialog);
    QVERIFY(QTest::qWaitForWindowActive(dialog));

    QAccessibleInterface* iface = accessible(dialog);
    QCOMPARE(iface->role(), QAccessible::Dialog);
    QCOMPARE(name(iface), "Game Over");
    QCOMPARE(iface->text(QAccessible::Description), "Ann Wins");
    QAccessibleInterface* winner = accessible(dialog->findChild<QWidget*>("lblwinner"));
    QCOMPARE(winner->role(), QAccessible::StaticText);
    QCOMPARE(name(winner), "Ann Wins");
    auto* quit = dialog->findChild<QPushButton*>("cmdquit");
    QCOMPARE(accessible(quit)->role(), QAccessible::Button);
    QCOMPARE(name(accessible(quit)), "Quit");
    QCOMPARE(QApplication::focusWidget(), quit);
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
