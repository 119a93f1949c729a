// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

#include <cstddef>
#include <string>
#include <string_view>

// Text from outside the program (a command-line argument, a line of a
// file, an environment variable) quoted in a message: printed as it is, a
// control character in it could move the terminal's cursor, set its title
// or clear the screen, and a NUL would end the message early. Quoted
// through these, every character that is not printable shows as its code,
// U+001B for ESC, a byte that is no part of a UTF-8 character as its value,
// \xFF, and a long text by its start.
namespace quote {

// Enough characters of a quoted text to tell which it is.
inline constexpr std::size_t MostShown = 40;
// What follows a text cut short.
inline constexpr std::string_view Ellipsis = "...";

// The text with every character that is not printable (a control character
// such as ESC, NUL, a tab or a line break, DEL, a format character such as
// a direction override, one not assigned yet, half a surrogate pair) as its
// code, U+001B; the rest as it is.
QString printable(QStringView text);
// Its first `most` characters so, followed by the ellipsis when more follow.
QString printableStart(QStringView text, std::size_t most = MostShown);

// The same of bytes read as UTF-8, in UTF-8: a byte that is no part of a
// UTF-8 character (a stray continuation byte, an overlong form, a
// surrogate, a character cut short) as its value, \xFF.
std::string printable(std::string_view bytes);
std::string printableStart(std::string_view bytes, std::size_t most = MostShown);

// How many characters the bytes hold as printable() reads them, a byte
// that is no part of a character counting as one.
std::size_t characterCount(std::string_view bytes);
// The bytes of their first `most` characters.
std::string_view firstCharacters(std::string_view bytes, std::size_t most);

} // namespace quote
