<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>CommandLine</name>
    <message>
        <source>vantrel: unknown option &apos;%1&apos;</source>
        <translation>vantrel: nieznana opcja &apos;%1&apos;</translation>
    </message>
    <message>
        <source>vantrel: option &apos;%1&apos; needs a value</source>
        <translation>vantrel: opcja &apos;%1&apos; wymaga wartości</translation>
    </message>
    <message>
        <source>vantrel: unexpected argument &apos;%1&apos;</source>
        <translation>vantrel: nieoczekiwany argument &apos;%1&apos;</translation>
    </message>
    <message>
        <source>vantrel: unknown level &apos;%1&apos; for --computer: choose easy, medium or hard</source>
        <translation>vantrel: nieznany poziom &apos;%1&apos; dla --computer: wybierz easy, medium lub hard</translation>
    </message>
    <message>
        <source>Try &apos;vantrel --help&apos; for more information.</source>
        <translation>Więcej informacji można uzyskać, wpisując &apos;vantrel --help&apos;.</translation>
    </message>
    <message>
        <source>vantrel: option &apos;%1&apos; takes no value</source>
        <translation>vantrel: opcja &apos;%1&apos; nie przyjmuje wartości</translation>
    </message>
    <message>
        <source>vantrel: Qt&apos;s option &apos;%1&apos; is written with a space: &apos;%2 %3&apos;</source>
        <translation>vantrel: opcję Qt &apos;%1&apos; zapisuje się ze spacją: &apos;%2 %3&apos;</translation>
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
        <translation>Użycie: vantrel [--computer[=LEVEL]] [--moves=MOVES] [opcje Qt]
Gra planszowa: wrzucaj na zmianę żetony i jako pierwszy ułóż cztery w linii.

Opcje:
  -h, --help          Wyświetla tę pomoc i kończy działanie.
  -v, --version       Wyświetla wersję i kończy działanie.
  --computer[=LEVEL]  Gra z komputerem, który gra niebieskimi.
                      LEVEL to easy, medium (domyślnie) lub hard;
                      hard gra bezbłędnie.
  --moves=MOVES       Zaczyna od pozycji, do której prowadzą te ruchy:
                      zagrane kolumny, od 1 do 7, po kolei, np. 4453.
                      Z komputerem grasz stroną, która ma ruch.

Akceptowane są też własne opcje Qt, takie jak -platform NAME, -style NAME
i -reverse.

Jak grać: kliknij pole lub naciśnij klawisz od 1 do 7, aby wrzucić żeton do tej
kolumny. Ctrl+Z lub Backspace cofa ruch, a Ctrl+Y go ponawia; Ctrl+C kopiuje
ruchy; H pokazuje podpowiedź; A pokazuje, do czego prowadzi każda kolumna;
T pokazuje groźby. Prawy przycisk myszy, klawisz Menu lub Shift+F10 otwiera
menu ze wszystkimi tymi poleceniami. F1 wyświetla wszystkie klawisze
i znaczenie każdego oznaczenia na planszy.
</translation>
    </message>
    <message>
        <source>vantrel: --moves: move %1, &apos;%2&apos;, is one more than the board&apos;s %3 holes</source>
        <translation>vantrel: --moves: ruch %1, &apos;%2&apos;, to o jeden więcej niż %3 pola planszy</translation>
    </message>
    <message>
        <source>vantrel: --moves: move %1, &apos;%2&apos;, is not a column from 1 to 7</source>
        <translation>vantrel: --moves: ruch %1, &apos;%2&apos;, nie jest kolumną od 1 do 7</translation>
    </message>
    <message>
        <source>vantrel: --moves: move %1 is in column %2, which is full</source>
        <translation>vantrel: --moves: ruch %1 jest w kolumnie %2, która jest pełna</translation>
    </message>
    <message>
        <source>vantrel: --moves: move %1, in column %2, comes after four in a line ended the game</source>
        <translation>vantrel: --moves: ruch %1, w kolumnie %2, następuje po końcu gry przez cztery w linii</translation>
    </message>
    <message>
        <source>vantrel: --moves: move %1, in column %2, ends the game, which leaves nothing to play</source>
        <translation>vantrel: --moves: ruch %1, w kolumnie %2, kończy grę i nie zostawia nic do zagrania</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Column %1, no discs</source>
        <translation>Kolumna %1, brak żetonów</translation>
    </message>
    <message>
        <source>Column %1, full</source>
        <translation>Kolumna %1, pełna</translation>
    </message>
    <message>
        <source>Column %1, 1 disc</source>
        <translation>Kolumna %1, 1 żeton</translation>
    </message>
    <message numerus="yes">
        <source>Column %1, %n discs</source>
        <translation>
            <numerusform>Kolumna %1, %n żeton</numerusform>
            <numerusform>Kolumna %1, %n żetony</numerusform>
            <numerusform>Kolumna %1, %n żetonów</numerusform>
        </translation>
    </message>
    <message>
        <source>Column %1, row %2, red</source>
        <translation>Kolumna %1, rząd %2, czerwony żeton</translation>
    </message>
    <message>
        <source>Column %1, row %2, blue</source>
        <translation>Kolumna %1, rząd %2, niebieski żeton</translation>
    </message>
    <message>
        <source>Column %1, row %2, empty</source>
        <translation>Kolumna %1, rząd %2, puste pole</translation>
    </message>
    <message>
        <source>Plays red</source>
        <translation>Gra czerwonymi</translation>
    </message>
    <message>
        <source>Plays blue</source>
        <translation>Gra niebieskimi</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Cofnij</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Podpowiedź</translation>
    </message>
    <message>
        <source>Player 1&apos;s name:</source>
        <translation>Imię gracza 1:</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>Gracz 1</translation>
    </message>
    <message>
        <source>Player1</source>
        <translation>Gracz1</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Komputer</translation>
    </message>
    <message>
        <source>Player 2&apos;s name:</source>
        <translation>Imię gracza 2:</translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation>Gracz 2</translation>
    </message>
    <message>
        <source>Player2</source>
        <translation>Gracz2</translation>
    </message>
    <message>
        <source>%1&apos;s turn</source>
        <translation>Ruch: %1</translation>
    </message>
    <message>
        <source>%1 played column %2.</source>
        <translation>%1 wrzuca żeton do kolumny %2.</translation>
    </message>
    <message>
        <source>1 move taken back.</source>
        <translation>Cofnięto 1 ruch.</translation>
    </message>
    <message numerus="yes">
        <source>%n moves taken back.</source>
        <translation>
            <numerusform>Cofnięto %n ruch.</numerusform>
            <numerusform>Cofnięto %n ruchy.</numerusform>
            <numerusform>Cofnięto %n ruchów.</numerusform>
        </translation>
    </message>
    <message>
        <source>Hint: column %1</source>
        <translation>Podpowiedź: kolumna %1</translation>
    </message>
    <message>
        <source>Computer is thinking.</source>
        <translation>Komputer myśli.</translation>
    </message>
    <message>
        <source>Show Outcomes</source>
        <translation>Pokaż wyniki</translation>
    </message>
    <message>
        <source>Wins in 1 move</source>
        <translation>Wygrywa w 1 ruchu</translation>
    </message>
    <message numerus="yes">
        <source>Wins in %n moves</source>
        <translation>
            <numerusform>Wygrywa w %n ruchu</numerusform>
            <numerusform>Wygrywa w %n ruchach</numerusform>
            <numerusform>Wygrywa w %n ruchach</numerusform>
        </translation>
    </message>
    <message>
        <source>Loses in 1 move</source>
        <translation>Przegrywa w 1 ruchu</translation>
    </message>
    <message numerus="yes">
        <source>Loses in %n moves</source>
        <translation>
            <numerusform>Przegrywa w %n ruchu</numerusform>
            <numerusform>Przegrywa w %n ruchach</numerusform>
            <numerusform>Przegrywa w %n ruchach</numerusform>
        </translation>
    </message>
    <message>
        <source>Draws</source>
        <translation>Remis</translation>
    </message>
    <message>
        <source>Outcomes are shown on the columns.</source>
        <translation>Wyniki są pokazane na kolumnach.</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Wygrywa</translation>
    </message>
    <message>
        <source>Loses</source>
        <translation>Przegrywa</translation>
    </message>
    <message>
        <source>Outcome not known yet</source>
        <translation>Wynik jeszcze nieznany</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ponów</translation>
    </message>
    <message>
        <source>Copy Moves</source>
        <translation>Kopiuj ruchy</translation>
    </message>
    <message>
        <source>Show Threats</source>
        <translation>Pokaż groźby</translation>
    </message>
    <message>
        <source>1 move replayed.</source>
        <translation>Ponowiono 1 ruch.</translation>
    </message>
    <message numerus="yes">
        <source>%n moves replayed.</source>
        <translation>
            <numerusform>Ponowiono %n ruch.</numerusform>
            <numerusform>Ponowiono %n ruchy.</numerusform>
            <numerusform>Ponowiono %n ruchów.</numerusform>
        </translation>
    </message>
    <message>
        <source>Moves copied.</source>
        <translation>Skopiowano ruchy.</translation>
    </message>
    <message>
        <source>Both complete four here</source>
        <translation>Tu obaj ułożyliby cztery w linii</translation>
    </message>
    <message>
        <source>Red completes four here</source>
        <translation>Tu czerwony ułożyłby cztery w linii</translation>
    </message>
    <message>
        <source>Blue completes four here</source>
        <translation>Tu niebieski ułożyłby cztery w linii</translation>
    </message>
    <message>
        <source>Mark Last Move</source>
        <translation>Oznacz ostatni ruch</translation>
    </message>
    <message>
        <source>Mark Mistakes</source>
        <translation>Oznacz błędy</translation>
    </message>
    <message>
        <source>Keys and Views</source>
        <translation>Klawisze i widoki</translation>
    </message>
    <message>
        <source>Take back the last move; against the computer, with its reply.</source>
        <translation>Cofnij ostatni ruch; w grze z komputerem razem z jego odpowiedzią.</translation>
    </message>
    <message>
        <source>Play again the last move taken back.</source>
        <translation>Ponów ostatni cofnięty ruch.</translation>
    </message>
    <message>
        <source>Copy the moves to the clipboard as digits, to start from them again with --moves.</source>
        <translation>Kopiuj ruchy do schowka jako cyfry, aby zacząć od nich ponownie z --moves.</translation>
    </message>
    <message>
        <source>Ring the hole where the best move for the player to move lands.</source>
        <translation>Otocz pierścieniem pole, na które trafia najlepszy ruch gracza, którego jest kolej.</translation>
    </message>
    <message>
        <source>Show or hide what each column leads to under perfect play.</source>
        <translation>Pokaż lub ukryj, do czego prowadzi każda kolumna przy bezbłędnej grze.</translation>
    </message>
    <message>
        <source>Show or hide the holes where a disc would complete four.</source>
        <translation>Pokaż lub ukryj pola, na których żeton ułożyłby cztery w linii.</translation>
    </message>
    <message>
        <source>Mark the last disc played, or stop marking it.</source>
        <translation>Oznacz ostatni wrzucony żeton lub przestań go oznaczać.</translation>
    </message>
    <message>
        <source>Mark every move that gave up a win or a draw, or stop marking them.</source>
        <translation>Oznacz każdy ruch, który zaprzepaścił wygraną lub remis, albo przestań je oznaczać.</translation>
    </message>
    <message>
        <source>Show this list of keys and marks.</source>
        <translation>Pokaż tę listę klawiszy i oznaczeń.</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Klawisze</translation>
    </message>
    <message>
        <source>Marks</source>
        <translation>Oznaczenia</translation>
    </message>
    <message>
        <source>1 to 7</source>
        <translation>Od 1 do 7</translation>
    </message>
    <message>
        <source>Drop a disc in that column, as a click on it does.</source>
        <translation>Wrzuć żeton do tej kolumny, tak jak kliknięcie w nią.</translation>
    </message>
    <message>
        <source>Menu, Shift+F10, the right button</source>
        <translation>Klawisz Menu, Shift+F10, prawy przycisk myszy</translation>
    </message>
    <message>
        <source>Open the menu with all of these.</source>
        <translation>Otwórz menu ze wszystkimi tymi poleceniami.</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Escape</translation>
    </message>
    <message>
        <source>Close this window.</source>
        <translation>Zamknij to okno.</translation>
    </message>
    <message>
        <source>Playing this column wins, with your third disc from now (+3).</source>
        <translation>Ruch w tę kolumnę wygrywa twoim trzecim żetonem, licząc od teraz (+3).</translation>
    </message>
    <message>
        <source>Playing this column loses, after two of your discs (−2).</source>
        <translation>Ruch w tę kolumnę przegrywa po dwóch twoich żetonach (−2).</translation>
    </message>
    <message>
        <source>Playing this column leads to a draw (=).</source>
        <translation>Ruch w tę kolumnę prowadzi do remisu (=).</translation>
    </message>
    <message>
        <source>A win or a loss whose moves are still being counted (+ or −).</source>
        <translation>Wygrana lub przegrana, której ruchy są jeszcze liczone (+ lub −).</translation>
    </message>
    <message>
        <source>The hint: the hole where the best move lands.</source>
        <translation>Podpowiedź: pole, na które trafia najlepszy ruch.</translation>
    </message>
    <message>
        <source>A threat: a red disc here would complete four.</source>
        <translation>Groźba: czerwony żeton tutaj ułożyłby cztery w linii.</translation>
    </message>
    <message>
        <source>A threat: a blue disc here would complete four.</source>
        <translation>Groźba: niebieski żeton tutaj ułożyłby cztery w linii.</translation>
    </message>
    <message>
        <source>A disc of either colour here would complete four.</source>
        <translation>Żeton dowolnego koloru ułożyłby tutaj cztery w linii.</translation>
    </message>
    <message>
        <source>The last disc played.</source>
        <translation>Ostatni wrzucony żeton.</translation>
    </message>
    <message>
        <source>A disc of the winning line.</source>
        <translation>Żeton zwycięskiej linii.</translation>
    </message>
    <message>
        <source>A mistake: that move gave up a win or a draw.</source>
        <translation>Błąd: ten ruch zaprzepaścił wygraną lub remis.</translation>
    </message>
    <message>
        <source>Press F1 for every key and what each mark means</source>
        <translation>Naciśnij F1, aby zobaczyć wszystkie klawisze i znaczenie każdego oznaczenia</translation>
    </message>
    <message>
        <source>Keys 1 to 7 drop a disc in that column; Ctrl+Z takes a move back and Ctrl+Y plays it again; H shows a hint; A shows what each column leads to; T shows the threats; Ctrl+C copies the moves; F1 lists every key and mark.</source>
        <translation>Klawisze od 1 do 7 wrzucają żeton do odpowiedniej kolumny; Ctrl+Z cofa ruch, a Ctrl+Y go ponawia; H pokazuje podpowiedź; A pokazuje, do czego prowadzi każda kolumna; T pokazuje groźby; Ctrl+C kopiuje ruchy; F1 wyświetla wszystkie klawisze i oznaczenia.</translation>
    </message>
    <message>
        <source>Last move, a mistake</source>
        <translation>Ostatni ruch, błąd</translation>
    </message>
    <message>
        <source>Last move</source>
        <translation>Ostatni ruch</translation>
    </message>
    <message>
        <source>Mistake</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>That move gives up the win: column %1 kept it.</source>
        <translation>Ten ruch zaprzepaszcza wygraną: utrzymałaby ją kolumna %1.</translation>
    </message>
    <message>
        <source>That move gives up the draw: column %1 kept it.</source>
        <translation>Ten ruch zaprzepaszcza remis: utrzymałaby go kolumna %1.</translation>
    </message>
    <message>
        <source>No threats</source>
        <translation>Brak groźb</translation>
    </message>
    <message>
        <source>Shown below the board when the threats are asked for and no hole completes four.</source>
        <translation>Pojawia się pod planszą, gdy włączono groźby, a żadne pole nie daje czterech w linii.</translation>
    </message>
    <message>
        <source>No threats.</source>
        <translation>Brak groźb.</translation>
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
        <translation>Koniec gry</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>%1 Wins</source>
        <translation>Wygrywa %1</translation>
    </message>
    <message>
        <source>Tie</source>
        <translation>Remis</translation>
    </message>
</context>
<context>
    <name>runtime</name>
    <message>
        <source>Vantrel has met an error it cannot recover from and will close.

%1</source>
        <translation>W programie Vantrel wystąpił błąd, którego nie można naprawić. Program zostanie zamknięty.

%1</translation>
    </message>
</context>
</TS>
