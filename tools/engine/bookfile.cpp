// SPDX-License-Identifier: GPL-3.0-or-later
#include "bookfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#include <span>

namespace tool {

namespace {

QString qt(const std::string& path)
{
    return QString::fromStdString(path);
}

std::string cannot(const std::string& what, const std::string& path, const QFileDevice& file)
{
    return "cannot " + what + ' ' + path + ": " + file.errorString().toStdString();
}

} // namespace

engine::Book readBookFile(const std::string& path)
{
    QFile file(qt(path));
    if (!file.open(QIODevice::ReadOnly))
        throw UnreadableBook(cannot("read", path, file));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw UnreadableBook(cannot("read", path, file));
    try {
        return engine::Book::fromBytes(
            std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()), static_cast<std::size_t>(bytes.size())));
    } catch (const std::invalid_argument& e) {
        throw DamagedBook(path + ": " + e.what());
    }
}

std::size_t writeBookFile(const std::string& path, const engine::Book& book)
{
    const std::vector<std::uint8_t> bytes = book.toBytes();
    QSaveFile file(qt(path));
    if (!file.open(QIODevice::WriteOnly)
        || file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()))
               != static_cast<qint64>(bytes.size())
        || !file.commit())
        throw std::runtime_error(cannot("write", path, file));
    return bytes.size();
}

void checkCanWrite(const std::string& path, bool replace)
{
    const QFileInfo info(qt(path));
    if (info.isDir())
        throw std::runtime_error(path + " is a folder");
    if (info.exists() && !replace)
        throw std::runtime_error(path + " exists already; --force replaces it");
    const QString folder = info.absolutePath();
    if (!QDir().mkpath(folder))
        throw std::runtime_error("cannot make the folder " + folder.toStdString());
    // The file is written at the end through a file beside it: what must
    // be possible now is making one there.
    QTemporaryFile probe(folder + QStringLiteral("/.vantrel-engine-XXXXXX"));
    if (!probe.open())
        throw std::runtime_error(cannot("write in", folder.toStdString(), probe));
}

} // namespace tool
