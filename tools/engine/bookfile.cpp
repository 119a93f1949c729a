// SPDX-License-Identifier: GPL-3.0-or-later
#include "bookfile.h"

#include "command.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <span>

namespace tool {

namespace {

QString qt(const std::string& path)
{
    return QString::fromStdString(path);
}

std::string cannot(const std::string& what, const std::string& path, const QFileDevice& file)
{
    return "cannot " + what + ' ' + shownPath(path) + ": " + file.errorString().toStdString();
}

std::string cannot(const std::string& what, const std::string& path)
{
    return "cannot " + what + ' ' + shownPath(path) + ": " + std::strerror(errno);
}

// Only a regular file is replaced: renaming the new book onto a device or
// a FIFO would put a file in its place.
void refuseUnlessRegular(const std::string& path)
{
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status))
        throw std::runtime_error(shownPath(path) + " is not a regular file; only regular files are written");
}

// A file descriptor, closed when it goes.
struct OpenFile {
    explicit OpenFile(int d)
        : descriptor(d)
    {
    }
    ~OpenFile()
    {
        if (descriptor >= 0)
            ::close(descriptor);
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;

    const int descriptor;
};

} // namespace

// Opened without blocking, so that a FIFO does not wait for a writer: it
// is refused at once with the rest that is no regular file.
std::string readRegularFile(const std::string& path, std::size_t mostBytes, const std::string& what)
{
    const OpenFile file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat status {};
    if (file.descriptor < 0 || ::fstat(file.descriptor, &status) != 0)
        throw UnreadableFile(cannot("read", path));
    if (!S_ISREG(status.st_mode))
        throw UnreadableFile(shownPath(path) + " is not a regular file");
    const auto tooLarge = [&] {
        return UnreadableFile(shownPath(path) + " is larger than any " + what + " can be (" + std::to_string(mostBytes)
                              + " bytes)");
    };
    if (static_cast<std::uintmax_t>(status.st_size) > mostBytes)
        throw tooLarge();
    std::string bytes;
    char chunk[1 << 16];
    for (ssize_t read; (read = ::read(file.descriptor, chunk, sizeof chunk)) != 0;) {
        if (read < 0 && errno == EINTR)
            continue;
        if (read < 0)
            throw UnreadableFile(cannot("read", path));
        bytes.append(chunk, static_cast<std::size_t>(read));
        if (bytes.size() > mostBytes) // it grew as it was read
            throw tooLarge();
    }
    return bytes;
}

engine::Book readBookFile(const std::string& path)
{
    const std::string bytes = readRegularFile(path, MostBookBytes, "book");
    try {
        return engine::Book::fromBytes(
            std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
    } catch (const std::invalid_argument& e) {
        throw DamagedBook(shownPath(path) + ": " + e.what());
    }
}

std::size_t writeBookFile(const std::string& path, const engine::Book& book)
{
    const std::vector<std::uint8_t> bytes = book.toBytes();
    refuseUnlessRegular(path);
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
        throw std::runtime_error(shownPath(path) + " is a folder");
    refuseUnlessRegular(path);
    if (info.exists() && !replace)
        throw std::runtime_error(shownPath(path) + " exists already; --force replaces it");
    // A folder that is not there is more likely a slip of the keyboard
    // than one to make.
    if (!QFileInfo(info.path()).isDir())
        throw std::runtime_error(shownPath(path) + " is in a folder that does not exist, "
                                 + shownPath(info.path().toStdString()));
    const QString folder = info.absolutePath();
    // The file is written at the end through a file beside it: what must
    // be possible now is making one there.
    QTemporaryFile probe(folder + QStringLiteral("/.vantrel-engine-XXXXXX"));
    if (!probe.open())
        throw std::runtime_error(cannot("write in", folder.toStdString(), probe));
}

} // namespace tool
