// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandline.h"

#include "quote/quote.h"
#include "rules/movestring.h"
#include "runtime/translations.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace {

// Qt's own options, which the application object takes off the line:
// accepted here so that they are not mistaken for unknown ones, in the
// forms Qt reads. Qt reads the value of most only as the next word, and
// would leave "-platform=offscreen" on the line unheeded: that is refused.
const QStringList qtOptionsWithValueApart{ "platform",     "platformpluginpath", "platformtheme", "plugin",
                                           "qwindowgeometry", "geometry",        "qwindowicon",   "qwindowtitle",
                                           "title",        "session",            "display",       "name" };
// These Qt reads after an equals sign as well.
const QStringList qtOptionsWithValueJoinedToo{ "style", "stylesheet", "qmljsdebugger" };
const QStringList qtFlags{ "reverse", "widgetcount", "sync", "nograb", "dograb" };

// In the order of engine::Level.
const QStringList levelNames{ "easy", "medium", "hard" };

enum class Verdict {
    play,
    help,
    version,
    unknownOption,
    missingValue,
    unexpectedValue,
    valueNotApart,
    strayArgument,
    unknownLevel,
    unplayableMoves
};

struct Reading {
    Verdict verdict = Verdict::play;
    QString culprit; // the argument at fault, as given
    Options options;
    game::MoveStringFault movesFault{}; // what is wrong with --moves
};

bool isComputerOption(const QString& argument)
{
    return argument == u"--computer" || argument == u"-computer";
}

// --computer takes its level after an equals sign, or none: then it plays
// medium. A level given as the next word is taken too, and judged as a level.
// After "--" every argument is a plain word, as typed.
QStringList withComputerLevelSpelledOut(QStringList arguments)
{
    for (qsizetype i = 1; i < arguments.size() && arguments[i] != u"--"; ++i) {
        if (!isComputerOption(arguments[i]))
            continue;
        if (i + 1 < arguments.size() && !arguments[i + 1].startsWith(u'-'))
            arguments[i] += u'=' + arguments.takeAt(i + 1);
        else
            arguments[i] += QStringLiteral("=medium");
    }
    return arguments;
}

// The argument that named an option, as written on the line.
QString argumentNaming(const QStringList& arguments, const QString& name)
{
    for (const QString& argument : arguments.mid(1)) {
        const QString spelled = argument.section(u'=', 0, 0);
        if (spelled.startsWith(u'-') && QStringView(spelled).mid(spelled.startsWith(u"--") ? 2 : 1) == name)
            return spelled;
    }
    return name;
}

// The first argument that gives one of these options a value after an
// equals sign, as in --help=3; empty when there is none.
QString givenWithEquals(const QStringList& arguments, const QStringList& names)
{
    for (const QString& argument : arguments.mid(1)) {
        if (argument == u"--")
            break;
        const QString spelled = argument.section(u'=', 0, 0);
        const QString name = spelled.mid(spelled.startsWith(u"--") ? 2 : 1);
        if (argument.startsWith(u'-') && argument.contains(u'=') && names.contains(name))
            return argument;
    }
    return {};
}

// A name for what a missing value follows: the last option on the line.
QString lastOption(const QStringList& arguments)
{
    for (qsizetype i = arguments.size() - 1; i > 0; --i)
        if (arguments[i].startsWith(u'-'))
            return arguments[i];
    return {};
}

Reading read(const QStringList& given)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{ "h", "help" });
    const QCommandLineOption version(QStringList{ "v", "version" });
    const QCommandLineOption computer("computer", {}, "LEVEL");
    const QCommandLineOption moves("moves", {}, "MOVES");
    parser.addOptions({ help, version, computer, moves });
    for (const QString& name : qtOptionsWithValueApart + qtOptionsWithValueJoinedToo)
        parser.addOption(QCommandLineOption(name, {}, "VALUE"));
    for (const QString& name : qtFlags)
        parser.addOption(QCommandLineOption(name));

    const QStringList arguments = withComputerLevelSpelledOut(given);
    Reading reading;
    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty())
            return { Verdict::unknownOption, argumentNaming(given, unknown.first()), {} };
        const QString flag = givenWithEquals(given, QStringList{ "h", "help", "v", "version" } + qtFlags);
        if (!flag.isEmpty())
            return { Verdict::unexpectedValue, flag.section(u'=', 0, 0), {} };
        return { Verdict::missingValue, lastOption(given), {} };
    }
    const QString notApart = givenWithEquals(given, qtOptionsWithValueApart);
    if (!notApart.isEmpty())
        return { Verdict::valueNotApart, notApart, {} };
    if (parser.isSet(help))
        return { Verdict::help, {}, {} };
    if (parser.isSet(version))
        return { Verdict::version, {}, {} };
    if (!parser.positionalArguments().isEmpty())
        return { Verdict::strayArgument, parser.positionalArguments().first(), {} };
    if (parser.isSet(computer)) {
        const QString level = parser.value(computer);
        const qsizetype index = levelNames.indexOf(level);
        if (index < 0)
            return { Verdict::unknownLevel, level, {} };
        reading.options.computer = static_cast<engine::Level>(index);
    }
    if (parser.isSet(moves)) {
        const auto played = game::readMoveString(parser.value(moves));
        if (const auto* fault = std::get_if<game::MoveStringFault>(&played))
            return { Verdict::unplayableMoves, {}, {}, *fault };
        reading.options.moves = std::get<QList<int>>(played);
    }
    return reading;
}

// Texts are looked up in the "CommandLine" context of the translations.
class CommandLineText {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    static QString help()
    {
        return tr("Usage: vantrel [--computer[=LEVEL]] [--moves=MOVES] [Qt options]\n"
                  "A board game: drop discs in turn and be the first to line up four.\n"
                  "\n"
                  "Options:\n"
                  "  -h, --help          Show this help and exit.\n"
                  "  -v, --version       Show the version and exit.\n"
                  "  --computer[=LEVEL]  Play against the computer, which plays blue.\n"
                  "                      LEVEL is easy, medium (the default) or hard;\n"
                  "                      hard plays perfectly.\n"
                  "  --moves=MOVES       Start from the position these moves reach: the\n"
                  "                      columns played, 1 to 7, in order, as in 4453.\n"
                  "                      Against the computer you play the side to move.\n"
                  "\n"
                  "Qt's own options, such as -platform NAME, -style NAME and -reverse,\n"
                  "are accepted too.\n"
                  "\n"
                  "Playing: click a hole, or press 1 to 7, to drop a disc in that column.\n"
                  "Ctrl+Z or Backspace takes a move back and Ctrl+Y plays it again;\n"
                  "Ctrl+C copies the moves; H shows a hint; A shows what each column\n"
                  "leads to; T shows the threats. The right button, the Menu key or\n"
                  "Shift+F10 opens a menu with all of them. F1 lists every key and what\n"
                  "each mark on the board means.\n");
    }

    static QString complaint(const Reading& reading)
    {
        const QString culprit = quote::printableStart(reading.culprit);
        switch (reading.verdict) {
        case Verdict::unknownOption:
            return tr("vantrel: unknown option '%1'").arg(culprit) + u'\n' + tryHelp();
        case Verdict::missingValue:
            return tr("vantrel: option '%1' needs a value").arg(culprit) + u'\n' + tryHelp();
        case Verdict::unexpectedValue:
            return tr("vantrel: option '%1' takes no value").arg(culprit) + u'\n' + tryHelp();
        case Verdict::valueNotApart:
            return tr("vantrel: Qt's option '%1' is written with a space: '%2 %3'")
                       .arg(culprit, quote::printableStart(reading.culprit.section(u'=', 0, 0)),
                            quote::printableStart(reading.culprit.section(u'=', 1)))
                + u'\n';
        case Verdict::strayArgument:
            return tr("vantrel: unexpected argument '%1'").arg(culprit) + u'\n' + tryHelp();
        case Verdict::unknownLevel:
            return tr("vantrel: unknown level '%1' for --computer: choose easy, medium or hard").arg(culprit)
                + u'\n';
        case Verdict::unplayableMoves:
            return movesComplaint(reading.movesFault) + u'\n' + tryHelp();
        default:
            return {};
        }
    }

private:
    static QString movesComplaint(const game::MoveStringFault& fault)
    {
        using Kind = game::MoveStringFault::Kind;
        const QString move = QString::number(fault.move);
        // A control character could move the terminal's cursor, or worse.
        const QString character = quote::printable(fault.character);
        switch (fault.kind) {
        case Kind::tooLong:
            return tr("vantrel: --moves: move %1, '%2', is one more than the board's %3 holes")
                .arg(move, character, QString::number(fault.move - 1));
        case Kind::notAColumn:
            return tr("vantrel: --moves: move %1, '%2', is not a column from 1 to 7").arg(move, character);
        case Kind::columnFull:
            return tr("vantrel: --moves: move %1 is in column %2, which is full").arg(move, character);
        case Kind::gameOver:
            return tr("vantrel: --moves: move %1, in column %2, comes after four in a line ended the game")
                .arg(move, character);
        case Kind::endsGame:
            return tr("vantrel: --moves: move %1, in column %2, ends the game, which leaves nothing to play")
                .arg(move, character);
        }
        return {};
    }

    static QString tryHelp() { return tr("Try 'vantrel --help' for more information.") + u'\n'; }
};

void print(std::FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

} // namespace

std::variant<Options, int> readCommandLine(int& argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const Reading reading = read(arguments);
    if (reading.verdict == Verdict::play)
        return reading.options;

    // The replies are translated, which takes an application object; one
    // without a user interface needs no display.
    const QCoreApplication application(argc, argv);
    const runtime::Translations translations;
    switch (reading.verdict) {
    case Verdict::help:
        print(stdout, CommandLineText::help());
        return 0;
    case Verdict::version:
        print(stdout, QStringLiteral("vantrel " VANTREL_VERSION "\n"));
        return 0;
    default:
        print(stderr, CommandLineText::complaint(reading));
        return 2;
    }
}
