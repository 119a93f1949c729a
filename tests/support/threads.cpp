// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/threads.h"

#include <QDir>

qsizetype threadCount()
{
    return QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size();
}
