<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Accessible</name>
    <message>
        <source>1 card</source>
        <translation>1 Karte</translation>
    </message>
    <message>
        <source>%1 cards</source>
        <translation>%1 Karten</translation>
    </message>
    <message>
        <source>score %1</source>
        <translation>Punkte %1</translation>
    </message>
    <message>
        <source>%1, dealer</source>
        <translation>%1, Geber</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A seat and its cards (&quot;Player1: 5 cards&quot;), or a seat and its new status word.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <extracomment>A seat, its cards and its status word: &quot;You: 5 cards, Your Move?&quot;.</extracomment>
        <translation>%1: %2, %3</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A seat and its score in the list of scores: &quot;Player1 42&quot;.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Scores: %1. Tap the table to go on.</source>
        <translation>Punktestand: %1. Klicken Sie auf den Tisch, um fortzufahren.</translation>
    </message>
    <message>
        <source>Game over. Tap the table for a new game.</source>
        <translation>Spiel vorbei. Klicken Sie auf den Tisch für ein neues Spiel.</translation>
    </message>
    <message>
        <source>Winner: %1. Tap the table for a new game.</source>
        <translation>Sieger: %1. Klicken Sie auf den Tisch für ein neues Spiel.</translation>
    </message>
    <message>
        <source>Mervane. Choose New Game to deal.</source>
        <translation>Mervane. Wählen Sie „Neues Spiel“, um zu geben.</translation>
    </message>
    <message>
        <source>Draw pile, 1 card</source>
        <translation>Nachziehstapel, 1 Karte</translation>
    </message>
    <message>
        <source>Draw pile, %1 cards</source>
        <translation>Nachziehstapel, %1 Karten</translation>
    </message>
    <message>
        <source>Top card: %1; follow %2</source>
        <translation>Oberste Karte: %1; %2 bedienen</translation>
    </message>
    <message>
        <source>playable</source>
        <translation>spielbar</translation>
    </message>
    <message>
        <source>Card table</source>
        <translation>Kartentisch</translation>
    </message>
    <message>
        <source>best move, %1 % to win the hand</source>
        <translation>bester Zug, %1 % Chance auf den Rundensieg</translation>
    </message>
    <message>
        <source>%1 % to win the hand</source>
        <translation>%1 % Chance auf den Rundensieg</translation>
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
        <translation>Ausgesetzt</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Umkehr</translation>
    </message>
</context>
<context>
    <name>Cards</name>
    <message>
        <source>a Spade</source>
        <translation>ein Pik</translation>
    </message>
    <message>
        <source>a Heart</source>
        <translation>ein Herz</translation>
    </message>
    <message>
        <source>a Diamond</source>
        <translation>ein Karo</translation>
    </message>
    <message>
        <source>a Club</source>
        <translation>ein Kreuz</translation>
    </message>
    <message>
        <source>an Ace</source>
        <translation>ein Ass</translation>
    </message>
    <message>
        <source>a %1</source>
        <extracomment>One card of a rank, as the refused line asks for it: &quot;a 5&quot;, &quot;a King&quot;.</extracomment>
        <translation>eine Karte vom Wert %1</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>Ass</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Bube</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Dame</translation>
    </message>
    <message>
        <source>King</source>
        <translation>König</translation>
    </message>
    <message>
        <source>Spades</source>
        <translation>Pik</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>Herz</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>Karo</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card: its rank and its suit, &quot;9 of Hearts&quot;.</extracomment>
        <translation>%2-%1</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Dead Round, press Ok to start new hand.</source>
        <translation>Tote Runde. Klicken Sie auf OK, um neu zu geben.</translation>
    </message>
    <message>
        <source>Are you sure you want to quit current game?</source>
        <translation>Möchten Sie das laufende Spiel wirklich beenden?</translation>
    </message>
</context>
<context>
    <name>MoveLog</name>
    <message>
        <source>You deal; the starter is the %1</source>
        <translation>Sie geben; die Startkarte ist %1</translation>
    </message>
    <message>
        <source>%1 deals; the starter is the %2</source>
        <translation>%1 gibt; die Startkarte ist %2</translation>
    </message>
    <message>
        <source>You play the %1</source>
        <translation>Sie spielen %1</translation>
    </message>
    <message>
        <source>%1 plays the %2</source>
        <translation>%1 spielt %2</translation>
    </message>
    <message>
        <source>You play the %1 and name %2</source>
        <translation>Sie spielen %1 und wählen %2</translation>
    </message>
    <message>
        <source>%1 plays the %2 and names %3</source>
        <translation>%1 spielt %2 und wählt %3</translation>
    </message>
    <message>
        <source>You draw a card</source>
        <translation>Sie ziehen eine Karte</translation>
    </message>
    <message>
        <source>%1 draws a card</source>
        <translation>%1 zieht eine Karte</translation>
    </message>
    <message>
        <source>You draw nothing (Draw Two): the pack is used up</source>
        <translation>Sie ziehen nichts (Zieh zwei): der Stapel ist aufgebraucht</translation>
    </message>
    <message>
        <source>%1 draws nothing (Draw Two): the pack is used up</source>
        <translation>%1 zieht nichts (Zieh zwei): der Stapel ist aufgebraucht</translation>
    </message>
    <message>
        <source>You draw 1 card (Draw Two)</source>
        <translation>Sie ziehen 1 Karte (Zieh zwei)</translation>
    </message>
    <message>
        <source>%1 draws 1 card (Draw Two)</source>
        <translation>%1 zieht 1 Karte (Zieh zwei)</translation>
    </message>
    <message>
        <source>You draw %1 cards (Draw Two)</source>
        <translation>Sie ziehen %1 Karten (Zieh zwei)</translation>
    </message>
    <message>
        <source>%1 draws %2 cards (Draw Two)</source>
        <translation>%1 zieht %2 Karten (Zieh zwei)</translation>
    </message>
    <message>
        <source>You are skipped</source>
        <translation>Sie setzen aus</translation>
    </message>
    <message>
        <source>%1 is skipped</source>
        <translation>%1 setzt aus</translation>
    </message>
    <message>
        <source>Play now goes counter-clockwise</source>
        <translation>Es wird jetzt gegen den Uhrzeigersinn gespielt</translation>
    </message>
    <message>
        <source>Play now goes clockwise</source>
        <translation>Es wird jetzt im Uhrzeigersinn gespielt</translation>
    </message>
    <message>
        <source>You pass</source>
        <translation>Sie passen</translation>
    </message>
    <message>
        <source>%1 passes</source>
        <translation>%1 passt</translation>
    </message>
    <message>
        <source>You win the hand and score %1</source>
        <translation>Sie gewinnen die Runde und erhalten %1 Punkte</translation>
    </message>
    <message>
        <source>%1 wins the hand and scores %2</source>
        <translation>%1 gewinnt die Runde und erhält %2 Punkte</translation>
    </message>
    <message>
        <source>Dead round: nobody scores</source>
        <translation>Tote Runde: niemand erhält Punkte</translation>
    </message>
    <message>
        <source>You win the game</source>
        <translation>Sie gewinnen das Spiel</translation>
    </message>
    <message>
        <source>%1 wins the game</source>
        <translation>%1 gewinnt das Spiel</translation>
    </message>
    <message>
        <source>The %1 does not follow %2 or match the %3; play %4, %5 or an eight, or draw</source>
        <translation>%1 passt weder zur Farbe %2 noch zum Wert %3; spielen Sie %4, %5 oder eine Acht, oder ziehen Sie eine Karte</translation>
    </message>
    <message>
        <source>The %1 does not follow %2 or match the %3; play %4, %5 or an eight</source>
        <translation>%1 passt weder zur Farbe %2 noch zum Wert %3; spielen Sie %4, %5 oder eine Acht</translation>
    </message>
    <message>
        <source>The %1 does not follow %2 or match the %3; play %4 or an eight, or draw</source>
        <translation>%1 passt weder zur Farbe %2 noch zum Wert %3; spielen Sie %4 oder eine Acht, oder ziehen Sie eine Karte</translation>
    </message>
    <message>
        <source>The %1 does not follow %2 or match the %3; play %4 or an eight</source>
        <translation>%1 passt weder zur Farbe %2 noch zum Wert %3; spielen Sie %4 oder eine Acht</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Player1</source>
        <extracomment>The computer seats&apos; names until the user gives others in Game Setup; at most 10 characters.</extracomment>
        <translation>Spieler1</translation>
    </message>
    <message>
        <source>Player2</source>
        <translation>Spieler2</translation>
    </message>
    <message>
        <source>Player3</source>
        <translation>Spieler3</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>You</source>
        <translation>Sie</translation>
    </message>
    <message>
        <source>Thinking...</source>
        <translation>Denkt...</translation>
    </message>
    <message>
        <source>Draw One</source>
        <translation>Zieht eine</translation>
    </message>
    <message>
        <source>Pass</source>
        <translation>Passe</translation>
    </message>
    <message>
        <source>Your Move?</source>
        <translation>Ihr Zug?</translation>
    </message>
    <message>
        <source>Choose Suit?</source>
        <translation>Farbwahl?</translation>
    </message>
    <message>
        <source>Dealing...</source>
        <translation>Gibt...</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Umkehr</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Draw Two</source>
        <translation>Zieh zwei</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>Score</source>
        <translation>Punktestand</translation>
    </message>
    <message>
        <source>Tap To Continue</source>
        <translation>Weiter mit Klick</translation>
    </message>
    <message>
        <source>Winner</source>
        <translation>Sieger</translation>
    </message>
    <message>
        <source>Hand</source>
        <translation>Runde</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Click or press Enter to continue</source>
        <translation>Zum Fortfahren klicken oder die Eingabetaste drücken</translation>
    </message>
</context>
<context>
    <name>mervane::CAboutDlg</name>
    <message>
        <source>About Mervane</source>
        <translation>Über Mervane</translation>
    </message>
    <message>
        <source>Mervane Version 1.0</source>
        <translation>Mervane Version 1.0</translation>
    </message>
    <message>
        <source>A card game by Ostrale</source>
        <translation>Ein Kartenspiel von Ostrale</translation>
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
        <translation>&amp;Rot:</translation>
    </message>
    <message>
        <source>&amp;Green:</source>
        <translation>&amp;Grün:</translation>
    </message>
    <message>
        <source>&amp;Blue:</source>
        <translation>&amp;Blau:</translation>
    </message>
    <message>
        <source>Edit RGB Color</source>
        <translation>RGB-Farbe bearbeiten</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>mervane::CGameSetupDlg</name>
    <message>
        <source>&amp;Left:</source>
        <translation>&amp;Links:</translation>
    </message>
    <message>
        <source>&amp;Top:</source>
        <translation>O&amp;ben:</translation>
    </message>
    <message>
        <source>&amp;Right:</source>
        <translation>&amp;Rechts:</translation>
    </message>
    <message>
        <source>Left Player&apos;s Name too Long(Max of 10 characters).</source>
        <translation>Der Name des linken Spielers ist zu lang (höchstens 10 Zeichen).</translation>
    </message>
    <message>
        <source>Top Player&apos;s Name too Long(Max of 10 characters).</source>
        <translation>Der Name des oberen Spielers ist zu lang (höchstens 10 Zeichen).</translation>
    </message>
    <message>
        <source>Right Player&apos;s Name too Long(Max of 10 characters).</source>
        <translation>Der Name des rechten Spielers ist zu lang (höchstens 10 Zeichen).</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Spieleinstellungen</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>&amp;Play to:</source>
        <translation>&amp;Spielen bis:</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Langsam</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Schnell</translation>
    </message>
    <message>
        <source>Computer&apos;s Play &amp;Speed:</source>
        <translation>Spieltempo des &amp;Computers:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Bitte geben Sie eine ganze Zahl ein.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Bitte geben Sie eine ganze Zahl zwischen %1 und %2 ein.</translation>
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
        <translation>&amp;Spieleinstellungen</translation>
    </message>
    <message>
        <source>&amp;Table Setup </source>
        <translation>&amp;Tischeinstellungen</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>&amp;Show Score</source>
        <translation>&amp;Punktestand anzeigen</translation>
    </message>
    <message>
        <source>&amp;About Mervane...</source>
        <translation>&amp;Über Mervane...</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>Hilfe...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Command Bar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>Computer &amp;Level</source>
        <translation>&amp;Computerstärke</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Leicht</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>&amp;Schwer</translation>
    </message>
    <message>
        <source>&amp;Classic</source>
        <translation>K&amp;lassisch</translation>
    </message>
    <message>
        <source>&amp;Sharp</source>
        <translation>&amp;Scharf</translation>
    </message>
    <message>
        <source>Card &amp;Faces</source>
        <translation>Karten&amp;bilder</translation>
    </message>
    <message>
        <source>Move &amp;Log</source>
        <translation>&amp;Zugprotokoll</translation>
    </message>
    <message>
        <source>Show &amp;Playable Cards</source>
        <translation>S&amp;pielbare Karten zeigen</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>&amp;Default Size</source>
        <translation>Stan&amp;dardgröße</translation>
    </message>
    <message>
        <source>F&amp;ull Screen</source>
        <translation>&amp;Vollbild</translation>
    </message>
    <message>
        <source>S&amp;tatistics...</source>
        <translation>S&amp;tatistik...</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Klassisch</translation>
    </message>
    <message>
        <source>&amp;Animations</source>
        <translation>&amp;Animationen</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Tipp</translation>
    </message>
    <message>
        <source>Show each move&apos;s chance to win the hand</source>
        <translation>Für jeden Zug die Chance auf den Rundensieg zeigen</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Take back your last move and the turns after it</source>
        <translation>Ihren letzten Zug und die Züge danach zurücknehmen</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Make the move you took back again</source>
        <translation>Den zurückgenommenen Zug erneut machen</translation>
    </message>
    <message>
        <source>Restart &amp;Deal</source>
        <translation>Runde &amp;neu geben</translation>
    </message>
    <message>
        <source>Play this hand again from its deal</source>
        <translation>Diese Runde ab dem Geben neu spielen</translation>
    </message>
    <message>
        <source>The game left last time could not be read and was put aside.</source>
        <translation>Das beim letzten Mal verlassene Spiel konnte nicht gelesen werden und wurde beiseitegelegt.</translation>
    </message>
</context>
<context>
    <name>mervane::GameCommands</name>
    <message>
        <source>&quot;Play To&quot; points changed, Quit Current Game?</source>
        <translation>Die Punkte für „Spielen bis“ wurden geändert. Laufendes Spiel beenden?</translation>
    </message>
    <message>
        <source>Points change not saved.</source>
        <translation>Die Änderung der Punkte wurde nicht gespeichert.</translation>
    </message>
</context>
<context>
    <name>mervane::CScoreDlg</name>
    <message>
        <source>Score</source>
        <translation>Punktestand</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>mervane::CStatisticsDlg</name>
    <message>
        <source>%1
%2 cards</source>
        <translation>%1
%2 Karten</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Erweitert</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>&amp;Reset...</source>
        <translation>&amp;Zurücksetzen...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Games played</source>
        <translation>Gespielte Spiele</translation>
    </message>
    <message>
        <source>Games won by you</source>
        <translation>Von Ihnen gewonnene Spiele</translation>
    </message>
    <message>
        <source>Win rate</source>
        <translation>Gewinnquote</translation>
    </message>
    <message>
        <source>Best final score</source>
        <translation>Bester Endstand</translation>
    </message>
    <message>
        <source>Average final score</source>
        <translation>Durchschnittlicher Endstand</translation>
    </message>
    <message>
        <source>Longest winning streak</source>
        <translation>Längste Siegesserie</translation>
    </message>
    <message>
        <source>Games won by %1</source>
        <translation>Von %1 gewonnene Spiele</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>Die gesamte Statistik zurücksetzen?</translation>
    </message>
    <message>
        <source>%1 in 1 game</source>
        <translation>%1 in 1 Spiel</translation>
    </message>
    <message>
        <source>%1 in %2 games</source>
        <translation>%1 in %2 Spielen</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Schwer</translation>
    </message>
    <message>
        <source>Computer &amp;level:</source>
        <translation>&amp;Computerstärke:</translation>
    </message>
    <message>
        <source>Hints used</source>
        <translation>Genutzte Tipps</translation>
    </message>
    <message>
        <source>Moves taken back</source>
        <translation>Zurückgenommene Züge</translation>
    </message>
</context>
<context>
    <name>mervane::CTableSetupDlg</name>
    <message>
        <source>Table Co&amp;lor</source>
        <translation>Tisch&amp;farbe</translation>
    </message>
    <message>
        <source>&amp;Training Mode(show all Cards)</source>
        <translation>&amp;Trainingsmodus (alle Karten zeigen)</translation>
    </message>
    <message>
        <source>&amp;Advanced Rules</source>
        <translation>&amp;Erweiterte Regeln</translation>
    </message>
    <message>
        <source>Deal &amp;Seven Cards</source>
        <translation>&amp;Sieben Karten geben</translation>
    </message>
    <message>
        <source>Setup Table</source>
        <translation>Tischeinstellungen</translation>
    </message>
    <message>
        <source>Card &amp;Back:</source>
        <translation>Karten&amp;rücken:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Lila</translation>
    </message>
    <message>
        <source>Smiley</source>
        <translation>Smiley</translation>
    </message>
    <message>
        <source>Dirty Yellow </source>
        <translation>Schmutziggelb</translation>
    </message>
    <message>
        <source>Red Pinstripes</source>
        <translation>Rote Nadelstreifen</translation>
    </message>
    <message>
        <source>Blue Pinstripes</source>
        <translation>Blaue Nadelstreifen</translation>
    </message>
    <message>
        <source>Skull</source>
        <translation>Totenkopf</translation>
    </message>
    <message>
        <source>Blue Star</source>
        <translation>Blauer Stern</translation>
    </message>
    <message>
        <source>Purple Star</source>
        <translation>Lila Stern</translation>
    </message>
    <message>
        <source>Metal Rivet</source>
        <translation>Metallniete</translation>
    </message>
    <message>
        <source>Wild</source>
        <translation>Wild</translation>
    </message>
</context>
<context>
    <name>mervane::CommandLine</name>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Unexpected arguments: %1.</source>
        <translation>Unerwartete Argumente: %1.</translation>
    </message>
    <message>
        <source>Mervane, a four-seat &quot;eights&quot; card game against the computer.
Its settings are kept in ~/.config/Ostrale/mervane.ini.</source>
        <translation>Mervane, ein Kartenspiel „Achten“ zu viert gegen den Computer.
Die Einstellungen stehen in ~/.config/Ostrale/mervane.ini.</translation>
    </message>
    <message>
        <source>Displays this help and exits.</source>
        <translation>Zeigt diese Hilfe an und beendet das Programm.</translation>
    </message>
    <message>
        <source>Displays the version and exits.</source>
        <translation>Zeigt die Version an und beendet das Programm.</translation>
    </message>
</context>
<context>
    <name>mervane::HelpWindow</name>
    <message>
        <source>Mervane Help</source>
        <translation>Mervane-Hilfe</translation>
    </message>
</context>
<context>
    <name>mervane::LogDrawer</name>
    <message>
        <source>Move Log</source>
        <translation>Zugprotokoll</translation>
    </message>
    <message>
        <source>Close the move log</source>
        <translation>Zugprotokoll schließen</translation>
    </message>
</context>
<context>
    <name>mervane::MessageBoxes</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
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
        <translation>Zugprotokoll</translation>
    </message>
</context>
<context>
    <name>mervane::SettingsStore</name>
    <message>
        <source>The settings could not be saved to
%1

The changes hold until Mervane is closed.</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden in
%1

Die Änderungen gelten, bis Mervane beendet wird.</translation>
    </message>
</context>
<context>
    <name>mervane::StatisticsKeeper</name>
    <message>
        <source>The statistics could not be saved to
%1

The games of this run are kept and saved with the next one.</source>
        <translation>Die Statistik konnte nicht gespeichert werden in
%1

Die Spiele dieser Sitzung bleiben erhalten und werden mit dem nächsten gespeichert.</translation>
    </message>
</context>
</TS>
