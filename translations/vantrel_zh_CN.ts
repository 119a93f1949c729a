<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CommandLine</name>
    <message>
        <source>vantrel: unknown option &apos;%1&apos;</source>
        <translation>vantrel: 未知选项 &apos;%1&apos;</translation>
    </message>
    <message>
        <source>vantrel: option &apos;%1&apos; needs a value</source>
        <translation>vantrel: 选项 &apos;%1&apos; 需要一个值</translation>
    </message>
    <message>
        <source>vantrel: unexpected argument &apos;%1&apos;</source>
        <translation>vantrel: 意外的参数 &apos;%1&apos;</translation>
    </message>
    <message>
        <source>vantrel: unknown level &apos;%1&apos; for --computer: choose easy, medium or hard</source>
        <translation>vantrel: --computer 的级别 &apos;%1&apos; 未知：请选择 easy、medium 或 hard</translation>
    </message>
    <message>
        <source>Try &apos;vantrel --help&apos; for more information.</source>
        <translation>请尝试执行 &apos;vantrel --help&apos; 以获取更多信息。</translation>
    </message>
    <message>
        <source>vantrel: option &apos;%1&apos; takes no value</source>
        <translation>vantrel: 选项 &apos;%1&apos; 不接受值</translation>
    </message>
    <message>
        <source>vantrel: Qt&apos;s option &apos;%1&apos; is written with a space: &apos;%2 %3&apos;</source>
        <translation>vantrel: Qt 选项 &apos;%1&apos; 的值应以空格分隔：&apos;%2 %3&apos;</translation>
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
        <translation>用法：vantrel [--computer[=LEVEL]] [--moves=MOVES] [Qt 选项]
一款棋盘游戏：双方轮流投下棋子，率先将四枚棋子连成一线者获胜。

选项：
  -h, --help          显示此帮助并退出。
  -v, --version       显示版本并退出。
  --computer[=LEVEL]  与电脑对战，电脑执蓝子。
                      LEVEL 可为 easy、medium（默认）或 hard；
                      hard 级别下电脑不会失误。
  --moves=MOVES       从这些着法到达的局面开始：按顺序写出所下的列，
                      取 1 到 7，例如 4453。
                      与电脑对战时，由你执轮到走棋的一方。

也接受 Qt 自身的选项，例如 -platform NAME、-style NAME
和 -reverse。

玩法：点击一个格子，或按 1 到 7 键，即可将棋子投入该列。Ctrl+Z 或
Backspace 撤销一步，Ctrl+Y 重做；Ctrl+C 复制着法；H 显示提示；
A 显示每一列的结局；T 显示威胁。鼠标右键、菜单键或 Shift+F10
可打开包含所有这些命令的菜单。按 F1 可列出所有按键，以及棋盘上
每种标记的含义。
</translation>
    </message>
    <message>
        <source>vantrel: --moves: move %1, &apos;%2&apos;, is one more than the board&apos;s %3 holes</source>
        <translation>vantrel: --moves: 第 %1 步 &apos;%2&apos; 超出了棋盘的 %3 个格子</translation>
    </message>
    <message>
        <source>vantrel: --moves: move %1, &apos;%2&apos;, is not a column from 1 to 7</source>
        <translation>vantrel: --moves: 第 %1 步 &apos;%2&apos; 不是 1 到 7 的列</translation>
    </message>
    <message>
        <source>vantrel: --moves: move %1 is in column %2, which is full</source>
        <translation>vantrel: --moves: 第 %1 步下在第 %2 列，该列已满</translation>
    </message>
    <message>
        <source>vantrel: --moves: move %1, in column %2, comes after four in a line ended the game</source>
        <translation>vantrel: --moves: 第 %1 步（第 %2 列）在四子连线结束对局之后</translation>
    </message>
    <message>
        <source>vantrel: --moves: move %1, in column %2, ends the game, which leaves nothing to play</source>
        <translation>vantrel: --moves: 第 %1 步（第 %2 列）结束了对局，没有可以再下的棋</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Column %1, no discs</source>
        <translation>第%1列，没有棋子</translation>
    </message>
    <message>
        <source>Column %1, full</source>
        <translation>第%1列，已满</translation>
    </message>
    <message>
        <source>Column %1, 1 disc</source>
        <translation>第%1列，1枚棋子</translation>
    </message>
    <message numerus="yes">
        <source>Column %1, %n discs</source>
        <translation>
            <numerusform>第%1列，%n枚棋子</numerusform>
        </translation>
    </message>
    <message>
        <source>Column %1, row %2, red</source>
        <translation>第%1列，第%2行，红子</translation>
    </message>
    <message>
        <source>Column %1, row %2, blue</source>
        <translation>第%1列，第%2行，蓝子</translation>
    </message>
    <message>
        <source>Column %1, row %2, empty</source>
        <translation>第%1列，第%2行，空位</translation>
    </message>
    <message>
        <source>Plays red</source>
        <translation>执红子</translation>
    </message>
    <message>
        <source>Plays blue</source>
        <translation>执蓝子</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Player 1&apos;s name:</source>
        <translation>玩家 1 的名字：</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>玩家 1</translation>
    </message>
    <message>
        <source>Player1</source>
        <translation>玩家1</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>电脑</translation>
    </message>
    <message>
        <source>Player 2&apos;s name:</source>
        <translation>玩家 2 的名字：</translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation>玩家 2</translation>
    </message>
    <message>
        <source>Player2</source>
        <translation>玩家2</translation>
    </message>
    <message>
        <source>%1&apos;s turn</source>
        <translation>轮到%1</translation>
    </message>
    <message>
        <source>%1 played column %2.</source>
        <translation>%1在第%2列落子。</translation>
    </message>
    <message>
        <source>1 move taken back.</source>
        <translation>已撤销1步。</translation>
    </message>
    <message numerus="yes">
        <source>%n moves taken back.</source>
        <translation>
            <numerusform>已撤销%n步。</numerusform>
        </translation>
    </message>
    <message>
        <source>Hint: column %1</source>
        <translation>提示：第%1列</translation>
    </message>
    <message>
        <source>Computer is thinking.</source>
        <translation>电脑正在思考。</translation>
    </message>
    <message>
        <source>Show Outcomes</source>
        <translation>显示结局</translation>
    </message>
    <message>
        <source>Wins in 1 move</source>
        <translation>1 步获胜</translation>
    </message>
    <message numerus="yes">
        <source>Wins in %n moves</source>
        <translation>
            <numerusform>%n 步获胜</numerusform>
        </translation>
    </message>
    <message>
        <source>Loses in 1 move</source>
        <translation>1 步落败</translation>
    </message>
    <message numerus="yes">
        <source>Loses in %n moves</source>
        <translation>
            <numerusform>%n 步落败</numerusform>
        </translation>
    </message>
    <message>
        <source>Draws</source>
        <translation>平局</translation>
    </message>
    <message>
        <source>Outcomes are shown on the columns.</source>
        <translation>各列上显示了结局。</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>获胜</translation>
    </message>
    <message>
        <source>Loses</source>
        <translation>落败</translation>
    </message>
    <message>
        <source>Outcome not known yet</source>
        <translation>结局尚未知晓</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>Copy Moves</source>
        <translation>复制着法</translation>
    </message>
    <message>
        <source>Show Threats</source>
        <translation>显示威胁</translation>
    </message>
    <message>
        <source>1 move replayed.</source>
        <translation>已重做1步。</translation>
    </message>
    <message numerus="yes">
        <source>%n moves replayed.</source>
        <translation>
            <numerusform>已重做%n步。</numerusform>
        </translation>
    </message>
    <message>
        <source>Moves copied.</source>
        <translation>着法已复制。</translation>
    </message>
    <message>
        <source>Both complete four here</source>
        <translation>双方在此都能连成四子</translation>
    </message>
    <message>
        <source>Red completes four here</source>
        <translation>红方在此连成四子</translation>
    </message>
    <message>
        <source>Blue completes four here</source>
        <translation>蓝方在此连成四子</translation>
    </message>
    <message>
        <source>Mark Last Move</source>
        <translation>标记最后一步</translation>
    </message>
    <message>
        <source>Mark Mistakes</source>
        <translation>标记失误</translation>
    </message>
    <message>
        <source>Keys and Views</source>
        <translation>按键与显示</translation>
    </message>
    <message>
        <source>Take back the last move; against the computer, with its reply.</source>
        <translation>撤销最后一步；与电脑对战时，连同电脑的应着一起撤销。</translation>
    </message>
    <message>
        <source>Play again the last move taken back.</source>
        <translation>重做最后撤销的一步。</translation>
    </message>
    <message>
        <source>Copy the moves to the clipboard as digits, to start from them again with --moves.</source>
        <translation>将着法以数字形式复制到剪贴板，以便用 --moves 从这些着法重新开始。</translation>
    </message>
    <message>
        <source>Ring the hole where the best move for the player to move lands.</source>
        <translation>用圆环圈出轮到走棋一方的最佳着法落入的格子。</translation>
    </message>
    <message>
        <source>Show or hide what each column leads to under perfect play.</source>
        <translation>显示或隐藏双方都不失误时每一列的结局。</translation>
    </message>
    <message>
        <source>Show or hide the holes where a disc would complete four.</source>
        <translation>显示或隐藏落子即可连成四子的格子。</translation>
    </message>
    <message>
        <source>Mark the last disc played, or stop marking it.</source>
        <translation>标记最后落下的棋子，或取消该标记。</translation>
    </message>
    <message>
        <source>Mark every move that gave up a win or a draw, or stop marking them.</source>
        <translation>标记每一步丢掉胜局或平局的着法，或取消这些标记。</translation>
    </message>
    <message>
        <source>Show this list of keys and marks.</source>
        <translation>显示这份按键与标记列表。</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>按键</translation>
    </message>
    <message>
        <source>Marks</source>
        <translation>标记</translation>
    </message>
    <message>
        <source>1 to 7</source>
        <translation>1 到 7</translation>
    </message>
    <message>
        <source>Drop a disc in that column, as a click on it does.</source>
        <translation>将棋子投入该列，与点击该列相同。</translation>
    </message>
    <message>
        <source>Menu, Shift+F10, the right button</source>
        <translation>菜单键、Shift+F10、鼠标右键</translation>
    </message>
    <message>
        <source>Open the menu with all of these.</source>
        <translation>打开包含所有这些命令的菜单。</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Escape</translation>
    </message>
    <message>
        <source>Close this window.</source>
        <translation>关闭此窗口。</translation>
    </message>
    <message>
        <source>Playing this column wins, with your third disc from now (+3).</source>
        <translation>在此列落子，从现在算起你的第三枚棋子将获胜（+3）。</translation>
    </message>
    <message>
        <source>Playing this column loses, after two of your discs (−2).</source>
        <translation>在此列落子，你下完两枚棋子后将落败（−2）。</translation>
    </message>
    <message>
        <source>Playing this column leads to a draw (=).</source>
        <translation>在此列落子将导致平局（=）。</translation>
    </message>
    <message>
        <source>A win or a loss whose moves are still being counted (+ or −).</source>
        <translation>胜负已定、但步数仍在计算中的结局（+ 或 −）。</translation>
    </message>
    <message>
        <source>The hint: the hole where the best move lands.</source>
        <translation>提示：最佳着法落入的格子。</translation>
    </message>
    <message>
        <source>A threat: a red disc here would complete four.</source>
        <translation>威胁：红子落在此处即可连成四子。</translation>
    </message>
    <message>
        <source>A threat: a blue disc here would complete four.</source>
        <translation>威胁：蓝子落在此处即可连成四子。</translation>
    </message>
    <message>
        <source>A disc of either colour here would complete four.</source>
        <translation>任一方的棋子落在此处都能连成四子。</translation>
    </message>
    <message>
        <source>The last disc played.</source>
        <translation>最后落下的棋子。</translation>
    </message>
    <message>
        <source>A disc of the winning line.</source>
        <translation>获胜连线中的棋子。</translation>
    </message>
    <message>
        <source>A mistake: that move gave up a win or a draw.</source>
        <translation>失误：这一步丢掉了胜局或平局。</translation>
    </message>
    <message>
        <source>Press F1 for every key and what each mark means</source>
        <translation>按 F1 查看所有按键及每种标记的含义</translation>
    </message>
    <message>
        <source>Keys 1 to 7 drop a disc in that column; Ctrl+Z takes a move back and Ctrl+Y plays it again; H shows a hint; A shows what each column leads to; T shows the threats; Ctrl+C copies the moves; F1 lists every key and mark.</source>
        <translation>按 1 到 7 键将棋子投入相应的列；按 Ctrl+Z 撤销一步，按 Ctrl+Y 重做；按 H 显示提示；按 A 显示每一列的结局；按 T 显示威胁；按 Ctrl+C 复制着法；按 F1 列出所有按键和标记。</translation>
    </message>
    <message>
        <source>Last move, a mistake</source>
        <translation>最后一步，失误</translation>
    </message>
    <message>
        <source>Last move</source>
        <translation>最后一步</translation>
    </message>
    <message>
        <source>Mistake</source>
        <translation>失误</translation>
    </message>
    <message>
        <source>That move gives up the win: column %1 kept it.</source>
        <translation>这一步丢掉了胜局：第%1列本可保住。</translation>
    </message>
    <message>
        <source>That move gives up the draw: column %1 kept it.</source>
        <translation>这一步丢掉了平局：第%1列本可保住。</translation>
    </message>
    <message>
        <source>No threats</source>
        <translation>无威胁</translation>
    </message>
    <message>
        <source>Shown below the board when the threats are asked for and no hole completes four.</source>
        <translation>在要求显示威胁而没有任何格子能连成四子时，显示在棋盘下方。</translation>
    </message>
    <message>
        <source>No threats.</source>
        <translation>无威胁。</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
</context>
<context>
    <name>Gameover</name>
    <message>
        <source>Game Over</source>
        <translation>游戏结束</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>%1 Wins</source>
        <translation>%1获胜</translation>
    </message>
    <message>
        <source>Tie</source>
        <translation>平局</translation>
    </message>
</context>
<context>
    <name>runtime</name>
    <message>
        <source>Vantrel has met an error it cannot recover from and will close.

%1</source>
        <translation>Vantrel 遇到无法恢复的错误，即将关闭。

%1</translation>
    </message>
</context>
</TS>
