// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/process.h"

#include "engine/book.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <random>

using engine::Book;

Q_DECLARE_METATYPE(Book::Entry)

namespace {

QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

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

// Every entry of the shipped book's deepest layer, from its six parts.
std::vector<Book::Entry> layerEntries()
{
    std::vector<Book::Entry> all;
    for (int k = 1; k <= 6; ++k) {
        const std::vector<Book::Entry> part = bookIn(QStringLiteral(VANTREL_DATA_DIR "/book/8-%1-of-6.book").arg(k)).entries();
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

const QString shippedLines = VANTREL_DATA_DIR "/book/lines-12.book";

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
    void verifyRefusesADamagedBook_data();
    void verifyRefusesADamagedBook();

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
    const Run r = runTool(QStringList{ "merge", "--depth", "8", "--lines", shippedLines, "--output", path("merged.book"),
                                       "--force" }
                          + parts);
    QVERIFY2(r.status == 0, qPrintable(r.errorOutput));
    QVERIFY(contentsOf(path("merged.book")) == contentsOf(VANTREL_DATA_DIR "/engine.book"));
}

void TestEngineBooks::mergeRefusesWhatItCannotUse_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("fault");
    QTest::newRow("a part with a position no game reaches") << "impossible part" << 2 << "PART: " + path("part-2.book")
                                                                                           + ": an opening book whose entry";
    QTest::newRow("a part with a score out of range") << "score in a part" << 2 << "its score 16 is not one";
    QTest::newRow("a missing --lines file") << "missing lines" << 2 << "--lines: cannot read";
    QTest::newRow("damaged lines") << "damaged lines" << 2 << "--lines: " + path("lines.book");
    QTest::newRow("a position left out") << "position left out" << 1 << "exactly once";
    QTest::newRow("a part of another layer") << "another layer" << 1 << "without 8 discs";
}

void TestEngineBooks::mergeRefusesWhatItCannotUse()
{
    QFETCH(QString, damage);
    QFETCH(int, status);
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
    else if (damage == "missing lines")
        lines = path("no-such.book");
    else if (damage == "damaged lines")
        write(lines = path("lines.book"), bytesOf({ impossiblePosition() }));
    const QStringList parts = writeParts(layer, { layer.size() / 2, layer.size() - layer.size() / 2 });
    QFile::remove(path("merged.book"));
    const Run r = runTool(QStringList{ "merge", "--lines", lines, "--output", path("merged.book") } + parts);
    QCOMPARE(r.status, status);
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

void TestEngineBooks::verifyRefusesADamagedBook_data()
{
    QTest::addColumn<Book::Entry>("damaged");
    QTest::addColumn<QString>("fault");
    QTest::newRow("a position no game reaches") << impossiblePosition()
                                                << "is wrong: no game reaches it";
    QTest::newRow("a score out of range") << scoreOutOfRange()
                                          << "is wrong: its score 16 is not one a position with 13 discs can have (-14 to 15)";
}

// The damaged entry among the shipped book's: verify once took an
// impossible last entry for the end of a complete layer and called the
// book consistent.
void TestEngineBooks::verifyRefusesADamagedBook()
{
    QFETCH(Book::Entry, damaged);
    QFETCH(QString, fault);
    std::vector<Book::Entry> entries = bookIn(VANTREL_DATA_DIR "/engine.book").entries();
    const auto before = std::count_if(entries.begin(), entries.end(), [&](const Book::Entry& e) { return e.key < damaged.key; });
    entries.push_back(damaged);
    write(path("damaged.book"), bytesOf(entries));
    const Run r = runTool({ "verify", "--book", path("damaged.book"), "--sample", "0" });
    QCOMPARE(r.status, 1);
    const QString entry = QStringLiteral("entry %1 of %2 (key %3) ").arg(before + 1).arg(entries.size()).arg(damaged.key);
    QVERIFY2(r.output.contains(entry + fault), qPrintable(r.output));
}

QTEST_GUILESS_MAIN(TestEngineBooks)
#include "tst_enginebooks.moc"
