<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>desktop</name>
    <message>
        <source>Typing Game</source>
        <translation>Tippspiel</translation>
    </message>
    <message>
        <source>Type the falling letters before they reach the bottom</source>
        <translation>Tippe die fallenden Buchstaben, bevor sie unten ankommen</translation>
    </message>
    <message>
        <source>typing;keyboard;letters;</source>
        <extracomment>Search words for the desktop&apos;s menu, each followed by a semicolon.</extracomment>
        <translation>Tippen;Tastatur;Buchstaben;</translation>
    </message>
    <message>
        <source>Velquist is a typing game. Coloured capital letters fall down a black play area, and you knock each one out by typing it before it reaches the bottom.</source>
        <translation>Velquist ist ein Tippspiel. Bunte Großbuchstaben fallen über ein schwarzes Spielfeld nach unten, und du schießt jeden von ihnen ab, indem du ihn tippst, bevor er unten ankommt.</translation>
    </message>
    <message>
        <source>A quick hit scores more than a late one, and a wrong key makes every letter fall fast. Each level brings more letters, and the game ends when one of them lands. The ten best scores are kept with the players&apos; names.</source>
        <translation>Ein schneller Treffer bringt mehr Punkte als ein später, und eine falsche Taste lässt alle Buchstaben schnell fallen. Jedes Level bringt mehr Buchstaben, und das Spiel endet, sobald einer von ihnen unten landet. Die zehn besten Ergebnisse werden mit den Namen der Spieler gespeichert.</translation>
    </message>
</context>
<context>
    <name>frmHigh</name>
    <message>
        <source>High Scores</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>Aufhören</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Bestenliste</translation>
    </message>
</context>
<context>
    <name>gameCode</name>
    <message>
        <source>%1%2 Do loop has exceeded safe limit, ending game.</source>
        <extracomment>%1 is the routine, &quot;setLetter - &quot;, and %2 the module, &quot;gameCode&quot;: names in the code.</extracomment>
        <translation>%1%2 Die Do-Schleife hat die sichere Grenze überschritten, das Spiel wird beendet.</translation>
    </message>
    <message>
        <source>Please enter you name, cancel to exit</source>
        <translation>Bitte gib deinen Namen ein, Abbrechen zum Beenden</translation>
    </message>
    <message>
        <source>High Score</source>
        <translation>Highscore</translation>
    </message>
    <message>
        <source>%1 out of %2 LETTERS        SCORE: %3       LEVEl: %4</source>
        <extracomment>The status line: letters hit, the level&apos;s target, the score and the level. The spaces keep the parts apart.</extracomment>
        <translation>%1 von %2 BUCHSTABEN      PUNKTE: %3      LEVEL: %4</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>SPIEL VORBEI</translation>
    </message>
    <message>
        <source>SCORE: %1</source>
        <translation>PUNKTE: %1</translation>
    </message>
    <message>
        <source>LEVEL %1</source>
        <translation>LEVEL %1</translation>
    </message>
</context>
<context>
    <name>highScoreTable</name>
    <message>
        <source>another copy of the game is using it</source>
        <translation>eine andere Kopie des Spiels benutzt sie</translation>
    </message>
    <message>
        <source>another copy of the game removed it</source>
        <translation>eine andere Kopie des Spiels hat sie entfernt</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>sie ist keine normale Datei</translation>
    </message>
    <message>
        <source>The high scores could not be read from the file &quot;%1&quot;: %2.

The table starts empty, and the game will not write over that file while it runs.</source>
        <translation>Die Bestenliste konnte nicht aus der Datei „%1“ gelesen werden: %2.

Die Liste beginnt leer, und das Spiel überschreibt diese Datei nicht, solange es läuft.</translation>
    </message>
    <message>
        <source>The high scores could not be saved to the file &quot;%1&quot;: %2.

The table is kept for as long as the game runs.</source>
        <translation>Die Bestenliste konnte nicht in der Datei „%1“ gespeichert werden: %2.

Die Liste bleibt erhalten, solange das Spiel läuft.</translation>
    </message>
    <message>
        <source>The high scores were not saved: the file &quot;%1&quot; could not be read when the game started, and saving would write over the scores it holds.

The table is kept for as long as the game runs.</source>
        <translation>Die Bestenliste wurde nicht gespeichert: Die Datei „%1“ konnte beim Start des Spiels nicht gelesen werden, und beim Speichern würden die darin enthaltenen Ergebnisse überschrieben.

Die Liste bleibt erhalten, solange das Spiel läuft.</translation>
    </message>
    <message>
        <source>The high scores could not be saved to the file &quot;%1&quot;: %2.

The table is kept, and saved the next time it changes.</source>
        <translation>Die Bestenliste konnte nicht in der Datei „%1“ gespeichert werden: %2.

Die Liste bleibt erhalten und wird bei der nächsten Änderung gespeichert.</translation>
    </message>
</context>
<context>
    <name>mathsFunctions</name>
    <message>
        <source>Cannot be greater or less than 1 or -1</source>
        <translation>Darf nicht größer als 1 oder kleiner als -1 sein</translation>
    </message>
    <message>
        <source>Invalid point combination</source>
        <translation>Ungültige Punktkombination</translation>
    </message>
    <message>
        <source>the high paramenter is less than the low parameter</source>
        <translation>der obere Parameter ist kleiner als der untere Parameter</translation>
    </message>
    <message>
        <source>%1 error</source>
        <extracomment>%1 is the module&apos;s name in the code, &quot;MathsFunctions&quot;.</extracomment>
        <translation>Fehler in %1</translation>
    </message>
</context>
</TS>
