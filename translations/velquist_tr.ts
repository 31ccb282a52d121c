<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>desktop</name>
    <message>
        <source>Typing Game</source>
        <translation>Klavye oyunu</translation>
    </message>
    <message>
        <source>Type the falling letters before they reach the bottom</source>
        <translation>Düşen harfleri aşağıya ulaşmadan önce yaz</translation>
    </message>
    <message>
        <source>typing;keyboard;letters;</source>
        <extracomment>Search words for the desktop&apos;s menu, each followed by a semicolon.</extracomment>
        <translation>yazma;klavye;harfler;</translation>
    </message>
    <message>
        <source>Velquist is a typing game. Coloured capital letters fall down a black play area, and you knock each one out by typing it before it reaches the bottom.</source>
        <translation>Velquist bir klavye oyunudur. Renkli büyük harfler siyah bir oyun alanında aşağı düşer ve sen her birini aşağıya ulaşmadan önce yazarak vurursun.</translation>
    </message>
    <message>
        <source>A quick hit scores more than a late one, and a wrong key makes every letter fall fast. Each level brings more letters, and the game ends when one of them lands. The ten best scores are kept with the players&apos; names.</source>
        <translation>Hızlı bir vuruş geç bir vuruştan daha çok puan getirir ve yanlış bir tuş bütün harflerin hızla düşmesine yol açar. Her seviyede daha çok harf gelir ve harflerden biri aşağıya ulaştığında oyun biter. En iyi on skor, oyuncuların adlarıyla birlikte saklanır.</translation>
    </message>
</context>
<context>
    <name>frmHigh</name>
    <message>
        <source>High Scores</source>
        <translation>Rekorlar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Temizle</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Pause</source>
        <translation>Duraklat</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Yeni Oyun</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>Bitir</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Çıkış</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Oyun</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Yeni Oyun</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ses</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Rekorlar</translation>
    </message>
</context>
<context>
    <name>gameCode</name>
    <message>
        <source>%1%2 Do loop has exceeded safe limit, ending game.</source>
        <extracomment>%1 is the routine, &quot;setLetter - &quot;, and %2 the module, &quot;gameCode&quot;: names in the code.</extracomment>
        <translation>%1%2 Do döngüsü güvenli sınırı aştı, oyun sonlandırılıyor.</translation>
    </message>
    <message>
        <source>Please enter you name, cancel to exit</source>
        <translation>Lütfen adını yaz; çıkmak için İptal’e bas</translation>
    </message>
    <message>
        <source>High Score</source>
        <translation>Rekor</translation>
    </message>
    <message>
        <source>%1 out of %2 LETTERS        SCORE: %3       LEVEl: %4</source>
        <extracomment>The status line: letters hit, the level&apos;s target, the score and the level. The spaces keep the parts apart.</extracomment>
        <translation>%1 / %2 HARF        PUAN: %3       SEVİYE: %4</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>OYUN BİTTİ</translation>
    </message>
    <message>
        <source>SCORE: %1</source>
        <translation>PUAN: %1</translation>
    </message>
    <message>
        <source>LEVEL %1</source>
        <translation>SEVİYE %1</translation>
    </message>
</context>
<context>
    <name>highScoreTable</name>
    <message>
        <source>another copy of the game is using it</source>
        <translation>oyunun başka bir kopyası onu kullanıyor</translation>
    </message>
    <message>
        <source>another copy of the game removed it</source>
        <translation>oyunun başka bir kopyası onu sildi</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>normal bir dosya değil</translation>
    </message>
    <message>
        <source>The high scores could not be read from the file &quot;%1&quot;: %2.

The table starts empty, and the game will not write over that file while it runs.</source>
        <translation>Rekorlar “%1” dosyasından okunamadı: %2.

Tablo boş başlar ve oyun açık olduğu sürece bu dosyanın üzerine yazılmaz.</translation>
    </message>
    <message>
        <source>The high scores could not be saved to the file &quot;%1&quot;: %2.

The table is kept for as long as the game runs.</source>
        <translation>Rekorlar “%1” dosyasına kaydedilemedi: %2.

Tablo, oyun açık olduğu sürece saklanır.</translation>
    </message>
    <message>
        <source>The high scores were not saved: the file &quot;%1&quot; could not be read when the game started, and saving would write over the scores it holds.

The table is kept for as long as the game runs.</source>
        <translation>Rekorlar kaydedilmedi: “%1” dosyası oyun başlarken okunamadı ve kaydetmek, içindeki rekorların üzerine yazacaktı.

Tablo, oyun açık olduğu sürece saklanır.</translation>
    </message>
    <message>
        <source>The high scores could not be saved to the file &quot;%1&quot;: %2.

The table is kept, and saved the next time it changes.</source>
        <translation>Rekorlar “%1” dosyasına kaydedilemedi: %2.

Tablo saklanır ve bir sonraki değişiklikte kaydedilir.</translation>
    </message>
</context>
<context>
    <name>mathsFunctions</name>
    <message>
        <source>Cannot be greater or less than 1 or -1</source>
        <translation>1’den büyük veya -1’den küçük olamaz</translation>
    </message>
    <message>
        <source>Invalid point combination</source>
        <translation>Geçersiz nokta birleşimi</translation>
    </message>
    <message>
        <source>the high paramenter is less than the low parameter</source>
        <translation>üst parametre alt parametreden küçük</translation>
    </message>
    <message>
        <source>%1 error</source>
        <extracomment>%1 is the module&apos;s name in the code, &quot;MathsFunctions&quot;.</extracomment>
        <translation>%1 hatası</translation>
    </message>
</context>
</TS>
