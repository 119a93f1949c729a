// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// How a program run in a process of its own ended, and what it printed.
struct Run {
    int status; // the exit status, or -1 for a crash
    QString output;
    QString errorOutput;
};

// Runs a program to its end, in `workingDirectory` when one is given; a
// program that is still running after 20 seconds is killed and counts as
// a crash.
Run runToEnd(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment,
             const QString& workingDirectory = {});
