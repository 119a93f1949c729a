<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>CommandLine</name>
    <message>
        <source>vantrel: unknown option &apos;%1&apos;</source>
        <translation>vantrel: неизвестный параметр &apos;%1&apos;</translation>
    </message>
    <message>
        <source>vantrel: option &apos;%1&apos; needs a value</source>
        <translation>vantrel: для параметра &apos;%1&apos; требуется значение</translation>
    </message>
    <message>
        <source>vantrel: unexpected argument &apos;%1&apos;</source>
        <translation>vantrel: неожиданный аргумент &apos;%1&apos;</translation>
    </message>
    <message>
        <source>vantrel: unknown level &apos;%1&apos; for --computer: choose easy, medium or hard</source>
        <translation>vantrel: неизвестный уровень &apos;%1&apos; для --computer: выберите easy, medium или hard</translation>
    </message>
    <message>
        <source>Try &apos;vantrel --help&apos; for more information.</source>
        <translation>Подробности можно узнать, выполнив &apos;vantrel --help&apos;.</translation>
    </message>
    <message>
        <source>vantrel: option &apos;%1&apos; takes no value</source>
        <translation>vantrel: параметр &apos;%1&apos; не принимает значения</translation>
    </message>
    <message>
        <source>vantrel: Qt&apos;s option &apos;%1&apos; is written with a space: &apos;%2 %3&apos;</source>
        <translation>vantrel: параметр Qt &apos;%1&apos; пишется через пробел: &apos;%2 %3&apos;</translation>
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
        <translation>Использование: vantrel [--computer[=LEVEL]] [--moves=MOVES] [параметры Qt]
Настольная игра: бросайте фишки по очереди и первым выстройте четыре в линию.

Параметры:
  -h, --help          Показать эту справку и выйти.
  -v, --version       Показать версию и выйти.
  --computer[=LEVEL]  Играть против компьютера, который играет синими.
                      LEVEL — easy, medium (по умолчанию) или hard;
                      на уровне hard компьютер играет безошибочно.
  --moves=MOVES       Начать с позиции, к которой ведут эти ходы: номера
                      сыгранных столбцов от 1 до 7 по порядку, например 4453.
                      Против компьютера вы играете за сторону, чей ход.

Также принимаются собственные параметры Qt, например -platform NAME,
-style NAME и -reverse.

Игра: щёлкните по ячейке или нажмите клавишу от 1 до 7, чтобы бросить фишку
в этот столбец. Ctrl+Z или Backspace отменяет ход, Ctrl+Y повторяет его;
Ctrl+C копирует ходы; H показывает подсказку; A показывает, к чему ведёт
каждый столбец; T показывает угрозы. Правая кнопка мыши, клавиша Menu или
Shift+F10 вызывают меню со всеми этими командами. F1 показывает все клавиши
и объясняет, что значит каждая отметка на доске.
</translation>
    </message>
    <message>
        <source>vantrel: --moves: move %1, &apos;%2&apos;, is one more than the board&apos;s %3 holes</source>
        <translation>vantrel: --moves: ход %1, &apos;%2&apos;, на один больше, чем %3 ячейки доски</translation>
    </message>
    <message>
        <source>vantrel: --moves: move %1, &apos;%2&apos;, is not a column from 1 to 7</source>
        <translation>vantrel: --moves: ход %1, &apos;%2&apos;, не является столбцом от 1 до 7</translation>
    </message>
    <message>
        <source>vantrel: --moves: move %1 is in column %2, which is full</source>
        <translation>vantrel: --moves: ход %1 в столбец %2, который заполнен</translation>
    </message>
    <message>
        <source>vantrel: --moves: move %1, in column %2, comes after four in a line ended the game</source>
        <translation>vantrel: --moves: ход %1, в столбец %2, сделан после того, как четыре в линию завершили игру</translation>
    </message>
    <message>
        <source>vantrel: --moves: move %1, in column %2, ends the game, which leaves nothing to play</source>
        <translation>vantrel: --moves: ход %1, в столбец %2, завершает игру, и играть больше нечего</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Column %1, no discs</source>
        <translation>Столбец %1, фишек нет</translation>
    </message>
    <message>
        <source>Column %1, full</source>
        <translation>Столбец %1, заполнен</translation>
    </message>
    <message>
        <source>Column %1, 1 disc</source>
        <translation>Столбец %1, 1 фишка</translation>
    </message>
    <message numerus="yes">
        <source>Column %1, %n discs</source>
        <translation>
            <numerusform>Столбец %1, %n фишка</numerusform>
            <numerusform>Столбец %1, %n фишки</numerusform>
            <numerusform>Столбец %1, %n фишек</numerusform>
        </translation>
    </message>
    <message>
        <source>Column %1, row %2, red</source>
        <translation>Столбец %1, ряд %2, красная фишка</translation>
    </message>
    <message>
        <source>Column %1, row %2, blue</source>
        <translation>Столбец %1, ряд %2, синяя фишка</translation>
    </message>
    <message>
        <source>Column %1, row %2, empty</source>
        <translation>Столбец %1, ряд %2, пусто</translation>
    </message>
    <message>
        <source>Plays red</source>
        <translation>Играет красными</translation>
    </message>
    <message>
        <source>Plays blue</source>
        <translation>Играет синими</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Подсказка</translation>
    </message>
    <message>
        <source>Player 1&apos;s name:</source>
        <translation>Имя игрока 1:</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>Игрок 1</translation>
    </message>
    <message>
        <source>Player1</source>
        <translation>Игрок1</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Компьютер</translation>
    </message>
    <message>
        <source>Player 2&apos;s name:</source>
        <translation>Имя игрока 2:</translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation>Игрок 2</translation>
    </message>
    <message>
        <source>Player2</source>
        <translation>Игрок2</translation>
    </message>
    <message>
        <source>%1&apos;s turn</source>
        <translation>Ходит %1</translation>
    </message>
    <message>
        <source>%1 played column %2.</source>
        <translation>%1 бросает фишку в столбец %2.</translation>
    </message>
    <message>
        <source>1 move taken back.</source>
        <translation>Отменён 1 ход.</translation>
    </message>
    <message numerus="yes">
        <source>%n moves taken back.</source>
        <translation>
            <numerusform>Отменён %n ход.</numerusform>
            <numerusform>Отменено %n хода.</numerusform>
            <numerusform>Отменено %n ходов.</numerusform>
        </translation>
    </message>
    <message>
        <source>Hint: column %1</source>
        <translation>Подсказка: столбец %1</translation>
    </message>
    <message>
        <source>Computer is thinking.</source>
        <translation>Компьютер думает.</translation>
    </message>
    <message>
        <source>Show Outcomes</source>
        <translation>Показать исходы</translation>
    </message>
    <message>
        <source>Wins in 1 move</source>
        <translation>Победа за 1 ход</translation>
    </message>
    <message numerus="yes">
        <source>Wins in %n moves</source>
        <translation>
            <numerusform>Победа за %n ход</numerusform>
            <numerusform>Победа за %n хода</numerusform>
            <numerusform>Победа за %n ходов</numerusform>
        </translation>
    </message>
    <message>
        <source>Loses in 1 move</source>
        <translation>Поражение за 1 ход</translation>
    </message>
    <message numerus="yes">
        <source>Loses in %n moves</source>
        <translation>
            <numerusform>Поражение за %n ход</numerusform>
            <numerusform>Поражение за %n хода</numerusform>
            <numerusform>Поражение за %n ходов</numerusform>
        </translation>
    </message>
    <message>
        <source>Draws</source>
        <translation>Ничья</translation>
    </message>
    <message>
        <source>Outcomes are shown on the columns.</source>
        <translation>Исходы показаны на столбцах.</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Победа</translation>
    </message>
    <message>
        <source>Loses</source>
        <translation>Поражение</translation>
    </message>
    <message>
        <source>Outcome not known yet</source>
        <translation>Исход пока неизвестен</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>Copy Moves</source>
        <translation>Копировать ходы</translation>
    </message>
    <message>
        <source>Show Threats</source>
        <translation>Показать угрозы</translation>
    </message>
    <message>
        <source>1 move replayed.</source>
        <translation>Повторён 1 ход.</translation>
    </message>
    <message numerus="yes">
        <source>%n moves replayed.</source>
        <translation>
            <numerusform>Повторён %n ход.</numerusform>
            <numerusform>Повторено %n хода.</numerusform>
            <numerusform>Повторено %n ходов.</numerusform>
        </translation>
    </message>
    <message>
        <source>Moves copied.</source>
        <translation>Ходы скопированы.</translation>
    </message>
    <message>
        <source>Both complete four here</source>
        <translation>Здесь четыре в линию получают оба</translation>
    </message>
    <message>
        <source>Red completes four here</source>
        <translation>Здесь четыре в линию получает красный</translation>
    </message>
    <message>
        <source>Blue completes four here</source>
        <translation>Здесь четыре в линию получает синий</translation>
    </message>
    <message>
        <source>Mark Last Move</source>
        <translation>Отметить последний ход</translation>
    </message>
    <message>
        <source>Mark Mistakes</source>
        <translation>Отметить ошибки</translation>
    </message>
    <message>
        <source>Keys and Views</source>
        <translation>Клавиши и отображение</translation>
    </message>
    <message>
        <source>Take back the last move; against the computer, with its reply.</source>
        <translation>Отменить последний ход; при игре с компьютером — вместе с его ответом.</translation>
    </message>
    <message>
        <source>Play again the last move taken back.</source>
        <translation>Повторить последний отменённый ход.</translation>
    </message>
    <message>
        <source>Copy the moves to the clipboard as digits, to start from them again with --moves.</source>
        <translation>Скопировать ходы в буфер обмена цифрами, чтобы снова начать с них через --moves.</translation>
    </message>
    <message>
        <source>Ring the hole where the best move for the player to move lands.</source>
        <translation>Обвести кольцом ячейку, куда попадает лучший ход игрока, чья очередь ходить.</translation>
    </message>
    <message>
        <source>Show or hide what each column leads to under perfect play.</source>
        <translation>Показать или скрыть, к чему ведёт каждый столбец при безошибочной игре.</translation>
    </message>
    <message>
        <source>Show or hide the holes where a disc would complete four.</source>
        <translation>Показать или скрыть ячейки, где фишка дала бы четыре в линию.</translation>
    </message>
    <message>
        <source>Mark the last disc played, or stop marking it.</source>
        <translation>Отметить последнюю брошенную фишку или снять отметку.</translation>
    </message>
    <message>
        <source>Mark every move that gave up a win or a draw, or stop marking them.</source>
        <translation>Отметить каждый ход, упустивший победу или ничью, или снять отметки.</translation>
    </message>
    <message>
        <source>Show this list of keys and marks.</source>
        <translation>Показать этот список клавиш и отметок.</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Клавиши</translation>
    </message>
    <message>
        <source>Marks</source>
        <translation>Отметки</translation>
    </message>
    <message>
        <source>1 to 7</source>
        <translation>От 1 до 7</translation>
    </message>
    <message>
        <source>Drop a disc in that column, as a click on it does.</source>
        <translation>Бросить фишку в этот столбец, как щелчком по нему.</translation>
    </message>
    <message>
        <source>Menu, Shift+F10, the right button</source>
        <translation>Клавиша Menu, Shift+F10, правая кнопка мыши</translation>
    </message>
    <message>
        <source>Open the menu with all of these.</source>
        <translation>Открыть меню со всеми этими командами.</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Escape</translation>
    </message>
    <message>
        <source>Close this window.</source>
        <translation>Закрыть это окно.</translation>
    </message>
    <message>
        <source>Playing this column wins, with your third disc from now (+3).</source>
        <translation>Ход в этот столбец выигрывает вашей третьей фишкой, считая с этой (+3).</translation>
    </message>
    <message>
        <source>Playing this column loses, after two of your discs (−2).</source>
        <translation>Ход в этот столбец проигрывает после двух ваших фишек (−2).</translation>
    </message>
    <message>
        <source>Playing this column leads to a draw (=).</source>
        <translation>Ход в этот столбец ведёт к ничьей (=).</translation>
    </message>
    <message>
        <source>A win or a loss whose moves are still being counted (+ or −).</source>
        <translation>Победа или поражение, число ходов до которых ещё подсчитывается (+ или −).</translation>
    </message>
    <message>
        <source>The hint: the hole where the best move lands.</source>
        <translation>Подсказка: ячейка, куда попадает лучший ход.</translation>
    </message>
    <message>
        <source>A threat: a red disc here would complete four.</source>
        <translation>Угроза: красная фишка здесь дала бы четыре в линию.</translation>
    </message>
    <message>
        <source>A threat: a blue disc here would complete four.</source>
        <translation>Угроза: синяя фишка здесь дала бы четыре в линию.</translation>
    </message>
    <message>
        <source>A disc of either colour here would complete four.</source>
        <translation>Фишка любого цвета здесь дала бы четыре в линию.</translation>
    </message>
    <message>
        <source>The last disc played.</source>
        <translation>Последняя брошенная фишка.</translation>
    </message>
    <message>
        <source>A disc of the winning line.</source>
        <translation>Фишка выигрышной линии.</translation>
    </message>
    <message>
        <source>A mistake: that move gave up a win or a draw.</source>
        <translation>Ошибка: этот ход упустил победу или ничью.</translation>
    </message>
    <message>
        <source>Press F1 for every key and what each mark means</source>
        <translation>Нажмите F1, чтобы увидеть все клавиши и значение каждой отметки</translation>
    </message>
    <message>
        <source>Keys 1 to 7 drop a disc in that column; Ctrl+Z takes a move back and Ctrl+Y plays it again; H shows a hint; A shows what each column leads to; T shows the threats; Ctrl+C copies the moves; F1 lists every key and mark.</source>
        <translation>Клавиши от 1 до 7 бросают фишку в соответствующий столбец; Ctrl+Z отменяет ход, Ctrl+Y повторяет его; H показывает подсказку; A показывает, к чему ведёт каждый столбец; T показывает угрозы; Ctrl+C копирует ходы; F1 показывает все клавиши и отметки.</translation>
    </message>
    <message>
        <source>Last move, a mistake</source>
        <translation>Последний ход, ошибка</translation>
    </message>
    <message>
        <source>Last move</source>
        <translation>Последний ход</translation>
    </message>
    <message>
        <source>Mistake</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>That move gives up the win: column %1 kept it.</source>
        <translation>Этот ход упускает победу: её сохранил бы столбец %1.</translation>
    </message>
    <message>
        <source>That move gives up the draw: column %1 kept it.</source>
        <translation>Этот ход упускает ничью: её сохранил бы столбец %1.</translation>
    </message>
    <message>
        <source>No threats</source>
        <translation>Угроз нет</translation>
    </message>
    <message>
        <source>Shown below the board when the threats are asked for and no hole completes four.</source>
        <translation>Показывается под доской, когда включены угрозы, а ни одна ячейка не даёт четыре в линию.</translation>
    </message>
    <message>
        <source>No threats.</source>
        <translation>Угроз нет.</translation>
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
        <translation>Игра окончена</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Выйти</translation>
    </message>
    <message>
        <source>%1 Wins</source>
        <translation>Побеждает %1</translation>
    </message>
    <message>
        <source>Tie</source>
        <translation>Ничья</translation>
    </message>
</context>
<context>
    <name>runtime</name>
    <message>
        <source>Vantrel has met an error it cannot recover from and will close.

%1</source>
        <translation>В Vantrel произошла неустранимая ошибка, программа будет закрыта.

%1</translation>
    </message>
</context>
</TS>
