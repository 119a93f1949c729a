// SPDX-License-Identifier: GPL-3.0-or-later
#include "command.h"

#include "quote/quote.h"

#include <climits>

#include <algorithm>
#include <cstdio>

namespace tool {

namespace {

QString qt(const std::string& text)
{
    return QString::fromStdString(text);
}

// How the command line spells an option: --depth, or -h for a letter.
std::string spelled(const QString& option)
{
    return (option.size() == 1 ? "-" : "--") + option.toStdString();
}

std::vector<std::string> split(const std::string& text, char separator)
{
    std::vector<std::string> parts(1);
    for (const char c : text) {
        if (c == separator)
            parts.emplace_back();
        else
            parts.back() += c;
    }
    return parts;
}

std::string joined(const std::vector<std::string>& words, const std::string& last)
{
    std::string text;
    for (std::size_t i = 0; i < words.size(); ++i)
        text += (i == 0 ? "" : i + 1 == words.size() ? last : ", ") + words[i];
    return text;
}

} // namespace

namespace {

// The first characters of a text, what a terminal would act on as its code.
std::string shownStart(const std::string& text)
{
    return quote::printable(quote::firstCharacters(text, quote::MostShown));
}

std::string lengthOf(const std::string& text)
{
    const std::size_t characters = quote::characterCount(text);
    return characters > quote::MostShown
               ? std::string(quote::Ellipsis) + " (" + std::to_string(characters) + " characters)"
               : "";
}

// No path longer than this can be opened.
constexpr std::size_t MostPathCharacters = PATH_MAX;

} // namespace

std::string startOf(const std::string& text)
{
    return shownStart(text) + lengthOf(text);
}

std::string quotedStart(const std::string& text)
{
    return '"' + shownStart(text) + '"' + lengthOf(text);
}

std::string shownPath(const std::string& path)
{
    return quote::printableStart(path, MostPathCharacters);
}

Command::Command(std::string name, std::string summary, QStringList words)
    : m_name(std::move(name))
    , m_summary(std::move(summary))
    , m_words(std::move(words))
{
    // -table-mib reads as --table-mib, not as -t -a -b...: an error then
    // names the whole word.
    m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    m_parser.setApplicationDescription(qt(m_summary));
    m_parser.addOption(QCommandLineOption({ "h", "help" }, "Show these options and exit."));
}

std::string Command::described(const char* meaning, const std::string& accepted, const std::string& fallback)
{
    return std::string(meaning) + ": " + accepted + (fallback.empty() ? "" : " (default " + fallback + ")");
}

void Command::declare(const char* option, const char* valueName, const std::string& description,
                      const std::string& accepted, Need need, Reader reader)
{
    m_parser.addOption(QCommandLineOption(option, qt(description + '.'), valueName));
    m_declared.push_back({ option, accepted, need, std::move(reader) });
}

void Command::file(const char* option, const char* meaning, std::string& value, Need need)
{
    const std::string description = meaning + (need == Need::required ? std::string(" (required)")
                                               : value.empty()        ? std::string()
                                                                      : " (default " + value + ")");
    declare(option, "FILE", description, "a file's name", need, [option, &value](const std::string& text) {
        if (text.empty())
            refuseValue(option, "a file's name", text);
        value = text;
    });
}

void Command::yesNo(const char* option, const char* meaning, bool& value)
{
    declare(option, "yes|no", described(meaning, "yes or no", value ? "yes" : "no"), "yes or no", Need::optional,
            [option, &value](const std::string& text) {
                if (text != "yes" && text != "no")
                    refuseValue(option, "yes or no", text);
                value = text == "yes";
            });
}

void Command::listOf(const char* option, const char* meaning, std::vector<std::string>& values,
                     const std::vector<std::string>& allowed)
{
    std::string fallback;
    for (const std::string& v : values)
        fallback += (fallback.empty() ? "" : ",") + v;
    const std::string accepted = "one or more of " + joined(allowed, " and ") + ", separated by commas";
    declare(option, "LIST", described(meaning, accepted, fallback), accepted, Need::optional,
            [option, accepted, allowed, &values](const std::string& text) {
                values = split(text, ',');
                for (const std::string& v : values)
                    if (std::find(allowed.begin(), allowed.end(), v) == allowed.end())
                        refuseValue(option, accepted, text);
            });
}

void Command::shard(const char* option, const char* meaning, int& shard, int& shards)
{
    const std::string accepted = "K/N, whole numbers with 1 <= K <= N, as in 2/6";
    declare(option, "K/N", described(meaning, accepted, std::to_string(shard) + '/' + std::to_string(shards)),
            accepted, Need::optional,
            [option, accepted, &shard, &shards](const std::string& text) {
                const std::vector<std::string> parts = split(text, '/');
                int k = 0, n = 0;
                if (parts.size() != 2 || !readWholeNumber(parts[0], k) || !readWholeNumber(parts[1], n) || k < 1
                    || k > n)
                    refuseValue(option, accepted, text);
                shard = k;
                shards = n;
            });
}

void Command::flag(const char* option, const char* meaning, bool& value)
{
    m_parser.addOption(QCommandLineOption(option, qt(std::string(meaning) + '.')));
    m_declared.push_back({ option, {}, Need::optional, [&value](const std::string&) { value = true; } });
}

void Command::words(const char* valueName, const char* meaning, std::vector<std::string>& values, int least,
                    int most)
{
    m_wordsName = valueName;
    m_wordsSyntax = least == 0 ? "[" + m_wordsName + "]" : m_wordsName + "...";
    m_parser.addPositionalArgument(valueName, meaning, qt(m_wordsSyntax));
    m_positional = &values;
    m_leastWords = least;
    m_mostWords = most;
}

bool Command::read()
{
    if (!m_parser.parse(QStringList{ qt("vantrel-engine " + m_name) } + m_words))
        refuseParse();
    if (m_parser.isSet("help")) {
        std::printf("%s", helpText().c_str());
        return false;
    }
    for (const Declared& d : m_declared) {
        const QStringList values = m_parser.values(qt(d.option));
        const bool given = m_parser.isSet(qt(d.option));
        if (values.size() > 1)
            refuse(spelled(qt(d.option)) + " is given more than once");
        if (given)
            d.reader(values.isEmpty() ? std::string() : values.front().toStdString());
        else if (d.need == Need::required)
            refuse(spelled(qt(d.option)) + " is required: " + d.accepted);
    }
    const QStringList positional = m_parser.positionalArguments();
    const auto count = static_cast<int>(positional.size());
    if (count > m_mostWords)
        refuse("unexpected word " + quotedStart(positional[m_mostWords].toStdString())
               + (m_mostWords == 0 ? "; this command takes options only" : ""));
    if (count < m_leastWords)
        refuse("at least " + std::to_string(m_leastWords) + ' ' + m_wordsName + " is needed");
    if (m_positional != nullptr)
        for (const QString& word : positional)
            m_positional->push_back(word.toStdString());
    return true;
}

void Command::refuse(const std::string& fault) const
{
    throw UsageError(fault);
}

void Command::refuseValue(const char* option, const std::string& accepted, const std::string& text)
{
    throw UsageError(spelled(option) + " takes " + accepted + ", not " + quotedStart(text));
}

// QCommandLineParser names an unknown option, or says which option lacks
// its value in a text of its own; a value missing can only be the last
// word's, and what it should have been is known here.
void Command::refuseParse() const
{
    const QStringList unknown = m_parser.unknownOptionNames();
    if (!unknown.isEmpty())
        refuse("unknown option " + startOf(spelled(unknown.front())));
    const QString last = m_words.isEmpty() ? QString() : m_words.back();
    for (const Declared& d : m_declared)
        if (!d.accepted.empty() && (last == qt("--" + d.option) || last == qt("-" + d.option)))
            refuse(spelled(qt(d.option)) + " needs a value: " + d.accepted);
    refuse(m_parser.errorText().toStdString());
}

// Qt's help with the command's own usage line.
std::string Command::helpText() const
{
    const QString qtText = m_parser.helpText();
    const std::string usage = "Usage: vantrel-engine " + m_name + " [options]"
                              + (m_wordsSyntax.empty() ? "" : ' ' + m_wordsSyntax);
    return usage + qtText.mid(qtText.indexOf(u'\n')).toStdString();
}

} // namespace tool
