<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>CommandLine</name>
    <message>
        <source>vantrel: unknown option &apos;%1&apos;</source>
        <translation>vantrel: onbekende optie &apos;%1&apos;</translation>
    </message>
    <message>
        <source>vantrel: option &apos;%1&apos; needs a value</source>
        <translation>vantrel: optie &apos;%1&apos; vereist een waarde</translation>
    </message>
    <message>
        <source>vantrel: unexpected argument &apos;%1&apos;</source>
        <translation>vantrel: onverwacht argument &apos;%1&apos;</translation>
    </message>
    <message>
        <source>vantrel: unknown level &apos;%1&apos; for --computer: choose easy, medium or hard</source>
        <translation>vantrel: onbekend niveau &apos;%1&apos; voor --computer: kies easy, medium of hard</translation>
    </message>
    <message>
        <source>Try &apos;vantrel --help&apos; for more information.</source>
        <translation>Probeer &apos;vantrel --help&apos; voor meer informatie.</translation>
    </message>
    <message>
        <source>vantrel: option &apos;%1&apos; takes no value</source>
        <translation>vantrel: optie &apos;%1&apos; neemt geen waarde aan</translation>
    </message>
    <message>
        <source>vantrel: Qt&apos;s option &apos;%1&apos; is written with a space: &apos;%2 %3&apos;</source>
        <translation>vantrel: Qt-optie &apos;%1&apos; schrijf je met een spatie: &apos;%2 %3&apos;</translation>
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
        <translation>Gebruik: vantrel [--computer[=LEVEL]] [--moves=MOVES] [Qt-opties]
Bordspel: laat om de beurt schijven vallen en zet als eerste vier op één lijn.

Opties:
  -h, --help          Deze hulp tonen en afsluiten.
  -v, --version       De versie tonen en afsluiten.
  --computer[=LEVEL]  Tegen de computer spelen, die met blauw speelt.
                      LEVEL is easy, medium (standaard) of hard;
                      hard speelt foutloos.
  --moves=MOVES       Beginnen bij de stelling waartoe deze zetten leiden: de
                      gespeelde kolommen, 1 t/m 7, op volgorde, zoals 4453.
                      Tegen de computer speelt u de kant die aan zet is.

Ook de eigen opties van Qt, zoals -platform NAME, -style NAME en -reverse,
worden geaccepteerd.

Spelen: klik op een vakje, of druk op 1 t/m 7, om een schijf in die kolom te
laten vallen. Ctrl+Z of Backspace neemt een zet terug en Ctrl+Y speelt hem
opnieuw; Ctrl+C kopieert de zetten; H toont een tip; A toont waar elke kolom
toe leidt; T toont de dreigingen. De rechtermuisknop, de menutoets of Shift+F10
opent een menu met al deze opdrachten. F1 toont alle toetsen en wat elke
markering op het bord betekent.
</translation>
    </message>
    <message>
        <source>vantrel: --moves: move %1, &apos;%2&apos;, is one more than the board&apos;s %3 holes</source>
        <translation>vantrel: --moves: zet %1, &apos;%2&apos;, is er één meer dan de %3 vakjes van het bord</translation>
    </message>
    <message>
        <source>vantrel: --moves: move %1, &apos;%2&apos;, is not a column from 1 to 7</source>
        <translation>vantrel: --moves: zet %1, &apos;%2&apos;, is geen kolom van 1 t/m 7</translation>
    </message>
    <message>
        <source>vantrel: --moves: move %1 is in column %2, which is full</source>
        <translation>vantrel: --moves: zet %1 is in kolom %2, die vol is</translation>
    </message>
    <message>
        <source>vantrel: --moves: move %1, in column %2, comes after four in a line ended the game</source>
        <translation>vantrel: --moves: zet %1, in kolom %2, komt nadat vier op een rij het spel beëindigde</translation>
    </message>
    <message>
        <source>vantrel: --moves: move %1, in column %2, ends the game, which leaves nothing to play</source>
        <translation>vantrel: --moves: zet %1, in kolom %2, beëindigt het spel, zodat er niets meer te spelen valt</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Column %1, no discs</source>
        <translation>Kolom %1, geen schijven</translation>
    </message>
    <message>
        <source>Column %1, full</source>
        <translation>Kolom %1, vol</translation>
    </message>
    <message>
        <source>Column %1, 1 disc</source>
        <translation>Kolom %1, 1 schijf</translation>
    </message>
    <message numerus="yes">
        <source>Column %1, %n discs</source>
        <translation>
            <numerusform>Kolom %1, %n schijf</numerusform>
            <numerusform>Kolom %1, %n schijven</numerusform>
        </translation>
    </message>
    <message>
        <source>Column %1, row %2, red</source>
        <translation>Kolom %1, rij %2, rood</translation>
    </message>
    <message>
        <source>Column %1, row %2, blue</source>
        <translation>Kolom %1, rij %2, blauw</translation>
    </message>
    <message>
        <source>Column %1, row %2, empty</source>
        <translation>Kolom %1, rij %2, leeg</translation>
    </message>
    <message>
        <source>Plays red</source>
        <translation>Speelt met rood</translation>
    </message>
    <message>
        <source>Plays blue</source>
        <translation>Speelt met blauw</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Ongedaan maken</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Tip</translation>
    </message>
    <message>
        <source>Player 1&apos;s name:</source>
        <translation>Naam van speler 1:</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>Speler 1</translation>
    </message>
    <message>
        <source>Player1</source>
        <translation>Speler1</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Player 2&apos;s name:</source>
        <translation>Naam van speler 2:</translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation>Speler 2</translation>
    </message>
    <message>
        <source>Player2</source>
        <translation>Speler2</translation>
    </message>
    <message>
        <source>%1&apos;s turn</source>
        <translation>%1 is aan de beurt</translation>
    </message>
    <message>
        <source>%1 played column %2.</source>
        <translation>%1 heeft in kolom %2 gespeeld.</translation>
    </message>
    <message>
        <source>1 move taken back.</source>
        <translation>1 zet teruggenomen.</translation>
    </message>
    <message numerus="yes">
        <source>%n moves taken back.</source>
        <translation>
            <numerusform>%n zet teruggenomen.</numerusform>
            <numerusform>%n zetten teruggenomen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Hint: column %1</source>
        <translation>Tip: kolom %1</translation>
    </message>
    <message>
        <source>Computer is thinking.</source>
        <translation>De computer denkt na.</translation>
    </message>
    <message>
        <source>Show Outcomes</source>
        <translation>Uitkomsten tonen</translation>
    </message>
    <message>
        <source>Wins in 1 move</source>
        <translation>Wint in 1 zet</translation>
    </message>
    <message numerus="yes">
        <source>Wins in %n moves</source>
        <translation>
            <numerusform>Wint in %n zet</numerusform>
            <numerusform>Wint in %n zetten</numerusform>
        </translation>
    </message>
    <message>
        <source>Loses in 1 move</source>
        <translation>Verliest in 1 zet</translation>
    </message>
    <message numerus="yes">
        <source>Loses in %n moves</source>
        <translation>
            <numerusform>Verliest in %n zet</numerusform>
            <numerusform>Verliest in %n zetten</numerusform>
        </translation>
    </message>
    <message>
        <source>Draws</source>
        <translation>Gelijkspel</translation>
    </message>
    <message>
        <source>Outcomes are shown on the columns.</source>
        <translation>De uitkomsten staan bij de kolommen.</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Wint</translation>
    </message>
    <message>
        <source>Loses</source>
        <translation>Verliest</translation>
    </message>
    <message>
        <source>Outcome not known yet</source>
        <translation>Uitkomst nog niet bekend</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Opnieuw</translation>
    </message>
    <message>
        <source>Copy Moves</source>
        <translation>Zetten kopiëren</translation>
    </message>
    <message>
        <source>Show Threats</source>
        <translation>Dreigingen tonen</translation>
    </message>
    <message>
        <source>1 move replayed.</source>
        <translation>1 zet opnieuw gespeeld.</translation>
    </message>
    <message numerus="yes">
        <source>%n moves replayed.</source>
        <translation>
            <numerusform>%n zet opnieuw gespeeld.</numerusform>
            <numerusform>%n zetten opnieuw gespeeld.</numerusform>
        </translation>
    </message>
    <message>
        <source>Moves copied.</source>
        <translation>Zetten gekopieerd.</translation>
    </message>
    <message>
        <source>Both complete four here</source>
        <translation>Hier maken beide er vier op een rij</translation>
    </message>
    <message>
        <source>Red completes four here</source>
        <translation>Hier maakt rood er vier op een rij</translation>
    </message>
    <message>
        <source>Blue completes four here</source>
        <translation>Hier maakt blauw er vier op een rij</translation>
    </message>
    <message>
        <source>Mark Last Move</source>
        <translation>Laatste zet markeren</translation>
    </message>
    <message>
        <source>Mark Mistakes</source>
        <translation>Fouten markeren</translation>
    </message>
    <message>
        <source>Keys and Views</source>
        <translation>Toetsen en weergaven</translation>
    </message>
    <message>
        <source>Take back the last move; against the computer, with its reply.</source>
        <translation>De laatste zet terugnemen; tegen de computer samen met zijn antwoord.</translation>
    </message>
    <message>
        <source>Play again the last move taken back.</source>
        <translation>De laatst teruggenomen zet opnieuw spelen.</translation>
    </message>
    <message>
        <source>Copy the moves to the clipboard as digits, to start from them again with --moves.</source>
        <translation>De zetten als cijfers naar het klembord kopiëren, om er met --moves weer van uit te gaan.</translation>
    </message>
    <message>
        <source>Ring the hole where the best move for the player to move lands.</source>
        <translation>Een ring zetten om het vakje waar de beste zet van de speler aan zet terechtkomt.</translation>
    </message>
    <message>
        <source>Show or hide what each column leads to under perfect play.</source>
        <translation>Tonen of verbergen waar elke kolom bij perfect spel toe leidt.</translation>
    </message>
    <message>
        <source>Show or hide the holes where a disc would complete four.</source>
        <translation>De vakjes tonen of verbergen waar een schijf er vier op een rij zou maken.</translation>
    </message>
    <message>
        <source>Mark the last disc played, or stop marking it.</source>
        <translation>De laatst gespeelde schijf markeren, of de markering weghalen.</translation>
    </message>
    <message>
        <source>Mark every move that gave up a win or a draw, or stop marking them.</source>
        <translation>Elke zet markeren die een winst of gelijkspel weggaf, of de markeringen weghalen.</translation>
    </message>
    <message>
        <source>Show this list of keys and marks.</source>
        <translation>Deze lijst met toetsen en markeringen tonen.</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Toetsen</translation>
    </message>
    <message>
        <source>Marks</source>
        <translation>Markeringen</translation>
    </message>
    <message>
        <source>1 to 7</source>
        <translation>1 t/m 7</translation>
    </message>
    <message>
        <source>Drop a disc in that column, as a click on it does.</source>
        <translation>Een schijf in die kolom laten vallen, net als een klik erop.</translation>
    </message>
    <message>
        <source>Menu, Shift+F10, the right button</source>
        <translation>Menutoets, Shift+F10, de rechtermuisknop</translation>
    </message>
    <message>
        <source>Open the menu with all of these.</source>
        <translation>Het menu met al deze opdrachten openen.</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Escape</translation>
    </message>
    <message>
        <source>Close this window.</source>
        <translation>Dit venster sluiten.</translation>
    </message>
    <message>
        <source>Playing this column wins, with your third disc from now (+3).</source>
        <translation>Spelen in deze kolom wint, met uw derde schijf vanaf nu (+3).</translation>
    </message>
    <message>
        <source>Playing this column loses, after two of your discs (−2).</source>
        <translation>Spelen in deze kolom verliest, na twee van uw schijven (−2).</translation>
    </message>
    <message>
        <source>Playing this column leads to a draw (=).</source>
        <translation>Spelen in deze kolom leidt tot gelijkspel (=).</translation>
    </message>
    <message>
        <source>A win or a loss whose moves are still being counted (+ or −).</source>
        <translation>Een winst of verlies waarvan de zetten nog worden geteld (+ of −).</translation>
    </message>
    <message>
        <source>The hint: the hole where the best move lands.</source>
        <translation>De tip: het vakje waar de beste zet terechtkomt.</translation>
    </message>
    <message>
        <source>A threat: a red disc here would complete four.</source>
        <translation>Een dreiging: een rode schijf hier zou er vier op een rij maken.</translation>
    </message>
    <message>
        <source>A threat: a blue disc here would complete four.</source>
        <translation>Een dreiging: een blauwe schijf hier zou er vier op een rij maken.</translation>
    </message>
    <message>
        <source>A disc of either colour here would complete four.</source>
        <translation>Een schijf van welke kleur ook zou hier vier op een rij maken.</translation>
    </message>
    <message>
        <source>The last disc played.</source>
        <translation>De laatst gespeelde schijf.</translation>
    </message>
    <message>
        <source>A disc of the winning line.</source>
        <translation>Een schijf van de winnende rij.</translation>
    </message>
    <message>
        <source>A mistake: that move gave up a win or a draw.</source>
        <translation>Een fout: die zet gaf een winst of gelijkspel weg.</translation>
    </message>
    <message>
        <source>Press F1 for every key and what each mark means</source>
        <translation>Druk op F1 voor alle toetsen en wat elke markering betekent</translation>
    </message>
    <message>
        <source>Keys 1 to 7 drop a disc in that column; Ctrl+Z takes a move back and Ctrl+Y plays it again; H shows a hint; A shows what each column leads to; T shows the threats; Ctrl+C copies the moves; F1 lists every key and mark.</source>
        <translation>De toetsen 1 tot en met 7 laten een schijf in die kolom vallen; Ctrl+Z neemt een zet terug en Ctrl+Y speelt hem opnieuw; H toont een tip; A toont waar elke kolom toe leidt; T toont de dreigingen; Ctrl+C kopieert de zetten; F1 toont alle toetsen en markeringen.</translation>
    </message>
    <message>
        <source>Last move, a mistake</source>
        <translation>Laatste zet, een fout</translation>
    </message>
    <message>
        <source>Last move</source>
        <translation>Laatste zet</translation>
    </message>
    <message>
        <source>Mistake</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>That move gives up the win: column %1 kept it.</source>
        <translation>Die zet geeft de winst weg: kolom %1 had die behouden.</translation>
    </message>
    <message>
        <source>That move gives up the draw: column %1 kept it.</source>
        <translation>Die zet geeft het gelijkspel weg: kolom %1 had dat behouden.</translation>
    </message>
    <message>
        <source>No threats</source>
        <translation>Geen dreigingen</translation>
    </message>
    <message>
        <source>Shown below the board when the threats are asked for and no hole completes four.</source>
        <translation>Verschijnt onder het bord als de dreigingen zijn gevraagd en geen vakje er vier op een rij maakt.</translation>
    </message>
    <message>
        <source>No threats.</source>
        <translation>Geen dreigingen.</translation>
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
        <translation>Spel afgelopen</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>%1 Wins</source>
        <translation>%1 wint</translation>
    </message>
    <message>
        <source>Tie</source>
        <translation>Gelijkspel</translation>
    </message>
</context>
<context>
    <name>runtime</name>
    <message>
        <source>Vantrel has met an error it cannot recover from and will close.

%1</source>
        <translation>Vantrel heeft een onherstelbare fout ondervonden en wordt afgesloten.

%1</translation>
    </message>
</context>
</TS>
