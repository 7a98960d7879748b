<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
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
        <translation>&amp;Aceptar</translation>
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
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
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
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
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
        <translation>&amp;Ver</translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Default Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F&amp;ull Screen</source>
        <translation>&amp;Pantalla completa</translation>
    </message>
    <message>
        <source>S&amp;tatistics...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Classic</source>
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
        <translation>&amp;Cerrar</translation>
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
        <translation>&amp;Cerrar</translation>
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
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
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
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
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
