// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/services.h"
#include "runtime/scripted.h"

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

// Runs the given action on the prompt once it is open.
void whenPromptOpens(std::function<void(QInputDialog*)> action)
{
    QTimer::singleShot(0, [action] {
        auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        action(dialog);
    });
}

} // namespace

// The real prompt and random source, and replacing them with stand-ins.
class TestServices : public QObject {
    Q_OBJECT

private slots:
    void promptShowsItsTextsAndReturnsTheField();
    void promptReturnsNothingOnCancelOrClose_data();
    void promptReturnsNothingOnCancelOrClose();
    void realRandomNumbersLieInRangeAndSplitEvenly();
    void standInsAreRemovedWithTheirGuard();
};

void TestServices::promptShowsItsTextsAndReturnsTheField()
{
    whenPromptOpens([](QInputDialog* dialog) {
        QCOMPARE(dialog->windowTitle(), "Player 1");
        QCOMPARE(dialog->labelText(), "Player 1's name:");
        QCOMPARE(dialog->textValue(), "Player1");
        dialog->findChild<QLineEdit*>()->setText("<b>Ann</b>");
        dialog->accept();
    });
    QCOMPARE(runtime::askForText("Player 1's name:", "Player 1", "Player1"), "<b>Ann</b>");
}

void TestServices::promptReturnsNothingOnCancelOrClose_data()
{
    QTest::addColumn<bool>("close");
    QTest::newRow("Cancel") << false;
    QTest::newRow("closed through the frame") << true;
}

void TestServices::promptReturnsNothingOnCancelOrClose()
{
    QFETCH(bool, close);
    whenPromptOpens([close](QInputDialog* dialog) {
        if (close)
            dialog->close();
        else
            dialog->reject();
    });
    QCOMPARE(runtime::askForText("Player 2's name:", "Player 2", "Player2"), QString());
}

void TestServices::realRandomNumbersLieInRangeAndSplitEvenly()
{
    runtime::seedRandomFromTimer();
    constexpr int draws = 20000;
    int firstPlayer = 0;
    for (int i = 0; i < draws; ++i) {
        const double x = runtime::nextRandom();
        QVERIFY(x >= 0.0 && x < 1.0);
        if (static_cast<int>(2 * x + 1) == 1)
            ++firstPlayer;
    }
    // Five standard deviations either side of a half.
    QVERIFY2(qAbs(firstPlayer - draws / 2) < 5 * 71, qPrintable(QString::number(firstPlayer)));
}

void TestServices::standInsAreRemovedWithTheirGuard()
{
    ScriptedPrompt prompt({ "scripted" });
    {
        const runtime::StandIn standIn(&prompt);
        QCOMPARE(runtime::askForText("p", "t", "d"), "scripted");
    }
    whenPromptOpens([](QInputDialog* dialog) { dialog->accept(); });
    QCOMPARE(runtime::askForText("p", "t", "real"), "real");
}

QTEST_MAIN(TestServices)
#include "tst_services.moc"
