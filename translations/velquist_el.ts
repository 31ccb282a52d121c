<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el">
<context>
    <name>desktop</name>
    <message>
        <source>Typing Game</source>
        <translation>Παιχνίδι πληκτρολόγησης</translation>
    </message>
    <message>
        <source>Type the falling letters before they reach the bottom</source>
        <translation>Πληκτρολόγησε τα γράμματα που πέφτουν πριν φτάσουν κάτω</translation>
    </message>
    <message>
        <source>typing;keyboard;letters;</source>
        <extracomment>Search words for the desktop&apos;s menu, each followed by a semicolon.</extracomment>
        <translation>πληκτρολόγηση;πληκτρολόγιο;γράμματα;</translation>
    </message>
    <message>
        <source>Velquist is a typing game. Coloured capital letters fall down a black play area, and you knock each one out by typing it before it reaches the bottom.</source>
        <translation>Το Velquist είναι ένα παιχνίδι πληκτρολόγησης. Χρωματιστά κεφαλαία γράμματα πέφτουν σε ένα μαύρο πεδίο παιχνιδιού, και εσύ χτυπάς το καθένα πληκτρολογώντας το πριν φτάσει κάτω.</translation>
    </message>
    <message>
        <source>A quick hit scores more than a late one, and a wrong key makes every letter fall fast. Each level brings more letters, and the game ends when one of them lands. The ten best scores are kept with the players&apos; names.</source>
        <translation>Ένα γρήγορο χτύπημα δίνει περισσότερους πόντους από ένα αργό, και ένα λάθος πλήκτρο κάνει όλα τα γράμματα να πέφτουν γρήγορα. Κάθε επίπεδο φέρνει περισσότερα γράμματα, και το παιχνίδι τελειώνει όταν κάποιο από αυτά φτάσει κάτω. Οι δέκα καλύτερες βαθμολογίες κρατιούνται μαζί με τα ονόματα των παικτών.</translation>
    </message>
</context>
<context>
    <name>frmHigh</name>
    <message>
        <source>High Scores</source>
        <translation>Ρεκόρ</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Διαγραφή</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Κλείσιμο</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Pause</source>
        <translation>Παύση</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Νέο παιχνίδι</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>Τέλος</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Έξοδος</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Παιχνίδι</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Νέο παιχνίδι</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ήχος</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Ρεκόρ</translation>
    </message>
</context>
<context>
    <name>gameCode</name>
    <message>
        <source>%1%2 Do loop has exceeded safe limit, ending game.</source>
        <extracomment>%1 is the routine, &quot;setLetter - &quot;, and %2 the module, &quot;gameCode&quot;: names in the code.</extracomment>
        <translation>%1%2 Ο βρόχος Do ξεπέρασε το ασφαλές όριο, το παιχνίδι τερματίζεται.</translation>
    </message>
    <message>
        <source>Please enter you name, cancel to exit</source>
        <translation>Γράψε το όνομά σου ή πάτησε Άκυρο για έξοδο</translation>
    </message>
    <message>
        <source>High Score</source>
        <translation>Ρεκόρ</translation>
    </message>
    <message>
        <source>%1 out of %2 LETTERS        SCORE: %3       LEVEl: %4</source>
        <extracomment>The status line: letters hit, the level&apos;s target, the score and the level. The spaces keep the parts apart.</extracomment>
        <translation>%1 από %2 ΓΡΑΜΜΑΤΑ     ΠΟΝΤΟΙ: %3     ΕΠΙΠΕΔΟ: %4</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>ΤΕΛΟΣ</translation>
    </message>
    <message>
        <source>SCORE: %1</source>
        <translation>ΠΟΝΤΟΙ: %1</translation>
    </message>
    <message>
        <source>LEVEL %1</source>
        <translation>ΕΠΙΠΕΔΟ %1</translation>
    </message>
</context>
<context>
    <name>highScoreTable</name>
    <message>
        <source>another copy of the game is using it</source>
        <translation>το χρησιμοποιεί άλλο αντίγραφο του παιχνιδιού</translation>
    </message>
    <message>
        <source>another copy of the game removed it</source>
        <translation>άλλο αντίγραφο του παιχνιδιού το διέγραψε</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>δεν είναι κανονικό αρχείο</translation>
    </message>
    <message>
        <source>The high scores could not be read from the file &quot;%1&quot;: %2.

The table starts empty, and the game will not write over that file while it runs.</source>
        <translation>Δεν ήταν δυνατή η ανάγνωση των ρεκόρ από το αρχείο «%1»: %2.

Ο πίνακας ξεκινά κενός, και το παιχνίδι δεν θα γράψει πάνω σε αυτό το αρχείο όσο είναι ανοιχτό.</translation>
    </message>
    <message>
        <source>The high scores could not be saved to the file &quot;%1&quot;: %2.

The table is kept for as long as the game runs.</source>
        <translation>Δεν ήταν δυνατή η αποθήκευση των ρεκόρ στο αρχείο «%1»: %2.

Ο πίνακας διατηρείται όσο το παιχνίδι είναι ανοιχτό.</translation>
    </message>
    <message>
        <source>The high scores were not saved: the file &quot;%1&quot; could not be read when the game started, and saving would write over the scores it holds.

The table is kept for as long as the game runs.</source>
        <translation>Τα ρεκόρ δεν αποθηκεύτηκαν: το αρχείο «%1» δεν ήταν δυνατό να διαβαστεί όταν ξεκίνησε το παιχνίδι, και η αποθήκευση θα έσβηνε τα ρεκόρ που περιέχει.

Ο πίνακας διατηρείται όσο το παιχνίδι είναι ανοιχτό.</translation>
    </message>
    <message>
        <source>The high scores could not be saved to the file &quot;%1&quot;: %2.

The table is kept, and saved the next time it changes.</source>
        <translation>Δεν ήταν δυνατή η αποθήκευση των ρεκόρ στο αρχείο «%1»: %2.

Ο πίνακας διατηρείται και θα αποθηκευτεί την επόμενη φορά που θα αλλάξει.</translation>
    </message>
</context>
<context>
    <name>mathsFunctions</name>
    <message>
        <source>Cannot be greater or less than 1 or -1</source>
        <translation>Δεν μπορεί να είναι μεγαλύτερο από 1 ή μικρότερο από -1</translation>
    </message>
    <message>
        <source>Invalid point combination</source>
        <translation>Μη έγκυρος συνδυασμός σημείων</translation>
    </message>
    <message>
        <source>the high paramenter is less than the low parameter</source>
        <translation>η πάνω παράμετρος είναι μικρότερη από την κάτω παράμετρο</translation>
    </message>
    <message>
        <source>%1 error</source>
        <extracomment>%1 is the module&apos;s name in the code, &quot;MathsFunctions&quot;.</extracomment>
        <translation>Σφάλμα στο %1</translation>
    </message>
</context>
</TS>
