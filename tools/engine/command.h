// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCommandLineParser>
#include <QStringList>

#include <charconv>
#include <concepts>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace tool {

// A command line that cannot run as given. The message names the option
// at fault and what it accepts; the tool exits with status 2, having
// written nothing.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class Need { optional, required };

// A whole number written in decimal digits alone, as from_chars reads it,
// into `number`; false when the text is anything else or out of its type's range.
template <std::integral Number>
bool readWholeNumber(const std::string& text, Number& number)
{
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    return error == std::errc() && end == text.data() + text.size();
}

// As much of a text as an error needs to show which it is, however long
// the text: its first few dozen characters, then an ellipsis and its
// length. Whatever a terminal would act on, a control character or a byte
// that is no UTF-8 character, shows as its code (quote::printable), so that
// a message quotes any input safely, NUL and all, and goes on to its reason.
std::string startOf(const std::string& text);
// The same, with those characters in double quotes.
std::string quotedStart(const std::string& text);
// A file's name as a message shows it: whole, as far as a path can be long,
// what a terminal would act on as its code.
std::string shownPath(const std::string& path);

// One subcommand's command line, read by QCommandLineParser. Each option
// is declared in one line with the variable it sets, what it accepts and
// what it means; the variable's value before reading is the default. An
// unknown option, an option given twice, a missing, malformed or
// out-of-range value and a stray word are UsageErrors; --help lists the
// options with their bounds and defaults.
class Command {
public:
    Command(std::string name, std::string summary, QStringList words);

    const std::string& name() const { return m_name; }
    const std::string& summary() const { return m_summary; }

    // A whole number from `least` to `most`.
    template <std::integral Number>
    void number(const char* option, const char* meaning, Number& value, Number least, Number most)
    {
        const std::string accepted = "a whole number from " + std::to_string(least) + " to " + std::to_string(most);
        declare(option, "N", described(meaning, accepted, std::to_string(value)), accepted, Need::optional,
                [=, &value](const std::string& text) {
            Number read{};
            if (!readWholeNumber(text, read) || read < least || read > most)
                refuseValue(option, accepted, text);
            value = read;
        });
    }
    // A file's name.
    void file(const char* option, const char* meaning, std::string& value, Need need = Need::optional);
    // Yes or no.
    void yesNo(const char* option, const char* meaning, bool& value);
    // One or more of `allowed`, separated by commas.
    void listOf(const char* option, const char* meaning, std::vector<std::string>& values,
                const std::vector<std::string>& allowed);
    // Part K of N, written K/N, with 1 <= K <= N.
    void shard(const char* option, const char* meaning, int& shard, int& shards);
    // An option without a value: true when given.
    void flag(const char* option, const char* meaning, bool& value);
    // The words that are not options: from `least` to `most` of them.
    void words(const char* valueName, const char* meaning, std::vector<std::string>& values, int least, int most);

    // Reads the command line into the variables declared: true when the
    // command is to run, false when it was asked for its --help, which is
    // then printed on standard output. Throws UsageError.
    bool read();

    // Refuses the command line for a fault found once it was read, such as
    // options that do not go together or a file that cannot be used.
    [[noreturn]] void refuse(const std::string& fault) const;

private:
    using Reader = std::function<void(const std::string& text)>;
    void declare(const char* option, const char* valueName, const std::string& description,
                 const std::string& accepted, Need need, Reader reader);
    // What --help says of an option: its meaning, the values it accepts
    // and its default.
    static std::string described(const char* meaning, const std::string& accepted, const std::string& fallback);
    [[noreturn]] static void refuseValue(const char* option, const std::string& accepted, const std::string& text);
    [[noreturn]] void refuseParse() const;
    std::string helpText() const;

    struct Declared {
        std::string option;
        std::string accepted;
        Need need;
        Reader reader;
    };

    std::string m_name;
    std::string m_summary;
    QStringList m_words;
    QCommandLineParser m_parser;
    std::vector<Declared> m_declared;
    std::vector<std::string>* m_positional = nullptr;
    int m_leastWords = 0, m_mostWords = 0;
    std::string m_wordsName;
    std::string m_wordsSyntax;
};

} // namespace tool
