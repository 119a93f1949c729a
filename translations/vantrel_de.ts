<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CommandLine</name>
    <message>
        <source>vantrel: unknown option &apos;%1&apos;</source>
        <translation>vantrel: unbekannte Option &apos;%1&apos;</translation>
    </message>
    <message>
        <source>vantrel: option &apos;%1&apos; needs a value</source>
        <translation>vantrel: Option &apos;%1&apos; benötigt einen Wert</translation>
    </message>
    <message>
        <source>vantrel: unexpected argument &apos;%1&apos;</source>
        <translation>vantrel: unerwartetes Argument &apos;%1&apos;</translation>
    </message>
    <message>
        <source>vantrel: unknown level &apos;%1&apos; for --computer: choose easy, medium or hard</source>
        <translation>vantrel: unbekannte Stufe &apos;%1&apos; für --computer: wählen Sie easy, medium oder hard</translation>
    </message>
    <message>
        <source>Try &apos;vantrel --help&apos; for more information.</source>
        <translation>Weitere Informationen erhalten Sie mit &apos;vantrel --help&apos;.</translation>
    </message>
    <message>
        <source>vantrel: option &apos;%1&apos; takes no value</source>
        <translation>vantrel: Option &apos;%1&apos; nimmt keinen Wert an</translation>
    </message>
    <message>
        <source>vantrel: Qt&apos;s option &apos;%1&apos; is written with a space: &apos;%2 %3&apos;</source>
        <translation>vantrel: Qt-Option &apos;%1&apos; wird mit Leerzeichen geschrieben: &apos;%2 %3&apos;</translation>
    </message>
    <message>
        <source>Usage: vantrel [--computer[=LEVEL]] [--moves=MOVES] [Qt options]
A board game: drop discs in turn and be the first to line up four.

Options:
  -h, --help          Show this help and exit.
  -v, --version       Show the version and exit.
  --computer[=LEVEL]  Play against the computer, which plays blue.
                      LEVEL is easy, medium (the default) or hard;
                      hard plays perfectly.
  --moves=MOVES       Start from the position these moves reach: the
                      columns played, 1 to 7, in order, as in 4453.
                      Against the computer you play the side to move.

Qt&apos;s own options, such as -platform NAME, -style NAME and -reverse,
are accepted too.

Playing: click a hole, or press 1 to 7, to drop a disc in that column.
Ctrl+Z or Backspace takes a move back and Ctrl+Y plays it again;
Ctrl+C copies the moves; H shows a hint; A shows what each column
leads to; T shows the threats. The right button, the Menu key or
Shift+F10 opens a menu with all of them. F1 lists every key and what
each mark on the board means.
</source>
        <translation>Aufruf: vantrel [--computer[=LEVEL]] [--moves=MOVES] [Qt-Optionen]
Brettspiel: reihum Steine einwerfen und als Erster vier in eine Reihe bringen.

Optionen:
  -h, --help          Diese Hilfe anzeigen und beenden.
  -v, --version       Die Version anzeigen und beenden.
  --computer[=LEVEL]  Gegen den Computer spielen, der mit Blau spielt.
                      LEVEL ist easy, medium (Voreinstellung) oder hard;
                      hard spielt fehlerlos.
  --moves=MOVES       Von der Stellung ausgehen, die diese Züge ergeben: die
                      gespielten Spalten, 1 bis 7, der Reihe nach, etwa 4453.
                      Gegen den Computer spielen Sie die Seite am Zug.

Die Qt-eigenen Optionen wie -platform NAME, -style NAME und -reverse werden
ebenfalls akzeptiert.

Spielen: ein Feld anklicken oder 1 bis 7 drücken, um einen Stein in diese
Spalte zu werfen. Ctrl+Z oder Backspace nimmt einen Zug zurück, Ctrl+Y spielt
ihn wieder; Ctrl+C kopiert die Züge; H zeigt einen Tipp; A zeigt, wohin jede
Spalte führt; T zeigt die Drohungen. Rechte Maustaste, Menütaste oder
Shift+F10 öffnet ein Menü mit allen diesen Befehlen. F1 zeigt alle Tasten
und was jede Markierung auf dem Brett bedeutet.
</translation>
    </message>
    <message>
        <source>vantrel: --moves: move %1, &apos;%2&apos;, is one more than the board&apos;s %3 holes</source>
        <translation>vantrel: --moves: Zug %1, &apos;%2&apos;, ist einer mehr, als die %3 Felder des Bretts fassen</translation>
    </message>
    <message>
        <source>vantrel: --moves: move %1, &apos;%2&apos;, is not a column from 1 to 7</source>
        <translation>vantrel: --moves: Zug %1, &apos;%2&apos;, ist keine Spalte von 1 bis 7</translation>
    </message>
    <message>
        <source>vantrel: --moves: move %1 is in column %2, which is full</source>
        <translation>vantrel: --moves: Zug %1 geht in Spalte %2, die voll ist</translation>
    </message>
    <message>
        <source>vantrel: --moves: move %1, in column %2, comes after four in a line ended the game</source>
        <translation>vantrel: --moves: Zug %1, in Spalte %2, kommt nach dem Spielende durch vier in einer Reihe</translation>
    </message>
    <message>
        <source>vantrel: --moves: move %1, in column %2, ends the game, which leaves nothing to play</source>
        <translation>vantrel: --moves: Zug %1, in Spalte %2, beendet das Spiel, sodass nichts mehr zu spielen bleibt</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Column %1, no discs</source>
        <translation>Spalte %1, keine Steine</translation>
    </message>
    <message>
        <source>Column %1, full</source>
        <translation>Spalte %1, voll</translation>
    </message>
    <message>
        <source>Column %1, 1 disc</source>
        <translation>Spalte %1, 1 Stein</translation>
    </message>
    <message numerus="yes">
        <source>Column %1, %n discs</source>
        <translation>
            <numerusform>Spalte %1, %n Stein</numerusform>
            <numerusform>Spalte %1, %n Steine</numerusform>
        </translation>
    </message>
    <message>
        <source>Column %1, row %2, red</source>
        <translation>Spalte %1, Reihe %2, rot</translation>
    </message>
    <message>
        <source>Column %1, row %2, blue</source>
        <translation>Spalte %1, Reihe %2, blau</translation>
    </message>
    <message>
        <source>Column %1, row %2, empty</source>
        <translation>Spalte %1, Reihe %2, leer</translation>
    </message>
    <message>
        <source>Plays red</source>
        <translation>Spielt mit Rot</translation>
    </message>
    <message>
        <source>Plays blue</source>
        <translation>Spielt mit Blau</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>Player 1&apos;s name:</source>
        <translation>Name von Spieler 1:</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>Spieler 1</translation>
    </message>
    <message>
        <source>Player1</source>
        <translation>Spieler1</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Player 2&apos;s name:</source>
        <translation>Name von Spieler 2:</translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation>Spieler 2</translation>
    </message>
    <message>
        <source>Player2</source>
        <translation>Spieler2</translation>
    </message>
    <message>
        <source>%1&apos;s turn</source>
        <translation>%1 ist am Zug</translation>
    </message>
    <message>
        <source>%1 played column %2.</source>
        <translation>%1 hat in Spalte %2 gespielt.</translation>
    </message>
    <message>
        <source>1 move taken back.</source>
        <translation>1 Zug zurückgenommen.</translation>
    </message>
    <message numerus="yes">
        <source>%n moves taken back.</source>
        <translation>
            <numerusform>%n Zug zurückgenommen.</numerusform>
            <numerusform>%n Züge zurückgenommen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Hint: column %1</source>
        <translation>Tipp: Spalte %1</translation>
    </message>
    <message>
        <source>Computer is thinking.</source>
        <translation>Der Computer denkt nach.</translation>
    </message>
    <message>
        <source>Show Outcomes</source>
        <translation>Ergebnisse zeigen</translation>
    </message>
    <message>
        <source>Wins in 1 move</source>
        <translation>Gewinnt in 1 Zug</translation>
    </message>
    <message numerus="yes">
        <source>Wins in %n moves</source>
        <translation>
            <numerusform>Gewinnt in %n Zug</numerusform>
            <numerusform>Gewinnt in %n Zügen</numerusform>
        </translation>
    </message>
    <message>
        <source>Loses in 1 move</source>
        <translation>Verliert in 1 Zug</translation>
    </message>
    <message numerus="yes">
        <source>Loses in %n moves</source>
        <translation>
            <numerusform>Verliert in %n Zug</numerusform>
            <numerusform>Verliert in %n Zügen</numerusform>
        </translation>
    </message>
    <message>
        <source>Draws</source>
        <translation>Unentschieden</translation>
    </message>
    <message>
        <source>Outcomes are shown on the columns.</source>
        <translation>Die Ergebnisse stehen an den Spalten.</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Gewinnt</translation>
    </message>
    <message>
        <source>Loses</source>
        <translation>Verliert</translation>
    </message>
    <message>
        <source>Outcome not known yet</source>
        <translation>Ergebnis noch nicht bekannt</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Copy Moves</source>
        <translation>Züge kopieren</translation>
    </message>
    <message>
        <source>Show Threats</source>
        <translation>Drohungen zeigen</translation>
    </message>
    <message>
        <source>1 move replayed.</source>
        <translation>1 Zug wieder gespielt.</translation>
    </message>
    <message numerus="yes">
        <source>%n moves replayed.</source>
        <translation>
            <numerusform>%n Zug wieder gespielt.</numerusform>
            <numerusform>%n Züge wieder gespielt.</numerusform>
        </translation>
    </message>
    <message>
        <source>Moves copied.</source>
        <translation>Züge kopiert.</translation>
    </message>
    <message>
        <source>Both complete four here</source>
        <translation>Hier vollenden beide vier in einer Reihe</translation>
    </message>
    <message>
        <source>Red completes four here</source>
        <translation>Hier vollendet Rot vier in einer Reihe</translation>
    </message>
    <message>
        <source>Blue completes four here</source>
        <translation>Hier vollendet Blau vier in einer Reihe</translation>
    </message>
    <message>
        <source>Mark Last Move</source>
        <translation>Letzten Zug markieren</translation>
    </message>
    <message>
        <source>Mark Mistakes</source>
        <translation>Fehler markieren</translation>
    </message>
    <message>
        <source>Keys and Views</source>
        <translation>Tasten und Ansichten</translation>
    </message>
    <message>
        <source>Take back the last move; against the computer, with its reply.</source>
        <translation>Den letzten Zug zurücknehmen; gegen den Computer samt seiner Antwort.</translation>
    </message>
    <message>
        <source>Play again the last move taken back.</source>
        <translation>Den zuletzt zurückgenommenen Zug wieder spielen.</translation>
    </message>
    <message>
        <source>Copy the moves to the clipboard as digits, to start from them again with --moves.</source>
        <translation>Die Züge als Ziffern in die Zwischenablage kopieren, um mit --moves wieder von ihnen auszugehen.</translation>
    </message>
    <message>
        <source>Ring the hole where the best move for the player to move lands.</source>
        <translation>Das Feld einkreisen, in dem der beste Zug der Seite am Zug landet.</translation>
    </message>
    <message>
        <source>Show or hide what each column leads to under perfect play.</source>
        <translation>Zeigen oder ausblenden, wohin jede Spalte bei fehlerlosem Spiel führt.</translation>
    </message>
    <message>
        <source>Show or hide the holes where a disc would complete four.</source>
        <translation>Die Felder zeigen oder ausblenden, in denen ein Stein vier in einer Reihe vollenden würde.</translation>
    </message>
    <message>
        <source>Mark the last disc played, or stop marking it.</source>
        <translation>Den zuletzt gespielten Stein markieren oder die Markierung aufheben.</translation>
    </message>
    <message>
        <source>Mark every move that gave up a win or a draw, or stop marking them.</source>
        <translation>Jeden Zug markieren, der einen Sieg oder ein Unentschieden verspielt hat, oder die Markierungen aufheben.</translation>
    </message>
    <message>
        <source>Show this list of keys and marks.</source>
        <translation>Diese Liste der Tasten und Markierungen zeigen.</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>Marks</source>
        <translation>Markierungen</translation>
    </message>
    <message>
        <source>1 to 7</source>
        <translation>1 bis 7</translation>
    </message>
    <message>
        <source>Drop a disc in that column, as a click on it does.</source>
        <translation>Einen Stein in diese Spalte werfen, wie ein Klick auf sie.</translation>
    </message>
    <message>
        <source>Menu, Shift+F10, the right button</source>
        <translation>Menütaste, Shift+F10, rechte Maustaste</translation>
    </message>
    <message>
        <source>Open the menu with all of these.</source>
        <translation>Das Menü mit allen diesen Befehlen öffnen.</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Escape</translation>
    </message>
    <message>
        <source>Close this window.</source>
        <translation>Dieses Fenster schließen.</translation>
    </message>
    <message>
        <source>Playing this column wins, with your third disc from now (+3).</source>
        <translation>Ein Zug in diese Spalte gewinnt, mit Ihrem dritten Stein ab jetzt (+3).</translation>
    </message>
    <message>
        <source>Playing this column loses, after two of your discs (−2).</source>
        <translation>Ein Zug in diese Spalte verliert, nach zwei Ihrer Steine (−2).</translation>
    </message>
    <message>
        <source>Playing this column leads to a draw (=).</source>
        <translation>Ein Zug in diese Spalte führt zu einem Unentschieden (=).</translation>
    </message>
    <message>
        <source>A win or a loss whose moves are still being counted (+ or −).</source>
        <translation>Ein Sieg oder eine Niederlage, deren Züge noch gezählt werden (+ oder −).</translation>
    </message>
    <message>
        <source>The hint: the hole where the best move lands.</source>
        <translation>Der Tipp: das Feld, in dem der beste Zug landet.</translation>
    </message>
    <message>
        <source>A threat: a red disc here would complete four.</source>
        <translation>Eine Drohung: Ein roter Stein hier würde vier in einer Reihe vollenden.</translation>
    </message>
    <message>
        <source>A threat: a blue disc here would complete four.</source>
        <translation>Eine Drohung: Ein blauer Stein hier würde vier in einer Reihe vollenden.</translation>
    </message>
    <message>
        <source>A disc of either colour here would complete four.</source>
        <translation>Ein Stein gleich welcher Farbe würde hier vier in einer Reihe vollenden.</translation>
    </message>
    <message>
        <source>The last disc played.</source>
        <translation>Der zuletzt gespielte Stein.</translation>
    </message>
    <message>
        <source>A disc of the winning line.</source>
        <translation>Ein Stein der Gewinnreihe.</translation>
    </message>
    <message>
        <source>A mistake: that move gave up a win or a draw.</source>
        <translation>Ein Fehler: Dieser Zug hat einen Sieg oder ein Unentschieden verspielt.</translation>
    </message>
    <message>
        <source>Press F1 for every key and what each mark means</source>
        <translation>Mit F1 alle Tasten und die Bedeutung jeder Markierung anzeigen</translation>
    </message>
    <message>
        <source>Keys 1 to 7 drop a disc in that column; Ctrl+Z takes a move back and Ctrl+Y plays it again; H shows a hint; A shows what each column leads to; T shows the threats; Ctrl+C copies the moves; F1 lists every key and mark.</source>
        <translation>Die Tasten 1 bis 7 werfen einen Stein in die jeweilige Spalte; Ctrl+Z nimmt einen Zug zurück und Ctrl+Y spielt ihn wieder; H zeigt einen Tipp; A zeigt, wohin jede Spalte führt; T zeigt die Drohungen; Ctrl+C kopiert die Züge; F1 zeigt alle Tasten und Markierungen.</translation>
    </message>
    <message>
        <source>Last move, a mistake</source>
        <translation>Letzter Zug, ein Fehler</translation>
    </message>
    <message>
        <source>Last move</source>
        <translation>Letzter Zug</translation>
    </message>
    <message>
        <source>Mistake</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>That move gives up the win: column %1 kept it.</source>
        <translation>Dieser Zug verspielt den Sieg: Spalte %1 hätte ihn gehalten.</translation>
    </message>
    <message>
        <source>That move gives up the draw: column %1 kept it.</source>
        <translation>Dieser Zug verspielt das Unentschieden: Spalte %1 hätte es gehalten.</translation>
    </message>
    <message>
        <source>No threats</source>
        <translation>Keine Drohungen</translation>
    </message>
    <message>
        <source>Shown below the board when the threats are asked for and no hole completes four.</source>
        <translation>Erscheint unter dem Brett, wenn die Drohungen gezeigt werden sollen und kein Feld vier in einer Reihe vollendet.</translation>
    </message>
    <message>
        <source>No threats.</source>
        <translation>Keine Drohungen.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>Gameover</name>
    <message>
        <source>Game Over</source>
        <translation>Spiel beendet</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>%1 Wins</source>
        <translation>%1 gewinnt</translation>
    </message>
    <message>
        <source>Tie</source>
        <translation>Unentschieden</translation>
    </message>
</context>
<context>
    <name>runtime</name>
    <message>
        <source>Vantrel has met an error it cannot recover from and will close.

%1</source>
        <translation>Vantrel ist auf einen nicht behebbaren Fehler gestoßen und wird beendet.

%1</translation>
    </message>
</context>
</TS>
