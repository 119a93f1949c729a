// SPDX-License-Identifier: GPL-3.0-or-later
#include "quote.h"

#include <QChar>

namespace quote {

namespace {

// One character of UTF-8 text, or a byte that is none.
struct Decoded {
    char32_t code = 0;
    std::size_t length = 1; // its bytes
    bool valid = false;
};

bool isContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// The character that starts at `at`. Overlong forms, surrogates and codes
// beyond U+10FFFF are no characters: their first byte is taken alone, as
// invalid, and reading goes on from the next.
Decoded decodedAt(std::string_view bytes, std::size_t at)
{
    const auto lead = static_cast<unsigned char>(bytes[at]);
    if (lead < 0x80)
        return { lead, 1, true };
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
    if (length == 0 || lead > 0xF4 || at + length > bytes.size())
        return { lead, 1, false };
    char32_t code = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(bytes[at + i]);
        if (!isContinuation(byte))
            return { lead, 1, false };
        code = (code << 6) | (byte & 0x3F);
    }
    constexpr char32_t leastOfLength[] = { 0, 0, 0x80, 0x800, 0x10000 };
    if (code < leastOfLength[length] || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF)
        return { lead, 1, false };
    return { code, length, true };
}

QString codeOf(char32_t code)
{
    return QStringLiteral("U+%1").arg(static_cast<uint>(code), 4, 16, QChar(u'0')).toUpper();
}

std::string byteValue(char32_t byte)
{
    return "\\x" + QStringLiteral("%1").arg(static_cast<uint>(byte), 2, 16, QChar(u'0')).toUpper().toStdString();
}

// The character as printable() shows it, UTF-16 or UTF-8.
QString shown(char32_t code)
{
    return QChar::isPrint(code) ? QString::fromUcs4(&code, 1) : codeOf(code);
}

// The characters of UTF-16 text, a lone surrogate one of its own.
template <typename Visit>
void forEachCharacter(QStringView text, Visit visit)
{
    for (qsizetype i = 0; i < text.size();) {
        const bool pair = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        visit(pair ? QChar::surrogateToUcs4(text[i], text[i + 1]) : char32_t{ text[i].unicode() });
        i += pair ? 2 : 1;
    }
}

} // namespace

QString printable(QStringView text)
{
    QString shownText;
    shownText.reserve(text.size());
    forEachCharacter(text, [&](char32_t code) { shownText += shown(code); });
    return shownText;
}

QString printableStart(QStringView text, std::size_t most)
{
    QString shownText;
    std::size_t characters = 0;
    forEachCharacter(text, [&](char32_t code) {
        if (characters++ < most)
            shownText += shown(code);
    });
    return characters > most ? shownText + QLatin1StringView(Ellipsis) : shownText;
}

std::string printable(std::string_view bytes)
{
    std::string shownText;
    shownText.reserve(bytes.size());
    for (std::size_t at = 0; at < bytes.size();) {
        const Decoded d = decodedAt(bytes, at);
        shownText += d.valid ? shown(d.code).toStdString() : byteValue(d.code);
        at += d.length;
    }
    return shownText;
}

std::string printableStart(std::string_view bytes, std::size_t most)
{
    const std::string_view start = firstCharacters(bytes, most);
    return printable(start) + std::string(start.size() < bytes.size() ? Ellipsis : "");
}

std::size_t characterCount(std::string_view bytes)
{
    std::size_t characters = 0;
    for (std::size_t at = 0; at < bytes.size(); at += decodedAt(bytes, at).length)
        ++characters;
    return characters;
}

std::string_view firstCharacters(std::string_view bytes, std::size_t most)
{
    std::size_t at = 0;
    for (std::size_t characters = 0; at < bytes.size() && characters < most; ++characters)
        at += decodedAt(bytes, at).length;
    return bytes.substr(0, at);
}

} // namespace quote
