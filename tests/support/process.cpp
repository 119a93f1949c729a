// SPDX-License-Identifier: GPL-3.0-or-later
#include "process.h"

#include <QProcess>

Run runToEnd(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment,
             const QString& workingDirectory)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(workingDirectory);
    process.start(program, arguments);
    if (!process.waitForFinished(20000))
        process.kill();
    process.waitForFinished();
    return { process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
             QString::fromLocal8Bit(process.readAllStandardOutput()),
             QString::fromLocal8Bit(process.readAllStandardError()) };
}
