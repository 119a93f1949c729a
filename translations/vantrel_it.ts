<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: vantrel [--computer[=LEVEL]] [Qt options]
A board game: drop discs in turn and be the first to line up four.

Options:
  -h, --help          Show this help and exit.
  -v, --version       Show the version and exit.
  --computer[=LEVEL]  Play against the computer, which plays blue.
                      LEVEL is easy, medium (the default) or hard;
                      hard plays perfectly.

Qt&apos;s own options, such as -platform NAME, -style NAME and -reverse,
are accepted too.

Playing: click a hole, or press 1 to 7, to drop a disc in that column.
Ctrl+Z or Backspace takes a move back; H shows a hint. The right
button, the Menu key or Shift+F10 opens a menu with both.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vantrel: unknown option &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vantrel: option &apos;%1&apos; needs a value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vantrel: unexpected argument &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vantrel: unknown level &apos;%1&apos; for --computer: choose easy, medium or hard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try &apos;vantrel --help&apos; for more information.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Column %1, no discs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Column %1, full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Column %1, 1 disc</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Column %1, %n discs</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Column %1, row %2, red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Column %1, row %2, blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Column %1, row %2, empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keys 1 to 7 drop a disc in that column; Ctrl+Z takes a move back; H shows a hint.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plays red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plays blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player 1&apos;s name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player 2&apos;s name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1&apos;s turn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 played column %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 move taken back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n moves taken back.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Hint: column %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computer is thinking.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Gameover</name>
    <message>
        <source>Game Over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Wins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tie</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>runtime</name>
    <message>
        <source>Vantrel has met an error it cannot recover from and will close.

%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
