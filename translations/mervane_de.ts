<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Accessible</name>
    <message>
        <source>1 card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A seat and its cards (&quot;Player1: 5 cards&quot;), or a seat and its new status word.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <extracomment>A seat, its cards and its status word: &quot;You: 5 cards, Your Move?&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A seat and its score in the list of scores: &quot;Player1 42&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scores: %1. Tap the table to go on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game over. Tap the table for a new game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Winner: %1. Tap the table for a new game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mervane. Choose New Game to deal.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draw pile, 1 card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draw pile, %1 cards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top card: %1; follow %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>playable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card table</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Cards</name>
    <message>
        <source>a Spade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a Heart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a Diamond</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a Club</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an Ace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a %1</source>
        <extracomment>One card of a rank, as the refused line asks for it: &quot;a 5&quot;, &quot;a King&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jack</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Queen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>King</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spades</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card: its rank and its suit, &quot;9 of Hearts&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Dead Round, press Ok to start new hand.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to quit current game?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MoveLog</name>
    <message>
        <source>You deal; the starter is the %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 deals; the starter is the %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You play the %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 plays the %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You play the %1 and name %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 plays the %2 and names %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You draw a card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 draws a card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You draw nothing (Draw Two): the pack is used up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 draws nothing (Draw Two): the pack is used up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You draw 1 card (Draw Two)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 draws 1 card (Draw Two)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You draw %1 cards (Draw Two)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 draws %2 cards (Draw Two)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are skipped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is skipped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play now goes counter-clockwise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play now goes clockwise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You pass</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 passes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You win the hand and score %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 wins the hand and scores %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dead round: nobody scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You win the game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 wins the game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 does not follow %2 or match the %3; play %4, %5 or an eight, or draw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 does not follow %2 or match the %3; play %4, %5 or an eight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 does not follow %2 or match the %3; play %4 or an eight, or draw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 does not follow %2 or match the %3; play %4 or an eight</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>You</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thinking...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draw One</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pass</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Move?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose Suit?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dealing...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draw Two</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tap To Continue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Winner</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mervane::CAboutDlg</name>
    <message>
        <source>About Mervane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mervane Version 1.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A card game by Ostrale</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Green:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Blue:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit RGB Color</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Top:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Right:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left Player&apos;s Name too Long(Max of 10 characters).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top Player&apos;s Name too Long(Max of 10 characters).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right Player&apos;s Name too Long(Max of 10 characters).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Players</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Play to:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computer&apos;s Play &amp;Speed:</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mervane::CMainFrame</name>
    <message>
        <source>&amp;Mervane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Game Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Table Setup </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Show Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Mervane...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Command Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Classic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sharp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card &amp;Faces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move &amp;Log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;Playable Cards</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F&amp;ull Screen</source>
        <translation>&amp;Vollbild</translation>
    </message>
    <message>
        <source>S&amp;tatistics...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Classic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Animations</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mervane::CMervaneView</name>
    <message>
        <source>&quot;Play To&quot; points changed, Quit Current Game?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Points change not saved.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mervane::CScoreDlg</name>
    <message>
        <source>Score</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reset...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Games played</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Games won by you</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Win rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best final score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Average final score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longest winning streak</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Games won by %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mervane::CTableSetupDlg</name>
    <message>
        <source>Table Co&amp;lor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Training Mode(show all Cards)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Advanced Rules</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deal &amp;Seven Cards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setup Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card &amp;Back:</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Black</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Purple</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smiley</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dirty Yellow </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red Pinstripes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue Pinstripes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skull</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue Star</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Purple Star</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Metal Rivet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wild</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mervane::HelpWindow</name>
    <message>
        <source>Mervane Help</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mervane::SettingsStore</name>
    <message>
        <source>The settings could not be saved to
%1

The changes hold until Mervane is closed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
