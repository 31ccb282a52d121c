<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
<context>
    <name>desktop</name>
    <message>
        <source>Typing Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the falling letters before they reach the bottom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>typing;keyboard;letters;</source>
        <extracomment>Search words for the desktop&apos;s menu, each followed by a semicolon.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velquist is a typing game. Coloured capital letters fall down a black play area, and you knock each one out by typing it before it reaches the bottom.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A quick hit scores more than a late one, and a wrong key makes every letter fall fast. Each level brings more letters, and the game ends when one of them lands. The ten best scores are kept with the players&apos; names.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmHigh</name>
    <message>
        <source>High Scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gameCode</name>
    <message>
        <source>%1%2 Do loop has exceeded safe limit, ending game.</source>
        <extracomment>%1 is the routine, &quot;setLetter - &quot;, and %2 the module, &quot;gameCode&quot;: names in the code.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter you name, cancel to exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 out of %2 LETTERS        SCORE: %3       LEVEl: %4</source>
        <extracomment>The status line: letters hit, the level&apos;s target, the score and the level. The spaces keep the parts apart.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SCORE: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LEVEL %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>highScoreTable</name>
    <message>
        <source>another copy of the game is using it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>another copy of the game removed it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The high scores could not be read from the file &quot;%1&quot;: %2.

The table starts empty, and the game will not write over that file while it runs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The high scores could not be saved to the file &quot;%1&quot;: %2.

The table is kept for as long as the game runs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The high scores were not saved: the file &quot;%1&quot; could not be read when the game started, and saving would write over the scores it holds.

The table is kept for as long as the game runs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The high scores could not be saved to the file &quot;%1&quot;: %2.

The table is kept, and saved the next time it changes.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mathsFunctions</name>
    <message>
        <source>Cannot be greater or less than 1 or -1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid point combination</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the high paramenter is less than the low parameter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 error</source>
        <extracomment>%1 is the module&apos;s name in the code, &quot;MathsFunctions&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
