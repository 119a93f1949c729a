<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>CommandLine</name>
    <message>
        <source>vantrel: unknown option &apos;%1&apos;</source>
        <translation>vantrel: 不明なオプション &apos;%1&apos;</translation>
    </message>
    <message>
        <source>vantrel: option &apos;%1&apos; needs a value</source>
        <translation>vantrel: オプション &apos;%1&apos; には値が必要です</translation>
    </message>
    <message>
        <source>vantrel: unexpected argument &apos;%1&apos;</source>
        <translation>vantrel: 予期しない引数 &apos;%1&apos;</translation>
    </message>
    <message>
        <source>vantrel: unknown level &apos;%1&apos; for --computer: choose easy, medium or hard</source>
        <translation>vantrel: --computer のレベル &apos;%1&apos; は不明です: easy、medium、hard のいずれかを選んでください</translation>
    </message>
    <message>
        <source>Try &apos;vantrel --help&apos; for more information.</source>
        <translation>詳しくは &apos;vantrel --help&apos; を実行してください。</translation>
    </message>
    <message>
        <source>vantrel: option &apos;%1&apos; takes no value</source>
        <translation>vantrel: オプション &apos;%1&apos; は値を取りません</translation>
    </message>
    <message>
        <source>vantrel: Qt&apos;s option &apos;%1&apos; is written with a space: &apos;%2 %3&apos;</source>
        <translation>vantrel: Qt のオプション &apos;%1&apos; は値を空白で区切って書きます: &apos;%2 %3&apos;</translation>
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
        <translation>使い方: vantrel [--computer[=LEVEL]] [--moves=MOVES] [Qt のオプション]
ボードゲーム: 交互にコマを落とし、先に4つ並べたほうが勝ちです。

オプション:
  -h, --help          このヘルプを表示して終了します。
  -v, --version       バージョンを表示して終了します。
  --computer[=LEVEL]  コンピューターと対戦します (コンピューターは青)。
                      LEVEL は easy、medium (既定) または hard です。
                      hard ではコンピューターはミスをしません。
  --moves=MOVES       これらの手で進んだ局面から始めます。手は打った列を
                      1から7の数字で順に並べたものです (例: 4453)。
                      コンピューター対戦では、手番の側をあなたが持ちます。

Qt 自体のオプション (-platform NAME、-style NAME、-reverse など) も
使用できます。

遊び方: マスをクリックするか、1から7のキーを押すと、その列にコマを
落とします。Ctrl+Z または Backspace で1手戻し、Ctrl+Y でやり直します。
Ctrl+C で手順をコピーし、H でヒントを、A で各列の行き着く結果を、
T で脅威を表示します。右ボタン、メニューキー、Shift+F10 で、
これらすべてを含むメニューを開きます。F1 では、すべてのキーと、
盤上の各印の意味を一覧で表示します。
</translation>
    </message>
    <message>
        <source>vantrel: --moves: move %1, &apos;%2&apos;, is one more than the board&apos;s %3 holes</source>
        <translation>vantrel: --moves: %1手目の &apos;%2&apos; は、盤の %3 マスより1手多すぎます</translation>
    </message>
    <message>
        <source>vantrel: --moves: move %1, &apos;%2&apos;, is not a column from 1 to 7</source>
        <translation>vantrel: --moves: %1手目の &apos;%2&apos; は1から7の列ではありません</translation>
    </message>
    <message>
        <source>vantrel: --moves: move %1 is in column %2, which is full</source>
        <translation>vantrel: --moves: %1手目の列 %2 はすでに満杯です</translation>
    </message>
    <message>
        <source>vantrel: --moves: move %1, in column %2, comes after four in a line ended the game</source>
        <translation>vantrel: --moves: %1手目 (列 %2) は、4つ並んで対局が終わった後の手です</translation>
    </message>
    <message>
        <source>vantrel: --moves: move %1, in column %2, ends the game, which leaves nothing to play</source>
        <translation>vantrel: --moves: %1手目 (列 %2) で対局が終わり、指す手が残りません</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Column %1, no discs</source>
        <translation>%1列目、コマなし</translation>
    </message>
    <message>
        <source>Column %1, full</source>
        <translation>%1列目、満杯</translation>
    </message>
    <message>
        <source>Column %1, 1 disc</source>
        <translation>%1列目、コマ1個</translation>
    </message>
    <message numerus="yes">
        <source>Column %1, %n discs</source>
        <translation>
            <numerusform>%1列目、コマ%n個</numerusform>
        </translation>
    </message>
    <message>
        <source>Column %1, row %2, red</source>
        <translation>%1列目、%2段目、赤</translation>
    </message>
    <message>
        <source>Column %1, row %2, blue</source>
        <translation>%1列目、%2段目、青</translation>
    </message>
    <message>
        <source>Column %1, row %2, empty</source>
        <translation>%1列目、%2段目、空き</translation>
    </message>
    <message>
        <source>Plays red</source>
        <translation>赤のコマでプレイ</translation>
    </message>
    <message>
        <source>Plays blue</source>
        <translation>青のコマでプレイ</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>ヒント</translation>
    </message>
    <message>
        <source>Player 1&apos;s name:</source>
        <translation>プレイヤー 1 の名前:</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>プレイヤー 1</translation>
    </message>
    <message>
        <source>Player1</source>
        <translation>プレイヤー1</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>コンピューター</translation>
    </message>
    <message>
        <source>Player 2&apos;s name:</source>
        <translation>プレイヤー 2 の名前:</translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation>プレイヤー 2</translation>
    </message>
    <message>
        <source>Player2</source>
        <translation>プレイヤー2</translation>
    </message>
    <message>
        <source>%1&apos;s turn</source>
        <translation>%1の番</translation>
    </message>
    <message>
        <source>%1 played column %2.</source>
        <translation>%1が%2列目にコマを落としました。</translation>
    </message>
    <message>
        <source>1 move taken back.</source>
        <translation>1手戻しました。</translation>
    </message>
    <message numerus="yes">
        <source>%n moves taken back.</source>
        <translation>
            <numerusform>%n手戻しました。</numerusform>
        </translation>
    </message>
    <message>
        <source>Hint: column %1</source>
        <translation>ヒント: %1列目</translation>
    </message>
    <message>
        <source>Computer is thinking.</source>
        <translation>コンピューターが考えています。</translation>
    </message>
    <message>
        <source>Show Outcomes</source>
        <translation>結果を表示</translation>
    </message>
    <message>
        <source>Wins in 1 move</source>
        <translation>1手で勝ち</translation>
    </message>
    <message numerus="yes">
        <source>Wins in %n moves</source>
        <translation>
            <numerusform>%n手で勝ち</numerusform>
        </translation>
    </message>
    <message>
        <source>Loses in 1 move</source>
        <translation>1手で負け</translation>
    </message>
    <message numerus="yes">
        <source>Loses in %n moves</source>
        <translation>
            <numerusform>%n手で負け</numerusform>
        </translation>
    </message>
    <message>
        <source>Draws</source>
        <translation>引き分け</translation>
    </message>
    <message>
        <source>Outcomes are shown on the columns.</source>
        <translation>各列に結果を表示しています。</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>勝ち</translation>
    </message>
    <message>
        <source>Loses</source>
        <translation>負け</translation>
    </message>
    <message>
        <source>Outcome not known yet</source>
        <translation>結果はまだ不明</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>やり直す</translation>
    </message>
    <message>
        <source>Copy Moves</source>
        <translation>手順をコピー</translation>
    </message>
    <message>
        <source>Show Threats</source>
        <translation>脅威を表示</translation>
    </message>
    <message>
        <source>1 move replayed.</source>
        <translation>1手やり直しました。</translation>
    </message>
    <message numerus="yes">
        <source>%n moves replayed.</source>
        <translation>
            <numerusform>%n手やり直しました。</numerusform>
        </translation>
    </message>
    <message>
        <source>Moves copied.</source>
        <translation>手順をコピーしました。</translation>
    </message>
    <message>
        <source>Both complete four here</source>
        <translation>ここで両者とも4つ並びます</translation>
    </message>
    <message>
        <source>Red completes four here</source>
        <translation>ここで赤が4つ並びます</translation>
    </message>
    <message>
        <source>Blue completes four here</source>
        <translation>ここで青が4つ並びます</translation>
    </message>
    <message>
        <source>Mark Last Move</source>
        <translation>最後の手に印を付ける</translation>
    </message>
    <message>
        <source>Mark Mistakes</source>
        <translation>ミスに印を付ける</translation>
    </message>
    <message>
        <source>Keys and Views</source>
        <translation>キーと表示</translation>
    </message>
    <message>
        <source>Take back the last move; against the computer, with its reply.</source>
        <translation>最後の手を戻します。コンピューター対戦では、その応手も戻します。</translation>
    </message>
    <message>
        <source>Play again the last move taken back.</source>
        <translation>最後に戻した手をやり直します。</translation>
    </message>
    <message>
        <source>Copy the moves to the clipboard as digits, to start from them again with --moves.</source>
        <translation>手順を数字でクリップボードにコピーします。--moves でそこから再開できます。</translation>
    </message>
    <message>
        <source>Ring the hole where the best move for the player to move lands.</source>
        <translation>手番の側の最善手が入るマスを輪で囲みます。</translation>
    </message>
    <message>
        <source>Show or hide what each column leads to under perfect play.</source>
        <translation>双方がミスなく打ったときに各列が行き着く結果を、表示または非表示にします。</translation>
    </message>
    <message>
        <source>Show or hide the holes where a disc would complete four.</source>
        <translation>コマが入ると4つ並ぶマスを、表示または非表示にします。</translation>
    </message>
    <message>
        <source>Mark the last disc played, or stop marking it.</source>
        <translation>最後に落としたコマに印を付けるか、その印を消します。</translation>
    </message>
    <message>
        <source>Mark every move that gave up a win or a draw, or stop marking them.</source>
        <translation>勝ちか引き分けを逃した手すべてに印を付けるか、その印を消します。</translation>
    </message>
    <message>
        <source>Show this list of keys and marks.</source>
        <translation>このキーと印の一覧を表示します。</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>キー</translation>
    </message>
    <message>
        <source>Marks</source>
        <translation>印</translation>
    </message>
    <message>
        <source>1 to 7</source>
        <translation>1から7</translation>
    </message>
    <message>
        <source>Drop a disc in that column, as a click on it does.</source>
        <translation>その列にコマを落とします。列をクリックするのと同じです。</translation>
    </message>
    <message>
        <source>Menu, Shift+F10, the right button</source>
        <translation>メニューキー、Shift+F10、右ボタン</translation>
    </message>
    <message>
        <source>Open the menu with all of these.</source>
        <translation>これらすべてを含むメニューを開きます。</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Escape</translation>
    </message>
    <message>
        <source>Close this window.</source>
        <translation>このウィンドウを閉じます。</translation>
    </message>
    <message>
        <source>Playing this column wins, with your third disc from now (+3).</source>
        <translation>この列に落とすと、今から数えて3つ目の自分のコマで勝ちます (+3)。</translation>
    </message>
    <message>
        <source>Playing this column loses, after two of your discs (−2).</source>
        <translation>この列に落とすと、自分のコマを2つ落とした後に負けます (−2)。</translation>
    </message>
    <message>
        <source>Playing this column leads to a draw (=).</source>
        <translation>この列に落とすと引き分けになります (=)。</translation>
    </message>
    <message>
        <source>A win or a loss whose moves are still being counted (+ or −).</source>
        <translation>勝ち負けは決まっていて、手数をまだ数えている結果です (+ または −)。</translation>
    </message>
    <message>
        <source>The hint: the hole where the best move lands.</source>
        <translation>ヒント: 最善手が入るマス。</translation>
    </message>
    <message>
        <source>A threat: a red disc here would complete four.</source>
        <translation>脅威: ここに赤のコマが入ると4つ並びます。</translation>
    </message>
    <message>
        <source>A threat: a blue disc here would complete four.</source>
        <translation>脅威: ここに青のコマが入ると4つ並びます。</translation>
    </message>
    <message>
        <source>A disc of either colour here would complete four.</source>
        <translation>ここにどちらの色のコマが入っても4つ並びます。</translation>
    </message>
    <message>
        <source>The last disc played.</source>
        <translation>最後に落としたコマ。</translation>
    </message>
    <message>
        <source>A disc of the winning line.</source>
        <translation>勝ちの4つ並びのコマ。</translation>
    </message>
    <message>
        <source>A mistake: that move gave up a win or a draw.</source>
        <translation>ミス: その手で勝ちか引き分けを逃しました。</translation>
    </message>
    <message>
        <source>Press F1 for every key and what each mark means</source>
        <translation>F1 ですべてのキーと各印の意味を表示</translation>
    </message>
    <message>
        <source>Keys 1 to 7 drop a disc in that column; Ctrl+Z takes a move back and Ctrl+Y plays it again; H shows a hint; A shows what each column leads to; T shows the threats; Ctrl+C copies the moves; F1 lists every key and mark.</source>
        <translation>1から7のキーでその列にコマを落とします。Ctrl+Z で1手戻し、Ctrl+Y でやり直します。H でヒントを表示します。A で各列の行き着く結果を表示します。T で脅威を表示します。Ctrl+C で手順をコピーします。F1 ですべてのキーと印を一覧表示します。</translation>
    </message>
    <message>
        <source>Last move, a mistake</source>
        <translation>最後の手、ミス</translation>
    </message>
    <message>
        <source>Last move</source>
        <translation>最後の手</translation>
    </message>
    <message>
        <source>Mistake</source>
        <translation>ミス</translation>
    </message>
    <message>
        <source>That move gives up the win: column %1 kept it.</source>
        <translation>その手で勝ちを逃します。%1列目なら勝ちを保てました。</translation>
    </message>
    <message>
        <source>That move gives up the draw: column %1 kept it.</source>
        <translation>その手で引き分けを逃します。%1列目なら引き分けを保てました。</translation>
    </message>
    <message>
        <source>No threats</source>
        <translation>脅威なし</translation>
    </message>
    <message>
        <source>Shown below the board when the threats are asked for and no hole completes four.</source>
        <translation>脅威の表示中、4つ並ぶマスが1つもないときに盤の下に表示されます。</translation>
    </message>
    <message>
        <source>No threats.</source>
        <translation>脅威はありません。</translation>
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
        <translation>ゲーム終了</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>%1 Wins</source>
        <translation>%1の勝ち</translation>
    </message>
    <message>
        <source>Tie</source>
        <translation>引き分け</translation>
    </message>
</context>
<context>
    <name>runtime</name>
    <message>
        <source>Vantrel has met an error it cannot recover from and will close.

%1</source>
        <translation>Vantrel で回復できないエラーが発生したため、終了します。

%1</translation>
    </message>
</context>
</TS>
