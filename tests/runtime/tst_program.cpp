// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/program.h"
#include "runtime/services.h"
#include "support/process.h"

#include <QTest>
#include <QTimer>

#include <stdexcept>

namespace {

Run runGame(const QProcessEnvironment& environment)
{
    return runToEnd(QStringLiteral(VANTREL_EXECUTABLE), {}, environment);
}

// What the offscreen platform says whenever a dialog sizes itself; it is
// about the platform, not about the program.
QString withoutPlatformNotes(QString errorOutput)
{
    return errorOutput.remove(QStringLiteral("This plugin does not support propagateSizeHints()\n"));
}

QProcessEnvironment withoutDisplay()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : { "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "QT_FATAL_WARNINGS" })
        environment.remove(name);
    return environment;
}

class ThrowingObject : public QObject {
public:
    bool event(QEvent*) override { throw std::runtime_error("out of discs"); }
};

// Runs the event loop until the program ends, with a safety net that ends
// it with status -1 should nothing else.
int runEventLoop()
{
    QTimer::singleShot(10000, [] { QCoreApplication::exit(-1); });
    return QCoreApplication::exec();
}

} // namespace

// Starting without a display, and errors that escape an event handler.
class TestProgram : public QObject {
    Q_OBJECT

private slots:
    void withoutADisplayExitsWithOneClearLine();
    void withAnUnreachableDisplayExitsWithOneClearLine();
    void everyWayOutEndsTheRunWithItsStatus_data();
    void everyWayOutEndsTheRunWithItsStatus();
    void anErrorInAHandlerEndsTheProgramWithAFailure();
    void endingTheProgramHidesEveryWindow();
};

void TestProgram::withoutADisplayExitsWithOneClearLine()
{
    const Run run = runGame(withoutDisplay());
    QCOMPARE(run.status, 1);
    QCOMPARE(run.errorOutput.count('\n'), 1);
    QVERIFY(run.errorOutput.contains("display"));
}

void TestProgram::withAnUnreachableDisplayExitsWithOneClearLine()
{
    QProcessEnvironment environment = withoutDisplay();
    environment.insert("DISPLAY", ":4097");
    const Run run = runGame(environment);
    QCOMPARE(run.status, 1);
    QCOMPARE(run.errorOutput.count('\n'), 1);
    QVERIFY(run.errorOutput.contains("display"));
}

void TestProgram::everyWayOutEndsTheRunWithItsStatus_data()
{
    QTest::addColumn<QString>("wayOut");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("errorOutput");
    const QString annWins = "outcome: Ann Wins\n";
    QTest::newRow("Quit clicked") << "quit-click" << 0 << annWins << "";
    QTest::newRow("Enter on Quit") << "quit-enter" << 0 << annWins << "";
    QTest::newRow("Space on Quit") << "quit-space" << 0 << annWins << "";
    QTest::newRow("game-over dialog closed through its frame") << "gameover-closed" << 0 << annWins << "";
    QTest::newRow("board closed through its frame during play") << "board-closed" << 0 << "" << "";
    QTest::newRow("board closed with the keys' list open")
        << "board-closed-with-keys-list-open" << 0 << "" << "";
    QTest::newRow("board closed while the computer thinks")
        << "computer-board-closed-while-it-thinks" << 0 << "" << "";
    // Both names empty, and the game goes on to its end.
    QTest::newRow("Cancel on one prompt, the other closed")
        << "cancel-and-close-prompts" << 0 << "outcome:  Wins\n" << "";
    QTest::newRow("error in an event handler")
        << "error-in-handler" << runtime::unhandledErrorStatus << ""
        << "vantrel: unhandled error: out of discs\n";
    QTest::newRow("error of no exception class in an event handler")
        << "odd-error-in-handler" << runtime::unhandledErrorStatus << ""
        << "vantrel: unhandled error: unknown error\n";
    QTest::newRow("error while the board loads")
        << "error-in-load" << runtime::unhandledErrorStatus << ""
        << "vantrel: unhandled error: the prompt failed\n";
}

// The whole program, started as main() starts it, with a scripted player
// (scriptedrun.cpp) in a process of its own: each way out ends the process
// with its status, says nothing on stderr beyond what it must (a sanitizer's
// report would show there) and leaves nothing running.
void TestProgram::everyWayOutEndsTheRunWithItsStatus()
{
    QFETCH(QString, wayOut);
    QFETCH(int, status);
    QFETCH(QString, output);
    QFETCH(QString, errorOutput);
    const Run result = runToEnd(QStringLiteral(VANTREL_SCRIPTED_RUN), { wayOut },
                                QProcessEnvironment::systemEnvironment());
    QCOMPARE(withoutPlatformNotes(result.errorOutput), errorOutput);
    QCOMPARE(result.output, output);
    QCOMPARE(result.status, status);
}

void TestProgram::anErrorInAHandlerEndsTheProgramWithAFailure()
{
    ThrowingObject object;
    QCoreApplication::postEvent(&object, new QEvent(QEvent::User));
    QCOMPARE(runEventLoop(), runtime::unhandledErrorStatus);
}

void TestProgram::endingTheProgramHidesEveryWindow()
{
    QWidget first;
    QWidget second;
    first.show();
    second.show();
    QTimer::singleShot(0, [] { runtime::endProgram(); });
    QCOMPARE(runEventLoop(), 0);
    QVERIFY(!first.isVisible() && !second.isVisible());
}

int main(int argc, char** argv)
{
    runtime::Application application(argc, argv);
    TestProgram test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_program.moc"
