// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// A file's bytes, or none when it cannot be read.
QByteArray contentsOf(const QString& path);

// Writes the bytes as the whole file; the calling test fails when they
// cannot all be written.
void write(const QString& path, const QByteArray& bytes);
