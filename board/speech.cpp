// SPDX-License-Identifier: GPL-3.0-or-later
#include "speech.h"

#include "board/layout.h"

#include <QStringList>

QString Speech::column(int c, int discs)
{
    if (discs == 0)
        return tr("Column %1, no discs").arg(c);
    if (discs >= game::rows)
        return tr("Column %1, full").arg(c);
    // English has its own word for one; other languages take the number's plural forms.
    if (discs == 1)
        return tr("Column %1, 1 disc").arg(c);
    return tr("Column %1, %n discs", nullptr, discs).arg(c);
}

QString Speech::cell(int c, int r, int player)
{
    if (player == 1)
        return tr("Column %1, row %2, red").arg(c).arg(r + 1);
    if (player == 2)
        return tr("Column %1, row %2, blue").arg(c).arg(r + 1);
    return tr("Column %1, row %2, empty").arg(c).arg(r + 1);
}

QString Speech::helpTip()
{
    return tr("Press F1 for every key and what each mark means");
}

QString Speech::playsRed()
{
    return tr("Plays red");
}

QString Speech::playsBlue()
{
    return tr("Plays blue");
}

QString Speech::keys()
{
    return tr("Keys 1 to 7 drop a disc in that column; Ctrl+Z takes a move back and Ctrl+Y plays it "
              "again; H shows a hint; A shows what each column leads to; T shows the threats; Ctrl+C "
              "copies the moves; F1 lists every key and mark.");
}

QString Speech::moved(const QString& name, int c)
{
    // One pass over the pattern: a name holding "%1" or "%2" stays as typed.
    return tr("%1 played column %2.").arg(name, QString::number(c));
}

QString Speech::takenBack(int moves)
{
    return moves == 1 ? tr("1 move taken back.") : tr("%n moves taken back.", nullptr, moves);
}

QString Speech::replayed(int moves)
{
    return moves == 1 ? tr("1 move replayed.") : tr("%n moves replayed.", nullptr, moves);
}

QString Speech::movesCopied()
{
    return tr("Moves copied.");
}

QString Speech::threat(bool red, bool blue)
{
    if (red && blue)
        return tr("Both complete four here");
    if (red)
        return tr("Red completes four here");
    if (blue)
        return tr("Blue completes four here");
    return {};
}

QString Speech::disc(bool lastMove, bool mistake)
{
    if (lastMove && mistake)
        return tr("Last move, a mistake");
    if (lastMove)
        return tr("Last move");
    if (mistake)
        return tr("Mistake");
    return {};
}

QString Speech::mistake(const Verdict& verdict)
{
    if (verdict.givenUp == Outcome::Kind::win)
        return tr("That move gives up the win: column %1 kept it.").arg(verdict.keptBy);
    return tr("That move gives up the draw: column %1 kept it.").arg(verdict.keptBy);
}

QString Speech::noThreats()
{
    return tr("No threats");
}

QString Speech::noThreatsMeaning()
{
    return tr("Shown below the board when the threats are asked for and no hole completes four.");
}

QString Speech::hint(int c)
{
    return tr("Hint: column %1").arg(c);
}

QString Speech::outcome(const Outcome& outcome)
{
    switch (outcome.kind) {
    case Outcome::Kind::win:
        if (outcome.moves == 0)
            return tr("Wins");
        return outcome.moves == 1 ? tr("Wins in 1 move") : tr("Wins in %n moves", nullptr, outcome.moves);
    case Outcome::Kind::loss:
        if (outcome.moves == 0)
            return tr("Loses");
        return outcome.moves == 1 ? tr("Loses in 1 move")
                                  : tr("Loses in %n moves", nullptr, outcome.moves);
    case Outcome::Kind::draw:
        break;
    }
    return tr("Draws");
}

QString Speech::outcomeUnknown()
{
    return tr("Outcome not known yet");
}

QString Speech::outcomesShown()
{
    return tr("Outcomes are shown on the columns.");
}

QString Speech::noThreatsShown()
{
    return tr("No threats.");
}

QString Speech::boardDescription(const QString& news, bool computerThinking, const QStringList& shown)
{
    QStringList description{ keys() };
    if (!news.isEmpty())
        description << news;
    if (computerThinking)
        description << tr("Computer is thinking.");
    description << shown;
    return description.join(u' ');
}
