// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/files.h"

#include "tools/engine/bookfile.h"
#include "tools/engine/command.h"
#include "tools/engine/hardlines.h"
#include "tools/engine/partsearch.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>

using engine::Book;
using engine::Position;

namespace {

// Hard's lines to 12 discs are in the shipped book; given the shipped book
// with this many of their 12-disc positions taken out, lines searches
// those alone: leaves of the lines, after which it queues nothing more.
constexpr int TakenOut = 4;

// A part of four positions with 10 discs, searched from the bounds of the
// shipped book, complete to 9.
const QStringList partOfFour{ "--depth", "10", "--shard", "1/200000", "--book", VANTREL_DATA_DIR "/engine.book" };

// A work file's whole lines, each with its newline.
QList<QByteArray> linesOf(const QByteArray& work)
{
    QList<QByteArray> lines;
    for (qsizetype begin = 0, end; (end = work.indexOf('\n', begin)) >= 0; begin = end + 1)
        lines << work.mid(begin, end + 1 - begin);
    return lines;
}

std::uint64_t keyOf(const QByteArray& line)
{
    return line.split(' ').front().toULongLong();
}

// A work file's line with another column open in its position, the rest
// as it was: a choice as sound as the first, which no search made.
QByteArray withAnotherColumn(const QByteArray& line)
{
    QList<QByteArray> fields = line.split(' ');
    const Position position = Position::fromKey(keyOf(line));
    int column = 0;
    while (column == fields[1].toInt() || !position.canPlay(column))
        ++column;
    fields[1] = QByteArray::number(column);
    return fields.join(' ');
}

// What a command writes on standard output while it runs, kept in a file:
// the number of positions it searched is only said there.
class CaughtOutput {
public:
    explicit CaughtOutput(const QString& path)
    {
        std::fflush(stdout);
        m_saved = dup(STDOUT_FILENO);
        const int file = open(qPrintable(path), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        dup2(file, STDOUT_FILENO);
        close(file);
    }
    ~CaughtOutput()
    {
        std::fflush(stdout);
        dup2(m_saved, STDOUT_FILENO);
        close(m_saved);
    }
    CaughtOutput(const CaughtOutput&) = delete;
    CaughtOutput& operator=(const CaughtOutput&) = delete;

private:
    int m_saved = -1;
};

// How a long search ended: its exit status, how many positions it searched
// (rather than read back), the book it wrote and its work file.
struct Ended {
    int status = -1;
    int searched = -1;
    QByteArray book;
    QByteArray work;
};

} // namespace

// A long search on its own, book's part and hard's lines run in this
// process: a run stopped part-way, its work file holding the choices made
// so far, takes exactly those back, searches only the rest, and writes the
// bytes of a run never stopped; a work file it cannot trust is refused,
// naming its line, before any search.
class TestLongSearch : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void aStoppedRunResumesWithTheChoicesMade_data();
    void aStoppedRunResumesWithTheChoicesMade();
    void aChoiceReadBackIsTakenAsItIs_data();
    void aChoiceReadBackIsTakenAsItIs();
    void aDamagedWorkFileIsRefusedBeforeAnySearch_data();
    void aDamagedWorkFileIsRefusedBeforeAnySearch();

private:
    QString path(const QString& name) const { return m_folder.filePath(name); }
    QStringList optionsOf(const QString& command) const
    {
        return command == "book" ? partOfFour : QStringList{ "--depth", "12", "--book", path("given.book") };
    }
    // Runs the command to write `name`.book from `name`.work, which holds
    // `work` at the start; throws the UsageError it refuses with.
    Ended run(const QString& command, const QString& name, const QByteArray& work) const;

    QTemporaryDir m_folder;
    QHash<QString, Ended> m_neverStopped; // by command
};

Ended TestLongSearch::run(const QString& command, const QString& name, const QByteArray& work) const
{
    write(path(name + ".work"), work);
    QFile::remove(path(name + ".book"));
    tool::Command line(command.toStdString(), {},
                       optionsOf(command)
                           + QStringList{ "--threads", "1", "--table-mib", "16", "--output", path(name + ".book"),
                                          "--work", path(name + ".work") });
    Ended ended;
    {
        CaughtOutput caught(path(name + ".out"));
        ended.status = command == "book" ? tool::runPartSearch(line) : tool::runHardLines(line);
    }
    static const QRegularExpression searched("; (\\d+) searched in ");
    const QRegularExpressionMatch said = searched.match(QString::fromUtf8(contentsOf(path(name + ".out"))));
    ended.searched = said.hasMatch() ? said.captured(1).toInt() : -1;
    ended.book = contentsOf(path(name + ".book"));
    ended.work = contentsOf(path(name + ".work"));
    return ended;
}

void TestLongSearch::initTestCase()
{
    QVERIFY(m_folder.isValid());
    std::vector<Book::Entry> given;
    int takenOut = 0;
    for (const Book::Entry& entry : tool::readBookFile(VANTREL_DATA_DIR "/engine.book").entries()) {
        if (takenOut < TakenOut && Position::fromKey(entry.key).moves() == 12)
            ++takenOut;
        else
            given.push_back(entry);
    }
    tool::writeBookFile(path("given.book").toStdString(), Book::fromEntries(std::move(given)));
    for (const QString command : { "book", "lines" }) {
        const Ended ended = run(command, command + "-whole", {});
        QCOMPARE(ended.status, 0);
        QCOMPARE(ended.searched, 4);
        QCOMPARE(linesOf(ended.work).size(), 4);
        m_neverStopped[command] = ended;
    }
}

void TestLongSearch::aStoppedRunResumesWithTheChoicesMade_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("kept");      // the choices the work file holds, of four
    QTest::addColumn<bool>("cutShort"); // and the start of the next one's line
    for (const QString command : { "book", "lines" }) {
        const auto row = [&](const char* when, int kept, bool cutShort) {
            QTest::addRow("%s: %s", qPrintable(command), when) << command << kept << cutShort;
        };
        row("before its first choice", 0, false);
        row("in the middle of its first line", 0, true);
        row("after its first choice", 1, false);
        row("half way, in the middle of a line", 2, true);
        row("with every choice made, the book unwritten", 4, false);
    }
}

// The choices kept stay as they were, the rest follow them once each, and
// only they are searched; the book is the bytes of a run never stopped.
void TestLongSearch::aStoppedRunResumesWithTheChoicesMade()
{
    QFETCH(QString, command);
    QFETCH(int, kept);
    QFETCH(bool, cutShort);
    const Ended& whole = m_neverStopped[command];
    const QList<QByteArray> made = linesOf(whole.work);
    QByteArray work = made.mid(0, kept).join();
    if (cutShort)
        work += made[kept].left(made[kept].indexOf(' ') + 2);
    const Ended resumed = run(command, "resumed", work);
    QCOMPARE(resumed.status, 0);
    QCOMPARE(resumed.searched, static_cast<int>(made.size()) - kept);
    QCOMPARE(resumed.book, whole.book);
    const QList<QByteArray> lines = linesOf(resumed.work);
    QCOMPARE(lines.mid(0, kept), made.mid(0, kept));
    QList<QByteArray> searched = lines.mid(kept);
    QList<QByteArray> rest = made.mid(kept);
    std::sort(searched.begin(), searched.end());
    std::sort(rest.begin(), rest.end());
    QCOMPARE(searched, rest);
}

void TestLongSearch::aChoiceReadBackIsTakenAsItIs_data()
{
    QTest::addColumn<QString>("command");
    QTest::newRow("book") << "book";
    QTest::newRow("lines") << "lines";
}

// A choice in the work file goes into the book as it is, even one the
// search would not have made (another open column, the same score): it
// was read back, not searched again.
void TestLongSearch::aChoiceReadBackIsTakenAsItIs()
{
    QFETCH(QString, command);
    const QList<QByteArray> made = linesOf(m_neverStopped[command].work);
    const QByteArray planted = withAnotherColumn(made[0]);
    const Ended resumed = run(command, "planted", planted);
    QCOMPARE(resumed.status, 0);
    QCOMPARE(resumed.searched, static_cast<int>(made.size()) - 1);
    QCOMPARE(Book::fromBytes({ reinterpret_cast<const std::uint8_t*>(resumed.book.constData()),
                               static_cast<std::size_t>(resumed.book.size()) })
                 .lookup(Position::fromKey(keyOf(planted)))
                 ->column,
             planted.split(' ')[1].toInt());
    QCOMPARE(linesOf(resumed.work).front(), planted);
}

void TestLongSearch::aDamagedWorkFileIsRefusedBeforeAnySearch_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QByteArray>("work");
    QTest::addColumn<QString>("fault"); // after "--work: FILE, "
    const QList<QByteArray> part = linesOf(m_neverStopped["book"].work);
    const QList<QByteArray> lines = linesOf(m_neverStopped["lines"].work);
    const auto quoted = [](const QByteArray& line) { return '"' + QString::fromUtf8(line.trimmed()) + '"'; };
    QTest::newRow("book: no choice, third") << "book" << part[0] + part[1] + "garbage\n"
                                            << "line 3 \"garbage\": it is not \"key column score\", whole numbers";
    QTest::newRow("book: another layer's position, second")
        << "book" << part[0] + "470 3 -1\n" << "line 2 \"470 3 -1\": its position has 8 discs, not 10";
    const QByteArray other = withAnotherColumn(part[1]);
    QTest::newRow("book: a position given another choice")
        << "book" << part[0] + part[1] + other
        << "line 3 " + quoted(other) + ": line 2 gives its position another choice";
    QTest::newRow("book: a last line that is no line cut short")
        << "book" << part[0] + part[1] + "text" << "line 3 \"text\": the last line, without its newline";
    QByteArray discsWrong = lines[1];
    discsWrong.replace(discsWrong.lastIndexOf(' '), discsWrong.size(), " 5\n");
    QTest::newRow("lines: the discs wrong, second")
        << "lines" << lines[0] + discsWrong << "line 2 " + quoted(discsWrong) + ": it says 5 discs; its position has 12";
    QTest::newRow("lines: a line of book's") << "lines" << lines[0] + part[0]
                                              << "line 2 " + quoted(part[0]) + ": it is not \"key column score discs\"";
}

// The command line is refused, naming the line and what is wrong with it;
// the work file is left as it was and no book is written.
void TestLongSearch::aDamagedWorkFileIsRefusedBeforeAnySearch()
{
    QFETCH(QString, command);
    QFETCH(QByteArray, work);
    QFETCH(QString, fault);
    try {
        run(command, "damaged", work);
        QFAIL("the work file was taken");
    } catch (const tool::UsageError& e) {
        const QString message = QString::fromUtf8(e.what());
        QVERIFY2(message.startsWith("--work: " + path("damaged.work") + ", " + fault), qPrintable(message));
    }
    QCOMPARE(contentsOf(path("damaged.work")), work);
    QVERIFY(!QFile::exists(path("damaged.book")));
}

QTEST_GUILESS_MAIN(TestLongSearch)
#include "tst_longsearch.moc"
