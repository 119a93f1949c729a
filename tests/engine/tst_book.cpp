// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/book.h"
#include "engine/completebook.h"
#include "engine/levels.h"

#include <QFile>
#include <QTest>

#include <algorithm>
#include <random>
#include <set>
#include <stdexcept>

using engine::Book;
using engine::Position;

namespace {

// The depth of the complete book: its deepest layer was searched in parts,
// which data/book/ keeps beside hard's lines beyond it.
constexpr int CompleteDepth = 8;
constexpr int Parts = 6;

QString partPath(int k)
{
    return QStringLiteral(VANTREL_DATA_DIR "/book/%1-%2-of-%3.book").arg(CompleteDepth).arg(k).arg(Parts);
}

Book readBook(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + path.toStdString());
    const QByteArray bytes = file.readAll();
    return Book::fromBytes({ reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                             static_cast<std::size_t>(bytes.size()) });
}

Book shippedBook()
{
    return readBook(VANTREL_DATA_DIR "/engine.book");
}

std::vector<Book::Entry> entriesOf(const Book& book)
{
    std::vector<Book::Entry> entries;
    for (std::size_t i = 0; i < book.size(); ++i)
        entries.push_back(book.entry(i));
    return entries;
}

std::vector<std::uint8_t> header(std::uint32_t version, std::uint32_t count)
{
    std::vector<std::uint8_t> bytes{ 'V', 'T', 'B', 'K' };
    for (const std::uint32_t n : { version, count })
        for (int i = 0; i < 4; ++i)
            bytes.push_back(static_cast<std::uint8_t>(n >> (8 * i)));
    return bytes;
}

void append(std::vector<std::uint8_t>& bytes, std::uint64_t word)
{
    for (int i = 0; i < 8; ++i)
        bytes.push_back(static_cast<std::uint8_t>(word >> (8 * i)));
}

int mostDiscs(const Book& book)
{
    int most = 0;
    for (std::size_t i = 0; i < book.size(); ++i)
        most = std::max(most, Position::fromKey(book.entry(i).key).moves());
    return most;
}

} // namespace

// The opening book: its bytes, its lookups of mirror images, and the book
// shipped in data/, which must hold perfect play's choice in every position
// perfect play can face up to its depth.
class TestBook : public QObject {
    Q_OBJECT

private slots:
    void bytesRoundTrip();
    void malformedBytes_data();
    void malformedBytes();
    void mirrorImagesAreLookedUpMirrored();
    void theShippedBookIsCompleteAndConsistent();
    void theShippedBookIsItsPartsMerged();
    void theShippedBookCoversEveryPositionPerfectPlayFaces();
    void theShippedBookAgreesWithTheSearch();
};

void TestBook::bytesRoundTrip()
{
    std::mt19937_64 random(5);
    std::vector<Book::Entry> entries;
    std::set<std::uint64_t> keys;
    while (entries.size() < 500) {
        Position p;
        const int length = std::uniform_int_distribution<int>(0, 12)(random);
        for (int i = 0; i < length; ++i) {
            const int c = engine::randomMove(p, random);
            if (p.isWinningMove(c))
                break;
            p.play(c);
        }
        if (keys.insert(p.canonicalKey()).second)
            entries.push_back({ p.canonicalKey(),
                                { std::uniform_int_distribution<int>(0, 6)(random),
                                  std::uniform_int_distribution<int>(-18, 18)(random) } });
    }
    const Book book = Book::fromEntries(entries);
    const Book again = Book::fromBytes(book.toBytes());
    QCOMPARE(again.size(), entries.size());
    QVERIFY(again.toBytes() == book.toBytes());
    for (const Book::Entry& e : entries) {
        const std::optional<engine::Choice> found = again.lookup(Position::fromKey(e.key));
        QVERIFY(found);
        QCOMPARE(found->column, e.choice.column);
        QCOMPARE(found->score, e.choice.score);
    }
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, Book::fromEntries({ entries[0], entries[0] }));
}

void TestBook::malformedBytes_data()
{
    QTest::addColumn<std::vector<std::uint8_t>>("bytes");
    QTest::newRow("nothing") << std::vector<std::uint8_t>{};
    std::vector<std::uint8_t> magic = header(1, 0);
    magic[0] = 'X';
    QTest::newRow("another magic") << magic;
    QTest::newRow("another version") << header(2, 0);
    std::vector<std::uint8_t> shortOne = header(1, 2);
    append(shortOne, 1 << 9);
    QTest::newRow("fewer entries than said") << shortOne;
    std::vector<std::uint8_t> unsorted = header(1, 2);
    append(unsorted, 2 << 9);
    append(unsorted, 1 << 9);
    QTest::newRow("keys out of order") << unsorted;
    std::vector<std::uint8_t> twice = header(1, 2);
    append(twice, 1 << 9);
    append(twice, 1 << 9 | 1);
    QTest::newRow("a key twice") << twice;
    std::vector<std::uint8_t> column = header(1, 1);
    append(column, 1 << 9 | 7);
    QTest::newRow("column 7") << column;
}

void TestBook::malformedBytes()
{
    QFETCH(std::vector<std::uint8_t>, bytes);
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, Book::fromBytes(bytes));
}

void TestBook::mirrorImagesAreLookedUpMirrored()
{
    const Position left("1123"), symmetric("44"), absent("2");
    const Position canonical = left.key() == left.canonicalKey() ? left : left.mirrored();
    const Book book = Book::fromEntries({ { canonical.key(), { 1, -3 } }, { symmetric.key(), { 2, 4 } } });
    for (const Position& p : { left, left.mirrored() }) {
        const std::optional<engine::Choice> found = book.lookup(p);
        QVERIFY(found);
        QCOMPARE(found->column, p.key() == canonical.key() ? 1 : 5);
        QCOMPARE(found->score, -3);
    }
    // A position that is its own mirror image keeps its column.
    QCOMPARE(book.lookup(symmetric)->column, 2);
    QVERIFY(!book.lookup(absent));
    QVERIFY(!Book().lookup(Position()));
}

// Every position up to the depth is there, and every shallower one scores
// what its best column leads to; the first moves score as published: the
// first player wins by starting in the centre, draws in either column next
// to it, and loses in the four outer ones.
void TestBook::theShippedBookIsCompleteAndConsistent()
{
    const Book book = shippedBook();
    QVERIFY(book.toBytes().size() <= 4 * 1024 * 1024);
    const int depth = engine::completeDepth(book);
    QCOMPARE(depth, CompleteDepth);
    QCOMPARE(QString::fromStdString(engine::firstInconsistency(book, depth)), QString());
    const std::optional<engine::Choice> first = book.lookup(Position());
    QCOMPARE(first->column, 3);
    QVERIFY(first->score > 0);
    const int expected[engine::Width] = { 1, 1, 0, -1, 0, 1, 1 }; // the second player's outcome
    for (int c = 0; c < engine::Width; ++c) {
        Position p;
        p.play(c);
        const int score = book.lookup(p)->score;
        QCOMPARE((score > 0) - (score < 0), expected[c]);
    }
}

// data/book/ holds the parts the book was made from: the deepest layer in
// shards, and hard's lines beyond it. Merged, they give the shipped bytes,
// however the layer is cut, and hard keeps every choice of its lines.
void TestBook::theShippedBookIsItsPartsMerged()
{
    std::vector<Book::Entry> deepest;
    for (int k = 1; k <= Parts; ++k) {
        QVERIFY2(QFile::exists(partPath(k)), qPrintable(partPath(k) + " is missing"));
        const std::vector<Book::Entry> entries = entriesOf(readBook(partPath(k)));
        deepest.insert(deepest.end(), entries.begin(), entries.end());
    }
    const QString linesPath = VANTREL_DATA_DIR "/book/lines-12.book";
    QVERIFY2(QFile::exists(linesPath), qPrintable(linesPath + " is missing"));
    const std::vector<Book::Entry> lines = entriesOf(readBook(linesPath));
    const std::vector<std::uint8_t> shipped = shippedBook().toBytes();
    QVERIFY(engine::completeBook(CompleteDepth, deepest, lines).toBytes() == shipped);
    std::reverse(deepest.begin(), deepest.end());
    QVERIFY(engine::completeBook(CompleteDepth, deepest, lines).toBytes() == shipped);

    // The shards of any cut cover the layer once.
    const std::vector<std::uint64_t> layer = engine::reachableKeys(CompleteDepth);
    for (const int shards : { 1, 6, 7 }) {
        std::vector<std::uint64_t> joined;
        for (int k = 1; k <= shards; ++k) {
            const std::vector<std::uint64_t> shard = engine::shardOf(layer, k, shards);
            QVERIFY(shard.size() >= layer.size() / shards);
            joined.insert(joined.end(), shard.begin(), shard.end());
        }
        QVERIFY(joined == layer);
    }

    // A part that lacks a position, or a line that disagrees, is refused.
    deepest.pop_back();
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, engine::completeBook(CompleteDepth, deepest, lines));
}

void TestBook::theShippedBookCoversEveryPositionPerfectPlayFaces()
{
    const Book book = shippedBook();
    const int depth = mostDiscs(book);
    QCOMPARE(depth, 12);
    // Perfect play's positions: the empty board and every first move of the
    // opponent, then after each of its book moves every reply.
    std::vector<Position> pending{ Position() };
    for (int c = 0; c < engine::Width; ++c) {
        Position p;
        p.play(c);
        pending.push_back(p);
    }
    std::size_t visited = 0;
    while (!pending.empty()) {
        Position p = pending.back();
        pending.pop_back();
        const std::optional<engine::Choice> choice = book.lookup(p);
        QVERIFY2(choice, "a position perfect play faces is missing");
        ++visited;
        if (p.moves() + 2 > depth || p.isWinningMove(choice->column))
            continue;
        p.play(choice->column);
        for (int c = 0; c < engine::Width; ++c) {
            if (!p.canPlay(c) || p.isWinningMove(c))
                continue;
            Position next = p;
            next.play(c);
            pending.push_back(next);
        }
    }
    QVERIFY(visited > 20000);
}

// Samples of the deepest complete layer and of hard's deepest lines,
// searched again from scratch: the book's column and score are perfect play's.
void TestBook::theShippedBookAgreesWithTheSearch()
{
    const Book book = shippedBook();
    const int sample = qEnvironmentVariableIsSet("VANTREL_BOOK_SAMPLE")
                           ? qEnvironmentVariableIntValue("VANTREL_BOOK_SAMPLE")
                           : 4;
    std::mt19937_64 random(6);
    engine::TranspositionTable table(64);
    for (const int discs : { CompleteDepth, mostDiscs(book) }) {
        std::vector<Book::Entry> layer;
        for (const Book::Entry& e : entriesOf(book))
            if (Position::fromKey(e.key).moves() == discs)
                layer.push_back(e);
        std::shuffle(layer.begin(), layer.end(), random);
        for (int i = 0; i < sample && i < static_cast<int>(layer.size()); ++i) {
            table.clear();
            engine::Search search(table);
            const std::optional<engine::Choice> choice = search.bestChoice(Position::fromKey(layer[i].key));
            QCOMPARE(choice->column, layer[i].choice.column);
            QCOMPARE(choice->score, layer[i].choice.score);
        }
    }
}

QTEST_APPLESS_MAIN(TestBook)
#include "tst_book.moc"
