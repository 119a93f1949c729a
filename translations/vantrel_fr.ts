<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CommandLine</name>
    <message>
        <source>vantrel: unknown option &apos;%1&apos;</source>
        <translation>vantrel: option inconnue &apos;%1&apos;</translation>
    </message>
    <message>
        <source>vantrel: option &apos;%1&apos; needs a value</source>
        <translation>vantrel: l&apos;option &apos;%1&apos; nécessite une valeur</translation>
    </message>
    <message>
        <source>vantrel: unexpected argument &apos;%1&apos;</source>
        <translation>vantrel: argument inattendu &apos;%1&apos;</translation>
    </message>
    <message>
        <source>vantrel: unknown level &apos;%1&apos; for --computer: choose easy, medium or hard</source>
        <translation>vantrel: niveau inconnu &apos;%1&apos; pour --computer&#xa0;: choisissez easy, medium ou hard</translation>
    </message>
    <message>
        <source>Try &apos;vantrel --help&apos; for more information.</source>
        <translation>Essayez &apos;vantrel --help&apos; pour plus d&apos;informations.</translation>
    </message>
    <message>
        <source>vantrel: option &apos;%1&apos; takes no value</source>
        <translation>vantrel: l&apos;option &apos;%1&apos; n&apos;accepte pas de valeur</translation>
    </message>
    <message>
        <source>vantrel: Qt&apos;s option &apos;%1&apos; is written with a space: &apos;%2 %3&apos;</source>
        <translation>vantrel: l&apos;option de Qt &apos;%1&apos; s&apos;écrit avec une espace&#xa0;: &apos;%2 %3&apos;</translation>
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
        <translation>Usage&#xa0;: vantrel [--computer[=LEVEL]] [--moves=MOVES] [options de Qt]
Jeu de plateau&#xa0;: lâchez vos jetons tour à tour et alignez-en quatre le premier.

Options&#xa0;:
  -h, --help          Afficher cette aide et quitter.
  -v, --version       Afficher la version et quitter.
  --computer[=LEVEL]  Jouer contre l&apos;ordinateur, qui joue en bleu.
                      LEVEL vaut easy, medium (par défaut) ou hard&#xa0;;
                      hard joue parfaitement.
  --moves=MOVES       Partir de la position où mènent ces coups&#xa0;: les
                      colonnes jouées, de 1 à 7, dans l&apos;ordre, comme 4453.
                      Contre l&apos;ordinateur, vous jouez le camp au trait.

Les options propres à Qt, comme -platform NAME, -style NAME et -reverse,
sont aussi acceptées.

Pour jouer&#xa0;: cliquez sur une case ou tapez 1 à 7 pour faire tomber un jeton
dans cette colonne. Ctrl+Z ou Backspace annule un coup et Ctrl+Y le rejoue&#xa0;;
Ctrl+C copie les coups&#xa0;; H affiche un indice&#xa0;; A montre où mène chaque
colonne&#xa0;; T montre les menaces. Le bouton droit, la touche Menu ou Shift+F10
ouvre un menu qui les propose tous. F1 liste toutes les touches et ce que
signifie chaque marque sur le plateau.
</translation>
    </message>
    <message>
        <source>vantrel: --moves: move %1, &apos;%2&apos;, is one more than the board&apos;s %3 holes</source>
        <translation>vantrel: --moves&#xa0;: le coup %1, &apos;%2&apos;, est un de plus que les %3 cases du plateau</translation>
    </message>
    <message>
        <source>vantrel: --moves: move %1, &apos;%2&apos;, is not a column from 1 to 7</source>
        <translation>vantrel: --moves&#xa0;: le coup %1, &apos;%2&apos;, n&apos;est pas une colonne de 1 à 7</translation>
    </message>
    <message>
        <source>vantrel: --moves: move %1 is in column %2, which is full</source>
        <translation>vantrel: --moves&#xa0;: le coup %1 est dans la colonne %2, qui est pleine</translation>
    </message>
    <message>
        <source>vantrel: --moves: move %1, in column %2, comes after four in a line ended the game</source>
        <translation>vantrel: --moves&#xa0;: le coup %1, dans la colonne %2, vient après la fin de la partie par un alignement de quatre</translation>
    </message>
    <message>
        <source>vantrel: --moves: move %1, in column %2, ends the game, which leaves nothing to play</source>
        <translation>vantrel: --moves&#xa0;: le coup %1, dans la colonne %2, termine la partie et ne laisse plus rien à jouer</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Column %1, no discs</source>
        <translation>Colonne %1, aucun jeton</translation>
    </message>
    <message>
        <source>Column %1, full</source>
        <translation>Colonne %1, pleine</translation>
    </message>
    <message>
        <source>Column %1, 1 disc</source>
        <translation>Colonne %1, 1 jeton</translation>
    </message>
    <message numerus="yes">
        <source>Column %1, %n discs</source>
        <translation>
            <numerusform>Colonne %1, %n jeton</numerusform>
            <numerusform>Colonne %1, %n jetons</numerusform>
        </translation>
    </message>
    <message>
        <source>Column %1, row %2, red</source>
        <translation>Colonne %1, ligne %2, rouge</translation>
    </message>
    <message>
        <source>Column %1, row %2, blue</source>
        <translation>Colonne %1, ligne %2, bleu</translation>
    </message>
    <message>
        <source>Column %1, row %2, empty</source>
        <translation>Colonne %1, ligne %2, vide</translation>
    </message>
    <message>
        <source>Plays red</source>
        <translation>Joue en rouge</translation>
    </message>
    <message>
        <source>Plays blue</source>
        <translation>Joue en bleu</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>Player 1&apos;s name:</source>
        <translation>Nom du joueur 1&#xa0;:</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>Joueur 1</translation>
    </message>
    <message>
        <source>Player1</source>
        <translation>Joueur1</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordinateur</translation>
    </message>
    <message>
        <source>Player 2&apos;s name:</source>
        <translation>Nom du joueur 2&#xa0;:</translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation>Joueur 2</translation>
    </message>
    <message>
        <source>Player2</source>
        <translation>Joueur2</translation>
    </message>
    <message>
        <source>%1&apos;s turn</source>
        <translation>Au tour de %1</translation>
    </message>
    <message>
        <source>%1 played column %2.</source>
        <translation>%1 a joué dans la colonne %2.</translation>
    </message>
    <message>
        <source>1 move taken back.</source>
        <translation>1 coup annulé.</translation>
    </message>
    <message numerus="yes">
        <source>%n moves taken back.</source>
        <translation>
            <numerusform>%n coup annulé.</numerusform>
            <numerusform>%n coups annulés.</numerusform>
        </translation>
    </message>
    <message>
        <source>Hint: column %1</source>
        <translation>Indice&#xa0;: colonne %1</translation>
    </message>
    <message>
        <source>Computer is thinking.</source>
        <translation>L&apos;ordinateur réfléchit.</translation>
    </message>
    <message>
        <source>Show Outcomes</source>
        <translation>Montrer les issues</translation>
    </message>
    <message>
        <source>Wins in 1 move</source>
        <translation>Gagne en 1 coup</translation>
    </message>
    <message numerus="yes">
        <source>Wins in %n moves</source>
        <translation>
            <numerusform>Gagne en %n coup</numerusform>
            <numerusform>Gagne en %n coups</numerusform>
        </translation>
    </message>
    <message>
        <source>Loses in 1 move</source>
        <translation>Perd en 1 coup</translation>
    </message>
    <message numerus="yes">
        <source>Loses in %n moves</source>
        <translation>
            <numerusform>Perd en %n coup</numerusform>
            <numerusform>Perd en %n coups</numerusform>
        </translation>
    </message>
    <message>
        <source>Draws</source>
        <translation>Match nul</translation>
    </message>
    <message>
        <source>Outcomes are shown on the columns.</source>
        <translation>Les issues sont affichées sur les colonnes.</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Gagne</translation>
    </message>
    <message>
        <source>Loses</source>
        <translation>Perd</translation>
    </message>
    <message>
        <source>Outcome not known yet</source>
        <translation>Issue pas encore connue</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Copy Moves</source>
        <translation>Copier les coups</translation>
    </message>
    <message>
        <source>Show Threats</source>
        <translation>Montrer les menaces</translation>
    </message>
    <message>
        <source>1 move replayed.</source>
        <translation>1 coup rejoué.</translation>
    </message>
    <message numerus="yes">
        <source>%n moves replayed.</source>
        <translation>
            <numerusform>%n coup rejoué.</numerusform>
            <numerusform>%n coups rejoués.</numerusform>
        </translation>
    </message>
    <message>
        <source>Moves copied.</source>
        <translation>Coups copiés.</translation>
    </message>
    <message>
        <source>Both complete four here</source>
        <translation>Ici, les deux complètent un alignement de quatre</translation>
    </message>
    <message>
        <source>Red completes four here</source>
        <translation>Ici, rouge complète un alignement de quatre</translation>
    </message>
    <message>
        <source>Blue completes four here</source>
        <translation>Ici, bleu complète un alignement de quatre</translation>
    </message>
    <message>
        <source>Mark Last Move</source>
        <translation>Marquer le dernier coup</translation>
    </message>
    <message>
        <source>Mark Mistakes</source>
        <translation>Marquer les erreurs</translation>
    </message>
    <message>
        <source>Keys and Views</source>
        <translation>Touches et affichages</translation>
    </message>
    <message>
        <source>Take back the last move; against the computer, with its reply.</source>
        <translation>Annuler le dernier coup&#xa0;; contre l&apos;ordinateur, avec sa réponse.</translation>
    </message>
    <message>
        <source>Play again the last move taken back.</source>
        <translation>Rejouer le dernier coup annulé.</translation>
    </message>
    <message>
        <source>Copy the moves to the clipboard as digits, to start from them again with --moves.</source>
        <translation>Copier les coups dans le presse-papiers sous forme de chiffres, pour en repartir avec --moves.</translation>
    </message>
    <message>
        <source>Ring the hole where the best move for the player to move lands.</source>
        <translation>Entourer d&apos;un anneau la case où tombe le meilleur coup du joueur au trait.</translation>
    </message>
    <message>
        <source>Show or hide what each column leads to under perfect play.</source>
        <translation>Montrer ou masquer où mène chaque colonne avec un jeu parfait.</translation>
    </message>
    <message>
        <source>Show or hide the holes where a disc would complete four.</source>
        <translation>Montrer ou masquer les cases où un jeton compléterait un alignement de quatre.</translation>
    </message>
    <message>
        <source>Mark the last disc played, or stop marking it.</source>
        <translation>Marquer le dernier jeton joué, ou cesser de le marquer.</translation>
    </message>
    <message>
        <source>Mark every move that gave up a win or a draw, or stop marking them.</source>
        <translation>Marquer chaque coup qui a laissé échapper une victoire ou un match nul, ou cesser de les marquer.</translation>
    </message>
    <message>
        <source>Show this list of keys and marks.</source>
        <translation>Afficher cette liste des touches et des marques.</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Touches</translation>
    </message>
    <message>
        <source>Marks</source>
        <translation>Marques</translation>
    </message>
    <message>
        <source>1 to 7</source>
        <translation>1 à 7</translation>
    </message>
    <message>
        <source>Drop a disc in that column, as a click on it does.</source>
        <translation>Faire tomber un jeton dans cette colonne, comme un clic dessus.</translation>
    </message>
    <message>
        <source>Menu, Shift+F10, the right button</source>
        <translation>Menu, Shift+F10, le bouton droit</translation>
    </message>
    <message>
        <source>Open the menu with all of these.</source>
        <translation>Ouvrir le menu qui les propose tous.</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Escape</translation>
    </message>
    <message>
        <source>Close this window.</source>
        <translation>Fermer cette fenêtre.</translation>
    </message>
    <message>
        <source>Playing this column wins, with your third disc from now (+3).</source>
        <translation>Jouer dans cette colonne fait gagner, avec votre troisième jeton à partir de maintenant (+3).</translation>
    </message>
    <message>
        <source>Playing this column loses, after two of your discs (−2).</source>
        <translation>Jouer dans cette colonne fait perdre, après deux de vos jetons (−2).</translation>
    </message>
    <message>
        <source>Playing this column leads to a draw (=).</source>
        <translation>Jouer dans cette colonne mène à un match nul (=).</translation>
    </message>
    <message>
        <source>A win or a loss whose moves are still being counted (+ or −).</source>
        <translation>Une victoire ou une défaite dont les coups sont encore en cours de décompte (+ ou −).</translation>
    </message>
    <message>
        <source>The hint: the hole where the best move lands.</source>
        <translation>L&apos;indice&#xa0;: la case où tombe le meilleur coup.</translation>
    </message>
    <message>
        <source>A threat: a red disc here would complete four.</source>
        <translation>Une menace&#xa0;: un jeton rouge ici compléterait un alignement de quatre.</translation>
    </message>
    <message>
        <source>A threat: a blue disc here would complete four.</source>
        <translation>Une menace&#xa0;: un jeton bleu ici compléterait un alignement de quatre.</translation>
    </message>
    <message>
        <source>A disc of either colour here would complete four.</source>
        <translation>Un jeton de l&apos;une ou l&apos;autre couleur ici compléterait un alignement de quatre.</translation>
    </message>
    <message>
        <source>The last disc played.</source>
        <translation>Le dernier jeton joué.</translation>
    </message>
    <message>
        <source>A disc of the winning line.</source>
        <translation>Un jeton de l&apos;alignement gagnant.</translation>
    </message>
    <message>
        <source>A mistake: that move gave up a win or a draw.</source>
        <translation>Une erreur&#xa0;: ce coup a laissé échapper une victoire ou un match nul.</translation>
    </message>
    <message>
        <source>Press F1 for every key and what each mark means</source>
        <translation>Appuyez sur F1 pour voir toutes les touches et le sens de chaque marque</translation>
    </message>
    <message>
        <source>Keys 1 to 7 drop a disc in that column; Ctrl+Z takes a move back and Ctrl+Y plays it again; H shows a hint; A shows what each column leads to; T shows the threats; Ctrl+C copies the moves; F1 lists every key and mark.</source>
        <translation>Les touches 1 à 7 font tomber un jeton dans la colonne correspondante&#xa0;; Ctrl+Z annule un coup et Ctrl+Y le rejoue&#xa0;; H affiche un indice&#xa0;; A montre où mène chaque colonne&#xa0;; T montre les menaces&#xa0;; Ctrl+C copie les coups&#xa0;; F1 liste toutes les touches et les marques.</translation>
    </message>
    <message>
        <source>Last move, a mistake</source>
        <translation>Dernier coup, une erreur</translation>
    </message>
    <message>
        <source>Last move</source>
        <translation>Dernier coup</translation>
    </message>
    <message>
        <source>Mistake</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>That move gives up the win: column %1 kept it.</source>
        <translation>Ce coup laisse échapper la victoire&#xa0;: la colonne %1 la conservait.</translation>
    </message>
    <message>
        <source>That move gives up the draw: column %1 kept it.</source>
        <translation>Ce coup laisse échapper le match nul&#xa0;: la colonne %1 le conservait.</translation>
    </message>
    <message>
        <source>No threats</source>
        <translation>Aucune menace</translation>
    </message>
    <message>
        <source>Shown below the board when the threats are asked for and no hole completes four.</source>
        <translation>Affiché sous le plateau quand les menaces sont demandées et qu&apos;aucune case ne complète un alignement de quatre.</translation>
    </message>
    <message>
        <source>No threats.</source>
        <translation>Aucune menace.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>Gameover</name>
    <message>
        <source>Game Over</source>
        <translation>Partie terminée</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>%1 Wins</source>
        <translation>%1 gagne</translation>
    </message>
    <message>
        <source>Tie</source>
        <translation>Match nul</translation>
    </message>
</context>
<context>
    <name>runtime</name>
    <message>
        <source>Vantrel has met an error it cannot recover from and will close.

%1</source>
        <translation>Vantrel a rencontré une erreur irrécupérable et va se fermer.

%1</translation>
    </message>
</context>
</TS>
