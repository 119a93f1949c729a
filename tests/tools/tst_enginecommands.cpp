// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/process.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QStringList commands{ "solve", "bench", "book", "merge", "verify", "lines", "tournament", "timing", "latency" };

// The tool run in an empty folder of its own, which shows what it wrote.
struct ToolRun {
    Run run;
    QStringList written;
};

ToolRun runTool(const QStringList& arguments)
{
    QTemporaryDir folder;
    const Run run = runToEnd(VANTREL_ENGINE_TOOL, arguments, QProcessEnvironment::systemEnvironment(), folder.path());
    return { run, QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden) };
}

QString part()
{
    return VANTREL_DATA_DIR "/book/8-1-of-6.book";
}

// The tool copied alone into a folder of its own, at the place in it from
// which it looks for the shipped book where it was built.
struct ToolCopy {
    ToolCopy()
    {
        const QFileInfo tool(VANTREL_ENGINE_TOOL);
        const QString fromTool = tool.dir().relativeFilePath(VANTREL_DATA_DIR "/engine.book");
        path = tree.filePath(QString("d/").repeated(fromTool.count("../")) + tool.fileName());
        book = QDir::cleanPath(QFileInfo(path).path() + '/' + fromTool);
        if (!QDir().mkpath(QFileInfo(path).path()) || !QFile::copy(tool.filePath(), path))
            qFatal("cannot copy the tool");
    }

    QTemporaryDir tree;
    QString path; // the copy
    QString book; // where it looks for the shipped book
};

} // namespace

// vantrel-engine's command lines, run as a maintainer types them: each
// command's --help, and every kind of mistake, which must name the option
// at fault and what it accepts, exit with status 2 and write nothing.
class TestEngineCommands : public QObject {
    Q_OBJECT

private slots:
    void helpGoesToStandardOutput_data();
    void helpGoesToStandardOutput();
    void badCommandLinesAreRefused_data();
    void badCommandLinesAreRefused();
    void solvingAFinishedGameFails();
    void theDefaultBookIsTheOneBesideTheTool_data();
    void theDefaultBookIsTheOneBesideTheTool();
    void verifySaysWhichBookItRead();
};

void TestEngineCommands::helpGoesToStandardOutput_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("usage");
    QTest::newRow("--help") << QStringList{ "--help" } << "Usage: vantrel-engine COMMAND";
    QTest::newRow("-h") << QStringList{ "-h" } << "Usage: vantrel-engine COMMAND";
    for (const QString& command : commands)
        for (const QString& help : QStringList{ "--help", "-h" })
            QTest::addRow("%s %s", qPrintable(command), qPrintable(help))
                << QStringList{ command, help } << "Usage: vantrel-engine " + command + " [options]";
}

void TestEngineCommands::helpGoesToStandardOutput()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, usage);
    const ToolRun r = runTool(arguments);
    QCOMPARE(r.run.status, 0);
    QVERIFY2(r.run.output.startsWith(usage), qPrintable(r.run.output));
    QCOMPARE(r.run.errorOutput, QString());
}

void TestEngineCommands::badCommandLinesAreRefused_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("fault"); // what the message must say, the option or word at fault first

    QTest::newRow("no command") << QStringList{} << "Usage: vantrel-engine COMMAND";
    QTest::newRow("an unknown command") << QStringList{ "bok" } << "unknown command \"bok\"";
    // Typos, which once fell back on defaults: a whole layer searched, or
    // the shipped book overwritten.
    QTest::newRow("--outptu") << QStringList{ "merge", "--depth", "8", "--outptu", "x.book", part() }
                              << "unknown option --outptu";
    QTest::newRow("--line") << QStringList{ "merge", "--line", "lines.book", "--output", "x.book", part() }
                            << "unknown option --line";
    QTest::newRow("--dpeth") << QStringList{ "book", "--dpeth", "2", "--output", "x.book" } << "unknown option --dpeth";
    QTest::newRow("--gmaes") << QStringList{ "tournament", "--gmaes", "1" } << "unknown option --gmaes";
    QTest::newRow("--tabel-mib") << QStringList{ "tournament", "--tabel-mib", "8" } << "unknown option --tabel-mib";
    QTest::newRow("a stray word") << QStringList{ "tournament", "5" } << "unexpected word \"5\"";
    QTest::newRow("a flag given a value") << QStringList{ "merge", "--force=yes", "--output", "x.book", part() }
                                          << "--force";
    QTest::newRow("an option twice") << QStringList{ "book", "--depth", "8", "--depth", "9", "--output", "x.book" }
                                     << "--depth is given more than once";
    // Missing values.
    QTest::newRow("a value missing") << QStringList{ "book", "--output", "x.book", "--depth" }
                                     << "--depth needs a value: a whole number from 0 to 12";
    QTest::newRow("no --output") << QStringList{ "merge", "--depth", "8", part() } << "--output is required";
    QTest::newRow("no part") << QStringList{ "merge", "--output", "x.book" } << "at least 1 PART";
    // Values out of range.
    for (const QString& command : QStringList{ "solve", "bench", "verify", "tournament", "timing", "latency" })
        QTest::addRow("%s --table-mib -1", qPrintable(command))
            << QStringList{ command, "--table-mib", "-1" } << "--table-mib takes a whole number from 1 to";
    QTest::newRow("a table of 16 EiB") << QStringList{ "solve", "4453", "--table-mib", "17592186044416" }
                                       << "--table-mib takes a whole number from 1 to";
    QTest::newRow("tables beyond the machine's memory")
        << QStringList{ "book", "--output", "x.book", "--threads", "1024", "--table-mib", "1024" }
        << "--threads 1024 with --table-mib 1024 need 1048576 MiB";
    for (const QString& depth : QStringList{ "-1", "13", "20", "43", "100" })
        QTest::addRow("book --depth %s", qPrintable(depth))
            << QStringList{ "book", "--output", "x.book", "--depth", depth }
            << "--depth takes a whole number from 0 to 12, not \"" + depth + '"';
    QTest::newRow("lines --depth 0") << QStringList{ "lines", "--output", "x.book", "--depth", "0" }
                                     << "--depth takes a whole number from 1 to 16";
    for (const QString& shard : QStringList{ "0/6", "7/6", "2", "1/2/3", "a/6", "" })
        QTest::addRow("--shard %s", qPrintable(shard)) << QStringList{ "book", "--output", "x.book", "--shard", shard }
                                                        << "--shard takes K/N, whole numbers with 1 <= K <= N";
    QTest::newRow("lines --threads 0") << QStringList{ "lines", "--output", "x.book", "--threads", "0" }
                                       << "--threads takes a whole number from 1 to 1024";
    for (const char* command : { "bench", "latency" })
        for (const char* threads : { "0", "9" })
            QTest::addRow("%s --threads %s", command, threads) << QStringList{ command, "--threads", threads }
                                                               << "--threads takes a whole number from 1 to 8";
    QTest::newRow("timing --games 0") << QStringList{ "timing", "--games", "0" }
                                      << "--games takes a whole number from 1 to 1000000";
    QTest::newRow("tournament --games -1") << QStringList{ "tournament", "--games", "-1" }
                                           << "--games takes a whole number from 1 to 1000000";
    QTest::newRow("latency --from-discs 43") << QStringList{ "latency", "--from-discs", "43" }
                                             << "--from-discs takes a whole number from 0 to 42";
    QTest::newRow("latency --pace -1") << QStringList{ "latency", "--pace", "-1" }
                                       << "--pace takes a whole number from 0 to 60000";
    QTest::newRow("--pairings eazy") << QStringList{ "tournament", "--pairings", "eazy" }
                                     << "--pairings takes one or more of easy, medium and hard";
    QTest::newRow("--pairings easy,") << QStringList{ "tournament", "--pairings", "easy," } << "--pairings takes";
    // Malformed values.
    QTest::newRow("--table-mib 5abc") << QStringList{ "bench", "--table-mib", "5abc" } << "--table-mib takes a whole number";
    QTest::newRow("--seed -1") << QStringList{ "verify", "--seed", "-1" }
                               << "--seed takes a whole number from 0 to 18446744073709551615";
    QTest::newRow("--outcomes yse") << QStringList{ "latency", "--outcomes", "yse" } << "--outcomes takes yes or no";
    QTest::newRow("a move off the board") << QStringList{ "solve", "448" } << "MOVES: move 3 of \"448\"";
    // Input of any length is quoted by its start.
    const QString longText(100'000, u'4');
    QTest::newRow("100,000 moves") << QStringList{ "solve", longText }
                                   << "MOVES: \"" + longText.left(40) + "\"... (100000 characters) holds more moves";
    QTest::newRow("a long command") << QStringList{ longText } << "unknown command \"" + longText.left(40) + "\"...";
    QTest::newRow("a long option") << QStringList{ "bench", "--" + longText }
                                   << "unknown option --" + longText.left(38) + "...";
    QTest::newRow("a long value") << QStringList{ "bench", "--table-mib", longText }
                                  << "not \"" + longText.left(40) + "\"...";
    QTest::newRow("two positions") << QStringList{ "solve", "4", "4" } << "unexpected word \"4\"";
    // What a terminal would act on, quoted by its code: ESC sets its title
    // or clears it, BEL rings.
    QTest::newRow("moves that set the title") << QStringList{ "solve", "\x1b]0;PWN\a4" }
                                              << "MOVES: move 1 of \"U+001B]0;PWNU+00074\" is not a column 1 to 7";
    QTest::newRow("a command that clears the screen") << QStringList{ "\x1b[2Jbook" }
                                                      << "unknown command \"U+001B[2Jbook\"";
    QTest::newRow("an option that clears the screen") << QStringList{ "bench", "--x\x1b[2J" }
                                                      << "unknown option --xU+001B[2J";
    QTest::newRow("a value that rings") << QStringList{ "bench", "--table-mib", "5\a" } << "not \"5U+0007\"";
    QTest::newRow("a word with a line break") << QStringList{ "tournament", "a\nb" } << "unexpected word \"aU+000Ab\"";
    QTest::newRow("a long word of controls") << QStringList{ "tournament", QString(1000, QChar(0x1b)) }
                                             << "unexpected word \"" + QString("U+001B").repeated(40)
                                                    + "\"... (1000 characters)";
    QTest::newRow("a file name that clears the screen")
        << QStringList{ "verify", "--book", "no\x1b[2J.book" } << "--book: cannot read noU+001B[2J.book: ";
    // Files that cannot be used, refused before any work.
    QTest::newRow("an output that cannot be written")
        << QStringList{ "book", "--output", "/proc/x.book", "--work", "ok.work" } << "--output: cannot write in /proc";
    // A missing folder is a slip of the keyboard, not one to make.
    QTest::newRow("an output in a missing folder")
        << QStringList{ "merge", "--output", "no/such/x.book", part() }
        << "--output: no/such/x.book is in a folder that does not exist, no/such";
    QTest::newRow("a part in a missing folder") << QStringList{ "book", "--depth", "1", "--output", "no/x.book" }
                                                << "--output: no/x.book is in a folder that does not exist, no";
    QTest::newRow("a work file in a missing folder")
        << QStringList{ "book", "--depth", "1", "--output", "x.book", "--work", "no/x.work" }
        << "--work: no/x.work is in a folder that does not exist, no";
    QTest::newRow("a book that is not there") << QStringList{ "lines", "--book", "missing.book", "--output", "x.book" }
                                              << "--book: cannot read missing.book";
    QTest::newRow("a file that is no book") << QStringList{ "tournament", "--book", VANTREL_DATA_DIR "/screenshot.png" }
                                    << "--book: " VANTREL_DATA_DIR "/screenshot.png: not an opening book";
}

void TestEngineCommands::badCommandLinesAreRefused()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, fault);
    const ToolRun r = runTool(arguments);
    QCOMPARE(r.run.status, 2);
    QVERIFY2(r.run.errorOutput.contains(fault), qPrintable(r.run.errorOutput.left(1000)));
    QVERIFY2(r.run.errorOutput.size() < 2000, "a refusal takes a few lines, whatever it quotes");
    QCOMPARE(r.run.output, QString());
    QCOMPARE(r.written, QStringList());
    for (const QChar c : r.run.errorOutput)
        QVERIFY2(c >= u' ' || c == u'\n', "a control character printed as it is");
}

void TestEngineCommands::solvingAFinishedGameFails()
{
    const ToolRun r = runTool({ "solve", "1212121" });
    QCOMPARE(r.run.status, 1);
    QVERIFY2(r.run.errorOutput.contains("the game is over"), qPrintable(r.run.errorOutput));
}

void TestEngineCommands::theDefaultBookIsTheOneBesideTheTool_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("otherwise"); // what the message offers instead
    QTest::newRow("verify") << QStringList{ "verify", "--sample", "0" } << "--book FILE names the book to check";
    QTest::newRow("tournament") << QStringList{ "tournament", "--games", "1" }
                                << "--book FILE names a book, --book none goes without";
    QTest::newRow("book") << QStringList{ "book", "--depth", "1", "--output", "x.book" }
                          << "--book FILE names a book, --book none goes without";
}

// The tool copied with its tree, elsewhere, the book left behind: it looks
// for the copy's book, never the one of the tree it was built in, and says
// that the book it looked for is the one it takes by default.
void TestEngineCommands::theDefaultBookIsTheOneBesideTheTool()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, otherwise);
    const ToolCopy copy;
    const Run r = runToEnd(copy.path, arguments, QProcessEnvironment::systemEnvironment(), copy.tree.path());
    QCOMPARE(r.status, 2);
    QVERIFY2(r.errorOutput.contains("--book: cannot read " + copy.book + ": "), qPrintable(r.errorOutput));
    QVERIFY2(r.errorOutput.contains("the shipped book, looked for from where the tool is; " + otherwise),
             qPrintable(r.errorOutput));
}

// A file that happens to be where the shipped book would be, one part of a
// layer here, is read, and verify says at once which it read and that it
// took it by default.
void TestEngineCommands::verifySaysWhichBookItRead()
{
    const ToolCopy copy;
    QVERIFY(QDir().mkpath(QFileInfo(copy.book).path()) && QFile::copy(part(), copy.book));
    const Run r = runToEnd(copy.path, { "verify", "--sample", "0" }, QProcessEnvironment::systemEnvironment());
    QCOMPARE(r.status, 1);
    QVERIFY2(r.output.startsWith("verify: " + copy.book + " (the shipped book, found from where the tool is; --book "
                                                          "names another), 15215 positions, complete to no depth, not "
                                                          "even the empty board;"),
             qPrintable(r.output));
}

QTEST_GUILESS_MAIN(TestEngineCommands)
#include "tst_enginecommands.moc"
