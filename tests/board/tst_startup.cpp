// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/layout.h"
#include "runtime/clickarea.h"
#include "runtime/label.h"
#include "runtime/shape.h"
#include "support/game.h"

#include <QFontInfo>
#include <QTest>

// Start-up: what the Load handler asks, in which order, and the board it leaves.
class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void asksForTheFirstPlayerBeforeTheNames();
    void defaultNamesMakeTheTurnLabels();
    void firstPlayerComesFromTheRandomNumber_data();
    void firstPlayerComesFromTheRandomNumber();
    void startsWithAnEmptyOpenBoard();
    void controlsSitWhereTheLayoutPutsThem();
    void coloursAndFonts();
    void theBoardGrowsButNeverShrinksBelowItsLayout();
    void namesAreShownLiterally_data();
    void namesAreShownLiterally();
};

void TestStartup::asksForTheFirstPlayerBeforeTheNames()
{
    QStringList log;
    ScriptedPrompt prompt({}, &log);
    ScriptedRandom random({ 0.1 }, &log);
    const runtime::StandIn promptStandIn(&prompt);
    const runtime::StandIn randomStandIn(&random);
    Form1 window;
    window.load();
    QCOMPARE(log, QStringList({ "seed", "next", "ask Player 1's name:|Player 1|Player1",
                                "ask Player 2's name:|Player 2|Player2" }));
    QVERIFY(!window.isVisible());
}

void TestStartup::defaultNamesMakeTheTurnLabels()
{
    Game game(2);
    QCOMPARE(game.turnText(1), "Player1's turn");
    QCOMPARE(game.turnText(2), "Player2's turn");
    QCOMPARE(game.visibleTurnLabel(), 2);
}

void TestStartup::firstPlayerComesFromTheRandomNumber_data()
{
    QTest::addColumn<double>("number");
    QTest::addColumn<int>("label");
    QTest::newRow("0") << 0.0 << 1;
    QTest::newRow("just under a half") << 0.4999999 << 1;
    QTest::newRow("a half") << 0.5 << 2;
    QTest::newRow("just under 1") << 0.9999999 << 2;
    QTest::newRow("1, outside the range") << 1.0 << 2;
    QTest::newRow("negative, outside the range") << -0.5 << 1;
}

void TestStartup::firstPlayerComesFromTheRandomNumber()
{
    QFETCH(double, number);
    QFETCH(int, label);
    ScriptedPrompt prompt;
    ScriptedRandom random({ number });
    const runtime::StandIn promptStandIn(&prompt);
    const runtime::StandIn randomStandIn(&random);
    Form1 window;
    window.load();
    const bool first = !window.findChild<QWidget*>("lblplayer1")->isHidden();
    const bool second = !window.findChild<QWidget*>("lblplayer2")->isHidden();
    QCOMPARE(first, label == 1);
    QCOMPARE(second, label == 2);
}

void TestStartup::startsWithAnEmptyOpenBoard()
{
    Game game;
    for (int c = 1; c <= 7; ++c) {
        QVERIFY(game.isColumnOpen(c));
        for (int r = 0; r < 6; ++r)
            QCOMPARE(game.discColor(c, r), QColor(Qt::black));
    }
    QCOMPARE(game.window().findChildren<runtime::Shape*>().size(), 42);
    QCOMPARE(game.window().findChildren<runtime::ClickArea*>().size(), 42);
    QVERIFY(game.window().isEnabled());
    QCOMPARE(game.gameover(), nullptr);
}

void TestStartup::controlsSitWhereTheLayoutPutsThem()
{
    Game game;
    Form1& window = game.window();
    QCOMPARE(window.windowTitle(), "Vantrel");
    QCOMPARE(window.size(), QSize(484, 416));
    QCOMPARE(window.findChild<QWidget*>("lblTitle")->geometry(), QRect(136, 16, 209, 49));
    QCOMPARE(window.findChild<QWidget*>("lblplayer1")->geometry(), QRect(24, 16, 89, 33));
    QCOMPARE(window.findChild<QWidget*>("lblplayer2")->geometry(), QRect(360, 16, 89, 33));
    for (int c = 1; c <= 7; ++c)
        for (int r = 0; r < 6; ++r) {
            const QRect cell(24 + 64 * (c - 1), 344 - 56 * r, 49, 49);
            QCOMPARE(window.findChild<QWidget*>(QString("Shp%1(%2)").arg(c).arg(r))->geometry(), cell);
            QCOMPARE(window.findChild<QWidget*>(QString("lblcover%1(%2)").arg(c).arg(r))->geometry(), cell);
        }

    // The window can be resized and maximised, but nothing on it moves.
    window.resize(800, 700);
    window.showMaximized();
    QCOMPARE(window.findChild<QWidget*>("lblcover7(5)")->geometry(), QRect(408, 64, 49, 49));
    QCOMPARE(window.findChild<QWidget*>("lblplayer2")->geometry(), QRect(360, 16, 89, 33));
}

void TestStartup::coloursAndFonts()
{
    Game game;
    Form1& window = game.window();
    QCOMPARE(window.palette().color(QPalette::Window), QColor(255, 255, 0));
    QVERIFY(window.autoFillBackground());
    auto* title = window.findChild<runtime::Label*>("lblTitle");
    auto* player1 = window.findChild<runtime::Label*>("lblplayer1");
    auto* player2 = window.findChild<runtime::Label*>("lblplayer2");
    QCOMPARE(title->text(), "Vantrel");
    QCOMPARE(title->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    QCOMPARE(player1->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QCOMPARE(player2->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    QCOMPARE(QFontInfo(title->font()).pixelSize(), 27);
    QCOMPARE(QFontInfo(player1->font()).pixelSize(), 13);
    QCOMPARE(QFontInfo(player2->font()).pixelSize(), 13);
    QCOMPARE(title->font().weight(), QFont::Normal);
    QVERIFY(!title->autoFillBackground());
    QVERIFY(!player1->autoFillBackground());
}

void TestStartup::theBoardGrowsButNeverShrinksBelowItsLayout()
{
    Game game;
    QWidget& window = game.window();
    const QRect corner = window.findChild<QWidget*>("lblcover7(0)")->geometry();
    window.resize(200, 150);
    QCOMPARE(window.size(), QSize(484, 416));
    window.resize(900, 700);
    QCOMPARE(window.size(), QSize(900, 700));
    QCOMPARE(window.findChild<QWidget*>("lblcover7(0)")->geometry(), corner);
}

void TestStartup::namesAreShownLiterally_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("markup") << "<b>Ann</b>";
    QTest::newRow("image") << "<img src=x>";
    QTest::newRow("entity") << "&amp;";
    QTest::newRow("mnemonic") << "R&D";
    QTest::newRow("empty, as after Cancel") << "";
    QTest::newRow("long") << QString(300, 'W');
}

void TestStartup::namesAreShownLiterally()
{
    QFETCH(QString, name);
    Game game(1, { name, name });
    auto* label = game.window().findChild<runtime::Label*>("lblplayer1");
    QCOMPARE(label->text(), name + "'s turn");
    QCOMPARE(label->textFormat(), Qt::PlainText);
    QCOMPARE(label->geometry(), QRect(24, 16, 89, 33));
    QCOMPARE(game.window().size(), QSize(484, 416));
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
