// SPDX-License-Identifier: GPL-3.0-or-later
#include "gameover/gameover.h"
#include "runtime/label.h"

#include <QFontInfo>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <functional>

// The game-over dialog: its layout, and every way out of it.
class TestGameover : public QObject {
    Q_OBJECT

private slots:
    void layout();
    void quitHasTheFocusAndTheDialogIsCentred();
    void aLongNameStaysInsideTheLabel();
    void everyWayOutEndsTheProgram_data();
    void everyWayOutEndsTheProgram();
};

void TestGameover::layout()
{
    Gameover dialog;
    QCOMPARE(dialog.windowTitle(), "Game Over");
    QCOMPARE(dialog.size(), QSize(165, 143));
    QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
    QVERIFY(!(dialog.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QVERIFY(!dialog.isModal());

    auto* winner = dialog.findChild<runtime::Label*>("lblwinner");
    auto* quit = dialog.findChild<QPushButton*>("cmdquit");
    QCOMPARE(winner->geometry(), QRect(16, 16, 129, 57));
    QCOMPARE(quit->geometry(), QRect(32, 88, 97, 49));
    QCOMPARE(quit->text(), "Quit");
    QCOMPARE(QFontInfo(winner->font()).pixelSize(), 21);
    QCOMPARE(QFontInfo(quit->font()).pixelSize(), 24);
    QCOMPARE(winner->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    QVERIFY(winner->autoFillBackground());
    QVERIFY(winner->text().isEmpty());
}

void TestGameover::quitHasTheFocusAndTheDialogIsCentred()
{
    Gameover dialog;
    dialog.setTie();
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.focusWidget(), dialog.findChild<QPushButton*>("cmdquit"));
    const QPoint screenCentre = dialog.screen()->availableGeometry().center();
    QVERIFY((dialog.frameGeometry().center() - screenCentre).manhattanLength() <= 2);
}

void TestGameover::aLongNameStaysInsideTheLabel()
{
    Gameover dialog;
    const QString outcome = QString(2000, 'W') + " Wins";
    dialog.setWinner(QString(2000, 'W'));
    dialog.show();
    auto* winner = dialog.findChild<runtime::Label*>("lblwinner");
    QCOMPARE(winner->text(), outcome);
    QCOMPARE(winner->geometry(), QRect(16, 16, 129, 57));
    QCOMPARE(dialog.size(), QSize(165, 143));
}

void TestGameover::everyWayOutEndsTheProgram_data()
{
    using Action = std::function<void(Gameover&)>;
    QTest::addColumn<Action>("action");
    const auto quit = [](Gameover& dialog) { return dialog.findChild<QPushButton*>("cmdquit"); };
    QTest::newRow("Quit clicked") << Action([=](Gameover& d) { QTest::mouseClick(quit(d), Qt::LeftButton); });
    QTest::newRow("Enter on Quit") << Action([=](Gameover& d) { QTest::keyClick(quit(d), Qt::Key_Enter); });
    QTest::newRow("Return on Quit") << Action([=](Gameover& d) { QTest::keyClick(quit(d), Qt::Key_Return); });
    QTest::newRow("Space on Quit") << Action([=](Gameover& d) { QTest::keyClick(quit(d), Qt::Key_Space); });
    QTest::newRow("Escape") << Action([](Gameover& d) { QTest::keyClick(&d, Qt::Key_Escape); });
    QTest::newRow("closed through the frame") << Action([](Gameover& d) { d.close(); });
}

void TestGameover::everyWayOutEndsTheProgram()
{
    using Action = std::function<void(Gameover&)>;
    QFETCH(Action, action);
    Gameover dialog;
    dialog.setWinner("Ann");
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTimer::singleShot(0, &dialog, [&] { action(dialog); });
    QTimer::singleShot(10000, [] { QCoreApplication::exit(-1); });
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(!dialog.isVisible());
}

QTEST_MAIN(TestGameover)
#include "tst_gameover.moc"
