#include "runtime/program.h"
#include "runtime/services.h"

#include <QProcess>
#include <QTest>
#include <QTimer>

#include <stdexcept>

namespace {

struct Run {
    int status;
    QString errorOutput;
};

Run runGame(const QProcessEnvironment& environment)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(VANTREL_EXECUTABLE));
    if (!process.waitForFinished(20000))
        process.kill();
    return { process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
             QString::fromLocal8Bit(process.readAllStandardError()) };
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
