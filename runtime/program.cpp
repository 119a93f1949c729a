#include "program.h"

#include "services.h"

#include <QDirIterator>
#include <QIcon>
#include <QImageReader>
#include <QMessageBox>

#include <cstdio>
#include <cstdlib>

namespace runtime {
namespace {

constexpr auto noDisplayMessage =
    "vantrel: cannot open a graphical display; Vantrel needs one to run "
    "(is DISPLAY or WAYLAND_DISPLAY set?)\n";

[[noreturn]] void exitForNoDisplay()
{
    std::fputs(noDisplayMessage, stderr);
    std::fflush(stderr);
    std::_Exit(1);
}

bool platformNeedsDisplay()
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    return platform.isEmpty() || platform.startsWith("xcb") || platform.startsWith("wayland");
}

QtMessageHandler previousHandler = nullptr;

// Qt reports an unreachable display as a fatal message and then aborts;
// leave cleanly instead, before the abort.
void startupMessageHandler(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtFatalMsg)
        exitForNoDisplay();
    if (context.category && QByteArrayView(context.category).startsWith("qt.qpa"))
        return; // the line above says it better
    previousHandler(type, context, text);
}

QString describe(const std::exception_ptr& error)
{
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& exception) {
        return QString::fromLocal8Bit(exception.what());
    } catch (...) {
        return QStringLiteral("unknown error");
    }
}

bool hasScreenToShowOn()
{
    const QString platform = QGuiApplication::platformName();
    return platform != u"offscreen" && platform != u"minimal";
}

// The program's icon, rendered at several sizes from the one design that is
// also installed for the desktop (data/), so that each place it appears, from
// a title bar to the task switcher, gets a sharp rendering.
QIcon applicationIcon()
{
    QIcon icon;
    QDirIterator renderings(QStringLiteral(":/icon"), QDir::Files);
    while (renderings.hasNext()) {
        // Read as the PNG it is, which Qt decodes by itself. Left to guess the
        // format, the reader first loads every image plug-in installed to ask
        // each whether it reads PNG, which costs the start-up milliseconds.
        QImageReader reader(renderings.next(), "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    return icon;
}

// Runs before QApplication's constructor, which is where the display is opened.
int& watchingStartup(int& argc)
{
    previousHandler = qInstallMessageHandler(startupMessageHandler);
    return argc;
}

} // namespace

Application::Application(int& argc, char** argv)
    : QApplication(watchingStartup(argc), argv)
{
    qInstallMessageHandler(previousHandler);
    setApplicationName(QStringLiteral("vantrel"));
    // Task switchers match the windows with the installed desktop entry by this id.
    setDesktopFileName(QStringLiteral("org.vantrel.Vantrel"));
    setWindowIcon(applicationIcon());
}

bool Application::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        reportUnhandledError(std::current_exception());
        return true;
    }
}

void reportUnhandledError(const std::exception_ptr& error)
{
    const QString text = describe(error);
    std::fprintf(stderr, "vantrel: unhandled error: %s\n", qPrintable(text));
    std::fflush(stderr);
    if (hasScreenToShowOn()) {
        QMessageBox box(QMessageBox::Critical, QStringLiteral("Vantrel"),
                        QStringLiteral("Vantrel has met an error it cannot recover from "
                                       "and will close.\n\n%1")
                            .arg(text));
        box.setTextFormat(Qt::PlainText);
        box.exec();
    }
    endProgramWithStatus(unhandledErrorStatus);
}

void requireDisplay()
{
    if (platformNeedsDisplay() && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        exitForNoDisplay();
}

} // namespace runtime
