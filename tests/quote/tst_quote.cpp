// SPDX-License-Identifier: GPL-3.0-or-later
#include "quote/quote.h"

#include <QTest>

#include <algorithm>
#include <random>

namespace {

std::string_view viewOf(const QByteArray& bytes)
{
    return { bytes.constData(), static_cast<std::size_t>(bytes.size()) };
}

// Nothing a terminal would act on: no byte below 0x20 and no DEL, nor a C1
// control, which UTF-8 writes as 0xC2 0x80 to 0xC2 0x9F.
bool isSafeForATerminal(const QByteArray& bytes)
{
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte < 0x20 || byte == 0x7F
            || (byte == 0xC2 && i + 1 < bytes.size() && static_cast<unsigned char>(bytes[i + 1]) < 0xA0))
            return false;
    }
    return true;
}

} // namespace

// Text quoted in a message, as the game's command line and vantrel-engine
// print it: what a terminal would act on as its code, text of any length by
// its start.
class TestQuote : public QObject {
    Q_OBJECT

private slots:
    void charactersThatAreNotPrintableShowAsTheirCode_data();
    void charactersThatAreNotPrintableShowAsTheirCode();
    void bytesThatAreNoCharacterShowAsTheirValue_data();
    void bytesThatAreNoCharacterShowAsTheirValue();
    void aLongTextShowsByItsStart_data();
    void aLongTextShowsByItsStart();
    void randomBytesComeOutSafe();
};

void TestQuote::charactersThatAreNotPrintableShowAsTheirCode_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::newRow("plain text") << "4453 'x' \"y\" \\ U+" << "4453 'x' \"y\" \\ U+";
    QTest::newRow("a title set through ESC") << "\x1b]0;PWN\a4" << "U+001B]0;PWNU+00074";
    QTest::newRow("the screen cleared") << "\x1b[2J" << "U+001B[2J";
    QTest::newRow("NUL") << QString::fromUtf16(u"982 1 -5\0junk", 13) << "982 1 -5U+0000junk";
    QTest::newRow("tab, line break, return") << "a\tb\nc\rd" << "aU+0009bU+000AcU+000Dd";
    QTest::newRow("DEL") << "a\x7f" << "aU+007F";
    QTest::newRow("a C1 control") << QString(QChar(0x9b)) + "2J" << "U+009B2J";
    QTest::newRow("a direction override") << QString::fromUtf16(u"a\u202Eb") << "aU+202Eb";
    QTest::newRow("letters of other scripts") << QString::fromUtf16(u"é名٤") << QString::fromUtf16(u"é名٤");
    QTest::newRow("beyond the first plane") << QString::fromUtf16(u"\U0001F600") << QString::fromUtf16(u"\U0001F600");
    QTest::newRow("a lone surrogate") << QString(QChar(0xD800)) + "4" << "U+D8004";
}

void TestQuote::charactersThatAreNotPrintableShowAsTheirCode()
{
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QCOMPARE(quote::printable(text), shown);
    QCOMPARE(quote::printableStart(text), shown);
    // The same text as bytes, a lone surrogate aside, which UTF-8 cannot hold.
    if (!text.contains(QChar(0xD800))) {
        const QByteArray bytes = text.toUtf8();
        QCOMPARE(QString::fromStdString(quote::printable(viewOf(bytes))), shown);
    }
}

void TestQuote::bytesThatAreNoCharacterShowAsTheirValue_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("shown");
    QTest::newRow("a byte above 0xF4") << QByteArray("4\xff" "4") << "4\\xFF4";
    QTest::newRow("a stray continuation byte") << QByteArray("\x80" "a") << "\\x80a";
    QTest::newRow("an overlong slash") << QByteArray("\xc0\xaf") << "\\xC0\\xAF";
    QTest::newRow("an overlong ESC") << QByteArray("\xe0\x80\x9b") << "\\xE0\\x80\\x9B";
    QTest::newRow("a surrogate") << QByteArray("\xed\xa0\x80") << "\\xED\\xA0\\x80";
    QTest::newRow("beyond U+10FFFF") << QByteArray("\xf4\x90\x80\x80") << "\\xF4\\x90\\x80\\x80";
    QTest::newRow("a character cut short") << QByteArray("1\xe2\x82") << "1\\xE2\\x82";
    QTest::newRow("a character cut short before another") << QByteArray("\xe2\x82" "\xe2\x82\xac")
                                                           << QString::fromUtf16(u"\\xE2\\x82€");
    QTest::newRow("a C1 control, written whole") << QByteArray("\xc2\x9b" "2J") << "U+009B2J";
    QTest::newRow("the largest character") << QByteArray("\xf4\x8f\xbf\xbf") << "U+10FFFF";
}

void TestQuote::bytesThatAreNoCharacterShowAsTheirValue()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, shown);
    const std::string printed = quote::printable(viewOf(bytes));
    QCOMPARE(QString::fromStdString(printed), shown);
    QVERIFY(isSafeForATerminal(QByteArray::fromStdString(printed)));
}

void TestQuote::aLongTextShowsByItsStart_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("most");
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("characters");
    QTest::newRow("shorter") << "4453" << 5 << "4453" << 4;
    QTest::newRow("exactly as long") << "44534" << 5 << "44534" << 5;
    QTest::newRow("one more") << "445344" << 5 << "44534..." << 6;
    QTest::newRow("100,000 characters") << QString(100'000, u'7') << 40 << QString(40, u'7') + "..." << 100'000;
    QTest::newRow("controls shown whole") << QString(10, QChar(0x1b)) << 2 << "U+001BU+001B..." << 10;
    QTest::newRow("a character beyond the first plane is one")
        << QString::fromUtf16(u"\U0001F600\U0001F600\U0001F600") << 2
        << QString::fromUtf16(u"\U0001F600\U0001F600...") << 3;
    QTest::newRow("none") << "abc" << 0 << "..." << 3;
}

// Cut between characters, never inside one, whether text or bytes.
void TestQuote::aLongTextShowsByItsStart()
{
    QFETCH(QString, text);
    QFETCH(int, most);
    QFETCH(QString, start);
    QFETCH(int, characters);
    const auto mostShown = static_cast<std::size_t>(most);
    QCOMPARE(quote::printableStart(text, mostShown), start);
    const QByteArray bytes = text.toUtf8();
    QCOMPARE(QString::fromStdString(quote::printableStart(viewOf(bytes), mostShown)), start);
    QCOMPARE(quote::characterCount(viewOf(bytes)), static_cast<std::size_t>(characters));
    const QList<uint> codes = text.toUcs4();
    const QString first = QString::fromUcs4(reinterpret_cast<const char32_t*>(codes.constData()),
                                            std::min<qsizetype>(most, codes.size()));
    const std::string_view firstBytes = quote::firstCharacters(viewOf(bytes), mostShown);
    QCOMPARE(QByteArray(firstBytes.data(), static_cast<qsizetype>(firstBytes.size())), first.toUtf8());
}

// Whatever a file holds, what is printed of it is text a terminal shows
// as it is: 300 random bytes at a time, as a work file holding anything.
void TestQuote::randomBytesComeOutSafe()
{
    std::mt19937 random(41);
    for (int round = 0; round < 200; ++round) {
        QByteArray bytes(300, Qt::Uninitialized);
        for (char& byte : bytes)
            byte = static_cast<char>(random() & 0xFF);
        const QByteArray printed = QByteArray::fromStdString(quote::printable(viewOf(bytes)));
        QVERIFY2(isSafeForATerminal(printed), printed.toHex().constData());
        QVERIFY(QString::fromUtf8(printed).toUtf8() == printed); // valid UTF-8
        const std::string start = quote::printableStart(viewOf(bytes));
        QVERIFY(isSafeForATerminal(QByteArray::fromStdString(start)));
        QVERIFY(start.ends_with(quote::Ellipsis));
    }
}

QTEST_APPLESS_MAIN(TestQuote)
#include "tst_quote.moc"
