// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/translations.h"

#include <QApplication>

#include <exception>

// Starting and hosting the program: the application object, the check for a
// display, and the last line of defence against errors escaping a handler.
namespace runtime {

// An application that speaks the user's language, and that reports an
// exception escaping any event handler and ends the program with a non-zero
// status, instead of letting it cross Qt's event loop.
class Application : public QApplication {
public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;

private:
    Translations m_translations;
};

inline constexpr int unhandledErrorStatus = 70;

// Shows the error (a message box where there is a screen to show it on, and
// one line on stderr) and ends the program with unhandledErrorStatus.
void reportUnhandledError(const std::exception_ptr& error);

// Exits with status 1 and one line on stderr when the platform the program
// would start on needs a display and none is set; Qt itself would abort
// with a core dump. A platform that fails later says why in one line too.
void requireDisplay(int argc, char** argv);

// Runs the program: the one start-up window is created (from the arguments
// given), its Load handler runs before it is first shown, then events are
// dispatched until the program ends.
template <class StartupWindow, class... Arguments>
int startProgram(int& argc, char** argv, const Arguments&... arguments)
{
    requireDisplay(argc, argv);
    Application application(argc, argv);
    try {
        StartupWindow window(arguments...);
        window.load();
        window.show();
        return Application::exec();
    } catch (...) {
        reportUnhandledError(std::current_exception());
        return unhandledErrorStatus;
    }
}

} // namespace runtime
