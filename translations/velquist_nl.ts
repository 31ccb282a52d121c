<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>desktop</name>
    <message>
        <source>Typing Game</source>
        <translation>Typspel</translation>
    </message>
    <message>
        <source>Type the falling letters before they reach the bottom</source>
        <translation>Typ de vallende letters voordat ze de bodem raken</translation>
    </message>
    <message>
        <source>typing;keyboard;letters;</source>
        <extracomment>Search words for the desktop&apos;s menu, each followed by a semicolon.</extracomment>
        <translation>typen;toetsenbord;letters;</translation>
    </message>
    <message>
        <source>Velquist is a typing game. Coloured capital letters fall down a black play area, and you knock each one out by typing it before it reaches the bottom.</source>
        <translation>Velquist is een typspel. Gekleurde hoofdletters vallen over een zwart speelveld naar beneden, en je schiet ze één voor één weg door ze te typen voordat ze de bodem raken.</translation>
    </message>
    <message>
        <source>A quick hit scores more than a late one, and a wrong key makes every letter fall fast. Each level brings more letters, and the game ends when one of them lands. The ten best scores are kept with the players&apos; names.</source>
        <translation>Een snelle treffer levert meer punten op dan een late, en een verkeerde toets laat alle letters snel vallen. Elk niveau brengt meer letters, en het spel is afgelopen zodra er één de bodem raakt. De tien beste scores worden bewaard met de namen van de spelers.</translation>
    </message>
</context>
<context>
    <name>frmHigh</name>
    <message>
        <source>High Scores</source>
        <translation>Topscores</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wissen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Pause</source>
        <translation>Pauze</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nieuw spel</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spel</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nieuw spel</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Geluid</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Topscores</translation>
    </message>
</context>
<context>
    <name>gameCode</name>
    <message>
        <source>%1%2 Do loop has exceeded safe limit, ending game.</source>
        <extracomment>%1 is the routine, &quot;setLetter - &quot;, and %2 the module, &quot;gameCode&quot;: names in the code.</extracomment>
        <translation>%1%2 De Do-lus heeft de veilige limiet overschreden, het spel wordt beëindigd.</translation>
    </message>
    <message>
        <source>Please enter you name, cancel to exit</source>
        <translation>Voer je naam in, of kies Annuleren om te stoppen</translation>
    </message>
    <message>
        <source>High Score</source>
        <translation>Topscore</translation>
    </message>
    <message>
        <source>%1 out of %2 LETTERS        SCORE: %3       LEVEl: %4</source>
        <extracomment>The status line: letters hit, the level&apos;s target, the score and the level. The spaces keep the parts apart.</extracomment>
        <translation>%1 van %2 LETTERS        PUNTEN: %3       NIVEAU: %4</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>SPEL VOORBIJ</translation>
    </message>
    <message>
        <source>SCORE: %1</source>
        <translation>PUNTEN: %1</translation>
    </message>
    <message>
        <source>LEVEL %1</source>
        <translation>NIVEAU %1</translation>
    </message>
</context>
<context>
    <name>highScoreTable</name>
    <message>
        <source>another copy of the game is using it</source>
        <translation>een ander exemplaar van het spel gebruikt het</translation>
    </message>
    <message>
        <source>another copy of the game removed it</source>
        <translation>een ander exemplaar van het spel heeft het verwijderd</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>het is geen gewoon bestand</translation>
    </message>
    <message>
        <source>The high scores could not be read from the file &quot;%1&quot;: %2.

The table starts empty, and the game will not write over that file while it runs.</source>
        <translation>De topscores konden niet worden gelezen uit het bestand ‘%1’: %2.

De lijst begint leeg, en het spel overschrijft dat bestand niet zolang het draait.</translation>
    </message>
    <message>
        <source>The high scores could not be saved to the file &quot;%1&quot;: %2.

The table is kept for as long as the game runs.</source>
        <translation>De topscores konden niet worden opgeslagen in het bestand ‘%1’: %2.

De lijst blijft bewaard zolang het spel draait.</translation>
    </message>
    <message>
        <source>The high scores were not saved: the file &quot;%1&quot; could not be read when the game started, and saving would write over the scores it holds.

The table is kept for as long as the game runs.</source>
        <translation>De topscores zijn niet opgeslagen: het bestand ‘%1’ kon niet worden gelezen toen het spel startte, en opslaan zou de scores die erin staan overschrijven.

De lijst blijft bewaard zolang het spel draait.</translation>
    </message>
    <message>
        <source>The high scores could not be saved to the file &quot;%1&quot;: %2.

The table is kept, and saved the next time it changes.</source>
        <translation>De topscores konden niet worden opgeslagen in het bestand ‘%1’: %2.

De lijst blijft bewaard en wordt opgeslagen zodra hij verandert.</translation>
    </message>
</context>
<context>
    <name>mathsFunctions</name>
    <message>
        <source>Cannot be greater or less than 1 or -1</source>
        <translation>Kan niet groter dan 1 of kleiner dan -1 zijn</translation>
    </message>
    <message>
        <source>Invalid point combination</source>
        <translation>Ongeldige combinatie van punten</translation>
    </message>
    <message>
        <source>the high paramenter is less than the low parameter</source>
        <translation>de hoge parameter is kleiner dan de lage parameter</translation>
    </message>
    <message>
        <source>%1 error</source>
        <extracomment>%1 is the module&apos;s name in the code, &quot;MathsFunctions&quot;.</extracomment>
        <translation>Fout in %1</translation>
    </message>
</context>
</TS>
