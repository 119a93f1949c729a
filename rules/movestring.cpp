// SPDX-License-Identifier: GPL-3.0-or-later
#include "movestring.h"

#include "rules/drop.h"
#include "rules/lines.h"

namespace game {

QString moveString(const QList<int>& moves)
{
    QString digits;
    for (const int c : moves)
        digits += QChar(u'0' + c);
    return digits;
}

std::variant<QList<int>, MoveStringFault> readMoveString(const QString& digits)
{
    using Kind = MoveStringFault::Kind;
    // Characters, not UTF-16 units: a character outside the Basic
    // Multilingual Plane is one move at fault, named whole.
    QList<QString> characters;
    for (const uint code : digits.toUcs4()) {
        const auto character = static_cast<char32_t>(code);
        characters << QString::fromUcs4(&character, 1);
    }

    QList<int> moves;
    Cells cells{};
    Heights height{};
    Flags winner{};
    for (const QString& character : characters) {
        const int move = static_cast<int>(moves.size()) + 1;
        // Only a string whose first 42 moves all play gets this far: any
        // earlier fault is the one named.
        if (moves.size() == holes)
            return MoveStringFault{ Kind::tooLong, move, character };
        const int c = character.size() == 1 ? character[0].unicode() - u'0' : 0;
        if (c < 1 || c > columns)
            return MoveStringFault{ Kind::notAColumn, move, character };
        if (winner[1] || winner[2])
            return MoveStringFault{ Kind::gameOver, move, character };
        if (isColumnFull(height, c))
            return MoveStringFault{ Kind::columnFull, move, character };
        // Players alternate from whoever plays the first disc; which of
        // the two that is does not matter to where a line forms.
        dropDisc(cells, height, c, 1 + static_cast<int>(moves.size() % 2));
        moves << c;
        scanLines(cells, winner);
    }
    if (winner[1] || winner[2] || isBoardFull(height))
        return MoveStringFault{ Kind::endsGame, static_cast<int>(moves.size()), characters.last() };
    return moves;
}

} // namespace game
