<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>desktop</name>
    <message>
        <source>Typing Game</source>
        <translation>Juego de mecanografía</translation>
    </message>
    <message>
        <source>Type the falling letters before they reach the bottom</source>
        <translation>Escribe las letras que caen antes de que lleguen abajo</translation>
    </message>
    <message>
        <source>typing;keyboard;letters;</source>
        <extracomment>Search words for the desktop&apos;s menu, each followed by a semicolon.</extracomment>
        <translation>mecanografía;teclado;letras;</translation>
    </message>
    <message>
        <source>Velquist is a typing game. Coloured capital letters fall down a black play area, and you knock each one out by typing it before it reaches the bottom.</source>
        <translation>Velquist es un juego de mecanografía. Letras mayúsculas de colores caen por una zona de juego negra, y tú las eliminas una a una escribiéndolas antes de que lleguen abajo.</translation>
    </message>
    <message>
        <source>A quick hit scores more than a late one, and a wrong key makes every letter fall fast. Each level brings more letters, and the game ends when one of them lands. The ten best scores are kept with the players&apos; names.</source>
        <translation>Un acierto rápido da más puntos que uno tardío, y una tecla equivocada hace que todas las letras caigan deprisa. Cada nivel trae más letras, y la partida termina cuando una de ellas llega abajo. Las diez mejores puntuaciones se guardan con los nombres de los jugadores.</translation>
    </message>
</context>
<context>
    <name>frmHigh</name>
    <message>
        <source>High Scores</source>
        <translation>Récords</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Jugar</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>Terminar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Juego</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Récords</translation>
    </message>
</context>
<context>
    <name>gameCode</name>
    <message>
        <source>%1%2 Do loop has exceeded safe limit, ending game.</source>
        <extracomment>%1 is the routine, &quot;setLetter - &quot;, and %2 the module, &quot;gameCode&quot;: names in the code.</extracomment>
        <translation>%1%2 El bucle Do ha superado el límite seguro; se termina la partida.</translation>
    </message>
    <message>
        <source>Please enter you name, cancel to exit</source>
        <translation>Escribe tu nombre, o pulsa Cancelar para salir</translation>
    </message>
    <message>
        <source>High Score</source>
        <translation>Récord</translation>
    </message>
    <message>
        <source>%1 out of %2 LETTERS        SCORE: %3       LEVEl: %4</source>
        <extracomment>The status line: letters hit, the level&apos;s target, the score and the level. The spaces keep the parts apart.</extracomment>
        <translation>%1 de %2 LETRAS        PUNTOS: %3       NIVEL: %4</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>FIN DEL JUEGO</translation>
    </message>
    <message>
        <source>SCORE: %1</source>
        <translation>PUNTOS: %1</translation>
    </message>
    <message>
        <source>LEVEL %1</source>
        <translation>NIVEL %1</translation>
    </message>
</context>
<context>
    <name>highScoreTable</name>
    <message>
        <source>another copy of the game is using it</source>
        <translation>otra copia del juego lo está usando</translation>
    </message>
    <message>
        <source>another copy of the game removed it</source>
        <translation>otra copia del juego lo ha borrado</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>The high scores could not be read from the file &quot;%1&quot;: %2.

The table starts empty, and the game will not write over that file while it runs.</source>
        <translation>No se han podido leer los récords del archivo «%1»: %2.

La tabla empieza vacía, y el juego no sobrescribirá ese archivo mientras esté abierto.</translation>
    </message>
    <message>
        <source>The high scores could not be saved to the file &quot;%1&quot;: %2.

The table is kept for as long as the game runs.</source>
        <translation>No se han podido guardar los récords en el archivo «%1»: %2.

La tabla se conserva mientras el juego esté abierto.</translation>
    </message>
    <message>
        <source>The high scores were not saved: the file &quot;%1&quot; could not be read when the game started, and saving would write over the scores it holds.

The table is kept for as long as the game runs.</source>
        <translation>No se han guardado los récords: el archivo «%1» no se pudo leer al iniciar el juego, y al guardar se borrarían los récords que contiene.

La tabla se conserva mientras el juego esté abierto.</translation>
    </message>
    <message>
        <source>The high scores could not be saved to the file &quot;%1&quot;: %2.

The table is kept, and saved the next time it changes.</source>
        <translation>No se han podido guardar los récords en el archivo «%1»: %2.

La tabla se conserva y se guardará la próxima vez que cambie.</translation>
    </message>
</context>
<context>
    <name>mathsFunctions</name>
    <message>
        <source>Cannot be greater or less than 1 or -1</source>
        <translation>No puede ser mayor que 1 ni menor que -1</translation>
    </message>
    <message>
        <source>Invalid point combination</source>
        <translation>Combinación de puntos no válida</translation>
    </message>
    <message>
        <source>the high paramenter is less than the low parameter</source>
        <translation>el parámetro superior es menor que el parámetro inferior</translation>
    </message>
    <message>
        <source>%1 error</source>
        <extracomment>%1 is the module&apos;s name in the code, &quot;MathsFunctions&quot;.</extracomment>
        <translation>Error en %1</translation>
    </message>
</context>
</TS>
