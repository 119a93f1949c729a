<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>CommandLine</name>
    <message>
        <source>vantrel: unknown option &apos;%1&apos;</source>
        <translation>vantrel: opção desconhecida &apos;%1&apos;</translation>
    </message>
    <message>
        <source>vantrel: option &apos;%1&apos; needs a value</source>
        <translation>vantrel: a opção &apos;%1&apos; precisa de um valor</translation>
    </message>
    <message>
        <source>vantrel: unexpected argument &apos;%1&apos;</source>
        <translation>vantrel: argumento inesperado &apos;%1&apos;</translation>
    </message>
    <message>
        <source>vantrel: unknown level &apos;%1&apos; for --computer: choose easy, medium or hard</source>
        <translation>vantrel: nível desconhecido &apos;%1&apos; para --computer: escolha easy, medium ou hard</translation>
    </message>
    <message>
        <source>Try &apos;vantrel --help&apos; for more information.</source>
        <translation>Tente &apos;vantrel --help&apos; para mais informações.</translation>
    </message>
    <message>
        <source>vantrel: option &apos;%1&apos; takes no value</source>
        <translation>vantrel: a opção &apos;%1&apos; não aceita valor</translation>
    </message>
    <message>
        <source>vantrel: Qt&apos;s option &apos;%1&apos; is written with a space: &apos;%2 %3&apos;</source>
        <translation>vantrel: a opção do Qt &apos;%1&apos; se escreve com um espaço: &apos;%2 %3&apos;</translation>
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
        <translation>Uso: vantrel [--computer[=LEVEL]] [--moves=MOVES] [opções do Qt]
Um jogo de tabuleiro: solte peças em turnos e seja o primeiro a alinhar quatro.

Opções:
  -h, --help          Mostra esta ajuda e sai.
  -v, --version       Mostra a versão e sai.
  --computer[=LEVEL]  Joga contra o computador, que joga com as azuis.
                      LEVEL é easy, medium (o padrão) ou hard;
                      hard joga com perfeição.
  --moves=MOVES       Começa na posição a que estas jogadas levam: as
                      colunas jogadas, de 1 a 7, em ordem, como 4453.
                      Contra o computador, você joga com o lado da vez.

As opções do próprio Qt, como -platform NAME, -style NAME e -reverse,
também são aceitas.

Como jogar: clique em uma casa, ou pressione de 1 a 7, para soltar uma peça
nessa coluna. Ctrl+Z ou Backspace desfaz uma jogada e Ctrl+Y a refaz; Ctrl+C
copia as jogadas; H mostra uma dica; A mostra aonde cada coluna leva; T mostra
as ameaças. O botão direito, a tecla Menu ou Shift+F10 abre um menu com todas
essas opções. F1 lista todas as teclas e o que significa cada marca no
tabuleiro.
</translation>
    </message>
    <message>
        <source>vantrel: --moves: move %1, &apos;%2&apos;, is one more than the board&apos;s %3 holes</source>
        <translation>vantrel: --moves: a jogada %1, &apos;%2&apos;, é uma a mais que as %3 casas do tabuleiro</translation>
    </message>
    <message>
        <source>vantrel: --moves: move %1, &apos;%2&apos;, is not a column from 1 to 7</source>
        <translation>vantrel: --moves: a jogada %1, &apos;%2&apos;, não é uma coluna de 1 a 7</translation>
    </message>
    <message>
        <source>vantrel: --moves: move %1 is in column %2, which is full</source>
        <translation>vantrel: --moves: a jogada %1 é na coluna %2, que está cheia</translation>
    </message>
    <message>
        <source>vantrel: --moves: move %1, in column %2, comes after four in a line ended the game</source>
        <translation>vantrel: --moves: a jogada %1, na coluna %2, vem depois que quatro em linha encerraram a partida</translation>
    </message>
    <message>
        <source>vantrel: --moves: move %1, in column %2, ends the game, which leaves nothing to play</source>
        <translation>vantrel: --moves: a jogada %1, na coluna %2, encerra a partida e não deixa nada para jogar</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Column %1, no discs</source>
        <translation>Coluna %1, sem peças</translation>
    </message>
    <message>
        <source>Column %1, full</source>
        <translation>Coluna %1, cheia</translation>
    </message>
    <message>
        <source>Column %1, 1 disc</source>
        <translation>Coluna %1, 1 peça</translation>
    </message>
    <message numerus="yes">
        <source>Column %1, %n discs</source>
        <translation>
            <numerusform>Coluna %1, %n peça</numerusform>
            <numerusform>Coluna %1, %n peças</numerusform>
        </translation>
    </message>
    <message>
        <source>Column %1, row %2, red</source>
        <translation>Coluna %1, linha %2, peça vermelha</translation>
    </message>
    <message>
        <source>Column %1, row %2, blue</source>
        <translation>Coluna %1, linha %2, peça azul</translation>
    </message>
    <message>
        <source>Column %1, row %2, empty</source>
        <translation>Coluna %1, linha %2, vazia</translation>
    </message>
    <message>
        <source>Plays red</source>
        <translation>Joga com as vermelhas</translation>
    </message>
    <message>
        <source>Plays blue</source>
        <translation>Joga com as azuis</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Dica</translation>
    </message>
    <message>
        <source>Player 1&apos;s name:</source>
        <translation>Nome do jogador 1:</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>Jogador 1</translation>
    </message>
    <message>
        <source>Player1</source>
        <translation>Jogador1</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computador</translation>
    </message>
    <message>
        <source>Player 2&apos;s name:</source>
        <translation>Nome do jogador 2:</translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation>Jogador 2</translation>
    </message>
    <message>
        <source>Player2</source>
        <translation>Jogador2</translation>
    </message>
    <message>
        <source>%1&apos;s turn</source>
        <translation>Vez de %1</translation>
    </message>
    <message>
        <source>%1 played column %2.</source>
        <translation>%1 jogou na coluna %2.</translation>
    </message>
    <message>
        <source>1 move taken back.</source>
        <translation>1 jogada desfeita.</translation>
    </message>
    <message numerus="yes">
        <source>%n moves taken back.</source>
        <translation>
            <numerusform>%n jogada desfeita.</numerusform>
            <numerusform>%n jogadas desfeitas.</numerusform>
        </translation>
    </message>
    <message>
        <source>Hint: column %1</source>
        <translation>Dica: coluna %1</translation>
    </message>
    <message>
        <source>Computer is thinking.</source>
        <translation>O computador está pensando.</translation>
    </message>
    <message>
        <source>Show Outcomes</source>
        <translation>Mostrar desfechos</translation>
    </message>
    <message>
        <source>Wins in 1 move</source>
        <translation>Vence em 1 jogada</translation>
    </message>
    <message numerus="yes">
        <source>Wins in %n moves</source>
        <translation>
            <numerusform>Vence em %n jogada</numerusform>
            <numerusform>Vence em %n jogadas</numerusform>
        </translation>
    </message>
    <message>
        <source>Loses in 1 move</source>
        <translation>Perde em 1 jogada</translation>
    </message>
    <message numerus="yes">
        <source>Loses in %n moves</source>
        <translation>
            <numerusform>Perde em %n jogada</numerusform>
            <numerusform>Perde em %n jogadas</numerusform>
        </translation>
    </message>
    <message>
        <source>Draws</source>
        <translation>Empata</translation>
    </message>
    <message>
        <source>Outcomes are shown on the columns.</source>
        <translation>Os desfechos são mostrados nas colunas.</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Vence</translation>
    </message>
    <message>
        <source>Loses</source>
        <translation>Perde</translation>
    </message>
    <message>
        <source>Outcome not known yet</source>
        <translation>Desfecho ainda desconhecido</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>Copy Moves</source>
        <translation>Copiar jogadas</translation>
    </message>
    <message>
        <source>Show Threats</source>
        <translation>Mostrar ameaças</translation>
    </message>
    <message>
        <source>1 move replayed.</source>
        <translation>1 jogada refeita.</translation>
    </message>
    <message numerus="yes">
        <source>%n moves replayed.</source>
        <translation>
            <numerusform>%n jogada refeita.</numerusform>
            <numerusform>%n jogadas refeitas.</numerusform>
        </translation>
    </message>
    <message>
        <source>Moves copied.</source>
        <translation>Jogadas copiadas.</translation>
    </message>
    <message>
        <source>Both complete four here</source>
        <translation>Aqui os dois completam quatro</translation>
    </message>
    <message>
        <source>Red completes four here</source>
        <translation>Aqui o vermelho completa quatro</translation>
    </message>
    <message>
        <source>Blue completes four here</source>
        <translation>Aqui o azul completa quatro</translation>
    </message>
    <message>
        <source>Mark Last Move</source>
        <translation>Marcar última jogada</translation>
    </message>
    <message>
        <source>Mark Mistakes</source>
        <translation>Marcar erros</translation>
    </message>
    <message>
        <source>Keys and Views</source>
        <translation>Teclas e visualizações</translation>
    </message>
    <message>
        <source>Take back the last move; against the computer, with its reply.</source>
        <translation>Desfazer a última jogada; contra o computador, junto com a resposta dele.</translation>
    </message>
    <message>
        <source>Play again the last move taken back.</source>
        <translation>Refazer a última jogada desfeita.</translation>
    </message>
    <message>
        <source>Copy the moves to the clipboard as digits, to start from them again with --moves.</source>
        <translation>Copiar as jogadas para a área de transferência como dígitos, para recomeçar a partir delas com --moves.</translation>
    </message>
    <message>
        <source>Ring the hole where the best move for the player to move lands.</source>
        <translation>Circular a casa onde cai a melhor jogada do jogador da vez.</translation>
    </message>
    <message>
        <source>Show or hide what each column leads to under perfect play.</source>
        <translation>Mostrar ou ocultar aonde cada coluna leva com jogo perfeito.</translation>
    </message>
    <message>
        <source>Show or hide the holes where a disc would complete four.</source>
        <translation>Mostrar ou ocultar as casas onde uma peça completaria quatro.</translation>
    </message>
    <message>
        <source>Mark the last disc played, or stop marking it.</source>
        <translation>Marcar a última peça jogada, ou deixar de marcá-la.</translation>
    </message>
    <message>
        <source>Mark every move that gave up a win or a draw, or stop marking them.</source>
        <translation>Marcar cada jogada que deixou escapar uma vitória ou um empate, ou deixar de marcá-las.</translation>
    </message>
    <message>
        <source>Show this list of keys and marks.</source>
        <translation>Mostrar esta lista de teclas e marcas.</translation>
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
        <translation>De 1 a 7</translation>
    </message>
    <message>
        <source>Drop a disc in that column, as a click on it does.</source>
        <translation>Soltar uma peça nessa coluna, como um clique nela.</translation>
    </message>
    <message>
        <source>Menu, Shift+F10, the right button</source>
        <translation>Menu, Shift+F10, o botão direito</translation>
    </message>
    <message>
        <source>Open the menu with all of these.</source>
        <translation>Abrir o menu com todas essas opções.</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Escape</translation>
    </message>
    <message>
        <source>Close this window.</source>
        <translation>Fechar esta janela.</translation>
    </message>
    <message>
        <source>Playing this column wins, with your third disc from now (+3).</source>
        <translation>Jogar nesta coluna vence, com sua terceira peça a partir de agora (+3).</translation>
    </message>
    <message>
        <source>Playing this column loses, after two of your discs (−2).</source>
        <translation>Jogar nesta coluna perde, depois de duas peças suas (−2).</translation>
    </message>
    <message>
        <source>Playing this column leads to a draw (=).</source>
        <translation>Jogar nesta coluna leva a um empate (=).</translation>
    </message>
    <message>
        <source>A win or a loss whose moves are still being counted (+ or −).</source>
        <translation>Uma vitória ou uma derrota cujas jogadas ainda estão sendo contadas (+ ou −).</translation>
    </message>
    <message>
        <source>The hint: the hole where the best move lands.</source>
        <translation>A dica: a casa onde cai a melhor jogada.</translation>
    </message>
    <message>
        <source>A threat: a red disc here would complete four.</source>
        <translation>Uma ameaça: uma peça vermelha aqui completaria quatro.</translation>
    </message>
    <message>
        <source>A threat: a blue disc here would complete four.</source>
        <translation>Uma ameaça: uma peça azul aqui completaria quatro.</translation>
    </message>
    <message>
        <source>A disc of either colour here would complete four.</source>
        <translation>Uma peça de qualquer cor aqui completaria quatro.</translation>
    </message>
    <message>
        <source>The last disc played.</source>
        <translation>A última peça jogada.</translation>
    </message>
    <message>
        <source>A disc of the winning line.</source>
        <translation>Uma peça da linha vencedora.</translation>
    </message>
    <message>
        <source>A mistake: that move gave up a win or a draw.</source>
        <translation>Um erro: essa jogada deixou escapar uma vitória ou um empate.</translation>
    </message>
    <message>
        <source>Press F1 for every key and what each mark means</source>
        <translation>Pressione F1 para ver todas as teclas e o que significa cada marca</translation>
    </message>
    <message>
        <source>Keys 1 to 7 drop a disc in that column; Ctrl+Z takes a move back and Ctrl+Y plays it again; H shows a hint; A shows what each column leads to; T shows the threats; Ctrl+C copies the moves; F1 lists every key and mark.</source>
        <translation>As teclas de 1 a 7 soltam uma peça na coluna correspondente; Ctrl+Z desfaz uma jogada e Ctrl+Y a refaz; H mostra uma dica; A mostra aonde cada coluna leva; T mostra as ameaças; Ctrl+C copia as jogadas; F1 lista todas as teclas e marcas.</translation>
    </message>
    <message>
        <source>Last move, a mistake</source>
        <translation>Última jogada, um erro</translation>
    </message>
    <message>
        <source>Last move</source>
        <translation>Última jogada</translation>
    </message>
    <message>
        <source>Mistake</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>That move gives up the win: column %1 kept it.</source>
        <translation>Essa jogada deixa escapar a vitória: a coluna %1 a mantinha.</translation>
    </message>
    <message>
        <source>That move gives up the draw: column %1 kept it.</source>
        <translation>Essa jogada deixa escapar o empate: a coluna %1 o mantinha.</translation>
    </message>
    <message>
        <source>No threats</source>
        <translation>Sem ameaças</translation>
    </message>
    <message>
        <source>Shown below the board when the threats are asked for and no hole completes four.</source>
        <translation>Aparece abaixo do tabuleiro quando as ameaças são pedidas e nenhuma casa completa quatro.</translation>
    </message>
    <message>
        <source>No threats.</source>
        <translation>Sem ameaças.</translation>
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
        <translation>Fim de jogo</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>%1 Wins</source>
        <translation>%1 venceu</translation>
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
        <translation>O Vantrel encontrou um erro do qual não consegue se recuperar e será fechado.

%1</translation>
    </message>
</context>
</TS>
