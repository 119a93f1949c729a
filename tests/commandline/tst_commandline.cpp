// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandline/commandline.h"
#include "support/process.h"

#include <QRegularExpression>
#include <QTest>

namespace {

// The real program, started in a process of its own on a machine with no
// display: everything the command line answers, it answers without one.
Run runWithoutDisplay(const QStringList& arguments, const QString& language = "C")
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : { "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM" })
        environment.remove(name);
    environment.insert("LANG", language);
    environment.remove("LANGUAGE");
    environment.remove("LC_ALL");
    return runToEnd(QStringLiteral(VANTREL_EXECUTABLE), arguments, environment);
}

const QString tryHelp = "Try 'vantrel --help' for more information.\n";

// The columns a line takes in a terminal: two for each character of the
// wide East Asian scripts and their punctuation, one for any other.
int terminalColumns(const QString& line)
{
    int columns = 0;
    for (const char32_t c : line.toUcs4()) {
        const bool wide = (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) || (c >= 0xAC00 && c <= 0xD7A3)
            || (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60)
            || (c >= 0xFFE0 && c <= 0xFFE6);
        columns += wide ? 2 : 1;
    }
    return columns;
}

} // namespace

// The options, their replies and exit statuses.
class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
    void helpAndVersionPrintAndSucceed_data();
    void helpAndVersionPrintAndSucceed();
    void theHelpIsTranslatedAndFitsATerminal_data();
    void theHelpIsTranslatedAndFitsATerminal();
    void aLineItCannotFollowIsRefused_data();
    void aLineItCannotFollowIsRefused();
    void aLineToPlayGoesOnToTheDisplay_data();
    void aLineToPlayGoesOnToTheDisplay();
    void theLastLevelGivenCounts();
    void movesAreReadEitherWay_data();
    void movesAreReadEitherWay();
};

void TestCommandLine::helpAndVersionPrintAndSucceed_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("firstLine");
    const QString usage = "Usage: vantrel [--computer[=LEVEL]] [--moves=MOVES] [Qt options]";
    const QString version = "vantrel " VANTREL_VERSION;
    QTest::newRow("--help") << QStringList{ "--help" } << usage;
    QTest::newRow("-h") << QStringList{ "-h" } << usage;
    QTest::newRow("--version") << QStringList{ "--version" } << version;
    QTest::newRow("-v") << QStringList{ "-v" } << version;
    QTest::newRow("help wins over a game") << QStringList{ "--computer=hard", "-h" } << usage;
    QTest::newRow("beside Qt's options") << QStringList{ "-platform", "xcb", "-style=fusion", "-reverse", "-v" }
                                         << version;
}

void TestCommandLine::helpAndVersionPrintAndSucceed()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, firstLine);
    const Run reply = runWithoutDisplay(arguments);
    QCOMPARE(reply.errorOutput, "");
    QCOMPARE(reply.status, 0);
    QCOMPARE(reply.output.section('\n', 0, 0), firstLine);
    QVERIFY(reply.output.endsWith('\n'));
    if (firstLine.startsWith("Usage"))
        for (const char* said : { "--help", "--version", "--computer[=LEVEL]", "easy, medium (the default) or hard",
                                  "F1 lists every key" })
            QVERIFY2(reply.output.contains(said), said);
}

void TestCommandLine::theHelpIsTranslatedAndFitsATerminal_data()
{
    QTest::addColumn<QString>("language");
    for (const char* language : { "C", "de_DE", "es_ES", "fr_FR", "it_IT", "ja_JP", "nl_NL", "pl_PL", "pt_BR", "ru_RU",
                                  "zh_CN" })
        QTest::newRow(language) << QString::fromLatin1(language);
}

// In every language the help names the options as typed, and F1 with the
// other keys, in lines an 80-column terminal shows whole.
void TestCommandLine::theHelpIsTranslatedAndFitsATerminal()
{
    QFETCH(QString, language);
    const Run reply = runWithoutDisplay({ "--help" }, language == "C" ? language : language + ".UTF-8");
    QCOMPARE(reply.status, 0);
    if (language != "C")
        QVERIFY(reply.output != runWithoutDisplay({ "--help" }).output);
    for (const char* said : { "--computer[=LEVEL]", "--moves=MOVES", "Ctrl+Z", "Shift+F10" })
        QVERIFY2(reply.output.contains(said), said);
    // F1 itself, not the start of F10.
    QVERIFY(reply.output.contains(QRegularExpression("\\bF1\\b")));
    for (const QString& line : reply.output.split(u'\n'))
        QVERIFY2(terminalColumns(line) <= 80, qPrintable(line));
}

void TestCommandLine::aLineItCannotFollowIsRefused_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("errorOutput");
    QTest::newRow("unknown long option") << QStringList{ "--colour=red" }
                                         << "vantrel: unknown option '--colour'\n" + tryHelp;
    QTest::newRow("unknown short option") << QStringList{ "-x" } << "vantrel: unknown option '-x'\n" + tryHelp;
    QTest::newRow("short options run together") << QStringList{ "-hv" }
                                                << "vantrel: unknown option '-hv'\n" + tryHelp;
    QTest::newRow("stray argument") << QStringList{ "Ann" } << "vantrel: unexpected argument 'Ann'\n" + tryHelp;
    QTest::newRow("argument after --") << QStringList{ "--", "-h" }
                                       << "vantrel: unexpected argument '-h'\n" + tryHelp;
    QTest::newRow("--computer after --") << QStringList{ "--", "--computer" }
                                         << "vantrel: unexpected argument '--computer'\n" + tryHelp;
    // Qt reads these with their value as the next word only, and would ignore them.
    QTest::newRow("-platform=") << QStringList{ "-style=fusion", "-platform=offscreen" }
                                << "vantrel: Qt's option '-platform=offscreen' is written with a space: "
                                   "'-platform offscreen'\n";
    QTest::newRow("--display=") << QStringList{ "--display=:1" }
                                << "vantrel: Qt's option '--display=:1' is written with a space: '--display :1'\n";
    QTest::newRow("Qt option without its value") << QStringList{ "-platform" }
                                                 << "vantrel: option '-platform' needs a value\n" + tryHelp;
    for (const char* flag : { "--help=3", "-version=", "-reverse=yes" })
        QTest::newRow(flag) << QStringList{ flag }
                            << QStringLiteral("vantrel: option '%1' takes no value\n").arg(QString(flag).section('=', 0, 0))
                                   + tryHelp;
    const QString choose = "' for --computer: choose easy, medium or hard\n";
    QTest::newRow("unknown level") << QStringList{ "--computer=strong" } << "vantrel: unknown level 'strong" + choose;
    QTest::newRow("unknown level as the next word") << QStringList{ "--computer", "Hard" }
                                                    << "vantrel: unknown level 'Hard" + choose;
    QTest::newRow("empty level") << QStringList{ "--computer=" } << "vantrel: unknown level '" + choose;

    // A move string is refused at its first move that cannot be played.
    const auto movesRow = [&](const char* name, const QString& moves, const QString& why) {
        QTest::newRow(name) << QStringList{ "--moves=" + moves } << "vantrel: --moves: move " + why + '\n' + tryHelp;
    };
    movesRow("moves: a letter", "44a3", "3, 'a', is not a column from 1 to 7");
    movesRow("moves: a space", "44 3", "3, ' ', is not a column from 1 to 7");
    movesRow("moves: column 0", "0", "1, '0', is not a column from 1 to 7");
    movesRow("moves: column 8", "4448", "4, '8', is not a column from 1 to 7");
    movesRow("moves: a control character", "4\x1b[2J", "2, 'U+001B', is not a column from 1 to 7");
    movesRow("moves: beyond Unicode's first plane", "4\U0001F600", "2, '\U0001F600', is not a column from 1 to 7");
    movesRow("moves: a full column", "3333333", "7 is in column 3, which is full");
    movesRow("moves: after four in a line", "12121212", "8, in column 2, comes after four in a line ended the game");
    movesRow("moves: the last makes four in a line", "1212121", "7, in column 1, ends the game, which leaves nothing to play");
    movesRow("moves: the last fills the board", "455714637617614767242476316455122212535333",
             "42, in column 3, ends the game, which leaves nothing to play");
    // Past 42 moves, the first that cannot be played all the same; the
    // length only when the first 42 all play.
    movesRow("moves: 43 in one column", QString(43, u'4'), "7 is in column 4, which is full");
    movesRow("moves: 100,000 in one column", QString(100000, u'4'), "7 is in column 4, which is full");
    movesRow("moves: 43 letters", QString(43, u'x'), "1, 'x', is not a column from 1 to 7");
    movesRow("moves: a control character among 100", "44\x1b" + QString(97, u'1'),
             "3, 'U+001B', is not a column from 1 to 7");
    movesRow("moves: four in a line among 50", "1212121" + QString(43, u'3'),
             "8, in column 3, comes after four in a line ended the game");
    movesRow("moves: one more than the board holds", "455714637617614767242476316455122212535333" "4",
             "43, '4', is one more than the board's 42 holes");
    movesRow("moves: a letter after a full board", "455714637617614767242476316455122212535333" "x",
             "43, 'x', is one more than the board's 42 holes");
    // Whatever was typed is said so that a terminal shows it, not acts on it.
    QTest::newRow("an option that sets the title") << QStringList{ "--colour\x1b]0;PWN\a" }
                                                   << "vantrel: unknown option '--colourU+001B]0;PWNU+0007'\n" + tryHelp;
    QTest::newRow("an argument that clears the screen")
        << QStringList{ "\x1b[2J\x1b[H" } << "vantrel: unexpected argument 'U+001B[2JU+001B[H'\n" + tryHelp;
    QTest::newRow("a level with a line break") << QStringList{ "--computer=hard\nx" }
                                               << "vantrel: unknown level 'hardU+000Ax" + choose;
    QTest::newRow("a Qt option with DEL") << QStringList{ "-platform=\x7f" }
                                          << "vantrel: Qt's option '-platform=U+007F' is written with a space: "
                                             "'-platform U+007F'\n";
    QTest::newRow("a long unknown option") << QStringList{ "--" + QString(100000, u'x') }
                                           << "vantrel: unknown option '--" + QString(38, u'x') + "...'\n" + tryHelp;
    QTest::newRow("moves: none given") << QStringList{ "--moves" } << "vantrel: option '--moves' needs a value\n" + tryHelp;
}

void TestCommandLine::aLineItCannotFollowIsRefused()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, errorOutput);
    const Run reply = runWithoutDisplay(arguments);
    QCOMPARE(reply.errorOutput, errorOutput);
    QCOMPARE(reply.output, "");
    QCOMPARE(reply.status, 2);
    for (const QChar c : reply.errorOutput)
        QVERIFY2(c >= u' ' || c == u'\n', "a control character printed as it is");
}

// A line that asks for a game gets as far as looking for a display.
void TestCommandLine::aLineToPlayGoesOnToTheDisplay_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("nothing") << QStringList{};
    QTest::newRow("--computer") << QStringList{ "--computer" };
    for (const char* level : { "easy", "medium", "hard" }) {
        QTest::newRow(level) << QStringList{ QStringLiteral("--computer=%1").arg(level) };
        QTest::newRow(qPrintable(QStringLiteral("%1 as the next word").arg(level)))
            << QStringList{ "--computer", level };
    }
    QTest::newRow("Qt's options") << QStringList{ "-style", "fusion", "--platform", "xcb", "-reverse", "--" };
    QTest::newRow("Qt's options that take an equals sign") << QStringList{ "-style=fusion", "--stylesheet=a.qss" };
    QTest::newRow("moves") << QStringList{ "--moves=4453", "--computer" };
    QTest::newRow("no moves") << QStringList{ "--moves=" };
}

void TestCommandLine::aLineToPlayGoesOnToTheDisplay()
{
    QFETCH(QStringList, arguments);
    const Run reply = runWithoutDisplay(arguments);
    QCOMPARE(reply.status, 1);
    QVERIFY2(reply.errorOutput.startsWith("vantrel: cannot open a graphical display"), qPrintable(reply.errorOutput));
}

// As with most programs, an option given twice takes its last value.
void TestCommandLine::theLastLevelGivenCounts()
{
    char program[] = "vantrel", hard[] = "--computer=hard", easy[] = "--computer", level[] = "easy";
    char* argv[] = { program, hard, easy, level, nullptr };
    int argc = 4;
    const auto options = readCommandLine(argc, argv);
    QVERIFY(std::holds_alternative<Options>(options));
    QCOMPARE(std::get<Options>(options).computer, engine::Level::easy);
}

void TestCommandLine::movesAreReadEitherWay_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<std::optional<QList<int>>>("moves");
    QTest::newRow("none") << QStringList{} << std::optional<QList<int>>();
    QTest::newRow("after =") << QStringList{ "--moves=4453" } << std::optional<QList<int>>({ 4, 4, 5, 3 });
    QTest::newRow("as the next word") << QStringList{ "--moves", "71" } << std::optional<QList<int>>({ 7, 1 });
    QTest::newRow("empty: the empty board") << QStringList{ "--moves=" } << std::optional<QList<int>>(QList<int>{});
}

void TestCommandLine::movesAreReadEitherWay()
{
    QFETCH(QStringList, arguments);
    QFETCH(std::optional<QList<int>>, moves);
    QList<QByteArray> bytes{ "vantrel" };
    for (const QString& argument : arguments)
        bytes << argument.toLocal8Bit();
    QList<char*> argv;
    for (QByteArray& argument : bytes)
        argv << argument.data();
    argv << nullptr;
    int argc = static_cast<int>(bytes.size());
    const auto options = readCommandLine(argc, argv.data());
    QVERIFY(std::holds_alternative<Options>(options));
    QCOMPARE(std::get<Options>(options).moves, moves);
}

QTEST_MAIN(TestCommandLine)
#include "tst_commandline.moc"
