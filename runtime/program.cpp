// SPDX-License-Identifier: GPL-3.0-or-later
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

[[noreturn]] void exitForNoDisplay(const QString& reason)
{
    std::fprintf(stderr, "vantrel: %s\n", qPrintable(reason));
    std::fflush(stderr);
    std::_Exit(1);
}

// The platform Qt will start: the one a -platform option names (Qt reads
// its name as the next word only), else the one QT_QPA_PLATFORM names;
// empty means Qt's default, which needs a display.
QByteArray chosenPlatform(int argc, char** argv)
{
    for (int i = 1; i + 1 < argc; ++i) {
        const QByteArrayView argument(argv[i]);
        if (argument == "-platform" || argument == "--platform")
            return argv[i + 1];
    }
    return qgetenv("QT_QPA_PLATFORM");
}

bool platformNeedsDisplay(const QByteArray& platform)
{
    return platform.isEmpty() || platform.startsWith("xcb") || platform.startsWith("wayland");
}

QtMessageHandler previousHandler = nullptr;
// What the platform said while it started: why it failed, if it did.
QStringList platformMessages;

// Qt reports a platform that cannot start as a fatal message and then
// aborts; leave cleanly instead, before the abort, saying why in one line.
void startupMessageHandler(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtFatalMsg) {
        const QString reason = platformMessages.isEmpty() ? text.section(u'\n', 0, 0)
                                                          : platformMessages.join(QStringLiteral("; "));
        exitForNoDisplay(QStringLiteral("cannot start the graphical display: %1").arg(reason));
    }
    if (context.category && QByteArrayView(context.category).startsWith("qt.qpa")) {
        platformMessages.append(text.simplified());
        return; // the fatal message's line says it, if it matters
    }
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
                        QCoreApplication::translate("runtime",
                                                    "Vantrel has met an error it cannot recover from "
                                                    "and will close.\n\n%1")
                            .arg(text));
        box.setTextFormat(Qt::PlainText);
        box.exec();
    }
    endProgramWithStatus(unhandledErrorStatus);
}

void requireDisplay(int argc, char** argv)
{
    if (platformNeedsDisplay(chosenPlatform(argc, argv)) && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        exitForNoDisplay(QStringLiteral("cannot open a graphical display; Vantrel needs one to run "
                                        "(is DISPLAY or WAYLAND_DISPLAY set?)"));
}

} // namespace runtime
