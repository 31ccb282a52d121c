<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs">
<context>
    <name>desktop</name>
    <message>
        <source>Typing Game</source>
        <translation>Hra na psaní na klávesnici</translation>
    </message>
    <message>
        <source>Type the falling letters before they reach the bottom</source>
        <translation>Napiš padající písmena dřív, než dopadnou dolů</translation>
    </message>
    <message>
        <source>typing;keyboard;letters;</source>
        <extracomment>Search words for the desktop&apos;s menu, each followed by a semicolon.</extracomment>
        <translation>psaní;klávesnice;písmena;</translation>
    </message>
    <message>
        <source>Velquist is a typing game. Coloured capital letters fall down a black play area, and you knock each one out by typing it before it reaches the bottom.</source>
        <translation>Velquist je hra na psaní na klávesnici. Barevná velká písmena padají po černé hrací ploše a ty každé z nich sestřelíš tím, že je napíšeš dřív, než dopadne dolů.</translation>
    </message>
    <message>
        <source>A quick hit scores more than a late one, and a wrong key makes every letter fall fast. Each level brings more letters, and the game ends when one of them lands. The ten best scores are kept with the players&apos; names.</source>
        <translation>Rychlý zásah přinese víc bodů než pozdní a špatná klávesa způsobí, že všechna písmena padají rychle. Každá úroveň přinese víc písmen a hra skončí, jakmile některé z nich dopadne dolů. Deset nejlepších výsledků se uchovává se jmény hráčů.</translation>
    </message>
</context>
<context>
    <name>frmHigh</name>
    <message>
        <source>High Scores</source>
        <translation>Nejlepší výsledky</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vymazat</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Pause</source>
        <translation>Pauza</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nová hra</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>Ukončit</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Konec</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Hra</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nová hra</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Zvuk</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Nejlepší výsledky</translation>
    </message>
</context>
<context>
    <name>gameCode</name>
    <message>
        <source>%1%2 Do loop has exceeded safe limit, ending game.</source>
        <extracomment>%1 is the routine, &quot;setLetter - &quot;, and %2 the module, &quot;gameCode&quot;: names in the code.</extracomment>
        <translation>%1%2 Cyklus Do překročil bezpečný limit, hra končí.</translation>
    </message>
    <message>
        <source>Please enter you name, cancel to exit</source>
        <translation>Zadej své jméno, nebo zvol Zrušit pro ukončení</translation>
    </message>
    <message>
        <source>High Score</source>
        <translation>Rekord</translation>
    </message>
    <message>
        <source>%1 out of %2 LETTERS        SCORE: %3       LEVEl: %4</source>
        <extracomment>The status line: letters hit, the level&apos;s target, the score and the level. The spaces keep the parts apart.</extracomment>
        <translation>%1 z %2 PÍSMEN        SKÓRE: %3       ÚROVEŇ: %4</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>KONEC HRY</translation>
    </message>
    <message>
        <source>SCORE: %1</source>
        <translation>SKÓRE: %1</translation>
    </message>
    <message>
        <source>LEVEL %1</source>
        <translation>ÚROVEŇ %1</translation>
    </message>
</context>
<context>
    <name>highScoreTable</name>
    <message>
        <source>another copy of the game is using it</source>
        <translation>používá ho jiná kopie hry</translation>
    </message>
    <message>
        <source>another copy of the game removed it</source>
        <translation>jiná kopie hry ho odstranila</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>není to běžný soubor</translation>
    </message>
    <message>
        <source>The high scores could not be read from the file &quot;%1&quot;: %2.

The table starts empty, and the game will not write over that file while it runs.</source>
        <translation>Nejlepší výsledky se nepodařilo načíst ze souboru „%1“: %2.

Tabulka začíná prázdná a hra tento soubor nepřepíše, dokud běží.</translation>
    </message>
    <message>
        <source>The high scores could not be saved to the file &quot;%1&quot;: %2.

The table is kept for as long as the game runs.</source>
        <translation>Nejlepší výsledky se nepodařilo uložit do souboru „%1“: %2.

Tabulka zůstane zachována, dokud hra běží.</translation>
    </message>
    <message>
        <source>The high scores were not saved: the file &quot;%1&quot; could not be read when the game started, and saving would write over the scores it holds.

The table is kept for as long as the game runs.</source>
        <translation>Nejlepší výsledky nebyly uloženy: soubor „%1“ se při spuštění hry nepodařilo načíst a uložení by přepsalo výsledky, které obsahuje.

Tabulka zůstane zachována, dokud hra běží.</translation>
    </message>
    <message>
        <source>The high scores could not be saved to the file &quot;%1&quot;: %2.

The table is kept, and saved the next time it changes.</source>
        <translation>Nejlepší výsledky se nepodařilo uložit do souboru „%1“: %2.

Tabulka zůstane zachována a uloží se při příští změně.</translation>
    </message>
</context>
<context>
    <name>mathsFunctions</name>
    <message>
        <source>Cannot be greater or less than 1 or -1</source>
        <translation>Nemůže být větší než 1 ani menší než -1</translation>
    </message>
    <message>
        <source>Invalid point combination</source>
        <translation>Neplatná kombinace bodů</translation>
    </message>
    <message>
        <source>the high paramenter is less than the low parameter</source>
        <translation>horní parametr je menší než dolní parametr</translation>
    </message>
    <message>
        <source>%1 error</source>
        <extracomment>%1 is the module&apos;s name in the code, &quot;MathsFunctions&quot;.</extracomment>
        <translation>Chyba v %1</translation>
    </message>
</context>
</TS>
