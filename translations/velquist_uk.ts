<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
<context>
    <name>desktop</name>
    <message>
        <source>Typing Game</source>
        <translation>Клавіатурна гра</translation>
    </message>
    <message>
        <source>Type the falling letters before they reach the bottom</source>
        <translation>Встигни надрукувати літери, що падають, поки вони не впали вниз</translation>
    </message>
    <message>
        <source>typing;keyboard;letters;</source>
        <extracomment>Search words for the desktop&apos;s menu, each followed by a semicolon.</extracomment>
        <translation>друкування;клавіатура;літери;</translation>
    </message>
    <message>
        <source>Velquist is a typing game. Coloured capital letters fall down a black play area, and you knock each one out by typing it before it reaches the bottom.</source>
        <translation>Velquist — гра на швидкість друку. Кольорові великі літери падають чорним ігровим полем, і ти збиваєш кожну з них, надрукувавши її, поки вона не впала вниз.</translation>
    </message>
    <message>
        <source>A quick hit scores more than a late one, and a wrong key makes every letter fall fast. Each level brings more letters, and the game ends when one of them lands. The ten best scores are kept with the players&apos; names.</source>
        <translation>Швидке влучання дає більше балів, ніж пізнє, а хибна клавіша змушує всі літери падати швидко. З кожним рівнем літер стає більше, і гра закінчується, коли одна з них падає вниз. Десять найкращих результатів зберігаються разом з іменами гравців.</translation>
    </message>
</context>
<context>
    <name>frmHigh</name>
    <message>
        <source>High Scores</source>
        <translation>Рекорди</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистити</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
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
        <translation>Нова гра</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>Закінчити</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Вихід</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Гра</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Нова гра</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Звук</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Рекорди</translation>
    </message>
</context>
<context>
    <name>gameCode</name>
    <message>
        <source>%1%2 Do loop has exceeded safe limit, ending game.</source>
        <extracomment>%1 is the routine, &quot;setLetter - &quot;, and %2 the module, &quot;gameCode&quot;: names in the code.</extracomment>
        <translation>%1%2 Цикл Do перевищив безпечну межу, гру завершено.</translation>
    </message>
    <message>
        <source>Please enter you name, cancel to exit</source>
        <translation>Введи своє ім’я або натисни «Скасувати», щоб вийти</translation>
    </message>
    <message>
        <source>High Score</source>
        <translation>Рекорд</translation>
    </message>
    <message>
        <source>%1 out of %2 LETTERS        SCORE: %3       LEVEl: %4</source>
        <extracomment>The status line: letters hit, the level&apos;s target, the score and the level. The spaces keep the parts apart.</extracomment>
        <translation>%1 з %2 ЛІТЕР        БАЛИ: %3       РІВЕНЬ: %4</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>КІНЕЦЬ ГРИ</translation>
    </message>
    <message>
        <source>SCORE: %1</source>
        <translation>БАЛИ: %1</translation>
    </message>
    <message>
        <source>LEVEL %1</source>
        <translation>РІВЕНЬ %1</translation>
    </message>
</context>
<context>
    <name>highScoreTable</name>
    <message>
        <source>another copy of the game is using it</source>
        <translation>його використовує інша копія гри</translation>
    </message>
    <message>
        <source>another copy of the game removed it</source>
        <translation>інша копія гри видалила його</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>це не звичайний файл</translation>
    </message>
    <message>
        <source>The high scores could not be read from the file &quot;%1&quot;: %2.

The table starts empty, and the game will not write over that file while it runs.</source>
        <translation>Не вдалося прочитати рекорди з файлу «%1»: %2.

Таблиця починається порожньою, і гра не перезаписуватиме цей файл, поки працює.</translation>
    </message>
    <message>
        <source>The high scores could not be saved to the file &quot;%1&quot;: %2.

The table is kept for as long as the game runs.</source>
        <translation>Не вдалося зберегти рекорди у файл «%1»: %2.

Таблиця зберігається, поки гра працює.</translation>
    </message>
    <message>
        <source>The high scores were not saved: the file &quot;%1&quot; could not be read when the game started, and saving would write over the scores it holds.

The table is kept for as long as the game runs.</source>
        <translation>Рекорди не збережено: файл «%1» не вдалося прочитати під час запуску гри, і збереження стерло б записані в ньому рекорди.

Таблиця зберігається, поки гра працює.</translation>
    </message>
    <message>
        <source>The high scores could not be saved to the file &quot;%1&quot;: %2.

The table is kept, and saved the next time it changes.</source>
        <translation>Не вдалося зберегти рекорди у файл «%1»: %2.

Таблиця зберігається, і її буде збережено під час наступної зміни.</translation>
    </message>
</context>
<context>
    <name>mathsFunctions</name>
    <message>
        <source>Cannot be greater or less than 1 or -1</source>
        <translation>Не може бути більше 1 або менше -1</translation>
    </message>
    <message>
        <source>Invalid point combination</source>
        <translation>Неприпустиме поєднання точок</translation>
    </message>
    <message>
        <source>the high paramenter is less than the low parameter</source>
        <translation>верхній параметр менший за нижній параметр</translation>
    </message>
    <message>
        <source>%1 error</source>
        <extracomment>%1 is the module&apos;s name in the code, &quot;MathsFunctions&quot;.</extracomment>
        <translation>Помилка в %1</translation>
    </message>
</context>
</TS>
