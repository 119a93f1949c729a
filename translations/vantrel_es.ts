<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>CommandLine</name>
    <message>
        <source>vantrel: unknown option &apos;%1&apos;</source>
        <translation>vantrel: opción desconocida &apos;%1&apos;</translation>
    </message>
    <message>
        <source>vantrel: option &apos;%1&apos; needs a value</source>
        <translation>vantrel: la opción &apos;%1&apos; necesita un valor</translation>
    </message>
    <message>
        <source>vantrel: unexpected argument &apos;%1&apos;</source>
        <translation>vantrel: argumento inesperado &apos;%1&apos;</translation>
    </message>
    <message>
        <source>vantrel: unknown level &apos;%1&apos; for --computer: choose easy, medium or hard</source>
        <translation>vantrel: nivel desconocido &apos;%1&apos; para --computer: elige easy, medium o hard</translation>
    </message>
    <message>
        <source>Try &apos;vantrel --help&apos; for more information.</source>
        <translation>Prueba &apos;vantrel --help&apos; para más información.</translation>
    </message>
    <message>
        <source>vantrel: option &apos;%1&apos; takes no value</source>
        <translation>vantrel: la opción &apos;%1&apos; no admite ningún valor</translation>
    </message>
    <message>
        <source>vantrel: Qt&apos;s option &apos;%1&apos; is written with a space: &apos;%2 %3&apos;</source>
        <translation>vantrel: la opción de Qt &apos;%1&apos; se escribe con un espacio: &apos;%2 %3&apos;</translation>
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
        <translation>Uso: vantrel [--computer[=LEVEL]] [--moves=MOVES] [opciones de Qt]
Un juego de tablero: suelta fichas por turnos y sé el primero en alinear cuatro.

Opciones:
  -h, --help          Muestra esta ayuda y sale.
  -v, --version       Muestra la versión y sale.
  --computer[=LEVEL]  Juega contra el ordenador, que juega con las azules.
                      LEVEL es easy, medium (predeterminado) o hard;
                      hard juega a la perfección.
  --moves=MOVES       Empieza en la posición a la que llevan estas jugadas:
                      las columnas jugadas, de 1 a 7, en orden, como 4453.
                      Contra el ordenador juegas el bando al que le toca.

Las opciones propias de Qt, como -platform NAME, -style NAME y -reverse,
también se aceptan.

Cómo jugar: haz clic en una casilla, o pulsa de 1 a 7, para soltar una ficha en
esa columna. Ctrl+Z o Backspace deshace una jugada y Ctrl+Y la rehace; Ctrl+C
copia las jugadas; H muestra una pista; A muestra adónde lleva cada columna;
T muestra las amenazas. El botón derecho, la tecla Menú o Shift+F10 abren un
menú con todas estas opciones. F1 enumera todas las teclas y lo que significa
cada marca del tablero.
</translation>
    </message>
    <message>
        <source>vantrel: --moves: move %1, &apos;%2&apos;, is one more than the board&apos;s %3 holes</source>
        <translation>vantrel: --moves: la jugada %1, &apos;%2&apos;, es una más que las %3 casillas del tablero</translation>
    </message>
    <message>
        <source>vantrel: --moves: move %1, &apos;%2&apos;, is not a column from 1 to 7</source>
        <translation>vantrel: --moves: la jugada %1, &apos;%2&apos;, no es una columna del 1 al 7</translation>
    </message>
    <message>
        <source>vantrel: --moves: move %1 is in column %2, which is full</source>
        <translation>vantrel: --moves: la jugada %1 va en la columna %2, que está llena</translation>
    </message>
    <message>
        <source>vantrel: --moves: move %1, in column %2, comes after four in a line ended the game</source>
        <translation>vantrel: --moves: la jugada %1, en la columna %2, llega después de que cuatro en línea terminaran la partida</translation>
    </message>
    <message>
        <source>vantrel: --moves: move %1, in column %2, ends the game, which leaves nothing to play</source>
        <translation>vantrel: --moves: la jugada %1, en la columna %2, termina la partida y no deja nada por jugar</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Column %1, no discs</source>
        <translation>Columna %1, sin fichas</translation>
    </message>
    <message>
        <source>Column %1, full</source>
        <translation>Columna %1, llena</translation>
    </message>
    <message>
        <source>Column %1, 1 disc</source>
        <translation>Columna %1, 1 ficha</translation>
    </message>
    <message numerus="yes">
        <source>Column %1, %n discs</source>
        <translation>
            <numerusform>Columna %1, %n ficha</numerusform>
            <numerusform>Columna %1, %n fichas</numerusform>
        </translation>
    </message>
    <message>
        <source>Column %1, row %2, red</source>
        <translation>Columna %1, fila %2, ficha roja</translation>
    </message>
    <message>
        <source>Column %1, row %2, blue</source>
        <translation>Columna %1, fila %2, ficha azul</translation>
    </message>
    <message>
        <source>Column %1, row %2, empty</source>
        <translation>Columna %1, fila %2, vacía</translation>
    </message>
    <message>
        <source>Plays red</source>
        <translation>Juega con las rojas</translation>
    </message>
    <message>
        <source>Plays blue</source>
        <translation>Juega con las azules</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Pista</translation>
    </message>
    <message>
        <source>Player 1&apos;s name:</source>
        <translation>Nombre del jugador 1:</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>Jugador 1</translation>
    </message>
    <message>
        <source>Player1</source>
        <translation>Jugador1</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordenador</translation>
    </message>
    <message>
        <source>Player 2&apos;s name:</source>
        <translation>Nombre del jugador 2:</translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation>Jugador 2</translation>
    </message>
    <message>
        <source>Player2</source>
        <translation>Jugador2</translation>
    </message>
    <message>
        <source>%1&apos;s turn</source>
        <translation>Turno de %1</translation>
    </message>
    <message>
        <source>%1 played column %2.</source>
        <translation>%1 ha jugado en la columna %2.</translation>
    </message>
    <message>
        <source>1 move taken back.</source>
        <translation>Se ha deshecho 1 jugada.</translation>
    </message>
    <message numerus="yes">
        <source>%n moves taken back.</source>
        <translation>
            <numerusform>Se ha deshecho %n jugada.</numerusform>
            <numerusform>Se han deshecho %n jugadas.</numerusform>
        </translation>
    </message>
    <message>
        <source>Hint: column %1</source>
        <translation>Pista: columna %1</translation>
    </message>
    <message>
        <source>Computer is thinking.</source>
        <translation>El ordenador está pensando.</translation>
    </message>
    <message>
        <source>Show Outcomes</source>
        <translation>Mostrar desenlaces</translation>
    </message>
    <message>
        <source>Wins in 1 move</source>
        <translation>Gana en 1 jugada</translation>
    </message>
    <message numerus="yes">
        <source>Wins in %n moves</source>
        <translation>
            <numerusform>Gana en %n jugada</numerusform>
            <numerusform>Gana en %n jugadas</numerusform>
        </translation>
    </message>
    <message>
        <source>Loses in 1 move</source>
        <translation>Pierde en 1 jugada</translation>
    </message>
    <message numerus="yes">
        <source>Loses in %n moves</source>
        <translation>
            <numerusform>Pierde en %n jugada</numerusform>
            <numerusform>Pierde en %n jugadas</numerusform>
        </translation>
    </message>
    <message>
        <source>Draws</source>
        <translation>Empata</translation>
    </message>
    <message>
        <source>Outcomes are shown on the columns.</source>
        <translation>Los desenlaces se muestran en las columnas.</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Gana</translation>
    </message>
    <message>
        <source>Loses</source>
        <translation>Pierde</translation>
    </message>
    <message>
        <source>Outcome not known yet</source>
        <translation>Desenlace aún desconocido</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Copy Moves</source>
        <translation>Copiar jugadas</translation>
    </message>
    <message>
        <source>Show Threats</source>
        <translation>Mostrar amenazas</translation>
    </message>
    <message>
        <source>1 move replayed.</source>
        <translation>Se ha rehecho 1 jugada.</translation>
    </message>
    <message numerus="yes">
        <source>%n moves replayed.</source>
        <translation>
            <numerusform>Se ha rehecho %n jugada.</numerusform>
            <numerusform>Se han rehecho %n jugadas.</numerusform>
        </translation>
    </message>
    <message>
        <source>Moves copied.</source>
        <translation>Jugadas copiadas.</translation>
    </message>
    <message>
        <source>Both complete four here</source>
        <translation>Aquí ambos completan cuatro</translation>
    </message>
    <message>
        <source>Red completes four here</source>
        <translation>Aquí el rojo completa cuatro</translation>
    </message>
    <message>
        <source>Blue completes four here</source>
        <translation>Aquí el azul completa cuatro</translation>
    </message>
    <message>
        <source>Mark Last Move</source>
        <translation>Marcar última jugada</translation>
    </message>
    <message>
        <source>Mark Mistakes</source>
        <translation>Marcar errores</translation>
    </message>
    <message>
        <source>Keys and Views</source>
        <translation>Teclas y vistas</translation>
    </message>
    <message>
        <source>Take back the last move; against the computer, with its reply.</source>
        <translation>Deshacer la última jugada; contra el ordenador, también su respuesta.</translation>
    </message>
    <message>
        <source>Play again the last move taken back.</source>
        <translation>Rehacer la última jugada deshecha.</translation>
    </message>
    <message>
        <source>Copy the moves to the clipboard as digits, to start from them again with --moves.</source>
        <translation>Copiar las jugadas al portapapeles como cifras, para volver a partir de ellas con --moves.</translation>
    </message>
    <message>
        <source>Ring the hole where the best move for the player to move lands.</source>
        <translation>Rodear con un anillo la casilla donde cae la mejor jugada del jugador al que le toca.</translation>
    </message>
    <message>
        <source>Show or hide what each column leads to under perfect play.</source>
        <translation>Mostrar u ocultar adónde lleva cada columna con un juego perfecto.</translation>
    </message>
    <message>
        <source>Show or hide the holes where a disc would complete four.</source>
        <translation>Mostrar u ocultar las casillas donde una ficha completaría cuatro.</translation>
    </message>
    <message>
        <source>Mark the last disc played, or stop marking it.</source>
        <translation>Marcar la última ficha jugada, o dejar de marcarla.</translation>
    </message>
    <message>
        <source>Mark every move that gave up a win or a draw, or stop marking them.</source>
        <translation>Marcar cada jugada que dejó escapar una victoria o un empate, o dejar de marcarlas.</translation>
    </message>
    <message>
        <source>Show this list of keys and marks.</source>
        <translation>Mostrar esta lista de teclas y marcas.</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>Marks</source>
        <translation>Marcas</translation>
    </message>
    <message>
        <source>1 to 7</source>
        <translation>Del 1 al 7</translation>
    </message>
    <message>
        <source>Drop a disc in that column, as a click on it does.</source>
        <translation>Soltar una ficha en esa columna, como al hacer clic en ella.</translation>
    </message>
    <message>
        <source>Menu, Shift+F10, the right button</source>
        <translation>Menú, Shift+F10, el botón derecho</translation>
    </message>
    <message>
        <source>Open the menu with all of these.</source>
        <translation>Abrir el menú con todas estas opciones.</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Escape</translation>
    </message>
    <message>
        <source>Close this window.</source>
        <translation>Cerrar esta ventana.</translation>
    </message>
    <message>
        <source>Playing this column wins, with your third disc from now (+3).</source>
        <translation>Jugar en esta columna gana, con tu tercera ficha a partir de ahora (+3).</translation>
    </message>
    <message>
        <source>Playing this column loses, after two of your discs (−2).</source>
        <translation>Jugar en esta columna pierde, tras dos de tus fichas (−2).</translation>
    </message>
    <message>
        <source>Playing this column leads to a draw (=).</source>
        <translation>Jugar en esta columna lleva al empate (=).</translation>
    </message>
    <message>
        <source>A win or a loss whose moves are still being counted (+ or −).</source>
        <translation>Una victoria o una derrota cuyas jugadas aún se están contando (+ o −).</translation>
    </message>
    <message>
        <source>The hint: the hole where the best move lands.</source>
        <translation>La pista: la casilla donde cae la mejor jugada.</translation>
    </message>
    <message>
        <source>A threat: a red disc here would complete four.</source>
        <translation>Una amenaza: una ficha roja aquí completaría cuatro.</translation>
    </message>
    <message>
        <source>A threat: a blue disc here would complete four.</source>
        <translation>Una amenaza: una ficha azul aquí completaría cuatro.</translation>
    </message>
    <message>
        <source>A disc of either colour here would complete four.</source>
        <translation>Una ficha de cualquier color aquí completaría cuatro.</translation>
    </message>
    <message>
        <source>The last disc played.</source>
        <translation>La última ficha jugada.</translation>
    </message>
    <message>
        <source>A disc of the winning line.</source>
        <translation>Una ficha de la línea ganadora.</translation>
    </message>
    <message>
        <source>A mistake: that move gave up a win or a draw.</source>
        <translation>Un error: esa jugada dejó escapar una victoria o un empate.</translation>
    </message>
    <message>
        <source>Press F1 for every key and what each mark means</source>
        <translation>Pulsa F1 para ver todas las teclas y qué significa cada marca</translation>
    </message>
    <message>
        <source>Keys 1 to 7 drop a disc in that column; Ctrl+Z takes a move back and Ctrl+Y plays it again; H shows a hint; A shows what each column leads to; T shows the threats; Ctrl+C copies the moves; F1 lists every key and mark.</source>
        <translation>Las teclas del 1 al 7 sueltan una ficha en esa columna; Ctrl+Z deshace una jugada y Ctrl+Y la rehace; H muestra una pista; A muestra adónde lleva cada columna; T muestra las amenazas; Ctrl+C copia las jugadas; F1 enumera todas las teclas y marcas.</translation>
    </message>
    <message>
        <source>Last move, a mistake</source>
        <translation>Última jugada, un error</translation>
    </message>
    <message>
        <source>Last move</source>
        <translation>Última jugada</translation>
    </message>
    <message>
        <source>Mistake</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>That move gives up the win: column %1 kept it.</source>
        <translation>Esa jugada deja escapar la victoria: la columna %1 la mantenía.</translation>
    </message>
    <message>
        <source>That move gives up the draw: column %1 kept it.</source>
        <translation>Esa jugada deja escapar el empate: la columna %1 lo mantenía.</translation>
    </message>
    <message>
        <source>No threats</source>
        <translation>Sin amenazas</translation>
    </message>
    <message>
        <source>Shown below the board when the threats are asked for and no hole completes four.</source>
        <translation>Se muestra bajo el tablero cuando se piden las amenazas y ninguna casilla completa cuatro.</translation>
    </message>
    <message>
        <source>No threats.</source>
        <translation>Sin amenazas.</translation>
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
        <translation>Fin de la partida</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>%1 Wins</source>
        <translation>Gana %1</translation>
    </message>
    <message>
        <source>Tie</source>
        <translation>Empate</translation>
    </message>
</context>
<context>
    <name>runtime</name>
    <message>
        <source>Vantrel has met an error it cannot recover from and will close.

%1</source>
        <translation>Vantrel ha encontrado un error del que no puede recuperarse y se cerrará.

%1</translation>
    </message>
</context>
</TS>
