<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>desktop</name>
    <message>
        <source>Typing Game</source>
        <translation>Jeu de dactylographie</translation>
    </message>
    <message>
        <source>Type the falling letters before they reach the bottom</source>
        <translation>Tape les lettres qui tombent avant qu’elles n’arrivent en bas</translation>
    </message>
    <message>
        <source>typing;keyboard;letters;</source>
        <extracomment>Search words for the desktop&apos;s menu, each followed by a semicolon.</extracomment>
        <translation>dactylographie;clavier;lettres;</translation>
    </message>
    <message>
        <source>Velquist is a typing game. Coloured capital letters fall down a black play area, and you knock each one out by typing it before it reaches the bottom.</source>
        <translation>Velquist est un jeu de dactylographie. Des lettres majuscules de couleur tombent dans une zone de jeu noire, et tu fais disparaître chacune d’elles en la tapant avant qu’elle n’arrive en bas.</translation>
    </message>
    <message>
        <source>A quick hit scores more than a late one, and a wrong key makes every letter fall fast. Each level brings more letters, and the game ends when one of them lands. The ten best scores are kept with the players&apos; names.</source>
        <translation>Une lettre tapée vite rapporte plus de points qu’une lettre tapée tard, et une mauvaise touche fait tomber toutes les lettres très vite. Chaque niveau apporte plus de lettres, et la partie s’arrête dès que l’une d’elles touche le bas. Les dix meilleurs scores sont gardés avec le nom des joueurs.</translation>
    </message>
</context>
<context>
    <name>frmHigh</name>
    <message>
        <source>High Scores</source>
        <translation>Meilleurs scores</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
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
        <translation>Jouer</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Partie</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Meilleurs scores</translation>
    </message>
</context>
<context>
    <name>gameCode</name>
    <message>
        <source>%1%2 Do loop has exceeded safe limit, ending game.</source>
        <extracomment>%1 is the routine, &quot;setLetter - &quot;, and %2 the module, &quot;gameCode&quot;: names in the code.</extracomment>
        <translation>%1%2 La boucle Do a dépassé la limite de sécurité, fin de la partie.</translation>
    </message>
    <message>
        <source>Please enter you name, cancel to exit</source>
        <translation>Entre ton nom, ou clique sur Annuler pour quitter</translation>
    </message>
    <message>
        <source>High Score</source>
        <translation>Meilleur score</translation>
    </message>
    <message>
        <source>%1 out of %2 LETTERS        SCORE: %3       LEVEl: %4</source>
        <extracomment>The status line: letters hit, the level&apos;s target, the score and the level. The spaces keep the parts apart.</extracomment>
        <translation>%1 sur %2 LETTRES       SCORE : %3      NIVEAU : %4</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>FIN DE PARTIE</translation>
    </message>
    <message>
        <source>SCORE: %1</source>
        <translation>SCORE : %1</translation>
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
        <translation>une autre copie du jeu l’utilise</translation>
    </message>
    <message>
        <source>another copy of the game removed it</source>
        <translation>une autre copie du jeu l’a supprimé</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>The high scores could not be read from the file &quot;%1&quot;: %2.

The table starts empty, and the game will not write over that file while it runs.</source>
        <translation>Les meilleurs scores n’ont pas pu être lus dans le fichier « %1 » : %2.

Le tableau commence vide, et le jeu n’écrira pas par-dessus ce fichier tant qu’il est ouvert.</translation>
    </message>
    <message>
        <source>The high scores could not be saved to the file &quot;%1&quot;: %2.

The table is kept for as long as the game runs.</source>
        <translation>Les meilleurs scores n’ont pas pu être enregistrés dans le fichier « %1 » : %2.

Le tableau est gardé tant que le jeu est ouvert.</translation>
    </message>
    <message>
        <source>The high scores were not saved: the file &quot;%1&quot; could not be read when the game started, and saving would write over the scores it holds.

The table is kept for as long as the game runs.</source>
        <translation>Les meilleurs scores n’ont pas été enregistrés : le fichier « %1 » n’a pas pu être lu au démarrage du jeu, et l’enregistrement effacerait les scores qu’il contient.

Le tableau est gardé tant que le jeu est ouvert.</translation>
    </message>
    <message>
        <source>The high scores could not be saved to the file &quot;%1&quot;: %2.

The table is kept, and saved the next time it changes.</source>
        <translation>Les meilleurs scores n’ont pas pu être enregistrés dans le fichier « %1 » : %2.

Le tableau est gardé, et il sera enregistré à sa prochaine modification.</translation>
    </message>
</context>
<context>
    <name>mathsFunctions</name>
    <message>
        <source>Cannot be greater or less than 1 or -1</source>
        <translation>Ne peut pas être supérieur à 1 ni inférieur à -1</translation>
    </message>
    <message>
        <source>Invalid point combination</source>
        <translation>Combinaison de points non valide</translation>
    </message>
    <message>
        <source>the high paramenter is less than the low parameter</source>
        <translation>le paramètre haut est inférieur au paramètre bas</translation>
    </message>
    <message>
        <source>%1 error</source>
        <extracomment>%1 is the module&apos;s name in the code, &quot;MathsFunctions&quot;.</extracomment>
        <translation>Erreur dans %1</translation>
    </message>
</context>
</TS>
