<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>desktop</name>
    <message>
        <source>Typing Game</source>
        <translation>Gra w pisanie na klawiaturze</translation>
    </message>
    <message>
        <source>Type the falling letters before they reach the bottom</source>
        <translation>Wpisuj spadające litery, zanim spadną na dół</translation>
    </message>
    <message>
        <source>typing;keyboard;letters;</source>
        <extracomment>Search words for the desktop&apos;s menu, each followed by a semicolon.</extracomment>
        <translation>pisanie;klawiatura;litery;</translation>
    </message>
    <message>
        <source>Velquist is a typing game. Coloured capital letters fall down a black play area, and you knock each one out by typing it before it reaches the bottom.</source>
        <translation>Velquist to gra w pisanie na klawiaturze. Kolorowe wielkie litery spadają po czarnym polu gry, a ty strącasz każdą z nich, wpisując ją, zanim dotrze na dół.</translation>
    </message>
    <message>
        <source>A quick hit scores more than a late one, and a wrong key makes every letter fall fast. Each level brings more letters, and the game ends when one of them lands. The ten best scores are kept with the players&apos; names.</source>
        <translation>Szybkie trafienie daje więcej punktów niż spóźnione, a zły klawisz sprawia, że wszystkie litery spadają szybko. Każdy poziom przynosi więcej liter, a gra kończy się, gdy któraś z nich spadnie na dół. Dziesięć najlepszych wyników jest zapisywanych razem z imionami graczy.</translation>
    </message>
</context>
<context>
    <name>frmHigh</name>
    <message>
        <source>High Scores</source>
        <translation>Najlepsze wyniki</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
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
        <translation>Nowa gra</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Wyjdź</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Gra</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nowa gra</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Dźwięk</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Najlepsze wyniki</translation>
    </message>
</context>
<context>
    <name>gameCode</name>
    <message>
        <source>%1%2 Do loop has exceeded safe limit, ending game.</source>
        <extracomment>%1 is the routine, &quot;setLetter - &quot;, and %2 the module, &quot;gameCode&quot;: names in the code.</extracomment>
        <translation>%1%2 Pętla Do przekroczyła bezpieczny limit, gra zostaje zakończona.</translation>
    </message>
    <message>
        <source>Please enter you name, cancel to exit</source>
        <translation>Wpisz swoje imię albo kliknij Anuluj, aby wyjść</translation>
    </message>
    <message>
        <source>High Score</source>
        <translation>Rekord</translation>
    </message>
    <message>
        <source>%1 out of %2 LETTERS        SCORE: %3       LEVEl: %4</source>
        <extracomment>The status line: letters hit, the level&apos;s target, the score and the level. The spaces keep the parts apart.</extracomment>
        <translation>%1 z %2 LITER        WYNIK: %3       POZIOM: %4</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>KONIEC GRY</translation>
    </message>
    <message>
        <source>SCORE: %1</source>
        <translation>WYNIK: %1</translation>
    </message>
    <message>
        <source>LEVEL %1</source>
        <translation>POZIOM %1</translation>
    </message>
</context>
<context>
    <name>highScoreTable</name>
    <message>
        <source>another copy of the game is using it</source>
        <translation>używa go inna kopia gry</translation>
    </message>
    <message>
        <source>another copy of the game removed it</source>
        <translation>inna kopia gry go usunęła</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>to nie jest zwykły plik</translation>
    </message>
    <message>
        <source>The high scores could not be read from the file &quot;%1&quot;: %2.

The table starts empty, and the game will not write over that file while it runs.</source>
        <translation>Nie udało się odczytać najlepszych wyników z pliku „%1”: %2.

Tabela zaczyna się pusta, a gra nie nadpisze tego pliku, dopóki działa.</translation>
    </message>
    <message>
        <source>The high scores could not be saved to the file &quot;%1&quot;: %2.

The table is kept for as long as the game runs.</source>
        <translation>Nie udało się zapisać najlepszych wyników w pliku „%1”: %2.

Tabela jest przechowywana, dopóki gra działa.</translation>
    </message>
    <message>
        <source>The high scores were not saved: the file &quot;%1&quot; could not be read when the game started, and saving would write over the scores it holds.

The table is kept for as long as the game runs.</source>
        <translation>Najlepsze wyniki nie zostały zapisane: nie udało się odczytać pliku „%1” przy uruchomieniu gry, a zapis nadpisałby zawarte w nim wyniki.

Tabela jest przechowywana, dopóki gra działa.</translation>
    </message>
    <message>
        <source>The high scores could not be saved to the file &quot;%1&quot;: %2.

The table is kept, and saved the next time it changes.</source>
        <translation>Nie udało się zapisać najlepszych wyników w pliku „%1”: %2.

Tabela jest przechowywana i zostanie zapisana przy następnej zmianie.</translation>
    </message>
</context>
<context>
    <name>mathsFunctions</name>
    <message>
        <source>Cannot be greater or less than 1 or -1</source>
        <translation>Nie może być większe niż 1 ani mniejsze niż -1</translation>
    </message>
    <message>
        <source>Invalid point combination</source>
        <translation>Nieprawidłowa kombinacja punktów</translation>
    </message>
    <message>
        <source>the high paramenter is less than the low parameter</source>
        <translation>górny parametr jest mniejszy niż dolny parametr</translation>
    </message>
    <message>
        <source>%1 error</source>
        <extracomment>%1 is the module&apos;s name in the code, &quot;MathsFunctions&quot;.</extracomment>
        <translation>Błąd w %1</translation>
    </message>
</context>
</TS>
