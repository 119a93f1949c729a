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
constexpr int CompleteDepth = 9;
constexpr int Parts = 12;
// The layer before, searched on its own in as many parts before the deepest
// layer was made, and kept.
constexpr int EarlierDepth = 8;
constexpr int EarlierParts = 6;

QString partPath(int k, int depth = CompleteDepth, int parts = Parts)
{
    return QStringLiteral(VANTREL_DATA_DIR "/book/%1-%2-of-%3.book").arg(depth).arg(k).arg(parts);
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

// An entry's word, as book.h draws it.
std::uint64_t word(std::uint64_t key, int column, int score)
{
    return key << 9 | static_cast<std::uint64_t>(score + 32) << 3 | static_cast<std::uint64_t>(column);
}

// A book of these words, in this order.
std::vector<std::uint8_t> bookOf(const std::vector<std::uint64_t>& words)
{
    std::vector<std::uint8_t> bytes = header(1, static_cast<std::uint32_t>(words.size()));
    for (const std::uint64_t w : words)
        append(bytes, w);
    return bytes;
}

std::uint64_t keyOf(const char* moves)
{
    return Position(moves).canonicalKey();
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
    void theLayerSearchedBeforeAgreesWithTheShippedBook();
    void theShippedBookCoversEveryPositionPerfectPlayFaces();
    void theShippedBookAgreesWithTheSearch();
    void itsBoundsOneDiscPastItHoldTheScore();
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
        // A column open in the position as stored, and a score it can have.
        const Position stored = Position::fromKey(p.canonicalKey());
        const auto [least, most] = engine::possibleScores(stored.moves());
        if (keys.insert(stored.key()).second)
            entries.push_back({ stored.key(),
                                { engine::randomMove(stored, random),
                                  std::uniform_int_distribution<int>(least, most)(random) } });
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

// Each book is refused by fromBytes, and the message says why; the
// start-up reading refuses those marked so.
void TestBook::malformedBytes_data()
{
    QTest::addColumn<std::vector<std::uint8_t>>("bytes");
    QTest::addColumn<QString>("fault");
    QTest::addColumn<bool>("atStartUp");
    const std::uint64_t one = keyOf("4"), two = keyOf("44");
    QTest::newRow("nothing") << std::vector<std::uint8_t>{} << "not an opening book" << true;
    std::vector<std::uint8_t> magic = header(1, 0);
    magic[0] = 'X';
    QTest::newRow("another magic") << magic << "not an opening book" << true;
    QTest::newRow("another version") << header(2, 0) << "another version" << true;
    std::vector<std::uint8_t> shortOne = header(1, 2);
    append(shortOne, word(one, 3, 0));
    QTest::newRow("fewer entries than said") << shortOne << "wrong length" << true;
    QTest::newRow("keys out of order") << bookOf({ word(two, 3, 0), word(one, 3, 0) })
                                       << "entry 2 of 2 (key " + QString::number(one) + ") is wrong: its key is not greater"
                                       << true;
    QTest::newRow("a key twice") << bookOf({ word(one, 3, 0), word(one, 2, 0) }) << "its key is not greater" << true;
    QTest::newRow("column 8") << bookOf({ word(one, 7, 0) }) << "its column is beyond the board" << true;
    QTest::newRow("a key beyond the board") << bookOf({ word(std::uint64_t{1} << 49, 3, 0) })
                                            << "its key is beyond the board" << true;
    QTest::newRow("a score no position has") << bookOf({ word(one, 3, 19) }) << "its score 19 is not one any position"
                                             << true;
    // Damage that only the full check finds.
    QTest::newRow("seven discs in a column") << bookOf({ word(0x7f, 3, 0) }) << "its key is no position" << false;
    QTest::newRow("the mirror image's key") << bookOf({ word(Position("7").key(), 3, 0) }) << "not the position's canonical one"
                                            << false;
    QTest::newRow("a full column") << bookOf({ word(keyOf("444444"), 3, 0) }) << "its column 4 is full" << false;
    QTest::newRow("a score out of range for its discs")
        << bookOf({ word(keyOf("215563177456"), 3, 16) })
        << "its score 16 is not one a position with 12 discs can have (-15 to 15)" << false;
    QTest::newRow("a game already won") << bookOf({ word(keyOf("1212121"), 3, 0) }) << "the game is over in it" << false;
    // The first player's disc on the second's, in the first column: taken
    // back, the second player's disc is not on top.
    QTest::newRow("a disc under the wrong one") << bookOf({ word(0b101, 3, 0) }) << "no game reaches it" << false;
    // Two discs of the first player, none of the second's.
    QTest::newRow("discs out of turn") << bookOf({ word(0b110, 3, 0) }) << "no game reaches it" << false;
    // The same in the centre column, whose key is the greatest.
    QTest::newRow("the last of many") << bookOf({ word(one, 3, 0), word(two, 3, 0), word(std::uint64_t{0b101} << 21, 3, 0) })
                                      << "entry 3 of 3" << false;
}

void TestBook::malformedBytes()
{
    QFETCH(std::vector<std::uint8_t>, bytes);
    QFETCH(QString, fault);
    QFETCH(bool, atStartUp);
    try {
        Book::fromBytes(bytes);
        QFAIL("a damaged book was read");
    } catch (const std::invalid_argument& e) {
        QVERIFY2(QString(e.what()).contains(fault), e.what());
    }
    bool refusedAtStartUp = false;
    try {
        Book::viewOf(bytes);
    } catch (const std::invalid_argument&) {
        refusedAtStartUp = true;
    }
    QCOMPARE(refusedAtStartUp, atStartUp);
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
        const std::vector<Book::Entry> entries = readBook(partPath(k)).entries();
        deepest.insert(deepest.end(), entries.begin(), entries.end());
    }
    const QString linesPath = VANTREL_DATA_DIR "/book/lines-12.book";
    QVERIFY2(QFile::exists(linesPath), qPrintable(linesPath + " is missing"));
    const std::vector<Book::Entry> lines = readBook(linesPath).entries();
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

// Two ways to the same entries: the layer before the deepest, searched
// position by position, and the shipped book, which derives that layer
// from the deepest one's children. They must agree, column and score.
void TestBook::theLayerSearchedBeforeAgreesWithTheShippedBook()
{
    const Book book = shippedBook();
    std::size_t compared = 0;
    for (int k = 1; k <= EarlierParts; ++k) {
        const QString part = partPath(k, EarlierDepth, EarlierParts);
        QVERIFY2(QFile::exists(part), qPrintable(part + " is missing"));
        for (const Book::Entry& e : readBook(part).entries()) {
            const std::optional<engine::Choice> shipped = book.lookup(Position::fromKey(e.key));
            QVERIFY2(shipped, qPrintable(QString::number(e.key)));
            QCOMPARE(shipped->score, e.choice.score);
            QCOMPARE(shipped->column, e.choice.column);
            ++compared;
        }
    }
    QCOMPARE(compared, engine::reachableKeys(EarlierDepth).size());
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
        for (const Book::Entry& e : book.entries())
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

// Positions one disc past the book, reached by random moves: what the book
// proves of each (exact after its own move; otherwise at least the opposite
// of the position before, and more after a move it would have preferred)
// holds the score the search finds; and it proves something of most.
void TestBook::itsBoundsOneDiscPastItHoldTheScore()
{
    const Book book = shippedBook();
    const int sample = 4 * (qEnvironmentVariableIsSet("VANTREL_BOOK_SAMPLE")
                                ? qEnvironmentVariableIntValue("VANTREL_BOOK_SAMPLE")
                                : 4);
    std::mt19937_64 random(9);
    engine::TranspositionTable table(64);
    int bounded = 0;
    for (int i = 0; i < sample; ++i) {
        Position p;
        while (p.moves() <= CompleteDepth) {
            int column = 0;
            do
                column = std::uniform_int_distribution<int>(0, engine::Width - 1)(random);
            while (!p.canPlay(column) || p.isWinningMove(column));
            p.play(column);
        }
        const engine::ScoreBounds bounds = book.bounds(p);
        table.clear();
        engine::Search search(table);
        const int score = *search.solve(p);
        QVERIFY2(bounds.low <= score && score <= bounds.high, qPrintable(QString::number(p.key())));
        bounded += bounds != engine::ScoreBounds{} ? 1 : 0;
    }
    QVERIFY(bounded > sample / 2);
}

QTEST_APPLESS_MAIN(TestBook)
#include "tst_book.moc"
