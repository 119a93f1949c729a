<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>CommandLine</name>
    <message>
        <source>vantrel: unknown option &apos;%1&apos;</source>
        <translation>vantrel: opzione sconosciuta &apos;%1&apos;</translation>
    </message>
    <message>
        <source>vantrel: option &apos;%1&apos; needs a value</source>
        <translation>vantrel: l&apos;opzione &apos;%1&apos; richiede un valore</translation>
    </message>
    <message>
        <source>vantrel: unexpected argument &apos;%1&apos;</source>
        <translation>vantrel: argomento inatteso &apos;%1&apos;</translation>
    </message>
    <message>
        <source>vantrel: unknown level &apos;%1&apos; for --computer: choose easy, medium or hard</source>
        <translation>vantrel: livello sconosciuto &apos;%1&apos; per --computer: scegli easy, medium o hard</translation>
    </message>
    <message>
        <source>Try &apos;vantrel --help&apos; for more information.</source>
        <translation>Prova &apos;vantrel --help&apos; per maggiori informazioni.</translation>
    </message>
    <message>
        <source>vantrel: option &apos;%1&apos; takes no value</source>
        <translation>vantrel: l&apos;opzione &apos;%1&apos; non accetta valori</translation>
    </message>
    <message>
        <source>vantrel: Qt&apos;s option &apos;%1&apos; is written with a space: &apos;%2 %3&apos;</source>
        <translation>vantrel: l&apos;opzione di Qt &apos;%1&apos; si scrive con uno spazio: &apos;%2 %3&apos;</translation>
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
        <translation>Uso: vantrel [--computer[=LEVEL]] [--moves=MOVES] [opzioni di Qt]
Un gioco da tavolo: fai cadere le pedine a turno e allineane quattro per primo.

Opzioni:
  -h, --help          Mostra questo aiuto ed esce.
  -v, --version       Mostra la versione ed esce.
  --computer[=LEVEL]  Gioca contro il computer, che gioca con il blu.
                      LEVEL è easy, medium (predefinito) o hard;
                      hard gioca alla perfezione.
  --moves=MOVES       Parte dalla posizione a cui portano queste mosse: le
                      colonne giocate, da 1 a 7, in ordine, come 4453.
                      Contro il computer giochi il lato che ha la mossa.

Sono accettate anche le opzioni proprie di Qt, come -platform NAME,
-style NAME e -reverse.

Per giocare: fai clic su una casella o premi da 1 a 7 per far cadere una pedina
nella colonna. Ctrl+Z o Backspace annulla una mossa e Ctrl+Y la rigioca; Ctrl+C
copia le mosse; H mostra un suggerimento; A mostra dove porta ogni colonna;
T mostra le minacce. Il pulsante destro, il tasto Menu o Shift+F10 aprono un
menu con tutti questi comandi. F1 elenca tutti i tasti e il significato di
ogni segno sulla tavola.
</translation>
    </message>
    <message>
        <source>vantrel: --moves: move %1, &apos;%2&apos;, is one more than the board&apos;s %3 holes</source>
        <translation>vantrel: --moves: la mossa %1, &apos;%2&apos;, è una in più delle %3 caselle della tavola</translation>
    </message>
    <message>
        <source>vantrel: --moves: move %1, &apos;%2&apos;, is not a column from 1 to 7</source>
        <translation>vantrel: --moves: la mossa %1, &apos;%2&apos;, non è una colonna da 1 a 7</translation>
    </message>
    <message>
        <source>vantrel: --moves: move %1 is in column %2, which is full</source>
        <translation>vantrel: --moves: la mossa %1 è nella colonna %2, che è piena</translation>
    </message>
    <message>
        <source>vantrel: --moves: move %1, in column %2, comes after four in a line ended the game</source>
        <translation>vantrel: --moves: la mossa %1, nella colonna %2, viene dopo che quattro in fila hanno chiuso la partita</translation>
    </message>
    <message>
        <source>vantrel: --moves: move %1, in column %2, ends the game, which leaves nothing to play</source>
        <translation>vantrel: --moves: la mossa %1, nella colonna %2, chiude la partita e non lascia nulla da giocare</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Column %1, no discs</source>
        <translation>Colonna %1, nessuna pedina</translation>
    </message>
    <message>
        <source>Column %1, full</source>
        <translation>Colonna %1, piena</translation>
    </message>
    <message>
        <source>Column %1, 1 disc</source>
        <translation>Colonna %1, 1 pedina</translation>
    </message>
    <message numerus="yes">
        <source>Column %1, %n discs</source>
        <translation>
            <numerusform>Colonna %1, %n pedina</numerusform>
            <numerusform>Colonna %1, %n pedine</numerusform>
        </translation>
    </message>
    <message>
        <source>Column %1, row %2, red</source>
        <translation>Colonna %1, riga %2, pedina rossa</translation>
    </message>
    <message>
        <source>Column %1, row %2, blue</source>
        <translation>Colonna %1, riga %2, pedina blu</translation>
    </message>
    <message>
        <source>Column %1, row %2, empty</source>
        <translation>Colonna %1, riga %2, vuota</translation>
    </message>
    <message>
        <source>Plays red</source>
        <translation>Gioca con il rosso</translation>
    </message>
    <message>
        <source>Plays blue</source>
        <translation>Gioca con il blu</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Suggerimento</translation>
    </message>
    <message>
        <source>Player 1&apos;s name:</source>
        <translation>Nome del giocatore 1:</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>Giocatore 1</translation>
    </message>
    <message>
        <source>Player1</source>
        <translation>Giocatore1</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Player 2&apos;s name:</source>
        <translation>Nome del giocatore 2:</translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation>Giocatore 2</translation>
    </message>
    <message>
        <source>Player2</source>
        <translation>Giocatore2</translation>
    </message>
    <message>
        <source>%1&apos;s turn</source>
        <translation>Tocca a %1</translation>
    </message>
    <message>
        <source>%1 played column %2.</source>
        <translation>%1 ha giocato nella colonna %2.</translation>
    </message>
    <message>
        <source>1 move taken back.</source>
        <translation>1 mossa annullata.</translation>
    </message>
    <message numerus="yes">
        <source>%n moves taken back.</source>
        <translation>
            <numerusform>%n mossa annullata.</numerusform>
            <numerusform>%n mosse annullate.</numerusform>
        </translation>
    </message>
    <message>
        <source>Hint: column %1</source>
        <translation>Suggerimento: colonna %1</translation>
    </message>
    <message>
        <source>Computer is thinking.</source>
        <translation>Il computer sta pensando.</translation>
    </message>
    <message>
        <source>Show Outcomes</source>
        <translation>Mostra esiti</translation>
    </message>
    <message>
        <source>Wins in 1 move</source>
        <translation>Vince in 1 mossa</translation>
    </message>
    <message numerus="yes">
        <source>Wins in %n moves</source>
        <translation>
            <numerusform>Vince in %n mossa</numerusform>
            <numerusform>Vince in %n mosse</numerusform>
        </translation>
    </message>
    <message>
        <source>Loses in 1 move</source>
        <translation>Perde in 1 mossa</translation>
    </message>
    <message numerus="yes">
        <source>Loses in %n moves</source>
        <translation>
            <numerusform>Perde in %n mossa</numerusform>
            <numerusform>Perde in %n mosse</numerusform>
        </translation>
    </message>
    <message>
        <source>Draws</source>
        <translation>Pareggia</translation>
    </message>
    <message>
        <source>Outcomes are shown on the columns.</source>
        <translation>Gli esiti sono mostrati sulle colonne.</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Vince</translation>
    </message>
    <message>
        <source>Loses</source>
        <translation>Perde</translation>
    </message>
    <message>
        <source>Outcome not known yet</source>
        <translation>Esito non ancora noto</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>Copy Moves</source>
        <translation>Copia mosse</translation>
    </message>
    <message>
        <source>Show Threats</source>
        <translation>Mostra minacce</translation>
    </message>
    <message>
        <source>1 move replayed.</source>
        <translation>1 mossa rigiocata.</translation>
    </message>
    <message numerus="yes">
        <source>%n moves replayed.</source>
        <translation>
            <numerusform>%n mossa rigiocata.</numerusform>
            <numerusform>%n mosse rigiocate.</numerusform>
        </translation>
    </message>
    <message>
        <source>Moves copied.</source>
        <translation>Mosse copiate.</translation>
    </message>
    <message>
        <source>Both complete four here</source>
        <translation>Qui entrambi completano quattro in fila</translation>
    </message>
    <message>
        <source>Red completes four here</source>
        <translation>Qui il rosso completa quattro in fila</translation>
    </message>
    <message>
        <source>Blue completes four here</source>
        <translation>Qui il blu completa quattro in fila</translation>
    </message>
    <message>
        <source>Mark Last Move</source>
        <translation>Segna ultima mossa</translation>
    </message>
    <message>
        <source>Mark Mistakes</source>
        <translation>Segna errori</translation>
    </message>
    <message>
        <source>Keys and Views</source>
        <translation>Tasti e viste</translation>
    </message>
    <message>
        <source>Take back the last move; against the computer, with its reply.</source>
        <translation>Annulla l&apos;ultima mossa; contro il computer, insieme alla sua risposta.</translation>
    </message>
    <message>
        <source>Play again the last move taken back.</source>
        <translation>Rigioca l&apos;ultima mossa annullata.</translation>
    </message>
    <message>
        <source>Copy the moves to the clipboard as digits, to start from them again with --moves.</source>
        <translation>Copia le mosse negli appunti come cifre, per ripartire da esse con --moves.</translation>
    </message>
    <message>
        <source>Ring the hole where the best move for the player to move lands.</source>
        <translation>Cerchia la casella dove cade la mossa migliore per il giocatore di turno.</translation>
    </message>
    <message>
        <source>Show or hide what each column leads to under perfect play.</source>
        <translation>Mostra o nascondi dove porta ogni colonna con un gioco perfetto.</translation>
    </message>
    <message>
        <source>Show or hide the holes where a disc would complete four.</source>
        <translation>Mostra o nascondi le caselle dove una pedina completerebbe quattro in fila.</translation>
    </message>
    <message>
        <source>Mark the last disc played, or stop marking it.</source>
        <translation>Segna l&apos;ultima pedina giocata, o smetti di segnarla.</translation>
    </message>
    <message>
        <source>Mark every move that gave up a win or a draw, or stop marking them.</source>
        <translation>Segna ogni mossa che ha lasciato sfuggire una vittoria o un pareggio, o smetti di segnarle.</translation>
    </message>
    <message>
        <source>Show this list of keys and marks.</source>
        <translation>Mostra questo elenco di tasti e segni.</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasti</translation>
    </message>
    <message>
        <source>Marks</source>
        <translation>Segni</translation>
    </message>
    <message>
        <source>1 to 7</source>
        <translation>Da 1 a 7</translation>
    </message>
    <message>
        <source>Drop a disc in that column, as a click on it does.</source>
        <translation>Fai cadere una pedina in quella colonna, come un clic su di essa.</translation>
    </message>
    <message>
        <source>Menu, Shift+F10, the right button</source>
        <translation>Menu, Shift+F10, il pulsante destro</translation>
    </message>
    <message>
        <source>Open the menu with all of these.</source>
        <translation>Apri il menu con tutti questi comandi.</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Escape</translation>
    </message>
    <message>
        <source>Close this window.</source>
        <translation>Chiudi questa finestra.</translation>
    </message>
    <message>
        <source>Playing this column wins, with your third disc from now (+3).</source>
        <translation>Giocando in questa colonna vinci, con la tua terza pedina da ora (+3).</translation>
    </message>
    <message>
        <source>Playing this column loses, after two of your discs (−2).</source>
        <translation>Giocando in questa colonna perdi, dopo due tue pedine (−2).</translation>
    </message>
    <message>
        <source>Playing this column leads to a draw (=).</source>
        <translation>Giocando in questa colonna si arriva al pareggio (=).</translation>
    </message>
    <message>
        <source>A win or a loss whose moves are still being counted (+ or −).</source>
        <translation>Una vittoria o una sconfitta di cui si stanno ancora contando le mosse (+ o −).</translation>
    </message>
    <message>
        <source>The hint: the hole where the best move lands.</source>
        <translation>Il suggerimento: la casella dove cade la mossa migliore.</translation>
    </message>
    <message>
        <source>A threat: a red disc here would complete four.</source>
        <translation>Una minaccia: una pedina rossa qui completerebbe quattro in fila.</translation>
    </message>
    <message>
        <source>A threat: a blue disc here would complete four.</source>
        <translation>Una minaccia: una pedina blu qui completerebbe quattro in fila.</translation>
    </message>
    <message>
        <source>A disc of either colour here would complete four.</source>
        <translation>Una pedina di qualunque colore qui completerebbe quattro in fila.</translation>
    </message>
    <message>
        <source>The last disc played.</source>
        <translation>L&apos;ultima pedina giocata.</translation>
    </message>
    <message>
        <source>A disc of the winning line.</source>
        <translation>Una pedina della fila vincente.</translation>
    </message>
    <message>
        <source>A mistake: that move gave up a win or a draw.</source>
        <translation>Un errore: quella mossa ha lasciato sfuggire una vittoria o un pareggio.</translation>
    </message>
    <message>
        <source>Press F1 for every key and what each mark means</source>
        <translation>Premi F1 per vedere tutti i tasti e il significato di ogni segno</translation>
    </message>
    <message>
        <source>Keys 1 to 7 drop a disc in that column; Ctrl+Z takes a move back and Ctrl+Y plays it again; H shows a hint; A shows what each column leads to; T shows the threats; Ctrl+C copies the moves; F1 lists every key and mark.</source>
        <translation>I tasti da 1 a 7 fanno cadere una pedina nella colonna corrispondente; Ctrl+Z annulla una mossa e Ctrl+Y la rigioca; H mostra un suggerimento; A mostra dove porta ogni colonna; T mostra le minacce; Ctrl+C copia le mosse; F1 elenca tutti i tasti e i segni.</translation>
    </message>
    <message>
        <source>Last move, a mistake</source>
        <translation>Ultima mossa, un errore</translation>
    </message>
    <message>
        <source>Last move</source>
        <translation>Ultima mossa</translation>
    </message>
    <message>
        <source>Mistake</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>That move gives up the win: column %1 kept it.</source>
        <translation>Quella mossa lascia sfuggire la vittoria: la colonna %1 la manteneva.</translation>
    </message>
    <message>
        <source>That move gives up the draw: column %1 kept it.</source>
        <translation>Quella mossa lascia sfuggire il pareggio: la colonna %1 lo manteneva.</translation>
    </message>
    <message>
        <source>No threats</source>
        <translation>Nessuna minaccia</translation>
    </message>
    <message>
        <source>Shown below the board when the threats are asked for and no hole completes four.</source>
        <translation>Appare sotto la tavola quando si chiedono le minacce e nessuna casella completa quattro in fila.</translation>
    </message>
    <message>
        <source>No threats.</source>
        <translation>Nessuna minaccia.</translation>
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
        <translation>Partita finita</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>%1 Wins</source>
        <translation>Vince %1</translation>
    </message>
    <message>
        <source>Tie</source>
        <translation>Pareggio</translation>
    </message>
</context>
<context>
    <name>runtime</name>
    <message>
        <source>Vantrel has met an error it cannot recover from and will close.

%1</source>
        <translation>Vantrel ha riscontrato un errore irreversibile e verrà chiuso.

%1</translation>
    </message>
</context>
</TS>
