// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/files.h"
#include "support/process.h"

#include "engine/book.h"
#include "engine/completebook.h"
#include "tools/engine/bookfile.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

#include <algorithm>
#include <random>

using engine::Book;

Q_DECLARE_METATYPE(Book::Entry)

namespace {

QByteArray bytesOf(const std::vector<Book::Entry>& entries)
{
    const std::vector<std::uint8_t> bytes = Book::fromEntries(entries).toBytes();
    return { reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()) };
}

Book bookIn(const QString& path)
{
    const QByteArray bytes = contentsOf(path);
    return Book::fromBytes({ reinterpret_cast<const std::uint8_t*>(bytes.constData()), static_cast<std::size_t>(bytes.size()) });
}

// The shipped book's deepest layer, kept in data/book/ in as many parts.
constexpr int LayerDepth = 9;
constexpr int LayerParts = 12;

// Every entry of the shipped book's deepest layer, from its parts.
std::vector<Book::Entry> layerEntries()
{
    std::vector<Book::Entry> all;
    for (int k = 1; k <= LayerParts; ++k) {
        const QString file = QStringLiteral(VANTREL_DATA_DIR "/book/%1-%2-of-%3.book").arg(LayerDepth).arg(k).arg(LayerParts);
        const std::vector<Book::Entry> part = bookIn(file).entries();
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

const QString shippedLines = VANTREL_DATA_DIR "/book/lines-12.book";

// The 1-disc layer's work file, as book writes it: its four positions'
// keys in order, each with its column (0 to 6) and score.
const QByteArray layer1Work = "1 3 2\n128 2 1\n16384 3 0\n2097152 3 -1\n";

// Damage a book can come with, each in an entry that is the only one.
// No game reaches the first: in the outer columns, the side to move's
// discs lie on the other side's; the second has 13 discs, which cannot
// score 16: the side to move can at best win with its next disc, 15.
Book::Entry impossiblePosition()
{
    return { 27 + (std::uint64_t{27} << 42), { 3, 0 } };
}

Book::Entry scoreOutOfRange()
{
    return { engine::Position("1757733222577").canonicalKey(), { 3, 16 } };
}

} // namespace

// The books vantrel-engine reads and writes: merge gives the shipped bytes
// however the layer is cut, refuses damaged or missing inputs, and
// replaces no file unless told; verify refuses a damaged book and says
// which entry is wrong.
class TestEngineBooks : public QObject {
    Q_OBJECT

private slots:
    void partsCutAnyWayMergeToTheShippedBook_data();
    void partsCutAnyWayMergeToTheShippedBook();
    void mergeRefusesWhatItCannotUse_data();
    void mergeRefusesWhatItCannotUse();
    void mergeReplacesAnOutputOnlyWhenForced();
    void aShallowerMergeIsRefusedUnlessAllowed();
    void verifyRefusesADamagedBook_data();
    void verifyRefusesADamagedBook();
    void aDamagedWorkFileIsRefused_data();
    void aDamagedWorkFileIsRefused();
    void aLineCutShortIsWrittenAgainWhole();
    void filesThatAreNoRegularFilesAreRefused_data();
    void filesThatAreNoRegularFilesAreRefused();

private:
    Run runTool(const QStringList& arguments) const
    {
        return runToEnd(VANTREL_ENGINE_TOOL, arguments, QProcessEnvironment::systemEnvironment(), m_folder.path());
    }
    QString path(const QString& name) const { return m_folder.filePath(name); }
    // Writes the entries as parts of these sizes, in the order given, and
    // returns their files.
    QStringList writeParts(const std::vector<Book::Entry>& entries, const std::vector<std::size_t>& sizes) const;

    QTemporaryDir m_folder;
};

QStringList TestEngineBooks::writeParts(const std::vector<Book::Entry>& entries, const std::vector<std::size_t>& sizes) const
{
    QStringList parts;
    auto from = entries.begin();
    for (const std::size_t size : sizes) {
        parts.push_back(path(QStringLiteral("part-%1.book").arg(parts.size() + 1)));
        write(parts.back(), bytesOf({ from, from + static_cast<std::ptrdiff_t>(size) }));
        from += static_cast<std::ptrdiff_t>(size);
    }
    return parts;
}

void TestEngineBooks::partsCutAnyWayMergeToTheShippedBook_data()
{
    QTest::addColumn<std::vector<std::size_t>>("sizes"); // of the parts, the last taking what is left
    QTest::addColumn<bool>("shuffled");
    QTest::newRow("one part") << std::vector<std::size_t>{ 0 } << false;
    QTest::newRow("two uneven parts in key order") << std::vector<std::size_t>{ 5, 0 } << false;
    QTest::newRow("seven parts of shuffled positions") << std::vector<std::size_t>{ 1, 30000, 2, 17, 40000, 999, 0 }
                                                       << true;
}

void TestEngineBooks::partsCutAnyWayMergeToTheShippedBook()
{
    QFETCH(std::vector<std::size_t>, sizes);
    QFETCH(bool, shuffled);
    std::vector<Book::Entry> layer = layerEntries();
    if (shuffled)
        std::shuffle(layer.begin(), layer.end(), std::mt19937_64(7));
    std::size_t given = 0;
    for (const std::size_t size : sizes)
        given += size;
    sizes.back() = layer.size() - given;
    const QStringList parts = writeParts(layer, sizes);
    const Run r = runTool(QStringList{ "merge", "--depth", QString::number(LayerDepth), "--lines", shippedLines, "--output", path("merged.book"),
                                       "--force" }
                          + parts);
    QVERIFY2(r.status == 0, qPrintable(r.errorOutput));
    QVERIFY(contentsOf(path("merged.book")) == contentsOf(VANTREL_DATA_DIR "/engine.book"));
}

void TestEngineBooks::mergeRefusesWhatItCannotUse_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QString>("fault");
    QTest::newRow("a part with a position no game reaches") << "impossible part" << "PART: " + path("part-2.book")
                                                                                      + ": an opening book whose entry";
    QTest::newRow("a part with a score out of range") << "score in a part" << "its score 16 is not one";
    QTest::newRow("a missing --lines file") << "missing lines" << "--lines: cannot read";
    QTest::newRow("damaged lines") << "damaged lines" << "--lines: " + path("lines.book");
    QTest::newRow("a position left out") << "position left out"
                                         << "PART: no part holds 1 of the 269531 positions with 9 discs: a part is "
                                            "missing after " + path("part-2.book");
    QTest::newRow("a part of another layer")
        << "another layer" << "PART: " + path("part-2.book") + " holds a position with 13 discs, not 9";
    QTest::newRow("a part given twice") << "part twice" << "PART: " + path("part-1.book") + " is given twice";
    QTest::newRow("parts that overlap") << "overlap" << "PART: " + path("part-1.book") + " and " + path("part-2.book")
                                                              + " both hold the position of key";
}

// Each refused before anything is written, with status 2.
void TestEngineBooks::mergeRefusesWhatItCannotUse()
{
    QFETCH(QString, damage);
    QFETCH(QString, fault);
    std::vector<Book::Entry> layer = layerEntries();
    QString lines = shippedLines;
    if (damage == "impossible part")
        layer.push_back(impossiblePosition());
    else if (damage == "score in a part")
        layer.push_back(scoreOutOfRange());
    else if (damage == "position left out")
        layer.pop_back();
    else if (damage == "another layer")
        layer.push_back({ engine::Position("1757733222577").canonicalKey(), { 3, 0 } });
    else if (damage == "overlap")
        layer.push_back(layer.front());
    else if (damage == "missing lines")
        lines = path("no-such.book");
    else if (damage == "damaged lines")
        write(lines = path("lines.book"), bytesOf({ impossiblePosition() }));
    QStringList parts = writeParts(layer, { layer.size() / 2, layer.size() - layer.size() / 2 });
    if (damage == "part twice")
        parts.push_back(parts.front());
    QFile::remove(path("merged.book"));
    const Run r = runTool(QStringList{ "merge", "--lines", lines, "--output", path("merged.book") } + parts);
    QCOMPARE(r.status, 2);
    QVERIFY2(r.errorOutput.contains(fault), qPrintable(r.errorOutput));
    QVERIFY(!QFile::exists(path("merged.book")));
}

void TestEngineBooks::mergeReplacesAnOutputOnlyWhenForced()
{
    const std::vector<Book::Entry> layer = layerEntries();
    const QStringList parts = writeParts(layer, { layer.size() });
    write(path("kept.book"), "mine");
    const QStringList merge{ "merge", "--lines", shippedLines, "--output", path("kept.book"), parts.front() };
    const Run refused = runTool(merge);
    QCOMPARE(refused.status, 2);
    QVERIFY2(refused.errorOutput.contains("--output: " + path("kept.book") + " exists already; --force replaces it"),
             qPrintable(refused.errorOutput));
    QCOMPARE(contentsOf(path("kept.book")), QByteArray("mine"));
    QCOMPARE(runTool(merge + QStringList{ "--force" }).status, 0);
    QVERIFY(contentsOf(path("kept.book")) == contentsOf(VANTREL_DATA_DIR "/engine.book"));
}

// The 8-disc layer, merged and moved into place, would silently replace
// the deeper shipped book: merge says what it would drop, and makes it
// only when asked to, --force or not.
void TestEngineBooks::aShallowerMergeIsRefusedUnlessAllowed()
{
    QStringList parts;
    for (int k = 1; k <= 6; ++k)
        parts << QStringLiteral(VANTREL_DATA_DIR "/book/8-%1-of-6.book").arg(k);
    const QStringList merge = QStringList{ "merge", "--depth", "8", "--lines", shippedLines, "--output",
                                           path("shallower.book"), "--force" }
                              + parts;
    const Run refused = runTool(merge);
    QCOMPARE(refused.status, 2);
    QVERIFY2(refused.errorOutput.contains("--depth 8 makes a book complete to 8 discs, shallower than the shipped "
                                          "book " VANTREL_DATA_DIR "/engine.book, complete to 9: in its place it "
                                          "would drop 267156 of its 418643 entries, all with 9 discs; "
                                          "--allow-shallower makes it all the same"),
             qPrintable(refused.errorOutput));
    QVERIFY(!QFile::exists(path("shallower.book")));
    const Run allowed = runTool(merge + QStringList{ "--allow-shallower" });
    QVERIFY2(allowed.status == 0, qPrintable(allowed.errorOutput));
    QCOMPARE(engine::completeDepth(bookIn(path("shallower.book"))), 8);
}

void TestEngineBooks::verifyRefusesADamagedBook_data()
{
    QTest::addColumn<Book::Entry>("damaged");
    QTest::addColumn<QString>("fault");
    QTest::newRow("a position no game reaches") << impossiblePosition()
                                                << "ENTRY is wrong: no game reaches it";
    QTest::newRow("a score out of range") << scoreOutOfRange()
                                          << "ENTRY is wrong: its score 16 is not one a position with 13 discs can have (-14 to 15)";
    // The empty board scores 1, not 2: the first player wins with the last disc.
    const Book::Entry start{ engine::Position().canonicalKey(), { 3, 2 } };
    QTest::newRow("a score its children do not give")
        << start
        << QStringLiteral("the entry of key %1 says column 4 and score 2; its children give column 4 and score 1")
               .arg(start.key);
}

// The damaged entry among the shipped book's, in place of the entry of the
// same position: verify once took an impossible last entry for the end of a
// complete layer and called the book consistent.
void TestEngineBooks::verifyRefusesADamagedBook()
{
    QFETCH(Book::Entry, damaged);
    QFETCH(QString, fault);
    std::vector<Book::Entry> entries = bookIn(VANTREL_DATA_DIR "/engine.book").entries();
    std::erase_if(entries, [&](const Book::Entry& e) { return e.key == damaged.key; });
    const auto before = std::count_if(entries.begin(), entries.end(), [&](const Book::Entry& e) { return e.key < damaged.key; });
    entries.push_back(damaged);
    write(path("damaged.book"), bytesOf(entries));
    const Run r = runTool({ "verify", "--book", path("damaged.book"), "--sample", "0" });
    QCOMPARE(r.status, 1);
    const QString entry = QStringLiteral("entry %1 of %2 (key %3)").arg(before + 1).arg(entries.size()).arg(damaged.key);
    QVERIFY2(r.output.contains(fault.replace("ENTRY", entry)), qPrintable(r.output));
}

void TestEngineBooks::aDamagedWorkFileIsRefused_data()
{
    QTest::addColumn<QStringList>("command");
    QTest::addColumn<QByteArray>("work");
    QTest::addColumn<QString>("fault"); // after "--work: FILE, "
    const QStringList layer1{ "book", "--depth", "1" };
    QTest::newRow("garbage") << layer1 << layer1Work + "garbage\n"
                             << "line 5 \"garbage\": it is not \"key column score\", whole numbers";
    QTest::newRow("a column off the board") << layer1 << "9 9 9\n" + layer1Work
                                            << "line 1 \"9 9 9\": its column is beyond the board";
    QTest::newRow("a score the layer before disproves") << layer1 << QByteArray("128 2 9\n")
                                                        << "line 1 \"128 2 9\": its score 9 is outside what the book "
                                                           "of the layers before proves, 1 to 1";
    QTest::newRow("a mirror image's key") << layer1 << QByteArray("268435456 3 -1\n")
                                          << "line 1 \"268435456 3 -1\": its key is not the position's canonical one";
    QTest::newRow("a position given two choices") << layer1 << QByteArray("1 3 2\n1 3 1\n")
                                                  << "line 2 \"1 3 1\": line 1 gives its position another choice";
    QTest::newRow("another depth's") << QStringList{ "book", "--depth", "2" } << layer1Work
                                     << "line 1 \"1 3 2\": its position has 1 discs, not 2";
    QTest::newRow("another part's") << layer1 + QStringList{ "--shard", "2/2" } << layer1Work
                                    << "line 1 \"1 3 2\": its position is not in part 2/2";
    QTest::newRow("a last line that is no line cut short") << layer1 << layer1Work + "text"
                                                           << "line 5 \"text\": the last line, without its newline";
    // Whatever the file holds, the line is quoted so that a terminal shows
    // it rather than acts on it, and the reason follows.
    QTest::newRow("a NUL") << layer1 << QByteArray("982 1 -5\0junk\n", 14)
                           << "line 1 \"982 1 -5U+0000junk\": it is not \"key column score\", whole numbers";
    QTest::newRow("a title set and the screen cleared")
        << layer1 << QByteArray("\x1b]0;PWNED\a\x1b[2J\n")
        << "line 1 \"U+001B]0;PWNEDU+0007U+001B[2J\": it is not \"key column score\", whole numbers";
    QTest::newRow("a bell") << layer1 << layer1Work + "1 3 2\a\n" << "line 5 \"1 3 2U+0007\": it is not";
    QTest::newRow("bytes that are no character") << layer1 << QByteArray("12\xff\xc0 3 0\n")
                                                 << "line 1 \"12\\xFF\\xC0 3 0\": it is not";
    QTest::newRow("a long line") << layer1 << QByteArray(100, '7') + '\n'
                                 << "line 1 \"" + QString(40, u'7') + "\"... (100 characters): it is not";
    QTest::newRow("a book given as a work file") << layer1 << contentsOf(VANTREL_DATA_DIR "/book/8-1-of-6.book")
                                                 << "line 1 \"";
    std::mt19937 random(300);
    QByteArray noise(300, Qt::Uninitialized);
    for (char& byte : noise)
        byte = static_cast<char>(random() & 0xFF);
    QTest::newRow("300 random bytes") << layer1 << noise << "line 1 \"";
    QTest::newRow("lines: discs wrong") << QStringList{ "lines", "--depth", "2" } << QByteArray("1 3 2 5\n")
                                        << "line 1 \"1 3 2 5\": it says 5 discs; its position has 1";
}

// Refused before any search, the work file left as it was: a resumed part
// once took any line that read as three numbers for a choice made.
void TestEngineBooks::aDamagedWorkFileIsRefused()
{
    QFETCH(QStringList, command);
    QFETCH(QByteArray, work);
    QFETCH(QString, fault);
    write(path("damaged.work"), work);
    QFile::remove(path("out.book"));
    const Run r = runTool(command + QStringList{ "--threads", "1", "--table-mib", "1", "--output", path("out.book"),
                                                 "--work", path("damaged.work") });
    QCOMPARE(r.status, 2);
    QVERIFY2(r.errorOutput.contains("--work: " + path("damaged.work") + ", " + fault), qPrintable(r.errorOutput));
    QVERIFY2(!r.errorOutput.contains("to search"), qPrintable(r.errorOutput));
    // One line for the fault, ended by its reason, and one for --help.
    const QStringList lines = r.errorOutput.split(u'\n');
    QCOMPARE(lines.size(), 3);
    static const QRegularExpression quotedThenReason("\"(\\.\\.\\. \\(\\d+ characters\\))?: \\S");
    QVERIFY2(lines[0].contains(quotedThenReason), qPrintable(lines[0]));
    for (const QChar c : r.errorOutput)
        QVERIFY2(c >= u' ' || c == u'\n', "a control character printed as it is");
    QCOMPARE(contentsOf(path("damaged.work")), work);
    QVERIFY(!QFile::exists(path("out.book")));
}

// The line cut short goes, and is written again whole: resuming a second
// time reads every line as it is.
void TestEngineBooks::aLineCutShortIsWrittenAgainWhole()
{
    write(path("cut.work"), layer1Work.left(layer1Work.indexOf('\n') + 6)); // "1 3 2\n128 2"
    const QStringList book{ "book", "--depth", "1", "--threads", "1", "--table-mib", "1", "--output", path("cut.book"),
                            "--work", path("cut.work"), "--force" };
    for (int run = 1; run <= 2; ++run) {
        const Run r = runTool(book);
        QVERIFY2(r.status == 0, qPrintable(r.errorOutput));
        QCOMPARE(contentsOf(path("cut.work")), layer1Work);
    }
}

void TestEngineBooks::filesThatAreNoRegularFilesAreRefused_data()
{
    QTest::addColumn<QStringList>("arguments"); // FIFO stands for a FIFO's name
    QTest::addColumn<QString>("fault");
    const QString part = VANTREL_DATA_DIR "/book/8-1-of-6.book";
    QTest::newRow("a FIFO to verify") << QStringList{ "verify", "--book", "FIFO" }
                                      << "--book: FIFO is not a regular file";
    QTest::newRow("a FIFO to replace") << QStringList{ "merge", "--output", "FIFO", "--force", part }
                                       << "--output: FIFO is not a regular file";
    QTest::newRow("a FIFO as a work file") << QStringList{ "book", "--depth", "1", "--output", "x.book", "--work", "FIFO" }
                                           << "--work: FIFO is not a regular file";
    QTest::newRow("/dev/zero to verify") << QStringList{ "verify", "--book", "/dev/zero" }
                                         << "--book: /dev/zero is not a regular file";
    QTest::newRow("/dev/zero as a work file") << QStringList{ "book", "--output", "x.book", "--work", "/dev/zero" }
                                              << "--work: /dev/zero is not a regular file";
    QTest::newRow("a book larger than any") << QStringList{ "verify", "--book", "large.book" }
                                            << "--book: large.book is larger than any book can be";
}

// At once, without waiting for a FIFO's writer or reading what never ends,
// and leaving the FIFO as it was.
void TestEngineBooks::filesThatAreNoRegularFilesAreRefused()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, fault);
    QFile large(path("large.book")); // a file of holes, which takes no room
    QVERIFY(large.open(QIODevice::WriteOnly) && large.resize(tool::MostBookBytes + 1));
    QVERIFY(QFile::exists(path("FIFO")) || mkfifo(qPrintable(path("FIFO")), 0600) == 0);
    const Run r = runTool(arguments);
    QCOMPARE(r.status, 2);
    QVERIFY2(r.errorOutput.contains(fault), qPrintable(r.errorOutput));
    struct stat status {};
    QVERIFY(lstat(qPrintable(path("FIFO")), &status) == 0 && S_ISFIFO(status.st_mode));
}

QTEST_GUILESS_MAIN(TestEngineBooks)
#include "tst_enginebooks.moc"
