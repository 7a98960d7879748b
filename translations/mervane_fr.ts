<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Accessible</name>
    <message>
        <source>1 card</source>
        <translation>1 carte</translation>
    </message>
    <message>
        <source>%1 cards</source>
        <translation>%1 cartes</translation>
    </message>
    <message>
        <source>score %1</source>
        <translation>score %1</translation>
    </message>
    <message>
        <source>%1, dealer</source>
        <translation>%1, donneur</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A seat and its cards (&quot;Player1: 5 cards&quot;), or a seat and its new status word.</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <extracomment>A seat, its cards and its status word: &quot;You: 5 cards, Your Move?&quot;.</extracomment>
        <translation>%1&#xa0;: %2, %3</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A seat and its score in the list of scores: &quot;Player1 42&quot;.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Scores: %1. Tap the table to go on.</source>
        <translation>Scores&#xa0;: %1. Touchez la table pour continuer.</translation>
    </message>
    <message>
        <source>Game over. Tap the table for a new game.</source>
        <translation>Partie terminée. Touchez la table pour une nouvelle partie.</translation>
    </message>
    <message>
        <source>Winner: %1. Tap the table for a new game.</source>
        <translation>Gagnant&#xa0;: %1. Touchez la table pour une nouvelle partie.</translation>
    </message>
    <message>
        <source>Mervane. Choose New Game to deal.</source>
        <translation>Mervane. Choisissez Nouvelle partie pour distribuer.</translation>
    </message>
    <message>
        <source>Draw pile, 1 card</source>
        <translation>Pioche, 1 carte</translation>
    </message>
    <message>
        <source>Draw pile, %1 cards</source>
        <translation>Pioche, %1 cartes</translation>
    </message>
    <message>
        <source>Top card: %1; follow %2</source>
        <translation>Carte du dessus&#xa0;: %1&#xa0;; couleur demandée&#xa0;: %2</translation>
    </message>
    <message>
        <source>playable</source>
        <translation>jouable</translation>
    </message>
    <message>
        <source>Card table</source>
        <translation>Table de jeu</translation>
    </message>
    <message>
        <source>best move, %1 % to win the hand</source>
        <translation>meilleur coup, %1 % de chances de gagner la manche</translation>
    </message>
    <message>
        <source>%1 % to win the hand</source>
        <translation>%1 % de chances de gagner la manche</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>Callouts</name>
    <message>
        <source>+%1</source>
        <translation>+%1</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Sauté</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Inversion</translation>
    </message>
</context>
<context>
    <name>Cards</name>
    <message>
        <source>a Spade</source>
        <translation>Pique</translation>
    </message>
    <message>
        <source>a Heart</source>
        <translation>Cœur</translation>
    </message>
    <message>
        <source>a Diamond</source>
        <translation>Carreau</translation>
    </message>
    <message>
        <source>a Club</source>
        <translation>Trèfle</translation>
    </message>
    <message>
        <source>an Ace</source>
        <translation>As</translation>
    </message>
    <message>
        <source>a %1</source>
        <extracomment>One card of a rank, as the refused line asks for it: &quot;a 5&quot;, &quot;a King&quot;.</extracomment>
        <translation>%1</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>As</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Valet</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Dame</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Roi</translation>
    </message>
    <message>
        <source>Spades</source>
        <translation>Pique</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>Cœur</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>Carreau</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>Trèfle</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card: its rank and its suit, &quot;9 of Hearts&quot;.</extracomment>
        <translation>%1 de %2</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Dead Round, press Ok to start new hand.</source>
        <translation>Donne morte, appuyez sur OK pour une nouvelle donne.</translation>
    </message>
    <message>
        <source>Are you sure you want to quit current game?</source>
        <translation>Voulez-vous vraiment abandonner la partie en cours&#xa0;?</translation>
    </message>
</context>
<context>
    <name>MoveLog</name>
    <message>
        <source>You deal; the starter is the %1</source>
        <translation>Vous distribuez&#xa0;; carte retournée&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 deals; the starter is the %2</source>
        <translation>%1 distribue&#xa0;; carte retournée&#xa0;: %2</translation>
    </message>
    <message>
        <source>You play the %1</source>
        <translation>Vous jouez&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 plays the %2</source>
        <translation>%1 joue&#xa0;: %2</translation>
    </message>
    <message>
        <source>You play the %1 and name %2</source>
        <translation>Vous jouez le %1 et annoncez %2</translation>
    </message>
    <message>
        <source>%1 plays the %2 and names %3</source>
        <translation>%1 joue le %2 et annonce %3</translation>
    </message>
    <message>
        <source>You draw a card</source>
        <translation>Vous piochez une carte</translation>
    </message>
    <message>
        <source>%1 draws a card</source>
        <translation>%1 pioche une carte</translation>
    </message>
    <message>
        <source>You draw nothing (Draw Two): the pack is used up</source>
        <translation>Vous ne piochez rien (Pioche 2)&#xa0;: la pioche est vide</translation>
    </message>
    <message>
        <source>%1 draws nothing (Draw Two): the pack is used up</source>
        <translation>%1 ne pioche rien (Pioche 2)&#xa0;: la pioche est vide</translation>
    </message>
    <message>
        <source>You draw 1 card (Draw Two)</source>
        <translation>Vous piochez 1 carte (Pioche 2)</translation>
    </message>
    <message>
        <source>%1 draws 1 card (Draw Two)</source>
        <translation>%1 pioche 1 carte (Pioche 2)</translation>
    </message>
    <message>
        <source>You draw %1 cards (Draw Two)</source>
        <translation>Vous piochez %1 cartes (Pioche 2)</translation>
    </message>
    <message>
        <source>%1 draws %2 cards (Draw Two)</source>
        <translation>%1 pioche %2 cartes (Pioche 2)</translation>
    </message>
    <message>
        <source>You are skipped</source>
        <translation>Votre tour est sauté</translation>
    </message>
    <message>
        <source>%1 is skipped</source>
        <translation>Le tour de %1 est sauté</translation>
    </message>
    <message>
        <source>Play now goes counter-clockwise</source>
        <translation>Le jeu tourne maintenant dans le sens inverse des aiguilles d&apos;une montre</translation>
    </message>
    <message>
        <source>Play now goes clockwise</source>
        <translation>Le jeu tourne maintenant dans le sens des aiguilles d&apos;une montre</translation>
    </message>
    <message>
        <source>You pass</source>
        <translation>Vous passez</translation>
    </message>
    <message>
        <source>%1 passes</source>
        <translation>%1 passe</translation>
    </message>
    <message>
        <source>You win the hand and score %1</source>
        <translation>Vous gagnez la donne et marquez %1</translation>
    </message>
    <message>
        <source>%1 wins the hand and scores %2</source>
        <translation>%1 gagne la donne et marque %2</translation>
    </message>
    <message>
        <source>Dead round: nobody scores</source>
        <translation>Donne morte&#xa0;: personne ne marque</translation>
    </message>
    <message>
        <source>You win the game</source>
        <translation>Vous gagnez la partie</translation>
    </message>
    <message>
        <source>%1 wins the game</source>
        <translation>%1 gagne la partie</translation>
    </message>
    <message>
        <source>The %1 does not follow %2 or match the %3; play %4, %5 or an eight, or draw</source>
        <translation>Carte refusée&#xa0;: %1 (ni %2 ni %3)&#xa0;; jouez %4, %5 ou 8, ou piochez</translation>
    </message>
    <message>
        <source>The %1 does not follow %2 or match the %3; play %4, %5 or an eight</source>
        <translation>Carte refusée&#xa0;: %1 (ni %2 ni %3)&#xa0;; jouez %4, %5 ou 8</translation>
    </message>
    <message>
        <source>The %1 does not follow %2 or match the %3; play %4 or an eight, or draw</source>
        <translation>Carte refusée&#xa0;: %1 (ni %2 ni %3)&#xa0;; jouez %4 ou 8, ou piochez</translation>
    </message>
    <message>
        <source>The %1 does not follow %2 or match the %3; play %4 or an eight</source>
        <translation>Carte refusée&#xa0;: %1 (ni %2 ni %3)&#xa0;; jouez %4 ou 8</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Player1</source>
        <extracomment>The computer seats&apos; names until the user gives others in Game Setup; at most 10 characters.</extracomment>
        <translation>Joueur1</translation>
    </message>
    <message>
        <source>Player2</source>
        <translation>Joueur2</translation>
    </message>
    <message>
        <source>Player3</source>
        <translation>Joueur3</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>You</source>
        <translation>Vous</translation>
    </message>
    <message>
        <source>Thinking...</source>
        <translation>Pense...</translation>
    </message>
    <message>
        <source>Draw One</source>
        <translation>Pioche</translation>
    </message>
    <message>
        <source>Pass</source>
        <translation>Passe</translation>
    </message>
    <message>
        <source>Your Move?</source>
        <translation>À vous&#xa0;?</translation>
    </message>
    <message>
        <source>Choose Suit?</source>
        <translation>Couleur&#xa0;?</translation>
    </message>
    <message>
        <source>Dealing...</source>
        <translation>Donne...</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Inversion</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Saute</translation>
    </message>
    <message>
        <source>Draw Two</source>
        <translation>Pioche 2</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Tap To Continue</source>
        <translation>Cliquez pour continuer</translation>
    </message>
    <message>
        <source>Winner</source>
        <translation>Gagnant</translation>
    </message>
    <message>
        <source>Hand</source>
        <translation>Donne</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Click or press Enter to continue</source>
        <translation>Cliquez ou appuyez sur Entrée pour continuer</translation>
    </message>
</context>
<context>
    <name>mervane::CAboutDlg</name>
    <message>
        <source>About Mervane</source>
        <translation>À propos de Mervane</translation>
    </message>
    <message>
        <source>Mervane Version 1.0</source>
        <translation>Mervane version 1.0</translation>
    </message>
    <message>
        <source>A card game by Ostrale</source>
        <translation>Un jeu de cartes d&apos;Ostrale</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>mervane::CColorDlg</name>
    <message>
        <source>&amp;Red:</source>
        <translation>&amp;Rouge&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Green:</source>
        <translation>&amp;Vert&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Blue:</source>
        <translation>&amp;Bleu&#xa0;:</translation>
    </message>
    <message>
        <source>Edit RGB Color</source>
        <translation>Modifier la couleur RVB</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>mervane::CGameSetupDlg</name>
    <message>
        <source>&amp;Left:</source>
        <translation>&amp;Gauche&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Top:</source>
        <translation>&amp;En face&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Right:</source>
        <translation>&amp;Droite&#xa0;:</translation>
    </message>
    <message>
        <source>Left Player&apos;s Name too Long(Max of 10 characters).</source>
        <translation>Nom du joueur de gauche trop long (10 caractères au plus).</translation>
    </message>
    <message>
        <source>Top Player&apos;s Name too Long(Max of 10 characters).</source>
        <translation>Nom du joueur d&apos;en face trop long (10 caractères au plus).</translation>
    </message>
    <message>
        <source>Right Player&apos;s Name too Long(Max of 10 characters).</source>
        <translation>Nom du joueur de droite trop long (10 caractères au plus).</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Joueurs</translation>
    </message>
    <message>
        <source>&amp;Play to:</source>
        <translation>&amp;Jouer jusqu&apos;à&#xa0;:</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lente</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rapide</translation>
    </message>
    <message>
        <source>Computer&apos;s Play &amp;Speed:</source>
        <translation>&amp;Vitesse de jeu de l&apos;ordinateur&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Veuillez saisir un nombre entier.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Veuillez saisir un nombre entier entre %1 et %2.</translation>
    </message>
</context>
<context>
    <name>mervane::CMainFrame</name>
    <message>
        <source>&amp;Mervane</source>
        <translation>&amp;Mervane</translation>
    </message>
    <message>
        <source>&amp;Game Setup</source>
        <translation>Paramètres de la &amp;partie</translation>
    </message>
    <message>
        <source>&amp;Table Setup </source>
        <translation>Paramètres de la &amp;table </translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>&amp;Show Score</source>
        <translation>Afficher le &amp;score</translation>
    </message>
    <message>
        <source>&amp;About Mervane...</source>
        <translation>À propos de &amp;Mervane...</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>Aide...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Command Bar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Jouer</translation>
    </message>
    <message>
        <source>Computer &amp;Level</source>
        <translation>&amp;Niveau de l’ordinateur</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Facile</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>&amp;Difficile</translation>
    </message>
    <message>
        <source>&amp;Classic</source>
        <translation>&amp;Classique</translation>
    </message>
    <message>
        <source>&amp;Sharp</source>
        <translation>&amp;Net</translation>
    </message>
    <message>
        <source>Card &amp;Faces</source>
        <translation>&amp;Faces des cartes</translation>
    </message>
    <message>
        <source>Move &amp;Log</source>
        <translation>&amp;Journal des coups</translation>
    </message>
    <message>
        <source>Show &amp;Playable Cards</source>
        <translation>&amp;Montrer les cartes jouables</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Zoom a&amp;vant</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <source>&amp;Default Size</source>
        <translation>&amp;Taille par défaut</translation>
    </message>
    <message>
        <source>F&amp;ull Screen</source>
        <translation>&amp;Plein écran</translation>
    </message>
    <message>
        <source>S&amp;tatistics...</source>
        <translation>&amp;Statistiques...</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Classique</translation>
    </message>
    <message>
        <source>&amp;Animations</source>
        <translation>&amp;Animations</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Indice</translation>
    </message>
    <message>
        <source>Show each move&apos;s chance to win the hand</source>
        <translation>Afficher pour chaque coup les chances de gagner la manche</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Take back your last move and the turns after it</source>
        <translation>Reprendre votre dernier coup et les tours qui l’ont suivi</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Make the move you took back again</source>
        <translation>Rejouer le coup repris</translation>
    </message>
    <message>
        <source>Restart &amp;Deal</source>
        <translation>Recommencer la &amp;donne</translation>
    </message>
    <message>
        <source>Play this hand again from its deal</source>
        <translation>Rejouer cette manche depuis la donne</translation>
    </message>
    <message>
        <source>The game left last time could not be read and was put aside.</source>
        <translation>La partie laissée la dernière fois n’a pas pu être lue et a été mise de côté.</translation>
    </message>
</context>
<context>
    <name>mervane::GameCommands</name>
    <message>
        <source>&quot;Play To&quot; points changed, Quit Current Game?</source>
        <translation>Les points de «&#xa0;Jouer jusqu&apos;à&#xa0;» ont changé. Abandonner la partie en cours&#xa0;?</translation>
    </message>
    <message>
        <source>Points change not saved.</source>
        <translation>Changement de points non enregistré.</translation>
    </message>
</context>
<context>
    <name>mervane::CScoreDlg</name>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>mervane::CStatisticsDlg</name>
    <message>
        <source>%1
%2 cards</source>
        <translation>%1
%2 cartes</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avancé</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>&amp;Reset...</source>
        <translation>&amp;Réinitialiser...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Games played</source>
        <translation>Parties jouées</translation>
    </message>
    <message>
        <source>Games won by you</source>
        <translation>Parties gagnées par vous</translation>
    </message>
    <message>
        <source>Win rate</source>
        <translation>Taux de victoire</translation>
    </message>
    <message>
        <source>Best final score</source>
        <translation>Meilleur score final</translation>
    </message>
    <message>
        <source>Average final score</source>
        <translation>Score final moyen</translation>
    </message>
    <message>
        <source>Longest winning streak</source>
        <translation>Plus longue série de victoires</translation>
    </message>
    <message>
        <source>Games won by %1</source>
        <translation>Parties gagnées par %1</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>Réinitialiser toutes les statistiques&#xa0;?</translation>
    </message>
    <message>
        <source>%1 in 1 game</source>
        <translation>%1 dans 1 partie</translation>
    </message>
    <message>
        <source>%1 in %2 games</source>
        <translation>%1 dans %2 parties</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>Computer &amp;level:</source>
        <translation>&amp;Niveau de l’ordinateur&#xa0;:</translation>
    </message>
    <message>
        <source>Hints used</source>
        <translation>Indices utilisés</translation>
    </message>
    <message>
        <source>Moves taken back</source>
        <translation>Coups repris</translation>
    </message>
</context>
<context>
    <name>mervane::CTableSetupDlg</name>
    <message>
        <source>Table Co&amp;lor</source>
        <translation>&amp;Couleur de la table</translation>
    </message>
    <message>
        <source>&amp;Training Mode(show all Cards)</source>
        <translation>Mode &amp;entraînement (toutes les cartes visibles)</translation>
    </message>
    <message>
        <source>&amp;Advanced Rules</source>
        <translation>&amp;Règles avancées</translation>
    </message>
    <message>
        <source>Deal &amp;Seven Cards</source>
        <translation>Distribuer &amp;sept cartes</translation>
    </message>
    <message>
        <source>Setup Table</source>
        <translation>Paramètres de la table</translation>
    </message>
    <message>
        <source>Card &amp;Back:</source>
        <translation>&amp;Dos des cartes&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Violet</translation>
    </message>
    <message>
        <source>Smiley</source>
        <translation>Smiley</translation>
    </message>
    <message>
        <source>Dirty Yellow </source>
        <translation>Jaune sale </translation>
    </message>
    <message>
        <source>Red Pinstripes</source>
        <translation>Rayures rouges</translation>
    </message>
    <message>
        <source>Blue Pinstripes</source>
        <translation>Rayures bleues</translation>
    </message>
    <message>
        <source>Skull</source>
        <translation>Tête de mort</translation>
    </message>
    <message>
        <source>Blue Star</source>
        <translation>Étoile bleue</translation>
    </message>
    <message>
        <source>Purple Star</source>
        <translation>Étoile violette</translation>
    </message>
    <message>
        <source>Metal Rivet</source>
        <translation>Rivets métalliques</translation>
    </message>
    <message>
        <source>Wild</source>
        <translation>Fantaisie</translation>
    </message>
</context>
<context>
    <name>mervane::CommandLine</name>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument inattendu «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Unexpected arguments: %1.</source>
        <translation>Arguments inattendus&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Mervane, a four-seat &quot;eights&quot; card game against the computer.
Its settings are kept in ~/.config/Ostrale/mervane.ini.</source>
        <translation>Mervane, un jeu de cartes «&#xa0;huit&#xa0;» à quatre contre l&apos;ordinateur.
Ses paramètres sont enregistrés dans ~/.config/Ostrale/mervane.ini.</translation>
    </message>
    <message>
        <source>Displays this help and exits.</source>
        <translation>Affiche cette aide et quitte.</translation>
    </message>
    <message>
        <source>Displays the version and exits.</source>
        <translation>Affiche la version et quitte.</translation>
    </message>
</context>
<context>
    <name>mervane::HelpWindow</name>
    <message>
        <source>Mervane Help</source>
        <translation>Aide de Mervane</translation>
    </message>
</context>
<context>
    <name>mervane::LogDrawer</name>
    <message>
        <source>Move Log</source>
        <translation>Journal des coups</translation>
    </message>
    <message>
        <source>Close the move log</source>
        <translation>Fermer le journal des coups</translation>
    </message>
</context>
<context>
    <name>mervane::MessageBoxes</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>mervane::MoveLogPanel</name>
    <message>
        <source>Move Log</source>
        <translation>Journal des coups</translation>
    </message>
</context>
<context>
    <name>mervane::SettingsStore</name>
    <message>
        <source>The settings could not be saved to
%1

The changes hold until Mervane is closed.</source>
        <translation>Les paramètres n&apos;ont pas pu être enregistrés dans
%1

Les modifications restent valables jusqu&apos;à la fermeture de Mervane.</translation>
    </message>
</context>
<context>
    <name>mervane::StatisticsKeeper</name>
    <message>
        <source>The statistics could not be saved to
%1

The games of this run are kept and saved with the next one.</source>
        <translation>Les statistiques n&apos;ont pas pu être enregistrées dans
%1

Les parties de cette session sont conservées et seront enregistrées avec la suivante.</translation>
    </message>
</context>
</TS>
