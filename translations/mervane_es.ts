<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Accessible</name>
    <message>
        <source>1 card</source>
        <translation>1 carta</translation>
    </message>
    <message>
        <source>%1 cards</source>
        <translation>%1 cartas</translation>
    </message>
    <message>
        <source>score %1</source>
        <translation>puntos %1</translation>
    </message>
    <message>
        <source>%1, dealer</source>
        <translation>%1, reparte</translation>
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
        <translation>Puntuaciones: %1. Toca la mesa para seguir.</translation>
    </message>
    <message>
        <source>Game over. Tap the table for a new game.</source>
        <translation>Fin de la partida. Toca la mesa para jugar otra.</translation>
    </message>
    <message>
        <source>Winner: %1. Tap the table for a new game.</source>
        <translation>Ganador: %1. Toca la mesa para jugar otra partida.</translation>
    </message>
    <message>
        <source>Mervane. Choose New Game to deal.</source>
        <translation>Mervane. Elige Nueva partida para repartir.</translation>
    </message>
    <message>
        <source>Draw pile, 1 card</source>
        <translation>Mazo, 1 carta</translation>
    </message>
    <message>
        <source>Draw pile, %1 cards</source>
        <translation>Mazo, %1 cartas</translation>
    </message>
    <message>
        <source>Top card: %1; follow %2</source>
        <translation>Carta superior: %1; palo a seguir: %2</translation>
    </message>
    <message>
        <source>playable</source>
        <translation>jugable</translation>
    </message>
    <message>
        <source>Card table</source>
        <translation>Mesa de juego</translation>
    </message>
    <message>
        <source>best move, %1 % to win the hand</source>
        <translation>mejor jugada, %1 % de probabilidad de ganar la mano</translation>
    </message>
    <message>
        <source>%1 % to win the hand</source>
        <translation>%1 % de probabilidad de ganar la mano</translation>
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
        <translation>Saltado</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Cambio</translation>
    </message>
</context>
<context>
    <name>Cards</name>
    <message>
        <source>a Spade</source>
        <translation>una de Picas</translation>
    </message>
    <message>
        <source>a Heart</source>
        <translation>una de Corazones</translation>
    </message>
    <message>
        <source>a Diamond</source>
        <translation>una de Diamantes</translation>
    </message>
    <message>
        <source>a Club</source>
        <translation>una de Tréboles</translation>
    </message>
    <message>
        <source>an Ace</source>
        <translation>un As</translation>
    </message>
    <message>
        <source>a %1</source>
        <extracomment>One card of a rank, as the refused line asks for it: &quot;a 5&quot;, &quot;a King&quot;.</extracomment>
        <translation>cualquier %1</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>As</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Jota</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Reina</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Rey</translation>
    </message>
    <message>
        <source>Spades</source>
        <translation>Picas</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>Corazones</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>Diamantes</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>Tréboles</translation>
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
        <translation>Ronda muerta: pulsa Aceptar para empezar una nueva mano.</translation>
    </message>
    <message>
        <source>Are you sure you want to quit current game?</source>
        <translation>¿Seguro que quieres abandonar la partida actual?</translation>
    </message>
</context>
<context>
    <name>MoveLog</name>
    <message>
        <source>You deal; the starter is the %1</source>
        <translation>Repartes; carta inicial: %1</translation>
    </message>
    <message>
        <source>%1 deals; the starter is the %2</source>
        <translation>%1 reparte; carta inicial: %2</translation>
    </message>
    <message>
        <source>You play the %1</source>
        <translation>Juegas %1</translation>
    </message>
    <message>
        <source>%1 plays the %2</source>
        <translation>%1 juega %2</translation>
    </message>
    <message>
        <source>You play the %1 and name %2</source>
        <translation>Juegas %1 y eliges %2</translation>
    </message>
    <message>
        <source>%1 plays the %2 and names %3</source>
        <translation>%1 juega %2 y elige %3</translation>
    </message>
    <message>
        <source>You draw a card</source>
        <translation>Robas una carta</translation>
    </message>
    <message>
        <source>%1 draws a card</source>
        <translation>%1 roba una carta</translation>
    </message>
    <message>
        <source>You draw nothing (Draw Two): the pack is used up</source>
        <translation>No robas nada (Roba dos): el mazo se ha agotado</translation>
    </message>
    <message>
        <source>%1 draws nothing (Draw Two): the pack is used up</source>
        <translation>%1 no roba nada (Roba dos): el mazo se ha agotado</translation>
    </message>
    <message>
        <source>You draw 1 card (Draw Two)</source>
        <translation>Robas 1 carta (Roba dos)</translation>
    </message>
    <message>
        <source>%1 draws 1 card (Draw Two)</source>
        <translation>%1 roba 1 carta (Roba dos)</translation>
    </message>
    <message>
        <source>You draw %1 cards (Draw Two)</source>
        <translation>Robas %1 cartas (Roba dos)</translation>
    </message>
    <message>
        <source>%1 draws %2 cards (Draw Two)</source>
        <translation>%1 roba %2 cartas (Roba dos)</translation>
    </message>
    <message>
        <source>You are skipped</source>
        <translation>Pierdes el turno</translation>
    </message>
    <message>
        <source>%1 is skipped</source>
        <translation>%1 pierde el turno</translation>
    </message>
    <message>
        <source>Play now goes counter-clockwise</source>
        <translation>Ahora se juega en sentido antihorario</translation>
    </message>
    <message>
        <source>Play now goes clockwise</source>
        <translation>Ahora se juega en sentido horario</translation>
    </message>
    <message>
        <source>You pass</source>
        <translation>Pasas</translation>
    </message>
    <message>
        <source>%1 passes</source>
        <translation>%1 pasa</translation>
    </message>
    <message>
        <source>You win the hand and score %1</source>
        <translation>Ganas la mano y sumas %1</translation>
    </message>
    <message>
        <source>%1 wins the hand and scores %2</source>
        <translation>%1 gana la mano y suma %2</translation>
    </message>
    <message>
        <source>Dead round: nobody scores</source>
        <translation>Ronda muerta: nadie puntúa</translation>
    </message>
    <message>
        <source>You win the game</source>
        <translation>Ganas la partida</translation>
    </message>
    <message>
        <source>%1 wins the game</source>
        <translation>%1 gana la partida</translation>
    </message>
    <message>
        <source>The %1 does not follow %2 or match the %3; play %4, %5 or an eight, or draw</source>
        <translation>%1 no es de %2 ni es %3; juega %4, %5 o un ocho, o roba</translation>
    </message>
    <message>
        <source>The %1 does not follow %2 or match the %3; play %4, %5 or an eight</source>
        <translation>%1 no es de %2 ni es %3; juega %4, %5 o un ocho</translation>
    </message>
    <message>
        <source>The %1 does not follow %2 or match the %3; play %4 or an eight, or draw</source>
        <translation>%1 no es de %2 ni es %3; juega %4 o un ocho, o roba</translation>
    </message>
    <message>
        <source>The %1 does not follow %2 or match the %3; play %4 or an eight</source>
        <translation>%1 no es de %2 ni es %3; juega %4 o un ocho</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Player1</source>
        <extracomment>The computer seats&apos; names until the user gives others in Game Setup; at most 10 characters.</extracomment>
        <translation>Jugador1</translation>
    </message>
    <message>
        <source>Player2</source>
        <translation>Jugador2</translation>
    </message>
    <message>
        <source>Player3</source>
        <translation>Jugador3</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>You</source>
        <translation>Tú</translation>
    </message>
    <message>
        <source>Thinking...</source>
        <translation>Piensa...</translation>
    </message>
    <message>
        <source>Draw One</source>
        <translation>Roba una</translation>
    </message>
    <message>
        <source>Pass</source>
        <translation>Paso</translation>
    </message>
    <message>
        <source>Your Move?</source>
        <translation>¿Tu jugada?</translation>
    </message>
    <message>
        <source>Choose Suit?</source>
        <translation>¿Qué palo?</translation>
    </message>
    <message>
        <source>Dealing...</source>
        <translation>Reparte...</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Cambio</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Salta</translation>
    </message>
    <message>
        <source>Draw Two</source>
        <translation>Roba dos</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>Score</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Tap To Continue</source>
        <translation>Toca para seguir</translation>
    </message>
    <message>
        <source>Winner</source>
        <translation>Ganador</translation>
    </message>
    <message>
        <source>Hand</source>
        <translation>Mano</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Click or press Enter to continue</source>
        <translation>Haga clic o pulse Intro para continuar</translation>
    </message>
</context>
<context>
    <name>mervane::CAboutDlg</name>
    <message>
        <source>About Mervane</source>
        <translation>Acerca de Mervane</translation>
    </message>
    <message>
        <source>Mervane Version 1.0</source>
        <translation>Mervane versión 1.0</translation>
    </message>
    <message>
        <source>A card game by Ostrale</source>
        <translation>Un juego de cartas de Ostrale</translation>
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
        <translation>&amp;Rojo:</translation>
    </message>
    <message>
        <source>&amp;Green:</source>
        <translation>&amp;Verde:</translation>
    </message>
    <message>
        <source>&amp;Blue:</source>
        <translation>A&amp;zul:</translation>
    </message>
    <message>
        <source>Edit RGB Color</source>
        <translation>Editar color RGB</translation>
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
        <translation>&amp;Izquierda:</translation>
    </message>
    <message>
        <source>&amp;Top:</source>
        <translation>&amp;Enfrente:</translation>
    </message>
    <message>
        <source>&amp;Right:</source>
        <translation>&amp;Derecha:</translation>
    </message>
    <message>
        <source>Left Player&apos;s Name too Long(Max of 10 characters).</source>
        <translation>El nombre del jugador de la izquierda es demasiado largo (máximo 10 caracteres).</translation>
    </message>
    <message>
        <source>Top Player&apos;s Name too Long(Max of 10 characters).</source>
        <translation>El nombre del jugador de enfrente es demasiado largo (máximo 10 caracteres).</translation>
    </message>
    <message>
        <source>Right Player&apos;s Name too Long(Max of 10 characters).</source>
        <translation>El nombre del jugador de la derecha es demasiado largo (máximo 10 caracteres).</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Configurar partida</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Jugadores</translation>
    </message>
    <message>
        <source>&amp;Play to:</source>
        <translation>&amp;Jugar hasta:</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lenta</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rápida</translation>
    </message>
    <message>
        <source>Computer&apos;s Play &amp;Speed:</source>
        <translation>&amp;Velocidad del ordenador:</translation>
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
        <translation>Introduce un número entero.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Introduce un número entero entre %1 y %2.</translation>
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
        <translation>Configurar &amp;partida</translation>
    </message>
    <message>
        <source>&amp;Table Setup </source>
        <translation>Configurar &amp;mesa</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <source>&amp;Show Score</source>
        <translation>&amp;Ver puntuación</translation>
    </message>
    <message>
        <source>&amp;About Mervane...</source>
        <translation>&amp;Acerca de Mervane...</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>Ayuda...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Command Bar</source>
        <translation>Barra de órdenes</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Jugar</translation>
    </message>
    <message>
        <source>Computer &amp;Level</source>
        <translation>&amp;Nivel del ordenador</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Fácil</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>&amp;Difícil</translation>
    </message>
    <message>
        <source>&amp;Classic</source>
        <translation>&amp;Clásico</translation>
    </message>
    <message>
        <source>&amp;Sharp</source>
        <translation>&amp;Nítido</translation>
    </message>
    <message>
        <source>Card &amp;Faces</source>
        <translation>&amp;Diseño de cartas</translation>
    </message>
    <message>
        <source>Move &amp;Log</source>
        <translation>Registro de &amp;jugadas</translation>
    </message>
    <message>
        <source>Show &amp;Playable Cards</source>
        <translation>&amp;Mostrar cartas jugables</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Ampl&amp;iar</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Reducir</translation>
    </message>
    <message>
        <source>&amp;Default Size</source>
        <translation>&amp;Tamaño predeterminado</translation>
    </message>
    <message>
        <source>F&amp;ull Screen</source>
        <translation>&amp;Pantalla completa</translation>
    </message>
    <message>
        <source>S&amp;tatistics...</source>
        <translation>&amp;Estadísticas...</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Clásico</translation>
    </message>
    <message>
        <source>&amp;Animations</source>
        <translation>&amp;Animaciones</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Pista</translation>
    </message>
    <message>
        <source>Show each move&apos;s chance to win the hand</source>
        <translation>Mostrar para cada jugada la probabilidad de ganar la mano</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>Take back your last move and the turns after it</source>
        <translation>Deshacer su última jugada y los turnos que la siguieron</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Make the move you took back again</source>
        <translation>Volver a hacer la jugada deshecha</translation>
    </message>
    <message>
        <source>Restart &amp;Deal</source>
        <translation>Repe&amp;tir la mano</translation>
    </message>
    <message>
        <source>Play this hand again from its deal</source>
        <translation>Jugar esta mano de nuevo desde el reparto</translation>
    </message>
    <message>
        <source>The game left last time could not be read and was put aside.</source>
        <translation>La partida dejada la última vez no se pudo leer y se ha apartado.</translation>
    </message>
</context>
<context>
    <name>mervane::GameCommands</name>
    <message>
        <source>&quot;Play To&quot; points changed, Quit Current Game?</source>
        <translation>Han cambiado los puntos de «Jugar hasta». ¿Abandonar la partida actual?</translation>
    </message>
    <message>
        <source>Points change not saved.</source>
        <translation>No se ha guardado el cambio de puntos.</translation>
    </message>
</context>
<context>
    <name>mervane::CScoreDlg</name>
    <message>
        <source>Score</source>
        <translation>Puntuación</translation>
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
        <translation>%1
%2 cartas</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avanzadas</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Estándar</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>&amp;Reset...</source>
        <translation>&amp;Restablecer...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Games played</source>
        <translation>Partidas jugadas</translation>
    </message>
    <message>
        <source>Games won by you</source>
        <translation>Partidas ganadas por ti</translation>
    </message>
    <message>
        <source>Win rate</source>
        <translation>Porcentaje de victorias</translation>
    </message>
    <message>
        <source>Best final score</source>
        <translation>Mejor puntuación final</translation>
    </message>
    <message>
        <source>Average final score</source>
        <translation>Puntuación final media</translation>
    </message>
    <message>
        <source>Longest winning streak</source>
        <translation>Racha de victorias más larga</translation>
    </message>
    <message>
        <source>Games won by %1</source>
        <translation>Partidas ganadas por %1</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>¿Restablecer todas las estadísticas?</translation>
    </message>
    <message>
        <source>%1 in 1 game</source>
        <translation>%1 en 1 partida</translation>
    </message>
    <message>
        <source>%1 in %2 games</source>
        <translation>%1 en %2 partidas</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Fácil</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>Computer &amp;level:</source>
        <translation>&amp;Nivel del ordenador:</translation>
    </message>
    <message>
        <source>Hints used</source>
        <translation>Pistas usadas</translation>
    </message>
    <message>
        <source>Moves taken back</source>
        <translation>Jugadas deshechas</translation>
    </message>
</context>
<context>
    <name>mervane::CTableSetupDlg</name>
    <message>
        <source>Table Co&amp;lor</source>
        <translation>Color de la &amp;mesa</translation>
    </message>
    <message>
        <source>&amp;Training Mode(show all Cards)</source>
        <translation>Modo de &amp;entrenamiento (ver todas las cartas)</translation>
    </message>
    <message>
        <source>&amp;Advanced Rules</source>
        <translation>Reglas a&amp;vanzadas</translation>
    </message>
    <message>
        <source>Deal &amp;Seven Cards</source>
        <translation>Repartir &amp;siete cartas</translation>
    </message>
    <message>
        <source>Setup Table</source>
        <translation>Configurar mesa</translation>
    </message>
    <message>
        <source>Card &amp;Back:</source>
        <translation>&amp;Dorso de las cartas:</translation>
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
        <translation>Azul</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Negro</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Morado</translation>
    </message>
    <message>
        <source>Smiley</source>
        <translation>Sonriente</translation>
    </message>
    <message>
        <source>Dirty Yellow </source>
        <translation>Amarillo sucio</translation>
    </message>
    <message>
        <source>Red Pinstripes</source>
        <translation>Rayas finas rojas</translation>
    </message>
    <message>
        <source>Blue Pinstripes</source>
        <translation>Rayas finas azules</translation>
    </message>
    <message>
        <source>Skull</source>
        <translation>Calavera</translation>
    </message>
    <message>
        <source>Blue Star</source>
        <translation>Estrella azul</translation>
    </message>
    <message>
        <source>Purple Star</source>
        <translation>Estrella morada</translation>
    </message>
    <message>
        <source>Metal Rivet</source>
        <translation>Remache metálico</translation>
    </message>
    <message>
        <source>Wild</source>
        <translation>Salvaje</translation>
    </message>
</context>
<context>
    <name>mervane::CommandLine</name>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado «%1».</translation>
    </message>
    <message>
        <source>Unexpected arguments: %1.</source>
        <translation>Argumentos inesperados: %1.</translation>
    </message>
    <message>
        <source>Mervane, a four-seat &quot;eights&quot; card game against the computer.
Its settings are kept in ~/.config/Ostrale/mervane.ini.</source>
        <translation>Mervane, un juego de cartas de «ochos» para cuatro contra el ordenador.
Sus ajustes se guardan en ~/.config/Ostrale/mervane.ini.</translation>
    </message>
    <message>
        <source>Displays this help and exits.</source>
        <translation>Muestra esta ayuda y sale.</translation>
    </message>
    <message>
        <source>Displays the version and exits.</source>
        <translation>Muestra la versión y sale.</translation>
    </message>
</context>
<context>
    <name>mervane::HelpWindow</name>
    <message>
        <source>Mervane Help</source>
        <translation>Ayuda de Mervane</translation>
    </message>
</context>
<context>
    <name>mervane::LogDrawer</name>
    <message>
        <source>Move Log</source>
        <translation>Registro de jugadas</translation>
    </message>
    <message>
        <source>Close the move log</source>
        <translation>Cerrar el registro de jugadas</translation>
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
        <translation>Registro de jugadas</translation>
    </message>
</context>
<context>
    <name>mervane::SettingsStore</name>
    <message>
        <source>The settings could not be saved to
%1

The changes hold until Mervane is closed.</source>
        <translation>No se pudo guardar la configuración en
%1

Los cambios se mantienen hasta que cierres Mervane.</translation>
    </message>
</context>
<context>
    <name>mervane::StatisticsKeeper</name>
    <message>
        <source>The statistics could not be saved to
%1

The games of this run are kept and saved with the next one.</source>
        <translation>No se han podido guardar las estadísticas en
%1

Las partidas de esta sesión se conservan y se guardarán con la siguiente.</translation>
    </message>
</context>
</TS>
