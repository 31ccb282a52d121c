<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>desktop</name>
    <message>
        <source>Typing Game</source>
        <translation>Клавиатурная игра</translation>
    </message>
    <message>
        <source>Type the falling letters before they reach the bottom</source>
        <translation>Успей напечатать падающие буквы, пока они не упали вниз</translation>
    </message>
    <message>
        <source>typing;keyboard;letters;</source>
        <extracomment>Search words for the desktop&apos;s menu, each followed by a semicolon.</extracomment>
        <translation>печать;клавиатура;буквы;</translation>
    </message>
    <message>
        <source>Velquist is a typing game. Coloured capital letters fall down a black play area, and you knock each one out by typing it before it reaches the bottom.</source>
        <translation>Velquist — игра на скорость печати. Цветные заглавные буквы падают по чёрному игровому полю, и ты сбиваешь каждую из них, напечатав её, пока она не упала вниз.</translation>
    </message>
    <message>
        <source>A quick hit scores more than a late one, and a wrong key makes every letter fall fast. Each level brings more letters, and the game ends when one of them lands. The ten best scores are kept with the players&apos; names.</source>
        <translation>Быстрое попадание приносит больше очков, чем позднее, а неверная клавиша заставляет все буквы падать быстро. С каждым уровнем букв становится больше, и игра заканчивается, когда одна из них падает вниз. Десять лучших результатов сохраняются вместе с именами игроков.</translation>
    </message>
</context>
<context>
    <name>frmHigh</name>
    <message>
        <source>High Scores</source>
        <translation>Рекорды</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Новая игра</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>Закончить</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Игра</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Новая игра</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Звук</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Рекорды</translation>
    </message>
</context>
<context>
    <name>gameCode</name>
    <message>
        <source>%1%2 Do loop has exceeded safe limit, ending game.</source>
        <extracomment>%1 is the routine, &quot;setLetter - &quot;, and %2 the module, &quot;gameCode&quot;: names in the code.</extracomment>
        <translation>%1%2 Цикл Do превысил безопасный предел, игра завершается.</translation>
    </message>
    <message>
        <source>Please enter you name, cancel to exit</source>
        <translation>Введи своё имя или нажми «Отмена», чтобы выйти</translation>
    </message>
    <message>
        <source>High Score</source>
        <translation>Рекорд</translation>
    </message>
    <message>
        <source>%1 out of %2 LETTERS        SCORE: %3       LEVEl: %4</source>
        <extracomment>The status line: letters hit, the level&apos;s target, the score and the level. The spaces keep the parts apart.</extracomment>
        <translation>%1 из %2 БУКВ        ОЧКИ: %3       УРОВЕНЬ: %4</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>КОНЕЦ ИГРЫ</translation>
    </message>
    <message>
        <source>SCORE: %1</source>
        <translation>ОЧКИ: %1</translation>
    </message>
    <message>
        <source>LEVEL %1</source>
        <translation>УРОВЕНЬ %1</translation>
    </message>
</context>
<context>
    <name>highScoreTable</name>
    <message>
        <source>another copy of the game is using it</source>
        <translation>его использует другая копия игры</translation>
    </message>
    <message>
        <source>another copy of the game removed it</source>
        <translation>другая копия игры удалила его</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>это не обычный файл</translation>
    </message>
    <message>
        <source>The high scores could not be read from the file &quot;%1&quot;: %2.

The table starts empty, and the game will not write over that file while it runs.</source>
        <translation>Не удалось прочитать рекорды из файла «%1»: %2.

Таблица начинается пустой, и игра не будет перезаписывать этот файл, пока работает.</translation>
    </message>
    <message>
        <source>The high scores could not be saved to the file &quot;%1&quot;: %2.

The table is kept for as long as the game runs.</source>
        <translation>Не удалось сохранить рекорды в файл «%1»: %2.

Таблица хранится, пока игра работает.</translation>
    </message>
    <message>
        <source>The high scores were not saved: the file &quot;%1&quot; could not be read when the game started, and saving would write over the scores it holds.

The table is kept for as long as the game runs.</source>
        <translation>Рекорды не сохранены: файл «%1» не удалось прочитать при запуске игры, и сохранение стёрло бы записанные в нём рекорды.

Таблица хранится, пока игра работает.</translation>
    </message>
    <message>
        <source>The high scores could not be saved to the file &quot;%1&quot;: %2.

The table is kept, and saved the next time it changes.</source>
        <translation>Не удалось сохранить рекорды в файл «%1»: %2.

Таблица хранится и будет сохранена при следующем изменении.</translation>
    </message>
</context>
<context>
    <name>mathsFunctions</name>
    <message>
        <source>Cannot be greater or less than 1 or -1</source>
        <translation>Не может быть больше 1 или меньше -1</translation>
    </message>
    <message>
        <source>Invalid point combination</source>
        <translation>Недопустимое сочетание точек</translation>
    </message>
    <message>
        <source>the high paramenter is less than the low parameter</source>
        <translation>верхний параметр меньше нижнего параметра</translation>
    </message>
    <message>
        <source>%1 error</source>
        <extracomment>%1 is the module&apos;s name in the code, &quot;MathsFunctions&quot;.</extracomment>
        <translation>Ошибка в %1</translation>
    </message>
</context>
</TS>
