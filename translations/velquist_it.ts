<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>desktop</name>
    <message>
        <source>Typing Game</source>
        <translation>Gioco di dattilografia</translation>
    </message>
    <message>
        <source>Type the falling letters before they reach the bottom</source>
        <translation>Digita le lettere che cadono prima che arrivino in fondo</translation>
    </message>
    <message>
        <source>typing;keyboard;letters;</source>
        <extracomment>Search words for the desktop&apos;s menu, each followed by a semicolon.</extracomment>
        <translation>dattilografia;tastiera;lettere;</translation>
    </message>
    <message>
        <source>Velquist is a typing game. Coloured capital letters fall down a black play area, and you knock each one out by typing it before it reaches the bottom.</source>
        <translation>Velquist è un gioco di dattilografia. Lettere maiuscole colorate cadono in un’area di gioco nera, e tu le elimini una a una digitandole prima che arrivino in fondo.</translation>
    </message>
    <message>
        <source>A quick hit scores more than a late one, and a wrong key makes every letter fall fast. Each level brings more letters, and the game ends when one of them lands. The ten best scores are kept with the players&apos; names.</source>
        <translation>Un colpo veloce vale più punti di uno in ritardo, e un tasto sbagliato fa cadere velocemente tutte le lettere. Ogni livello porta più lettere, e la partita finisce quando una di esse tocca il fondo. I dieci punteggi migliori vengono salvati con i nomi dei giocatori.</translation>
    </message>
</context>
<context>
    <name>frmHigh</name>
    <message>
        <source>High Scores</source>
        <translation>Classifica</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
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
        <translation>Gioca</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>Termina</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Partita</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Suono</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Classifica</translation>
    </message>
</context>
<context>
    <name>gameCode</name>
    <message>
        <source>%1%2 Do loop has exceeded safe limit, ending game.</source>
        <extracomment>%1 is the routine, &quot;setLetter - &quot;, and %2 the module, &quot;gameCode&quot;: names in the code.</extracomment>
        <translation>%1%2 Il ciclo Do ha superato il limite di sicurezza, la partita termina.</translation>
    </message>
    <message>
        <source>Please enter you name, cancel to exit</source>
        <translation>Inserisci il tuo nome, oppure Annulla per uscire</translation>
    </message>
    <message>
        <source>High Score</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>%1 out of %2 LETTERS        SCORE: %3       LEVEl: %4</source>
        <extracomment>The status line: letters hit, the level&apos;s target, the score and the level. The spaces keep the parts apart.</extracomment>
        <translation>%1 su %2 LETTERE        PUNTI: %3       LIVELLO: %4</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>FINE PARTITA</translation>
    </message>
    <message>
        <source>SCORE: %1</source>
        <translation>PUNTI: %1</translation>
    </message>
    <message>
        <source>LEVEL %1</source>
        <translation>LIVELLO %1</translation>
    </message>
</context>
<context>
    <name>highScoreTable</name>
    <message>
        <source>another copy of the game is using it</source>
        <translation>un’altra copia del gioco lo sta usando</translation>
    </message>
    <message>
        <source>another copy of the game removed it</source>
        <translation>un’altra copia del gioco lo ha eliminato</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>The high scores could not be read from the file &quot;%1&quot;: %2.

The table starts empty, and the game will not write over that file while it runs.</source>
        <translation>Non è stato possibile leggere la classifica dal file «%1»: %2.

La classifica parte vuota, e il gioco non sovrascriverà quel file finché è aperto.</translation>
    </message>
    <message>
        <source>The high scores could not be saved to the file &quot;%1&quot;: %2.

The table is kept for as long as the game runs.</source>
        <translation>Non è stato possibile salvare la classifica nel file «%1»: %2.

La classifica viene conservata finché il gioco è aperto.</translation>
    </message>
    <message>
        <source>The high scores were not saved: the file &quot;%1&quot; could not be read when the game started, and saving would write over the scores it holds.

The table is kept for as long as the game runs.</source>
        <translation>La classifica non è stata salvata: non è stato possibile leggere il file «%1» all’avvio del gioco, e salvando si cancellerebbero i punteggi che contiene.

La classifica viene conservata finché il gioco è aperto.</translation>
    </message>
    <message>
        <source>The high scores could not be saved to the file &quot;%1&quot;: %2.

The table is kept, and saved the next time it changes.</source>
        <translation>Non è stato possibile salvare la classifica nel file «%1»: %2.

La classifica viene conservata e sarà salvata alla prossima modifica.</translation>
    </message>
</context>
<context>
    <name>mathsFunctions</name>
    <message>
        <source>Cannot be greater or less than 1 or -1</source>
        <translation>Non può essere maggiore di 1 o minore di -1</translation>
    </message>
    <message>
        <source>Invalid point combination</source>
        <translation>Combinazione di punti non valida</translation>
    </message>
    <message>
        <source>the high paramenter is less than the low parameter</source>
        <translation>il parametro superiore è minore del parametro inferiore</translation>
    </message>
    <message>
        <source>%1 error</source>
        <extracomment>%1 is the module&apos;s name in the code, &quot;MathsFunctions&quot;.</extracomment>
        <translation>Errore in %1</translation>
    </message>
</context>
</TS>
