<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Quillory</name>
    <message>
        <source>The sample recordings could not be copied into %1: %2 could not be written.</source>
        <translation>Die Beispielaufnahmen konnten nicht nach %1 kopiert werden: %2 konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The sample languages could not be copied into %1: %2</source>
        <translation>Die Beispielsprachen konnten nicht nach %1 kopiert werden: %2</translation>
    </message>
    <message>
        <source>The sample languages could not be copied into %1: %2 could not be copied.</source>
        <translation>Die Beispielsprachen konnten nicht nach %1 kopiert werden: %2 konnte nicht kopiert werden.</translation>
    </message>
    <message>
        <source>The sample languages could not be moved into place in %1.</source>
        <translation>Die Beispielsprachen konnten nicht an ihren Platz in %1 verschoben werden.</translation>
    </message>
    <message>
        <source>The data folder %1 could not be made; nothing can be kept. Start Quillory with --data and a folder that can be written.</source>
        <translation>Der Datenordner %1 konnte nicht angelegt werden; es kann nichts gespeichert werden. Starten Sie Quillory mit --data und einem beschreibbaren Ordner.</translation>
    </message>
    <message>
        <source>How many times should words be repeated before going to the next word? Recommended ranges are from 3 to 30.</source>
        <translation>Wie oft sollen die Wörter wiederholt werden, bevor das nächste Wort kommt? Empfohlen sind 3 bis 30.</translation>
    </message>
    <message>
        <source>That was too few or too many. It is now set to 3.</source>
        <translation>Das waren zu wenige oder zu viele. Der Wert ist jetzt 3.</translation>
    </message>
    <message>
        <source>Not enough files had sound files</source>
        <translation>Zu wenige Wörter haben eine Tondatei</translation>
    </message>
    <message numerus="yes">
        <source>%n words remain on this list</source>
        <translation>
            <numerusform>Noch %n Wort in dieser Liste</numerusform>
            <numerusform>Noch %n Wörter in dieser Liste</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Words</source>
        <translation>
            <numerusform>%n Wort</numerusform>
            <numerusform>%n Wörter</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n words added</source>
        <translation>
            <numerusform>%n Wort hinzugefügt</numerusform>
            <numerusform>%n Wörter hinzugefügt</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>%1 sec</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Could not write the file %1.</source>
        <translation>Die Datei %1 konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>How long should the pause between words be (in seconds)?  Use 0.1 for a quick speed and 2 for slow. For phrases, it needs to be 1 or higher.</source>
        <translation>Wie lang soll die Pause zwischen den Wörtern sein (in Sekunden)?  0.1 ist schnell, 2 ist langsam. Für Sätze sollte sie 1 oder mehr betragen.</translation>
    </message>
    <message>
        <source>How long should the pause between words be (in seconds)? Use 0.1 for a quick speed and 2 for slow. For phrases, it needs to be 1 or higher.</source>
        <translation>Wie lang soll die Pause zwischen den Wörtern sein (in Sekunden)? 0.1 ist schnell, 2 ist langsam. Für Sätze sollte sie 1 oder mehr betragen.</translation>
    </message>
    <message>
        <source>Speed Bump</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>That was less than 0.01 or more than 10. It&apos;s been set to .2 second.</source>
        <translation>Der Wert war kleiner als 0.01 oder größer als 10. Er ist jetzt 0.2 Sekunden.</translation>
    </message>
    <message>
        <source>That was less than 0.01 or more than 10. It&apos;s been set to .1 second.</source>
        <translation>Der Wert war kleiner als 0.01 oder größer als 10. Er ist jetzt 0.1 Sekunden.</translation>
    </message>
    <message>
        <source>This plays just the top word.</source>
        <translation>Jetzt wird nur das obere Wort abgespielt.</translation>
    </message>
    <message>
        <source>If both language&apos;s sound files are installed, this plays both the top and bottom words.</source>
        <translation>Wenn die Tondateien beider Sprachen installiert sind, werden jetzt das obere und das untere Wort abgespielt.</translation>
    </message>
    <message>
        <source>How many times should the foreign word be played before the translation is played?  This works only if both languages are installed.</source>
        <translation>Wie oft soll das fremdsprachige Wort abgespielt werden, bevor die Übersetzung kommt?  Das funktioniert nur, wenn beide Sprachen installiert sind.</translation>
    </message>
    <message>
        <source>How many times should the top word be played before the bottom word is played?   This works only if both languages are installed.</source>
        <translation>Wie oft soll das obere Wort abgespielt werden, bevor das untere kommt?   Das funktioniert nur, wenn beide Sprachen installiert sind.</translation>
    </message>
    <message>
        <source>How many times should the TOP word play before showing the TOP word&apos;s text?  Enter only a number.</source>
        <translation>Wie oft soll das OBERE Wort erklingen, bevor sein Text erscheint?  Geben Sie nur eine Zahl ein.</translation>
    </message>
    <message>
        <source>How many times should the TOP word play before showing the BOTTOM word&apos;s text?  Enter only a number.</source>
        <translation>Wie oft soll das OBERE Wort erklingen, bevor der Text des UNTEREN Worts erscheint?  Geben Sie nur eine Zahl ein.</translation>
    </message>
    <message>
        <source>This will create an mp3 file for your portable mp3 player. It is not useful unless you have the sound files for both languages.  The mp3 file this creates will be stored in the quillory folder and called out_file.mp3.  What you heard before seeing this message is what the mp3 will sound like. You can click cancel now to listen to check if the current &apos;repeat&apos;, &apos;speed&apos;, and &apos;interlace&apos; settings are what you want. I recommend the settings to be 6, 0.4, and 1.  This means each foreign word will be played 6 times with a pause of 0.4 seconds between words and the translation will be spoken (&apos;interlaced&apos;) every 1 times the foreign word is spoken. If you want to create the mp3 file now, enter the number of words you want in the mp3 file in the blank below and click OK.  I recommend 50.</source>
        <translation>Hiermit wird eine MP3-Datei für Ihren MP3-Player erstellt. Das ist nur sinnvoll, wenn Sie die Tondateien beider Sprachen haben.  Die MP3-Datei wird im Quillory-Ordner unter dem Namen out_file.mp3 gespeichert.  Was Sie vor dieser Meldung gehört haben, ist das, was die MP3-Datei enthalten wird. Sie können jetzt auf Abbrechen klicken und zuhören, ob die aktuellen Einstellungen für „Wiederholungen“, „Tempo“ und „Verschachteln“ Ihren Wünschen entsprechen. Ich empfehle die Werte 6, 0.4 und 1.  Dann wird jedes fremdsprachige Wort 6-mal mit 0.4 Sekunden Pause abgespielt, und nach jedem Abspielen des fremdsprachigen Worts wird die Übersetzung gesprochen („verschachtelt“). Wenn Sie die MP3-Datei jetzt erstellen möchten, geben Sie unten ein, wie viele Wörter sie enthalten soll, und klicken Sie auf OK.  Ich empfehle 50.</translation>
    </message>
    <message>
        <source>When the recording is completed, the flash cards will resume normal mode and begin playing aloud.  When this finishes, rename out_file.mp3 if you don&apos;t want it deleted the next time you use this function.</source>
        <translation>Wenn die Aufnahme fertig ist, kehren die Karteikarten in den normalen Modus zurück und werden wieder laut abgespielt.  Benennen Sie danach out_file.mp3 um, wenn die Datei beim nächsten Aufruf dieser Funktion nicht gelöscht werden soll.</translation>
    </message>
    <message>
        <source>Action has been cancelled</source>
        <translation>Der Vorgang wurde abgebrochen</translation>
    </message>
    <message>
        <source>This will create MP3 files for the current word list in blocks of 100 words.  The mp3 files will be stored in the quillory folder and named 100words1.mp3, 100words2.mp3 etc.  If these files already exit from a previous session, they will be deleted.</source>
        <translation>Hiermit werden MP3-Dateien der aktuellen Wortliste in Blöcken zu 100 Wörtern erstellt.  Die MP3-Dateien werden im Quillory-Ordner unter den Namen 100words1.mp3, 100words2.mp3 usw. gespeichert.  Gibt es diese Dateien schon aus einer früheren Sitzung, werden sie gelöscht.</translation>
    </message>
    <message>
        <source>How many times should each word be repeated?  I recommend 5.  Type only a number. It may take 5 minutes for this operation to complete if you select 5 repeats and there are 1000 words on this word list.  With a setting of 5, each mp3 file is 4 MB and 15 minuutes long (for word lists, not phrases).  There will a message to let you know when it&apos;s complete.  You may click cancel to stop this operation.</source>
        <translation>Wie oft soll jedes Wort wiederholt werden?  Ich empfehle 5.  Geben Sie nur eine Zahl ein. Bei 5 Wiederholungen und 1000 Wörtern in der Liste kann der Vorgang 5 Minuten dauern.  Bei 5 Wiederholungen ist jede MP3-Datei 4 MB groß und 15 Minuten lang (bei Wortlisten, nicht bei Sätzen).  Eine Meldung sagt Ihnen, wann alles fertig ist.  Mit Abbrechen können Sie den Vorgang beenden.</translation>
    </message>
    <message>
        <source>How many seconds of silence should there be between words?  Enter zero &quot;0&quot; for no pause between words (it&apos;s fast) or 0.5 for a little bit of a pause.</source>
        <translation>Wie viele Sekunden Stille sollen zwischen den Wörtern liegen?  Geben Sie „0“ für keine Pause ein (schnell) oder 0.5 für eine kurze Pause.</translation>
    </message>
    <message numerus="yes">
        <source>%n words completed</source>
        <translation>
            <numerusform>%n Wort fertig</numerusform>
            <numerusform>%n Wörter fertig</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files have been completed.</source>
        <translation>
            <numerusform>%n Datei wurde fertiggestellt.</numerusform>
            <numerusform>%n Dateien wurden fertiggestellt.</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot call this command after FSOUND_Init.  Call FSOUND_Close first.</source>
        <translation>Dieser Befehl ist nach FSOUND_Init nicht möglich.  Rufen Sie zuerst FSOUND_Close auf.</translation>
    </message>
    <message>
        <source>This command failed because FSOUND_Init was not called</source>
        <translation>Dieser Befehl ist fehlgeschlagen, weil FSOUND_Init nicht aufgerufen wurde</translation>
    </message>
    <message>
        <source>Error initializing output device.</source>
        <translation>Fehler beim Initialisieren des Ausgabegeräts.</translation>
    </message>
    <message>
        <source>The output device is already in use and cannot be reused.</source>
        <translation>Das Ausgabegerät wird bereits verwendet und kann nicht erneut benutzt werden.</translation>
    </message>
    <message>
        <source>Playing the sound failed.</source>
        <translation>Der Ton konnte nicht abgespielt werden.</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>Unknown file format</source>
        <translation>Unbekanntes Dateiformat</translation>
    </message>
    <message>
        <source>Error loading file</source>
        <translation>Fehler beim Laden der Datei</translation>
    </message>
    <message>
        <source>Not enough memory </source>
        <translation>Nicht genug Speicher </translation>
    </message>
    <message>
        <source>An invalid parameter was passed to this function</source>
        <translation>An diese Funktion wurde ein ungültiger Parameter übergeben</translation>
    </message>
    <message>
        <source>Failed to allocate a new channel</source>
        <translation>Es konnte kein neuer Kanal belegt werden</translation>
    </message>
    <message>
        <source>Recording is not supported on this machine</source>
        <translation>Aufnehmen wird auf diesem Rechner nicht unterstützt</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>First select a language to learn by clicking on its name at the top left. Lists of words for that language will then appear.  Click on one of the lists to see the words on that list. Click on a word to hear it. Click on &apos;flash cards&apos; to randomnly play words on the selected list.  You can double-click on a word to move it from the &apos;unknown&apos; list to the &apos;known&apos; list. The program remembers which words you have marked as &apos;known&apos; for the next time you run the program. You can review the words you&apos;ve marked as &apos;known&apos; and double-click on them to move them back onto the &apos;unknown&apos; list. </source>
        <translation>Wählen Sie zuerst die Sprache, die Sie lernen möchten, indem Sie oben links auf ihren Namen klicken. Dann erscheinen die Wortlisten dieser Sprache.  Klicken Sie auf eine Liste, um ihre Wörter zu sehen. Klicken Sie auf ein Wort, um es zu hören. Klicken Sie auf „Karteikarten“, um Wörter der gewählten Liste in zufälliger Reihenfolge abzuspielen.  Mit einem Doppelklick auf ein Wort verschieben Sie es von der Liste der „unbekannten“ in die Liste der „bekannten“ Wörter. Das Programm merkt sich bis zum nächsten Start, welche Wörter Sie als „bekannt“ markiert haben. Sie können die als „bekannt“ markierten Wörter wiederholen und sie per Doppelklick zurück in die Liste der „unbekannten“ Wörter verschieben. </translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>For general instructions on how to use the program, click on Instructions. For additional words, go to %1.  For additional help contact %2 at %3 or %4.</source>
        <translation>Eine allgemeine Anleitung zum Programm finden Sie unter „Anleitung“. Weitere Wörter gibt es unter %1.  Weitere Hilfe erhalten Sie bei %2 unter %3 oder %4.</translation>
    </message>
    <message>
        <source>See the Help section if this information does not solve the problem.  The program depends on the sound files and word lists to be in a certain location relative to the quillory program.  The following files have to be in the indicated sub-folders relative to the quillory program. 

quillory		in &apos;quillory&apos; folder
SDL2, SDL2_mixer		installed with the system (libsdl2, libsdl2-mixer)
mp3 and wav sound files	example: quillory/languages/spanish/01/01436.mp3
text files of word lists	example: quillory/languages/spanish/most_common_words.txt
the users known word lists	example: quillory/users/kestrel/spanish/most_common_words-u.txt</source>
        <translation>Lesen Sie den Abschnitt Hilfe, wenn diese Informationen das Problem nicht lösen.  Das Programm erwartet die Tondateien und Wortlisten an einem bestimmten Ort relativ zum Programm quillory.  Die folgenden Dateien müssen in den angegebenen Unterordnern relativ zum Programm quillory liegen. 

quillory		im Ordner &apos;quillory&apos;
SDL2, SDL2_mixer		mit dem System installiert (libsdl2, libsdl2-mixer)
MP3- und WAV-Tondateien	Beispiel: quillory/languages/spanish/01/01436.mp3
Textdateien der Wortlisten	Beispiel: quillory/languages/spanish/most_common_words.txt
Listen der bekannten Wörter	Beispiel: quillory/users/kestrel/spanish/most_common_words-u.txt</translation>
    </message>
    <message>
        <source>Troubleshooting</source>
        <translation>Fehlerbehebung</translation>
    </message>
    <message>
        <source>About %1 Vocabulary Tutor</source>
        <translation>Über %1 Vokabeltrainer</translation>
    </message>
    <message>
        <source>Quillory version %1 %2. </source>
        <translation>Quillory Version %1 %2. </translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1: Datei nicht vorhanden</translation>
    </message>
    <message>
        <source>%1 does not provide %2</source>
        <translation>%1 stellt %2 nicht bereit</translation>
    </message>
    <message>
        <source>The cipher library %1 could not be used, so recordings cannot be enciphered or deciphered (%2).</source>
        <translation>Die Verschlüsselungsbibliothek %1 konnte nicht verwendet werden, daher können Aufnahmen weder ver- noch entschlüsselt werden (%2).</translation>
    </message>
    <message>
        <source>The folder %1 could not be created.</source>
        <translation>Der Ordner %1 konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Could not read the file %1.</source>
        <translation>Die Datei %1 konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>This button is for the user to add their own language to the Quillory program.  It&apos;s best to first email me at %1 or call me at %2 to find out if I already have word lists for the language you want to add.  If you want to begin work on a new language, what do you want to call it?  Use 8 or fewer english letters and numbers, but not spaces.</source>
        <translation>Mit dieser Schaltfläche können Sie dem Programm Quillory eine eigene Sprache hinzufügen.  Am besten schreiben Sie mir zuerst an %1 oder rufen mich unter %2 an, um zu erfahren, ob ich schon Wortlisten für die gewünschte Sprache habe.  Wenn Sie mit einer neuen Sprache beginnen möchten: Wie soll sie heißen?  Verwenden Sie höchstens 8 englische Buchstaben und Ziffern, aber keine Leerzeichen.</translation>
    </message>
    <message>
        <source>language name</source>
        <translation>Sprachname</translation>
    </message>
    <message>
        <source>That language already exits.  Please choose another name.</source>
        <translation>Diese Sprache gibt es bereits.  Bitte wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>You need to connect this new language to a &apos;target&apos; language. The target language will be the other language in this language pair that the students already know.  Usually, the target language will be english.  If the target language you type below already exists on this computer, you will not have to type those target translations or record the target sounds.  What is the &apos;target&apos; language?  Be sure to spell it correctly.  The name must be 8 or fewer english letters.</source>
        <translation>Sie müssen die neue Sprache mit einer „Zielsprache“ verbinden. Die Zielsprache ist die andere Sprache dieses Sprachpaars, die die Lernenden bereits beherrschen.  Meist ist das Englisch (english).  Wenn die Zielsprache, die Sie unten eingeben, auf diesem Rechner schon vorhanden ist, müssen Sie deren Übersetzungen nicht eintippen und deren Töne nicht aufnehmen.  Wie heißt die „Zielsprache“?  Achten Sie auf die richtige Schreibweise.  Der Name darf höchstens 8 englische Buchstaben haben.</translation>
    </message>
    <message>
        <source>target language name</source>
        <translation>Name der Zielsprache</translation>
    </message>
    <message>
        <source>That language folder is not on this computer, but your selection is being recorded.</source>
        <translation>Dieser Sprachordner ist nicht auf diesem Rechner, aber Ihre Auswahl wird gespeichert.</translation>
    </message>
    <message>
        <source>Thank you, that language was found on this computer.  Words lists from that language will now be formatted to be used in the new language you are adding so that the exiting words/phrases of the student&apos;s native language do not have to be retyped.  After clicking OK below you can select the new language in the list of languages, then select one of the word lists, and then select &apos;Record and Edit&apos; to type the translations and record words for the new language.</source>
        <translation>Danke, diese Sprache ist auf diesem Rechner vorhanden.  Ihre Wortlisten werden jetzt für die neue Sprache aufbereitet, damit die vorhandenen Wörter und Sätze in der Muttersprache der Lernenden nicht neu eingetippt werden müssen.  Nach dem Klick auf OK können Sie die neue Sprache in der Sprachenliste wählen, dann eine der Wortlisten und dann „Aufnehmen und bearbeiten“, um die Übersetzungen einzutippen und die Wörter der neuen Sprache aufzunehmen.</translation>
    </message>
    <message>
        <source>First select a language.</source>
        <translation>Wählen Sie zuerst eine Sprache.</translation>
    </message>
    <message>
        <source>This creates a new word/phrase list to be added to the currently selected language (%1).  If this is not what you want to do, click cancel.  After creating this new list, you can add words and phrases to it using the &apos;Record and Edit Selected List&apos; button. What is the name of the new list?  Use only english characters and numbers.</source>
        <translation>Hiermit legen Sie für die gewählte Sprache (%1) eine neue Wort- bzw. Satzliste an.  Wenn Sie das nicht möchten, klicken Sie auf Abbrechen.  Danach können Sie der neuen Liste über die Schaltfläche „Gewählte Liste aufnehmen und bearbeiten“ Wörter und Sätze hinzufügen. Wie soll die neue Liste heißen?  Verwenden Sie nur englische Buchstaben und Ziffern.</translation>
    </message>
    <message>
        <source>list name</source>
        <translation>Listenname</translation>
    </message>
    <message>
        <source>That list already exists for this language.  Please choose another list name.</source>
        <translation>Diese Liste gibt es in dieser Sprache bereits.  Bitte wählen Sie einen anderen Listennamen.</translation>
    </message>
    <message>
        <source>%1 %2 (%3 %4)</source>
        <translation>%1 %2 (%3 %4)</translation>
    </message>
    <message>
        <source>line</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>lines</source>
        <translation>Zeilen</translation>
    </message>
    <message>
        <source>with an empty field</source>
        <translation>mit leerem Feld</translation>
    </message>
    <message>
        <source>with &quot;|&quot; inside a field</source>
        <translation>mit „|“ in einem Feld</translation>
    </message>
    <message>
        <source>with a line break inside a field</source>
        <translation>mit Zeilenumbruch in einem Feld</translation>
    </message>
    <message>
        <source>repeating a pair above</source>
        <translation>die ein Paar weiter oben wiederholen</translation>
    </message>
    <message>
        <source>beyond the %1 pairs one list holds</source>
        <translation>über die %1 Paare hinaus, die eine Liste fasst</translation>
    </message>
    <message numerus="yes">
        <source>%n entry will be skipped: %1.</source>
        <translation>
            <numerusform>%n Eintrag wird übersprungen: %1.</numerusform>
            <numerusform>%n Einträge werden übersprungen: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries will be skipped: %1.</source>
        <translation>
            <numerusform>%n Eintrag wird übersprungen: %1.</numerusform>
            <numerusform>%n Einträge werden übersprungen: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line will be skipped: %1.</source>
        <translation>
            <numerusform>%n Zeile wird übersprungen: %1.</numerusform>
            <numerusform>%n Zeilen werden übersprungen: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lines will be skipped: %1.</source>
        <translation>
            <numerusform>%n Zeile wird übersprungen: %1.</numerusform>
            <numerusform>%n Zeilen werden übersprungen: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Please type a name for the new list.</source>
        <translation>Bitte geben Sie einen Namen für die neue Liste ein.</translation>
    </message>
    <message>
        <source>There are no word pairs to import.</source>
        <translation>Es gibt keine Wortpaare zum Importieren.</translation>
    </message>
    <message>
        <source>Could not read the file %1: %2</source>
        <translation>Die Datei %1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The file %1 does not hold a sound number. Please correct it so that it holds the next free number, for example 70000.</source>
        <translation>Die Datei %1 enthält keine Tonnummer. Bitte korrigieren Sie sie so, dass sie die nächste freie Nummer enthält, zum Beispiel 70000.</translation>
    </message>
    <message>
        <source>Only %1 sound numbers up to 99999 are still free in this language, too few for the new words of this file. Nothing was imported.</source>
        <translation>In dieser Sprache sind nur noch %1 Tonnummern bis 99999 frei – zu wenige für die neuen Wörter dieser Datei. Es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
Nothing was imported: the files of the language are as they were.</source>
        <translation>%1<byte value="xd"/>
Es wurde nichts importiert: Die Dateien der Sprache sind unverändert.</translation>
    </message>
    <message numerus="yes">
        <source>%n word pair was imported into the new list %1.</source>
        <translation>
            <numerusform>%n Wortpaar wurde in die neue Liste %1 importiert.</numerusform>
            <numerusform>%n Wortpaare wurden in die neue Liste %1 importiert.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n word pairs were imported into the new list %1.</source>
        <translation>
            <numerusform>%n Wortpaar wurde in die neue Liste %1 importiert.</numerusform>
            <numerusform>%n Wortpaare wurden in die neue Liste %1 importiert.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of them was already in the language and kept its sound number.</source>
        <translation>
            <numerusform>%n davon war schon in der Sprache vorhanden und hat seine Tonnummer behalten.</numerusform>
            <numerusform>%n davon waren schon in der Sprache vorhanden und haben ihre Tonnummer behalten.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of them were already in the language and kept its sound number.</source>
        <translation>
            <numerusform>%n davon war schon in der Sprache vorhanden und hat seine Tonnummer behalten.</numerusform>
            <numerusform>%n davon waren schon in der Sprache vorhanden und haben ihre Tonnummer behalten.</numerusform>
        </translation>
    </message>
    <message>
        <source>Could not read the file %1</source>
        <translation>Die Datei %1 konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>The cipher library could not be loaded: %1</source>
        <translation>Die Verschlüsselungsbibliothek konnte nicht geladen werden: %1</translation>
    </message>
    <message>
        <source>The cipher library reported error %1.</source>
        <translation>Die Verschlüsselungsbibliothek meldete den Fehler %1.</translation>
    </message>
    <message>
        <source>The archive %1 cannot be opened: %2</source>
        <translation>Das Archiv %1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>The archive %1 is incomplete.</source>
        <translation>Das Archiv %1 ist unvollständig.</translation>
    </message>
    <message>
        <source>Could not copy %1 to %2.</source>
        <translation>%1 konnte nicht nach %2 kopiert werden.</translation>
    </message>
    <message>
        <source>Could not copy %1 to %2: %3</source>
        <translation>%1 konnte nicht nach %2 kopiert werden: %3</translation>
    </message>
    <message>
        <source>The archive %1 cannot be written: %2</source>
        <translation>Das Archiv %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Currently the program is working on %1.  Please wait about 5 seconds before clicking &apos;OK&apos; below.</source>
        <translation>Das Programm bearbeitet gerade %1.  Bitte warten Sie etwa 5 Sekunden, bevor Sie unten auf „OK“ klicken.</translation>
    </message>
    <message>
        <source>Use this function AFTER you have finished recording ALL the words and phrases for the %1 language.  Clicking &apos;OK&apos; below will place the recordings in the folder called %2.  Please email all the &apos;str&apos; zip files to me at %3. Do not email zip files to %4 because my spam filter may block them.  It is best to email the files one at a time in a seperate email because they are big files.  <byte value="xd"/><byte value="xd"/>Click &apos;OK&apos; to run this function or &apos;Cancel&apos; to go back.</source>
        <translation>Verwenden Sie diese Funktion ERST, wenn Sie ALLE Wörter und Sätze der Sprache %1 aufgenommen haben.  Mit „OK“ werden die Aufnahmen im Ordner %2 abgelegt.  Bitte schicken Sie mir alle &apos;str&apos;-ZIP-Dateien per E-Mail an %3. Schicken Sie keine ZIP-Dateien an %4, da mein Spamfilter sie blockieren kann.  Schicken Sie die Dateien am besten einzeln in getrennten E-Mails, da sie groß sind.  <byte value="xd"/><byte value="xd"/>Klicken Sie auf „OK“, um die Funktion auszuführen, oder auf „Abbrechen“, um zurückzugehen.</translation>
    </message>
    <message>
        <source>The action has been cancelled.</source>
        <translation>Der Vorgang wurde abgebrochen.</translation>
    </message>
    <message>
        <source>The folder %1 holds no files to pack.</source>
        <translation>Der Ordner %1 enthält keine Dateien zum Packen.</translation>
    </message>
    <message>
        <source>The program is busy.  Please wait 3 seconds before clicking &apos;OK&apos; below.  This message will appear about 10 times before it is finished.</source>
        <translation>Das Programm ist beschäftigt.  Bitte warten Sie 3 Sekunden, bevor Sie unten auf „OK“ klicken.  Diese Meldung erscheint etwa 10-mal, bis alles fertig ist.</translation>
    </message>
    <message>
        <source>This action is finished.<byte value="xd"/>Please email the files located in the %1 folder to me at %2.</source>
        <translation>Der Vorgang ist abgeschlossen.<byte value="xd"/>Bitte schicken Sie mir die Dateien im Ordner %1 per E-Mail an %2.</translation>
    </message>
    <message>
        <source>File # %1</source>
        <translation>Datei Nr. %1</translation>
    </message>
    <message>
        <source>An error occured opening the sound file.</source>
        <translation>Beim Öffnen der Tondatei ist ein Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>An error occured playing the sample!</source>
        <translation>Beim Abspielen des Tons ist ein Fehler aufgetreten!</translation>
    </message>
    <message numerus="yes">
        <source>%n line could not be read</source>
        <translation>
            <numerusform>%n Zeile konnte nicht gelesen werden</numerusform>
            <numerusform>%n Zeilen konnten nicht gelesen werden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lines could not be read</source>
        <translation>
            <numerusform>%n Zeile konnte nicht gelesen werden</numerusform>
            <numerusform>%n Zeilen konnten nicht gelesen werden</numerusform>
        </translation>
    </message>
    <message>
        <source>All sound numbers up to 99999 have been used in this language, so no new word or phrase can be added.</source>
        <translation>In dieser Sprache sind alle Tonnummern bis 99999 vergeben, daher können keine neuen Wörter oder Sätze hinzugefügt werden.</translation>
    </message>
    <message>
        <source>The text may not contain the character &quot;|&quot;, which separates the parts of a list line. Please remove it and try again.</source>
        <translation>Der Text darf das Zeichen „|“ nicht enthalten, das die Teile einer Listenzeile trennt. Bitte entfernen Sie es und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The text may not contain line breaks. Please remove them and try again.</source>
        <translation>Der Text darf keine Zeilenumbrüche enthalten. Bitte entfernen Sie sie und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>You have to select a word on one of the lists.</source>
        <translation>Sie müssen ein Wort in einer der Listen auswählen.</translation>
    </message>
    <message>
        <source>Sample Alloc Error:</source>
        <translation>Fehler beim Anlegen des Samples:</translation>
    </message>
    <message>
        <source>Record StartSample Error:</source>
        <translation>Fehler beim Starten der Aufnahme:</translation>
    </message>
    <message>
        <source>Record Stop Error:</source>
        <translation>Fehler beim Beenden der Aufnahme:</translation>
    </message>
    <message>
        <source>Sample Lock Error:</source>
        <translation>Fehler beim Sperren des Samples:</translation>
    </message>
    <message>
        <source>Could not write the file %1: %2</source>
        <translation>Die Datei %1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The recording could not be stored as %1.<byte value="xd"/>
%2<byte value="xd"/>
The recorded sound is kept, not enciphered, in %3.</source>
        <translation>Die Aufnahme konnte nicht als %1 gespeichert werden.<byte value="xd"/>
%2<byte value="xd"/>
Der aufgenommene Ton bleibt unverschlüsselt in %3 erhalten.</translation>
    </message>
    <message>
        <source>Required master list file was not found. You need %1</source>
        <translation>Die benötigte Stammliste wurde nicht gefunden. Sie brauchen %1</translation>
    </message>
    <message>
        <source>Words that have no recording cannot be spoken:<byte value="xd"/>
%1<byte value="xd"/>
They stay silent for the rest of this session unless another voice works.</source>
        <translation>Wörter ohne Aufnahme können nicht gesprochen werden:<byte value="xd"/>
%1<byte value="xd"/>
Sie bleiben für den Rest dieser Sitzung stumm, sofern keine andere Stimme funktioniert.</translation>
    </message>
    <message>
        <source>Too quiet</source>
        <translation>Zu leise</translation>
    </message>
    <message>
        <source>Clipped</source>
        <translation>Übersteuert</translation>
    </message>
    <message>
        <source>Very short</source>
        <translation>Sehr kurz</translation>
    </message>
    <message>
        <source>%1 found in %2</source>
        <translation>%1 kommt in %2 vor</translation>
    </message>
    <message>
        <source>The %1 may not contain &quot;/&quot;, &quot;\&quot; or control characters, and may not be &quot;.&quot; or &quot;..&quot;. Please choose another.</source>
        <translation>Das Feld „%1“ darf weder „/“, „\“ noch Steuerzeichen enthalten und darf nicht „.“ oder „..“ sein. Bitte wählen Sie etwas anderes.</translation>
    </message>
    <message>
        <source>The %1 is too long: the files made from it may have names of at most %2 bytes, which leaves %3 bytes for the %1 (a letter outside the English alphabet takes two or more). Please choose a shorter one.</source>
        <translation>Das Feld „%1“ ist zu lang: Die daraus gebildeten Dateinamen dürfen höchstens %2 Bytes lang sein, für „%1“ bleiben also %3 Bytes (ein Buchstabe außerhalb des englischen Alphabets belegt zwei oder mehr). Bitte wählen Sie einen kürzeren.</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Schlagwörter</translation>
    </message>
    <message>
        <source>Deck</source>
        <translation>Stapel</translation>
    </message>
    <message>
        <source>Note type</source>
        <translation>Notiztyp</translation>
    </message>
    <message>
        <source>Note id</source>
        <translation>Notiz-ID</translation>
    </message>
    <message>
        <source>Language %1</source>
        <translation>Sprache %1</translation>
    </message>
    <message>
        <source>The file is XML but not a KVTML vocabulary document.</source>
        <translation>Die Datei ist XML, aber kein KVTML-Vokabeldokument.</translation>
    </message>
    <message>
        <source>Only KVTML version 2 documents can be imported; this one is version %1.</source>
        <translation>Nur KVTML-Dokumente der Version 2 können importiert werden; dieses hat die Version %1.</translation>
    </message>
    <message>
        <source>The file is not a well-formed KVTML document: %1 (line %2).</source>
        <translation>Die Datei ist kein wohlgeformtes KVTML-Dokument: %1 (Zeile %2).</translation>
    </message>
    <message>
        <source>The file holds no words.</source>
        <translation>Die Datei enthält keine Wörter.</translation>
    </message>
    <message>
        <source>The document holds words of one language only, so there are no translations to import.</source>
        <translation>Das Dokument enthält nur Wörter einer Sprache, daher gibt es keine Übersetzungen zum Importieren.</translation>
    </message>
    <message>
        <source>The quoted field that starts on line %1 is never closed: a quotation mark is missing, so the lines after it cannot be read as words.</source>
        <translation>Das Feld in Anführungszeichen, das in Zeile %1 beginnt, wird nie geschlossen: Ein Anführungszeichen fehlt, daher können die folgenden Zeilen nicht als Wörter gelesen werden.</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>No line of the file holds a word and its translation side by side, separated by a tab, a comma or a semicolon.</source>
        <translation>Keine Zeile der Datei enthält ein Wort und seine Übersetzung nebeneinander, getrennt durch Tabulator, Komma oder Semikolon.</translation>
    </message>
    <message>
        <source>The file is not a text file: it holds binary data.</source>
        <translation>Die Datei ist keine Textdatei: Sie enthält Binärdaten.</translation>
    </message>
    <message>
        <source>The file %1 could not be read: %2</source>
        <translation>Die Datei %1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Wort</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>Übersetzung</translation>
    </message>
    <message>
        <source>Words remaining</source>
        <translation>Verbleibende Wörter</translation>
    </message>
    <message>
        <source>Play count</source>
        <translation>Anzahl der Wiederholungen</translation>
    </message>
    <message>
        <source>Pause between plays</source>
        <translation>Pause zwischen den Wiederholungen</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulator</translation>
    </message>
    <message>
        <source>Comma</source>
        <translation>Komma</translation>
    </message>
    <message>
        <source>Semicolon</source>
        <translation>Semikolon</translation>
    </message>
    <message>
        <source>KVTML vocabulary document</source>
        <translation>KVTML-Vokabeldokument</translation>
    </message>
    <message>
        <source>card tutor export</source>
        <translation>Export eines Karteikartenprogramms</translation>
    </message>
    <message>
        <source>text with one pair per line</source>
        <translation>Text mit einem Paar pro Zeile</translation>
    </message>
    <message>
        <source>Import Word List</source>
        <translation>Wortliste importieren</translation>
    </message>
    <message>
        <source>Fields separated by:</source>
        <translation>Felder getrennt durch:</translation>
    </message>
    <message>
        <source>The first line names the columns</source>
        <translation>Die erste Zeile benennt die Spalten</translation>
    </message>
    <message>
        <source>First word pairs</source>
        <translation>Erste Wortpaare</translation>
    </message>
    <message>
        <source>Foreign word (%1)</source>
        <translation>Fremdsprachiges Wort (%1)</translation>
    </message>
    <message>
        <source>Translation (%1)</source>
        <translation>Übersetzung (%1)</translation>
    </message>
    <message>
        <source>student&apos;s language</source>
        <translation>Sprache der Lernenden</translation>
    </message>
    <message>
        <source>&amp;Foreign word (%1):</source>
        <translation>&amp;Fremdsprachiges Wort (%1):</translation>
    </message>
    <message>
        <source>&amp;Translation:</source>
        <translation>Ü&amp;bersetzung:</translation>
    </message>
    <message>
        <source>&amp;Name of the new list:</source>
        <translation>&amp;Name der neuen Liste:</translation>
    </message>
    <message numerus="yes">
        <source>File: %1 (%2 in %n languages)</source>
        <translation>
            <numerusform>Datei: %1 (%2 in %n Sprache)</numerusform>
            <numerusform>Datei: %1 (%2 in %n Sprachen)</numerusform>
        </translation>
    </message>
    <message>
        <source>File: %1 (%2)</source>
        <translation>Datei: %1 (%2)</translation>
    </message>
    <message>
        <source>Choose two different columns for the word and its translation.</source>
        <translation>Wählen Sie zwei verschiedene Spalten für das Wort und seine Übersetzung.</translation>
    </message>
    <message numerus="yes">
        <source>%n word pair will be imported into a new list of %1.</source>
        <translation>
            <numerusform>%n Wortpaar wird in eine neue Liste in %1 importiert.</numerusform>
            <numerusform>%n Wortpaare werden in eine neue Liste in %1 importiert.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n word pairs will be imported into a new list of %1.</source>
        <translation>
            <numerusform>%n Wortpaar wird in eine neue Liste in %1 importiert.</numerusform>
            <numerusform>%n Wortpaare werden in eine neue Liste in %1 importiert.</numerusform>
        </translation>
    </message>
    <message>
        <source>The first %1 are shown.</source>
        <translation>Die ersten %1 werden angezeigt.</translation>
    </message>
    <message>
        <source>No line will be skipped.</source>
        <translation>Es wird keine Zeile übersprungen.</translation>
    </message>
    <message>
        <source>Random Word Play</source>
        <translation>Wörter in zufälliger Reihenfolge</translation>
    </message>
    <message>
        <source>MP3 compilation</source>
        <translation>MP3-Erstellung</translation>
    </message>
    <message>
        <source>MP3 compilation progress</source>
        <translation>Fortschritt der MP3-Erstellung</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Überspringen</translation>
    </message>
    <message>
        <source>Mark Word As Known</source>
        <translation>Als bekannt markieren</translation>
    </message>
    <message>
        <source># Repeats</source>
        <translation>Wiederholungen</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Say Top Only</source>
        <translation>Nur oben sprechen</translation>
    </message>
    <message>
        <source>Say Both</source>
        <translation>Beide sprechen</translation>
    </message>
    <message>
        <source>Interlace</source>
        <translation>Verschachteln</translation>
    </message>
    <message>
        <source>Delay Showing Top</source>
        <translation>Oben später zeigen</translation>
    </message>
    <message>
        <source>Delay Showing Bottom</source>
        <translation>Unten später zeigen</translation>
    </message>
    <message>
        <source>Create MP3 File Based on Current Settings</source>
        <translation>MP3-Datei mit den aktuellen Einstellungen erstellen</translation>
    </message>
    <message>
        <source>Create MP3 files for all words on this list</source>
        <translation>MP3-Dateien für alle Wörter dieser Liste erstellen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Edit Word List</source>
        <translation>Wortliste bearbeiten</translation>
    </message>
    <message>
        <source>This is the advanced view for editing the text of the word/phrase lists. If you don&apos;t fully understand these instructions, it&apos;s best to use the previous view.  The format shown below should be like this: the foreign word or phrase is on the left.  Next is a vertical pipe symbol &quot;|&quot;. Next is the translation in the student&apos;s native language (normally english). Then there is another pipe &quot;|&quot;. Then on the right is a number that identifies the sound file for the foreign word or phrase. This is a unique number for this language and it should NOT be changed. If you&apos;re adding new words, it should start at the 70000 or the highest number stored in the high_num.dat file. If you add new words using this form, the high_num.dat must be changed to be one number higher than the highest number you use here.  Only change the foreign word or phrase on the left.  Do not change the translation (except to correct spelling) unless you&apos;re adding the translation yourself. This window simply shows the text in a data file that can also be edited with your own text editor.</source>
        <translation>Dies ist die erweiterte Ansicht zum Bearbeiten des Textes der Wort- und Satzlisten. Wenn Sie diese Anleitung nicht ganz verstehen, verwenden Sie besser die vorige Ansicht.  Das unten gezeigte Format muss so aussehen: Links steht das fremdsprachige Wort oder der Satz.  Dann folgt ein senkrechter Strich „|“. Dann die Übersetzung in der Muttersprache der Lernenden (normalerweise Englisch). Dann wieder ein Strich „|“. Rechts steht schließlich eine Nummer, die die Tondatei des fremdsprachigen Worts oder Satzes bezeichnet. Diese Nummer ist in dieser Sprache eindeutig und darf NICHT geändert werden. Wenn Sie neue Wörter hinzufügen, beginnt sie bei 70000 oder bei der höchsten Nummer in der Datei highest_num.dat. Wenn Sie mit diesem Formular neue Wörter hinzufügen, muss highest_num.dat auf eine Zahl geändert werden, die um eins höher ist als die höchste, die Sie hier verwenden.  Ändern Sie nur das fremdsprachige Wort oder den Satz links.  Ändern Sie die Übersetzung nicht (außer um die Rechtschreibung zu korrigieren), es sei denn, Sie fügen die Übersetzung selbst hinzu. Dieses Fenster zeigt einfach den Text einer Datendatei, die Sie auch mit Ihrem eigenen Texteditor bearbeiten können.</translation>
    </message>
    <message>
        <source>Word list text</source>
        <translation>Text der Wortliste</translation>
    </message>
    <message>
        <source>Save Changes and Exit </source>
        <translation>Änderungen speichern und beenden </translation>
    </message>
    <message>
        <source>Do Not Save Changes and Exit</source>
        <translation>Ohne Speichern beenden</translation>
    </message>
    <message>
        <source>Start New Word List for This Language</source>
        <translation>Neue Wortliste für diese Sprache beginnen</translation>
    </message>
    <message>
        <source>Save File as Unicode and Exit</source>
        <translation>Als Unicode speichern und beenden</translation>
    </message>
    <message>
        <source>The file %1 could not be read.</source>
        <translation>Die Datei %1 konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>A list was not chosen. A blank form will be opened in case you want to start a new list.</source>
        <translation>Es wurde keine Liste gewählt. Ein leeres Formular wird geöffnet, falls Sie eine neue Liste beginnen möchten.</translation>
    </message>
    <message>
        <source>Language: %1    List Name: %2</source>
        <translation>Sprache: %1    Listenname: %2</translation>
    </message>
    <message>
        <source>What should be the name of the new word list?</source>
        <translation>Wie soll die neue Wortliste heißen?</translation>
    </message>
    <message>
        <source>That file already exits.</source>
        <translation>Diese Datei gibt es bereits.</translation>
    </message>
    <message>
        <source>Increase Font</source>
        <translation>Schrift vergrößern</translation>
    </message>
    <message>
        <source>Decrease Font</source>
        <translation>Schrift verkleinern</translation>
    </message>
    <message>
        <source>You must first select a list to start the flash cards.</source>
        <translation>Wählen Sie zuerst eine Liste, um die Karteikarten zu starten.</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Sprachen</translation>
    </message>
    <message>
        <source>Word lists</source>
        <translation>Wortlisten</translation>
    </message>
    <message>
        <source>Known lists</source>
        <translation>Bekannte Listen</translation>
    </message>
    <message>
        <source>Foreign words</source>
        <translation>Fremdsprachige Wörter</translation>
    </message>
    <message>
        <source>Translations</source>
        <translation>Übersetzungen</translation>
    </message>
    <message>
        <source>Click or press Space to hear a word; double-click or press Enter to move it between your unknown and known words.</source>
        <translation>Klicken oder Leertaste drücken, um ein Wort zu hören; Doppelklick oder Eingabetaste, um es zwischen Ihren unbekannten und bekannten Wörtern zu verschieben.</translation>
    </message>
    <message>
        <source>Click to show the known words; double-click or press Enter to start the flash cards on them.</source>
        <translation>Klicken, um die bekannten Wörter zu zeigen; Doppelklick oder Eingabetaste, um die Karteikarten damit zu starten.</translation>
    </message>
    <message>
        <source>Click A Language</source>
        <translation>Sprache anklicken</translation>
    </message>
    <message>
        <source>Click Unknown List</source>
        <translation>Liste der Unbekannten anklicken</translation>
    </message>
    <message>
        <source>Known Lists</source>
        <translation>Bekannte Listen</translation>
    </message>
    <message>
        <source>Double-click a word to move it from your unknown to your known list, or vice versa.</source>
        <translation>Doppelklicken Sie auf ein Wort, um es von Ihrer unbekannten in Ihre bekannte Liste zu verschieben oder umgekehrt.</translation>
    </message>
    <message>
        <source>To obtain more words, go to %1.</source>
        <translation>Weitere Wörter gibt es unter %1.</translation>
    </message>
    <message>
        <source>&lt;--- Search </source>
        <translation>&lt;--- Suchen </translation>
    </message>
    <message>
        <source>Search foreign words</source>
        <translation>Fremdsprachige Wörter suchen</translation>
    </message>
    <message>
        <source>Search translations</source>
        <translation>Übersetzungen suchen</translation>
    </message>
    <message>
        <source>Large Flash Cards and MP3</source>
        <translation>Große Karteikarten und MP3</translation>
    </message>
    <message>
        <source>Small Flash Card (Stays On Top)</source>
        <translation>Kleine Karteikarte (immer im Vordergrund)</translation>
    </message>
    <message>
        <source>Record and Edit Selected Word</source>
        <translation>Gewähltes Wort aufnehmen und bearbeiten</translation>
    </message>
    <message>
        <source>Record and Edit Selected List</source>
        <translation>Gewählte Liste aufnehmen und bearbeiten</translation>
    </message>
    <message>
        <source>Start Student Test</source>
        <translation>Test starten</translation>
    </message>
    <message>
        <source>Review the known words that are due</source>
        <translation>Die fälligen bekannten Wörter wiederholen</translation>
    </message>
    <message>
        <source>Show Test Results</source>
        <translation>Testergebnisse anzeigen</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Show Selected Word List</source>
        <translation>Gewählte Wortliste anzeigen</translation>
    </message>
    <message>
        <source>Add new language</source>
        <translation>Neue Sprache hinzufügen</translation>
    </message>
    <message>
        <source>Add new word list</source>
        <translation>Neue Wortliste hinzufügen</translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation>Programm beenden</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Import Word List...</source>
        <translation>Wortliste &amp;importieren...</translation>
    </message>
    <message>
        <source>&amp;Export Word List...</source>
        <translation>Wortliste &amp;exportieren...</translation>
    </message>
    <message>
        <source>&amp;Progress...</source>
        <translation>&amp;Fortschritt...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Speak words that have no recording</source>
        <translation>Wörter ohne Aufnahme sprechen</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Anleitung</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Hel&amp;p</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Troubleshooting</source>
        <translation>&amp;Fehlerbehebung</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>An error occured. Please turn off other programs that may be using sound and start this program again. The specific error message is:</source>
        <translation>Ein Fehler ist aufgetreten. Bitte schließen Sie andere Programme, die den Ton verwenden könnten, und starten Sie dieses Programm neu. Die genaue Fehlermeldung lautet:</translation>
    </message>
    <message>
        <source>What is your first name?  This is for the program to remember which words you have learned.</source>
        <translation>Wie ist Ihr Vorname?  Damit merkt sich das Programm, welche Wörter Sie gelernt haben.</translation>
    </message>
    <message>
        <source>Student Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>The setting could not be saved in %1. It holds until the program ends.</source>
        <translation>Die Einstellung konnte nicht in %1 gespeichert werden. Sie gilt, bis das Programm beendet wird.</translation>
    </message>
    <message numerus="yes">
        <source>%n Known Words</source>
        <translation>
            <numerusform>%n bekanntes Wort</numerusform>
            <numerusform>%n bekannte Wörter</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Unknown Words</source>
        <translation>
            <numerusform>%n unbekanntes Wort</numerusform>
            <numerusform>%n unbekannte Wörter</numerusform>
        </translation>
    </message>
    <message>
        <source>This list holds more than %1 entries; only the first %1 are shown.</source>
        <translation>Diese Liste enthält mehr als %1 Einträge; nur die ersten %1 werden angezeigt.</translation>
    </message>
    <message>
        <source>The flash cards are not available in this version of the program.</source>
        <translation>Die Karteikarten sind in dieser Version des Programms nicht verfügbar.</translation>
    </message>
    <message numerus="yes">
        <source>Review %n due words</source>
        <translation>
            <numerusform>%n fälliges Wort wiederholen</numerusform>
            <numerusform>%n fällige Wörter wiederholen</numerusform>
        </translation>
    </message>
    <message>
        <source>The %1 is not available in this version of the program.</source>
        <translation>Folgendes ist in dieser Version des Programms nicht verfügbar: %1.</translation>
    </message>
    <message>
        <source>large flash-card window</source>
        <translation>Fenster mit großen Karteikarten</translation>
    </message>
    <message>
        <source>small flash card</source>
        <translation>kleine Karteikarte</translation>
    </message>
    <message>
        <source>First select a word to record or edit.</source>
        <translation>Wählen Sie zuerst ein Wort zum Aufnehmen oder Bearbeiten.</translation>
    </message>
    <message>
        <source>record-and-edit window</source>
        <translation>Fenster zum Aufnehmen und Bearbeiten</translation>
    </message>
    <message>
        <source>First select a list of words to record or edit.</source>
        <translation>Wählen Sie zuerst eine Wortliste zum Aufnehmen oder Bearbeiten.</translation>
    </message>
    <message>
        <source>You must first select a list to start the test.</source>
        <translation>Wählen Sie zuerst eine Liste, um den Test zu starten.</translation>
    </message>
    <message>
        <source>student test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>review window</source>
        <translation>Wiederholungsfenster</translation>
    </message>
    <message>
        <source>Word lists (*.txt *.tsv *.csv *.kvtml);;All files (*)</source>
        <translation>Wortlisten (*.txt *.tsv *.csv *.kvtml);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Tab-separated text for card tutors (*.txt)</source>
        <translation>Tabulatorgetrennter Text für Karteikartenprogramme (*.txt)</translation>
    </message>
    <message>
        <source>KVTML vocabulary document (*.kvtml)</source>
        <translation>KVTML-Vokabeldokument (*.kvtml)</translation>
    </message>
    <message>
        <source>Nothing was imported from %1.<byte value="xd"/>
%2</source>
        <translation>Aus %1 wurde nichts importiert.<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>First select a list of words to export.</source>
        <translation>Wählen Sie zuerst eine Wortliste zum Exportieren.</translation>
    </message>
    <message>
        <source>Export Word List</source>
        <translation>Wortliste exportieren</translation>
    </message>
    <message>
        <source>The list %1 was exported to %2.</source>
        <translation>Die Liste %1 wurde nach %2 exportiert.</translation>
    </message>
    <message>
        <source>You must first select one of the word/phrase lists.</source>
        <translation>Wählen Sie zuerst eine der Wort- bzw. Satzlisten.</translation>
    </message>
    <message>
        <source>test results window</source>
        <translation>Fenster der Testergebnisse</translation>
    </message>
    <message>
        <source>The progress window is not available in this version of the program.</source>
        <translation>Das Fortschrittsfenster ist in dieser Version des Programms nicht verfügbar.</translation>
    </message>
    <message>
        <source>Point at a test to see its list, kind, questions and score.</source>
        <translation>Zeigen Sie auf einen Test, um Liste, Art, Fragen und Ergebnis zu sehen.</translation>
    </message>
    <message>
        <source>Save as Image</source>
        <translation>Als Bild speichern</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
    <message>
        <source>Progress charts</source>
        <translation>Fortschrittsdiagramme</translation>
    </message>
    <message>
        <source>Shows only the tests in the language chosen in the main window</source>
        <translation>Zeigt nur die Tests in der im Hauptfenster gewählten Sprache</translation>
    </message>
    <message>
        <source>The test under the mouse pointer</source>
        <translation>Der Test unter dem Mauszeiger</translation>
    </message>
    <message>
        <source>&amp;Test Scores</source>
        <translation>&amp;Testergebnisse</translation>
    </message>
    <message>
        <source>&amp;Known Words</source>
        <translation>&amp;Bekannte Wörter</translation>
    </message>
    <message>
        <source>&amp;Reviews Ahead</source>
        <translation>&amp;Anstehende Wiederholungen</translation>
    </message>
    <message>
        <source>Save as Image...</source>
        <translation>Als Bild speichern...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Only %1</source>
        <translation>Nur %1</translation>
    </message>
    <message>
        <source>Only the chosen language</source>
        <translation>Nur die gewählte Sprache</translation>
    </message>
    <message>
        <source>There are no test results in %1 yet. Finish a test and its score will show here.</source>
        <translation>Es gibt noch keine Testergebnisse in %1. Schließen Sie einen Test ab, dann erscheint sein Ergebnis hier.</translation>
    </message>
    <message>
        <source>There are no test results yet. Finish a test and its score will show here.</source>
        <translation>Es gibt noch keine Testergebnisse. Schließen Sie einen Test ab, dann erscheint sein Ergebnis hier.</translation>
    </message>
    <message>
        <source>Test scores</source>
        <translation>Testergebnisse</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Score (%)</source>
        <translation>Ergebnis (%)</translation>
    </message>
    <message>
        <source>(no language)</source>
        <translation>(keine Sprache)</translation>
    </message>
    <message numerus="yes">
        <source>%n question</source>
        <translation>
            <numerusform>%n Frage</numerusform>
            <numerusform>%n Fragen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n questions</source>
        <translation>
            <numerusform>%n Frage</numerusform>
            <numerusform>%n Fragen</numerusform>
        </translation>
    </message>
    <message>
        <source>Choose a language in the main window to see the known words of its lists.</source>
        <translation>Wählen Sie im Hauptfenster eine Sprache, um die bekannten Wörter ihrer Listen zu sehen.</translation>
    </message>
    <message>
        <source>There are no word lists of yours in %1 yet. Click a list in the main window and double-click the words you know.</source>
        <translation>Sie haben noch keine Wortlisten in %1. Klicken Sie im Hauptfenster auf eine Liste und doppelklicken Sie auf die Wörter, die Sie kennen.</translation>
    </message>
    <message>
        <source>Known words in %1</source>
        <translation>Bekannte Wörter in %1</translation>
    </message>
    <message>
        <source>Known</source>
        <translation>Bekannt</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Wörter</translation>
    </message>
    <message>
        <source>Choose a language in the main window to see the reviews ahead in it.</source>
        <translation>Wählen Sie im Hauptfenster eine Sprache, um die anstehenden Wiederholungen darin zu sehen.</translation>
    </message>
    <message>
        <source>There is no review schedule to show yet.</source>
        <translation>Es gibt noch keinen Wiederholungsplan zum Anzeigen.</translation>
    </message>
    <message>
        <source>No reviews are due in %1 over the next %2 days.</source>
        <translation>In %1 sind in den nächsten %2 Tagen keine Wiederholungen fällig.</translation>
    </message>
    <message>
        <source>Reviews ahead in %1</source>
        <translation>Anstehende Wiederholungen in %1</translation>
    </message>
    <message>
        <source>Words due</source>
        <translation>Fällige Wörter</translation>
    </message>
    <message>
        <source>Days from today, %1 (words overdue count today)</source>
        <translation>Tage ab heute, %1 (überfällige Wörter zählen für heute)</translation>
    </message>
    <message>
        <source>file name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>There is no chart to save on this page yet.</source>
        <translation>Auf dieser Seite gibt es noch kein Diagramm zum Speichern.</translation>
    </message>
    <message>
        <source>The image of the chart could not be made.</source>
        <translation>Das Bild des Diagramms konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>Record and Edit Words</source>
        <translation>Wörter aufnehmen und bearbeiten</translation>
    </message>
    <message>
        <source>This part of the program allows the user to add, record, and edit words and phrases for any language.  When you finish, click the &apos;Email Files&apos; button below for instructions on how to email your work to me so that it can be used in other parts of the program and distributed to others.  </source>
        <translation>In diesem Teil des Programms können Sie Wörter und Sätze für jede Sprache hinzufügen, aufnehmen und bearbeiten.  Wenn Sie fertig sind, klicken Sie unten auf „Dateien senden“; dort steht, wie Sie mir Ihre Arbeit per E-Mail schicken, damit sie in anderen Teilen des Programms verwendet und an andere weitergegeben werden kann.  </translation>
    </message>
    <message>
        <source>If you have any trouble, please email me at %1 or call me at %2.</source>
        <translation>Wenn Sie Probleme haben, schreiben Sie mir an %1 oder rufen Sie mich unter %2 an.</translation>
    </message>
    <message>
        <source>Word List Name:</source>
        <translation>Name der Wortliste:</translation>
    </message>
    <message>
        <source>Text Editing Instructions</source>
        <translation>Anleitung zum Bearbeiten</translation>
    </message>
    <message>
        <source>Recording Instructions</source>
        <translation>Anleitung zum Aufnehmen</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Lizenz</translation>
    </message>
    <message>
        <source>Email Files</source>
        <translation>Dateien senden</translation>
    </message>
    <message>
        <source>Record Selected Word</source>
        <translation>Gewähltes Wort aufnehmen</translation>
    </message>
    <message>
        <source>Record Multiple Words</source>
        <translation>Mehrere Wörter aufnehmen</translation>
    </message>
    <message>
        <source>0.8 second</source>
        <translation>0.8 Sekunden</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 Sekunde</translation>
    </message>
    <message>
        <source>1.2 second</source>
        <translation>1.2 Sekunden</translation>
    </message>
    <message>
        <source>1.4 seconds</source>
        <translation>1.4 Sekunden</translation>
    </message>
    <message>
        <source>1.8 seconds</source>
        <translation>1.8 Sekunden</translation>
    </message>
    <message>
        <source>2 seconds</source>
        <translation>2 Sekunden</translation>
    </message>
    <message>
        <source>2.4 seconds</source>
        <translation>2.4 Sekunden</translation>
    </message>
    <message>
        <source>2.7 seconds</source>
        <translation>2.7 Sekunden</translation>
    </message>
    <message>
        <source>3 seconds</source>
        <translation>3 Sekunden</translation>
    </message>
    <message>
        <source>3.5 seconds</source>
        <translation>3.5 Sekunden</translation>
    </message>
    <message>
        <source>4 seconds</source>
        <translation>4 Sekunden</translation>
    </message>
    <message>
        <source>4.5 seconds</source>
        <translation>4.5 Sekunden</translation>
    </message>
    <message>
        <source>5 seconds</source>
        <translation>5 Sekunden</translation>
    </message>
    <message>
        <source>Start Recording (no time limit)</source>
        <translation>Aufnahme starten (ohne Zeitlimit)</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>STOPP</translation>
    </message>
    <message>
        <source>Click for fast method</source>
        <translation>Klick: schnelle Methode</translation>
    </message>
    <message>
        <source>Words Without Sound Files</source>
        <translation>Wörter ohne Tondatei</translation>
    </message>
    <message>
        <source>Words With Sound Files</source>
        <translation>Wörter mit Tondatei</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>Datei: %1</translation>
    </message>
    <message>
        <source>Foreign words without sound files</source>
        <translation>Fremdsprachige Wörter ohne Tondatei</translation>
    </message>
    <message>
        <source>Translations of words without sound files</source>
        <translation>Übersetzungen der Wörter ohne Tondatei</translation>
    </message>
    <message>
        <source>Foreign words with sound files</source>
        <translation>Fremdsprachige Wörter mit Tondatei</translation>
    </message>
    <message>
        <source>Translations of words with sound files</source>
        <translation>Übersetzungen der Wörter mit Tondatei</translation>
    </message>
    <message>
        <source>Recording prompt</source>
        <translation>Aufnahmehinweis</translation>
    </message>
    <message>
        <source>Do not automaticaly remove silence from beginning and end.</source>
        <translation>Stille am Anfang und Ende nicht automatisch entfernen.</translation>
    </message>
    <message>
        <source>Foreign word or phrase</source>
        <translation>Fremdsprachiges Wort oder fremdsprachiger Satz</translation>
    </message>
    <message>
        <source>You can change the text in the white box if you are recording the words.  Do not change the text in the bottom grey box unless you are adding a new word or phrase pair.</source>
        <translation>Den Text im weißen Feld können Sie ändern, wenn Sie die Wörter aufnehmen.  Ändern Sie den Text im grauen Feld darunter nur, wenn Sie ein neues Wort- oder Satzpaar hinzufügen.</translation>
    </message>
    <message>
        <source>Save the above text changes</source>
        <translation>Textänderungen oben speichern</translation>
    </message>
    <message>
        <source>Add the above text as a new word/phrase pair</source>
        <translation>Text oben als neues Wort- bzw. Satzpaar hinzufügen</translation>
    </message>
    <message>
        <source>Delete this word/phrase pair</source>
        <translation>Dieses Wort- bzw. Satzpaar löschen</translation>
    </message>
    <message>
        <source>Refresh Lists to Show Changes</source>
        <translation>Listen aktualisieren</translation>
    </message>
    <message>
        <source>Exit and Return</source>
        <translation>Beenden und zurück</translation>
    </message>
    <message>
        <source>Advanced List Editing</source>
        <translation>Liste erweitert bearbeiten</translation>
    </message>
    <message numerus="yes">
        <source>%n Words With Sound Files</source>
        <translation>
            <numerusform>%n Wort mit Tondatei</numerusform>
            <numerusform>%n Wörter mit Tondatei</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Words Without Sound Files</source>
        <translation>
            <numerusform>%n Wort ohne Tondatei</numerusform>
            <numerusform>%n Wörter ohne Tondatei</numerusform>
        </translation>
    </message>
    <message>
        <source>First correct the spelling of the words on the left before recording.  Try to make the translations one word. Do not modify the english words. If two or three translations are needed, seperate each one with a comma (,). Do not use uncommon words.  Just the words all people know.  If you correct the text of words, the word lists need to be emailed to %1 for distribution.  Click the &apos;email&apos; button for more instruction on how to email the corrected lists. </source>
        <translation>Korrigieren Sie vor dem Aufnehmen zuerst die Rechtschreibung der Wörter links.  Versuchen Sie, die Übersetzungen auf ein Wort zu beschränken. Ändern Sie die englischen Wörter nicht. Wenn zwei oder drei Übersetzungen nötig sind, trennen Sie sie durch ein Komma (,). Verwenden Sie keine seltenen Wörter.  Nur Wörter, die alle kennen.  Wenn Sie den Text von Wörtern korrigieren, müssen die Wortlisten zur Verbreitung per E-Mail an %1 geschickt werden.  Klicken Sie auf die Schaltfläche „Dateien senden“, um zu erfahren, wie Sie die korrigierten Listen verschicken. </translation>
    </message>
    <message>
        <source>Use a noise-free room and make the recordings as loud as possible without distortion.  Start speaking ASAP when the program says &apos;SPEAK&apos;.  It&apos;s best to record a few words and then email them to %1 for approval of the quality before you do a lot of work that I may not accept for distribution.  Speak your normal speed or a little faster. Do not speak slow. For single words, try to use the 0.8, 1, or 1.2 second recording options. It&apos;s best to place your cursor over the stop button before recording multiple words.  The &apos;multiple&apos; recording method makes recording many words easy.  Do not be afraid of making a mistake: you can do the recordings again and it simply erases the first recording.  <byte value="xd"/><byte value="xd"/>When finished with all the recordings click the &apos;Email Files&apos; button which compresses and combines the sound files for emailing to me.  If you&apos;re good at computers, it&apos;s interesting to take a look at all the files in the Quillory directory to see where all these sound files are stored.</source>
        <translation>Nehmen Sie in einem ruhigen Raum auf, so laut wie möglich, ohne dass es verzerrt.  Fangen Sie sofort an zu sprechen, wenn das Programm „SPRECHEN“ anzeigt.  Nehmen Sie am besten erst ein paar Wörter auf und schicken Sie sie an %1, damit ich die Qualität prüfen kann, bevor Sie viel Arbeit investieren, die ich vielleicht nicht verbreiten kann.  Sprechen Sie in normalem Tempo oder etwas schneller. Sprechen Sie nicht langsam. Verwenden Sie für einzelne Wörter möglichst die Aufnahmedauer 0.8, 1 oder 1.2 Sekunden. Legen Sie den Mauszeiger am besten schon vor der Aufnahme mehrerer Wörter auf die Stopp-Schaltfläche.  Mit der Methode „mehrere“ lassen sich viele Wörter leicht aufnehmen.  Haben Sie keine Angst vor Fehlern: Sie können jede Aufnahme wiederholen, die erste wird dabei einfach überschrieben.  <byte value="xd"/><byte value="xd"/>Wenn alle Aufnahmen fertig sind, klicken Sie auf „Dateien senden“; die Tondateien werden dann für den Versand an mich komprimiert und zusammengefasst.  Wenn Sie sich mit Computern auskennen, lohnt ein Blick in den Quillory-Ordner, um zu sehen, wo all diese Tondateien liegen.</translation>
    </message>
    <message>
        <source>This makes the pause between recordings longer (slow). Click again to make it shorter (fast).</source>
        <translation>Damit wird die Pause zwischen den Aufnahmen länger (langsam). Klicken Sie erneut, um sie zu verkürzen (schnell).</translation>
    </message>
    <message>
        <source>This makes the pause between recordings shorter (fast). Click again to make it longer (slow).</source>
        <translation>Damit wird die Pause zwischen den Aufnahmen kürzer (schnell). Klicken Sie erneut, um sie zu verlängern (langsam).</translation>
    </message>
    <message>
        <source>Click for slow method</source>
        <translation>Klick: langsame Methode</translation>
    </message>
    <message>
        <source>You have to select a word on one of the lists. If you just added the word and don&apos;t see it, you need to click the refresh button and then look at the bottom of the list.</source>
        <translation>Sie müssen ein Wort in einer der Listen auswählen. Wenn Sie das Wort gerade hinzugefügt haben und es nicht sehen, klicken Sie auf „Listen aktualisieren“ und schauen Sie am Ende der Liste nach.</translation>
    </message>
    <message>
        <source>Speak</source>
        <translation>Sprechen</translation>
    </message>
    <message>
        <source>Test Results</source>
        <translation>Testergebnisse</translation>
    </message>
    <message>
        <source>Results text</source>
        <translation>Text der Ergebnisse</translation>
    </message>
    <message>
        <source>Print Text Directly to Default Printer. May not finish printing until program is exited.</source>
        <translation>Text direkt auf dem Standarddrucker drucken. Der Druck wird eventuell erst nach dem Beenden des Programms fertig.</translation>
    </message>
    <message>
        <source>Save to a file</source>
        <translation>In Datei speichern</translation>
    </message>
    <message>
        <source>There is no default printer, so the text was not printed. Set up a default printer, or save the text to a file.</source>
        <translation>Es gibt keinen Standarddrucker, daher wurde der Text nicht gedruckt. Richten Sie einen Standarddrucker ein oder speichern Sie den Text in einer Datei.</translation>
    </message>
    <message>
        <source>The text could not be printed on %1.</source>
        <translation>Der Text konnte nicht auf %1 gedruckt werden.</translation>
    </message>
    <message>
        <source>What would you like to save this file as?</source>
        <translation>Unter welchem Namen möchten Sie diese Datei speichern?</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Datei speichern</translation>
    </message>
    <message>
        <source>No file name was given, so the text was not saved.</source>
        <translation>Es wurde kein Dateiname angegeben, daher wurde der Text nicht gespeichert.</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Wiederholung</translation>
    </message>
    <message>
        <source>Word under review, of the words due</source>
        <translation>Wort in der Wiederholung, von den fälligen Wörtern</translation>
    </message>
    <message>
        <source>Foreign word</source>
        <translation>Fremdsprachiges Wort</translation>
    </message>
    <message>
        <source>Result of the review</source>
        <translation>Ergebnis der Wiederholung</translation>
    </message>
    <message>
        <source>Show Answer</source>
        <translation>Antwort zeigen</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Leertaste</translation>
    </message>
    <message>
        <source>I forgot</source>
        <translation>Vergessen</translation>
    </message>
    <message>
        <source>Left arrow or 1</source>
        <translation>Pfeil nach links oder 1</translation>
    </message>
    <message>
        <source>I knew it</source>
        <translation>Gewusst</translation>
    </message>
    <message>
        <source>Right arrow or 2</source>
        <translation>Pfeil nach rechts oder 2</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>%1 reviewed, %2 kept, %3 back to learning</source>
        <translation>%1 wiederholt, %2 behalten, %3 wieder zum Lernen</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Nächstes</translation>
    </message>
    <message>
        <source>Top Only</source>
        <translation>Nur oben</translation>
    </message>
    <message>
        <source>Last take</source>
        <translation>Letzte Aufnahme</translation>
    </message>
    <message>
        <source>No take recorded yet</source>
        <translation>Noch keine Aufnahme</translation>
    </message>
    <message>
        <source>%1 s recorded, %2 s kept</source>
        <translation>%1 s aufgenommen, %2 s behalten</translation>
    </message>
    <message>
        <source>%1 s recorded, all kept</source>
        <translation>%1 s aufgenommen, alles behalten</translation>
    </message>
    <message>
        <source>What the check of the last take noticed</source>
        <translation>Was die Prüfung der letzten Aufnahme bemerkt hat</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Language: %1</source>
        <translation>Sprache: %1</translation>
    </message>
    <message>
        <source>List Name: %1</source>
        <translation>Listenname: %1</translation>
    </message>
    <message>
        <source>Username: %1</source>
        <translation>Benutzer: %1</translation>
    </message>
    <message>
        <source>Multiple Coice</source>
        <translation>Multiple Choice</translation>
    </message>
    <message>
        <source>Spelling Only</source>
        <translation>Nur Rechtschreibung</translation>
    </message>
    <message>
        <source>Fill In The Blank</source>
        <translation>Lückentext</translation>
    </message>
    <message>
        <source>Choose Word List</source>
        <translation>Wortliste wählen</translation>
    </message>
    <message>
        <source>All Words on Selected List</source>
        <translation>Alle Wörter der gewählten Liste</translation>
    </message>
    <message>
        <source>Unkown Words on Selected List</source>
        <translation>Unbekannte Wörter der gewählten Liste</translation>
    </message>
    <message>
        <source>All words in selected language</source>
        <translation>Alle Wörter der gewählten Sprache</translation>
    </message>
    <message>
        <source>Choose Text or Sound</source>
        <translation>Text oder Ton wählen</translation>
    </message>
    <message>
        <source>Show the text of the word</source>
        <translation>Text des Worts zeigen</translation>
    </message>
    <message>
        <source>Play the sound of the word</source>
        <translation>Ton des Worts abspielen</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Beides</translation>
    </message>
    <message>
        <source>Number of Questions</source>
        <translation>Anzahl der Fragen</translation>
    </message>
    <message>
        <source>Time allowed for each question in seconds</source>
        <translation>Zeit pro Frage in Sekunden</translation>
    </message>
    <message>
        <source>Begin Test</source>
        <translation>Test beginnen</translation>
    </message>
    <message>
        <source>Stop Test</source>
        <translation>Test abbrechen</translation>
    </message>
    <message>
        <source>Enter Answer:</source>
        <translation>Antwort eingeben:</translation>
    </message>
    <message>
        <source>Choice %1</source>
        <translation>Auswahl %1</translation>
    </message>
    <message>
        <source>Test word</source>
        <translation>Testwort</translation>
    </message>
    <message>
        <source>Questions asked</source>
        <translation>Gestellte Fragen</translation>
    </message>
    <message>
        <source>Time remaining</source>
        <translation>Verbleibende Zeit</translation>
    </message>
    <message>
        <source>Previous word</source>
        <translation>Vorheriges Wort</translation>
    </message>
    <message>
        <source>The number of questions must be a number greater than 0.</source>
        <translation>Die Anzahl der Fragen muss eine Zahl größer als 0 sein.</translation>
    </message>
    <message>
        <source>The number of questions must be a number greater than 0 and no more than %1.</source>
        <translation>Die Anzahl der Fragen muss eine Zahl größer als 0 und höchstens %1 sein.</translation>
    </message>
    <message>
        <source>The number of seconds per question must be a number greater than 0.</source>
        <translation>Die Sekunden pro Frage müssen eine Zahl größer als 0 sein.</translation>
    </message>
    <message>
        <source>There are no words to test on the chosen word list.</source>
        <translation>In der gewählten Wortliste gibt es keine Wörter zum Abfragen.</translation>
    </message>
    <message>
        <source>Sound file for this word was not found.  Click OK to go to next word or Cancel to stop test.</source>
        <translation>Die Tondatei dieses Worts wurde nicht gefunden.  Klicken Sie auf OK für das nächste Wort oder auf Abbrechen, um den Test zu beenden.</translation>
    </message>
    <message>
        <source>not %1</source>
        <translation>nicht %1</translation>
    </message>
    <message>
        <source>Test finished in %1
%2 of %3 correct %4%</source>
        <translation>Test beendet in %1
%2 von %3 richtig %4%</translation>
    </message>
    <message>
        <source>The result of this test could not be added to the results file.
%1</source>
        <translation>Das Ergebnis dieses Tests konnte nicht in die Ergebnisdatei eingetragen werden.
%1</translation>
    </message>
    <message>
        <source>The speech engine could not start: %1</source>
        <translation>Die Sprachausgabe konnte nicht starten: %1</translation>
    </message>
    <message>
        <source>The voice &quot;%1&quot; could not be used: %2</source>
        <translation>Die Stimme „%1“ konnte nicht verwendet werden: %2</translation>
    </message>
    <message>
        <source>The speech engine could not speak &quot;%1&quot;.</source>
        <translation>Die Sprachausgabe konnte „%1“ nicht sprechen.</translation>
    </message>
    <message>
        <source>The voice &quot;%1&quot; said nothing for &quot;%2&quot;.</source>
        <translation>Die Stimme „%1“ hat für „%2“ nichts gesagt.</translation>
    </message>
    <message>
        <source>Interface Language</source>
        <translation>Sprache der Oberfläche</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>The translation into %1 could not be found, so the interface stays in English.</source>
        <translation>Die Übersetzung für %1 wurde nicht gefunden, daher bleibt die Oberfläche auf Englisch.</translation>
    </message>
    <message numerus="yes">
        <source>%n word was left out: it has no recording and the voice could not speak it.</source>
        <translation>
            <numerusform>%n Wort wurde ausgelassen: Es hat keine Aufnahme, und die Stimme konnte es nicht sprechen.</numerusform>
            <numerusform>%n Wörter wurden ausgelassen: Sie haben keine Aufnahme, und die Stimme konnte sie nicht sprechen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n words were left out: they have no recording and the voice could not speak them.</source>
        <translation>
            <numerusform>%n Wort wurde ausgelassen: Es hat keine Aufnahme, und die Stimme konnte es nicht sprechen.</numerusform>
            <numerusform>%n Wörter wurden ausgelassen: Sie haben keine Aufnahme, und die Stimme konnte sie nicht sprechen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Could not put back the file %1 after a change that was cut short: %2</source>
        <translation>Die Datei %1 konnte nach einer abgebrochenen Änderung nicht wiederhergestellt werden: %2</translation>
    </message>
    <message>
        <source>Silent take</source>
        <translation>Stille Aufnahme</translation>
    </message>
    <message>
        <source>Peak %1 dBFS, drawn at full scale</source>
        <translation>Spitze %1 dBFS, in voller Größe gezeichnet</translation>
    </message>
    <message>
        <source>Peak %1 dBFS, drawn %2 times larger</source>
        <translation>Spitze %1 dBFS, %2-fach vergrößert gezeichnet</translation>
    </message>
    <message>
        <source> (it looked for its data in %1)</source>
        <translation> (ihre Daten wurden in %1 gesucht)</translation>
    </message>
    <message>
        <source>it is not in the package</source>
        <translation>sie ist nicht im Paket</translation>
    </message>
    <message>
        <source>its size cannot be read</source>
        <translation>ihre Größe kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>its collection is not an SQLite database</source>
        <translation>seine Sammlung ist keine SQLite-Datenbank</translation>
    </message>
    <message>
        <source>SQLite cannot be started</source>
        <translation>SQLite kann nicht gestartet werden</translation>
    </message>
    <message>
        <source>the collection does not fit in memory</source>
        <translation>die Sammlung passt nicht in den Speicher</translation>
    </message>
    <message>
        <source>its collection cannot be read (%1)</source>
        <translation>seine Sammlung kann nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>its notes cannot be read (%1)</source>
        <translation>seine Notizen können nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>The Anki deck %1 cannot be imported: %2.</source>
        <translation>Der Anki-Stapel %1 kann nicht importiert werden: %2.</translation>
    </message>
    <message>
        <source>it is not a zip archive</source>
        <translation>er ist kein Zip-Archiv</translation>
    </message>
    <message>
        <source>the zip archive holds no Anki collection</source>
        <translation>das Zip-Archiv enthält keine Anki-Sammlung</translation>
    </message>
    <message>
        <source>its collection is not valid zstd-compressed data</source>
        <translation>seine Sammlung sind keine gültigen zstd-komprimierten Daten</translation>
    </message>
    <message>
        <source>its media list cannot be read (%1)</source>
        <translation>seine Medienliste kann nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>its media list is damaged</source>
        <translation>seine Medienliste ist beschädigt</translation>
    </message>
    <message>
        <source>The media file %1 in %2 cannot be read: %3.</source>
        <translation>Die Mediendatei %1 in %2 kann nicht gelesen werden: %3.</translation>
    </message>
    <message>
        <source>it is not in the package&apos;s media list</source>
        <translation>sie steht nicht in der Medienliste des Pakets</translation>
    </message>
    <message>
        <source>it is not valid zstd-compressed data</source>
        <translation>sie enthält keine gültigen zstd-komprimierten Daten</translation>
    </message>
    <message>
        <source>The Anki deck could not be made: %1</source>
        <translation>Der Anki-Stapel konnte nicht erstellt werden: %1</translation>
    </message>
    <message>
        <source>The list %1 was exported to %2 as an Anki deck of %3 with %4.</source>
        <translation>Die Liste %1 wurde nach %2 als Anki-Stapel mit %3 und %4 exportiert.</translation>
    </message>
    <message numerus="yes">
        <source>%n note</source>
        <translation>
            <numerusform>%n Notiz</numerusform>
            <numerusform>%n Notizen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n notes</source>
        <translation>
            <numerusform>%n Notiz</numerusform>
            <numerusform>%n Notizen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n recording</source>
        <translation>
            <numerusform>%n Aufnahme</numerusform>
            <numerusform>%n Aufnahmen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n recordings</source>
        <translation>
            <numerusform>%n Aufnahme</numerusform>
            <numerusform>%n Aufnahmen</numerusform>
        </translation>
    </message>
    <message>
        <source> 1 entry without a foreign word was left out.</source>
        <translation> 1 Eintrag ohne fremdsprachiges Wort wurde ausgelassen.</translation>
    </message>
    <message>
        <source> %1 entries without a foreign word were left out.</source>
        <translation> %1 Einträge ohne fremdsprachiges Wort wurden ausgelassen.</translation>
    </message>
    <message>
        <source> 1 recording could not be read; its note has no sound.</source>
        <translation> 1 Aufnahme konnte nicht gelesen werden; ihre Notiz hat keinen Ton.</translation>
    </message>
    <message>
        <source> %1 recordings could not be read; their notes have no sound.</source>
        <translation> %1 Aufnahmen konnten nicht gelesen werden; ihre Notizen haben keinen Ton.</translation>
    </message>
    <message>
        <source>Could not make a temporary folder: %1</source>
        <translation>Es konnte kein temporärer Ordner angelegt werden: %1</translation>
    </message>
    <message>
        <source>The list %1 holds no words to export.</source>
        <translation>Die Liste %1 enthält keine Wörter zum Exportieren.</translation>
    </message>
    <message>
        <source>of a note type the deck does not describe</source>
        <translation>eines Notiztyps, den der Stapel nicht beschreibt</translation>
    </message>
    <message>
        <source> will be skipped: </source>
        <translation> werden übersprungen: </translation>
    </message>
    <message>
        <source>Only %1 sound numbers up to 99999 are still free in this language, too few for the new words of this deck. Nothing was imported.</source>
        <translation>In dieser Sprache sind nur noch %1 Tonnummern bis 99999 frei, zu wenige für die neuen Wörter dieses Stapels. Es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>The Anki deck %1 holds no notes. Nothing was imported.</source>
        <translation>Der Anki-Stapel %1 enthält keine Notizen. Es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>No note of the Anki deck %1 gives a word pair with the fields chosen. Nothing was imported.</source>
        <translation>Keine Notiz des Anki-Stapels %1 ergibt mit den gewählten Feldern ein Wortpaar. Es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>Nothing was imported: the files of the language are as they were.</source>
        <translation>Es wurde nichts importiert: Die Dateien der Sprache sind unverändert.</translation>
    </message>
    <message>
        <source>The media file %1 in %2 cannot be converted: %3.</source>
        <translation>Die Mediendatei %1 in %2 kann nicht umgewandelt werden: %3.</translation>
    </message>
    <message>
        <source>Could not make the folder %1.</source>
        <translation>Der Ordner %1 konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>%1 imported into the new list %2, with %3.</source>
        <translation>%1 in die neue Liste %2 importiert, mit %3.</translation>
    </message>
    <message numerus="yes">
        <source>%n word pair was</source>
        <translation>
            <numerusform>%n Wortpaar wurde</numerusform>
            <numerusform>%n Wortpaare wurden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n word pairs were</source>
        <translation>
            <numerusform>%n Wortpaar wurde</numerusform>
            <numerusform>%n Wortpaare wurden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n new recording</source>
        <translation>
            <numerusform>%n neuen Aufnahme</numerusform>
            <numerusform>%n neuen Aufnahmen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n new recordings</source>
        <translation>
            <numerusform>%n neuen Aufnahme</numerusform>
            <numerusform>%n neuen Aufnahmen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of them was</source>
        <translation>
            <numerusform>%n davon war</numerusform>
            <numerusform>%n davon waren</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of them were</source>
        <translation>
            <numerusform>%n davon war</numerusform>
            <numerusform>%n davon waren</numerusform>
        </translation>
    </message>
    <message>
        <source> already in the language and kept its sound number.</source>
        <translation> schon in der Sprache und behielt seine Tonnummer.</translation>
    </message>
    <message numerus="yes">
        <source>%n sound was</source>
        <translation>
            <numerusform>%n Ton wurde</numerusform>
            <numerusform>%n Töne wurden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sounds were</source>
        <translation>
            <numerusform>%n Ton wurde</numerusform>
            <numerusform>%n Töne wurden</numerusform>
        </translation>
    </message>
    <message>
        <source> left out because the word already has a recording.</source>
        <translation> ausgelassen, weil das Wort schon eine Aufnahme hat.</translation>
    </message>
    <message>
        <source> 1 sound named by a note is missing from the deck; that word came without it.</source>
        <translation> 1 Ton, den eine Notiz nennt, fehlt im Stapel; dieses Wort kam ohne ihn.</translation>
    </message>
    <message>
        <source> %1 sounds named by notes are missing from the deck; those words came without them.</source>
        <translation> %1 Töne, die Notizen nennen, fehlen im Stapel; diese Wörter kamen ohne sie.</translation>
    </message>
    <message numerus="yes">
        <source>%n translation sound was</source>
        <translation>
            <numerusform>%n Ton der Übersetzung wurde</numerusform>
            <numerusform>%n Töne der Übersetzungen wurden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n translation sounds were</source>
        <translation>
            <numerusform>%n Ton der Übersetzung wurde</numerusform>
            <numerusform>%n Töne der Übersetzungen wurden</numerusform>
        </translation>
    </message>
    <message>
        <source> left out: the translation is not an entry of the target language.</source>
        <translation> ausgelassen: Die Übersetzung ist kein Eintrag der Zielsprache.</translation>
    </message>
    <message>
        <source>The import was cancelled. %1</source>
        <translation>Der Import wurde abgebrochen. %1</translation>
    </message>
    <message>
        <source>the MP3 decoder cannot be started</source>
        <translation>der MP3-Decoder kann nicht gestartet werden</translation>
    </message>
    <message>
        <source>it is too long for a word&apos;s recording</source>
        <translation>sie ist zu lang für die Aufnahme eines Worts</translation>
    </message>
    <message>
        <source>its MP3 frames change rate or channels part-way</source>
        <translation>ihre MP3-Frames wechseln mittendrin Abtastrate oder Kanäle</translation>
    </message>
    <message>
        <source>it is not a readable MP3 file (%1)</source>
        <translation>sie ist keine lesbare MP3-Datei (%1)</translation>
    </message>
    <message>
        <source>it holds no MP3 audio</source>
        <translation>sie enthält kein MP3-Audio</translation>
    </message>
    <message>
        <source>it is not a readable Ogg Vorbis file</source>
        <translation>sie ist keine lesbare Ogg-Vorbis-Datei</translation>
    </message>
    <message>
        <source>its Ogg Vorbis audio is damaged</source>
        <translation>ihr Ogg-Vorbis-Audio ist beschädigt</translation>
    </message>
    <message>
        <source>the FLAC decoder cannot be started</source>
        <translation>der FLAC-Decoder kann nicht gestartet werden</translation>
    </message>
    <message>
        <source>its FLAC audio is damaged</source>
        <translation>ihr FLAC-Audio ist beschädigt</translation>
    </message>
    <message>
        <source>it is not a WAV file of a kind that can be read (PCM or float)</source>
        <translation>sie ist keine WAV-Datei einer lesbaren Art (PCM oder Gleitkomma)</translation>
    </message>
    <message>
        <source>it is not MP3, Ogg Vorbis, FLAC or WAV audio</source>
        <translation>sie ist kein MP3-, Ogg-Vorbis-, FLAC- oder WAV-Audio</translation>
    </message>
    <message>
        <source>it holds no sound</source>
        <translation>sie enthält keinen Ton</translation>
    </message>
    <message>
        <source>the MP3 encoder failed</source>
        <translation>der MP3-Encoder ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>Anki deck, collection.anki2</source>
        <translation>Anki-Stapel, collection.anki2</translation>
    </message>
    <message>
        <source>Anki deck, collection.anki21</source>
        <translation>Anki-Stapel, collection.anki21</translation>
    </message>
    <message>
        <source>Anki deck, collection.anki21b</source>
        <translation>Anki-Stapel, collection.anki21b</translation>
    </message>
    <message>
        <source>Import Anki Deck</source>
        <translation>Anki-Stapel importieren</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n notes)</source>
        <translation>
            <numerusform>%1 (%n Notiz)</numerusform>
            <numerusform>%1 (%n Notizen)</numerusform>
        </translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Aufnahme</translation>
    </message>
    <message>
        <source>&amp;Note type:</source>
        <translation>&amp;Notiztyp:</translation>
    </message>
    <message>
        <source>The deck holds no notes.</source>
        <translation>Der Stapel enthält keine Notizen.</translation>
    </message>
    <message>
        <source>Choose two different fields for the word and its translation.</source>
        <translation>Wählen Sie zwei verschiedene Felder für das Wort und seine Übersetzung.</translation>
    </message>
    <message>
        <source>%1 word %2 will be imported into a new list of %3, %4 with a recording.</source>
        <translation>%1 %2 werden in eine neue Liste von %3 importiert, %4 mit Aufnahme.</translation>
    </message>
    <message>
        <source>pair</source>
        <translation>Wortpaar</translation>
    </message>
    <message>
        <source>pairs</source>
        <translation>Wortpaare</translation>
    </message>
    <message>
        <source> The first %1 are shown.</source>
        <translation> Die ersten %1 werden angezeigt.</translation>
    </message>
    <message>
        <source>No note will be skipped.</source>
        <translation>Es wird keine Notiz übersprungen.</translation>
    </message>
    <message>
        <source> 1 sound named by a note is missing from the deck; that word comes without it.</source>
        <translation> 1 Ton, den eine Notiz nennt, fehlt im Stapel; dieses Wort kommt ohne ihn.</translation>
    </message>
    <message>
        <source> %1 sounds named by notes are missing from the deck; those words come without them.</source>
        <translation> %1 Töne, die Notizen nennen, fehlen im Stapel; diese Wörter kommen ohne sie.</translation>
    </message>
    <message>
        <source>Converting the deck&apos;s sounds into recordings...</source>
        <translation>Die Töne des Stapels werden in Aufnahmen umgewandelt...</translation>
    </message>
    <message>
        <source>Sounds converted</source>
        <translation>Umgewandelte Töne</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Wird abgebrochen...</translation>
    </message>
    <message>
        <source>Import &amp;Anki Deck...</source>
        <translation>&amp;Anki-Stapel importieren...</translation>
    </message>
    <message>
        <source>Export as Anki &amp;Deck...</source>
        <translation>Als Anki-&amp;Stapel exportieren...</translation>
    </message>
    <message>
        <source>Anki decks (*.apkg)</source>
        <translation>Anki-Stapel (*.apkg)</translation>
    </message>
    <message>
        <source>;;All files (*)</source>
        <translation>;;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>An Anki deck is being imported. Please wait until it is done, then try again.</source>
        <translation>Gerade wird ein Anki-Stapel importiert. Bitte warten Sie, bis er fertig ist, und versuchen Sie es dann noch einmal.</translation>
    </message>
    <message>
        <source>Export as Anki Deck</source>
        <translation>Als Anki-Stapel exportieren</translation>
    </message>
    <message>
        <source>The recording %1 could not be read: %2</source>
        <translation>Die Aufnahme %1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>die Datei gibt es nicht</translation>
    </message>
    <message>
        <source>Say It needs the word&apos;s recording, and this word has no sound number.</source>
        <translation>„Sprich es“ braucht die Aufnahme des Worts, und dieses Wort hat keine Tonnummer.</translation>
    </message>
    <message>
        <source>Say It needs the word&apos;s recording, and this word has none. Turning on the voice for words without a recording lets you practise it against the voice.</source>
        <translation>„Sprich es“ braucht die Aufnahme des Worts, und dieses Wort hat keine. Wenn Sie die Stimme für Wörter ohne Aufnahme einschalten, können Sie es mit der Stimme üben.</translation>
    </message>
    <message>
        <source>No microphone was found</source>
        <translation>Es wurde kein Mikrofon gefunden</translation>
    </message>
    <message>
        <source>The recording could not be stopped.</source>
        <translation>Die Aufnahme konnte nicht beendet werden.</translation>
    </message>
    <message>
        <source>The recording could not be read.</source>
        <translation>Die Aufnahme konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Your take was too loud and is clipped. Move back from the microphone or turn its level down, then try again.</source>
        <translation>Ihre Aufnahme war zu laut und ist übersteuert. Gehen Sie weiter vom Mikrofon weg oder regeln Sie es leiser und versuchen Sie es dann noch einmal.</translation>
    </message>
    <message>
        <source>Nothing was heard. Say the word when &quot;Speak&quot; shows.</source>
        <translation>Es war nichts zu hören. Sprechen Sie das Wort, wenn „Sprechen“ erscheint.</translation>
    </message>
    <message>
        <source>Your take was too quiet to compare. Speak closer to the microphone or turn its level up, then try again.</source>
        <translation>Ihre Aufnahme war zu leise für einen Vergleich. Sprechen Sie näher am Mikrofon oder regeln Sie es lauter und versuchen Sie es dann noch einmal.</translation>
    </message>
    <message>
        <source>Your take was too short to compare. Say the whole word when &quot;Speak&quot; shows.</source>
        <translation>Ihre Aufnahme war zu kurz für einen Vergleich. Sprechen Sie das ganze Wort, wenn „Sprechen“ erscheint.</translation>
    </message>
    <message>
        <source>Your take could not be kept: the word&apos;s sound number &quot;%1&quot; cannot name a file.</source>
        <translation>Ihre Aufnahme konnte nicht behalten werden: Die Tonnummer „%1“ des Worts kann keine Datei benennen.</translation>
    </message>
    <message>
        <source>Your take could not be kept: the folder %1 could not be made.</source>
        <translation>Ihre Aufnahme konnte nicht behalten werden: Der Ordner %1 konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Your take could not be kept: the MP3 encoder failed.</source>
        <translation>Ihre Aufnahme konnte nicht behalten werden: Der MP3-Encoder ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Your take could not be kept.<byte value="xd"/>
%1</source>
        <translation>Ihre Aufnahme konnte nicht behalten werden.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Very close</source>
        <translation>Sehr nah dran</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Noch einmal versuchen</translation>
    </message>
    <message>
        <source>Say It</source>
        <translation>Sprich es</translation>
    </message>
    <message>
        <source>Key S</source>
        <translation>Taste S</translation>
    </message>
    <message>
        <source>Say It practises the word on the card, and no word is shown.</source>
        <translation>„Sprich es“ übt das Wort auf der Karte, und es wird kein Wort angezeigt.</translation>
    </message>
    <message>
        <source>Space: Show Answer    Right or 2: I knew it    Left or 1: I forgot    S: Say It    Escape: close</source>
        <translation>Leertaste: Antwort zeigen    Rechts oder 2: Gewusst    Links oder 1: Vergessen    S: Sprich es    Esc: Schließen</translation>
    </message>
    <message>
        <source>Key %1</source>
        <translation>Taste %1</translation>
    </message>
    <message>
        <source>The recording and your take</source>
        <translation>Die Aufnahme und Ihre Aufnahme</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>no speech</source>
        <translation>keine Sprache</translation>
    </message>
    <message>
        <source>Recording: %1 spoken.</source>
        <translation>Aufnahme: %1 gesprochen.</translation>
    </message>
    <message>
        <source>No recording.</source>
        <translation>Keine Aufnahme.</translation>
    </message>
    <message>
        <source> Your take: %1 spoken, drawn on the recording&apos;s time scale.</source>
        <translation> Ihre Aufnahme: %1 gesprochen, auf der Zeitachse der Vorlage gezeichnet.</translation>
    </message>
    <message>
        <source> No take yet.</source>
        <translation> Noch keine eigene Aufnahme.</translation>
    </message>
    <message>
        <source>Your take</source>
        <translation>Ihre Aufnahme</translation>
    </message>
    <message>
        <source>Word to say</source>
        <translation>Zu sprechendes Wort</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>Countdown</translation>
    </message>
    <message>
        <source>What the drawing shows</source>
        <translation>Was die Zeichnung zeigt</translation>
    </message>
    <message>
        <source>Orange: pitch. The score compares your take with one recording of one speaker; it is not a judgement of your pronunciation.</source>
        <translation>Orange: Tonhöhe. Die Punktzahl vergleicht Ihre Aufnahme mit einer Aufnahme eines einzigen Sprechers; sie ist kein Urteil über Ihre Aussprache.</translation>
    </message>
    <message>
        <source>Score out of 100</source>
        <translation>Punktzahl von 100</translation>
    </message>
    <message>
        <source>How close your take is</source>
        <translation>Wie nah Ihre Aufnahme dran ist</translation>
    </message>
    <message>
        <source>Where your take was kept</source>
        <translation>Wo Ihre Aufnahme gespeichert wurde</translation>
    </message>
    <message>
        <source>Hear the recording</source>
        <translation>Aufnahme anhören</translation>
    </message>
    <message>
        <source>Hear my take</source>
        <translation>Meine Aufnahme anhören</translation>
    </message>
    <message>
        <source>Hear both</source>
        <translation>Beide anhören</translation>
    </message>
    <message>
        <source>Say it again</source>
        <translation>Noch einmal sprechen</translation>
    </message>
    <message>
        <source>Keep my take</source>
        <translation>Meine Aufnahme behalten</translation>
    </message>
    <message>
        <source>Get ready</source>
        <translation>Achtung</translation>
    </message>
    <message>
        <source>Speak: %1 s</source>
        <translation>Sprechen: %1 s</translation>
    </message>
    <message>
        <source>The recording of this word is silent, so there is nothing to compare with.</source>
        <translation>Die Aufnahme dieses Worts ist stumm, es gibt also nichts zu vergleichen.</translation>
    </message>
    <message>
        <source>Your take was kept as %1</source>
        <translation>Ihre Aufnahme wurde als %1 behalten</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>how near the take is</comment>
        <translation>Nah dran</translation>
    </message>
    <message>
        <source>No words are due for review today, so no MP3 was made.</source>
        <translation>Heute ist kein Wort zur Wiederholung fällig, daher wurde keine MP3-Datei erstellt.</translation>
    </message>
    <message>
        <source>Today&apos;s review could not be saved.<byte value="xd"/>
%1</source>
        <translation>Die heutige Wiederholung konnte nicht gespeichert werden.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>None of the %1 words due today has a sound, so no MP3 was made.</source>
        <translation>Keines der %1 heute fälligen Wörter hat einen Ton, daher wurde keine MP3-Datei erstellt.</translation>
    </message>
    <message>
        <source>Today&apos;s review is ready: %1 %2, playing %3.</source>
        <translation>Die heutige Wiederholung ist fertig: %1 %2, Spieldauer %3.</translation>
    </message>
    <message>
        <source>word</source>
        <translation>Wort</translation>
    </message>
    <message>
        <source>words</source>
        <translation>Wörter</translation>
    </message>
    <message>
        <source> %1 of the words due had no sound and were left out.</source>
        <translation> %1 der fälligen Wörter hatten keinen Ton und wurden ausgelassen.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
It was saved as %1, with its captions beside it.</source>
        <translation><byte value="xd"/>
Sie wurde als %1 gespeichert, die Untertitel daneben.</translation>
    </message>
    <message>
        <source>Today&apos;s &amp;Review as MP3...</source>
        <translation>Heutige Wiede&amp;rholung als MP3...</translation>
    </message>
    <message>
        <source>&amp;Speech Speed</source>
        <translation>&amp;Sprechtempo</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Today&apos;s Review as MP3</source>
        <translation>Heutige Wiederholung als MP3</translation>
    </message>
    <message>
        <source>Saves the words due today as an MP3 with captions; the review itself is not changed</source>
        <translation>Speichert die heute fälligen Wörter als MP3 mit Untertiteln; die Wiederholung selbst bleibt unverändert</translation>
    </message>
    <message>
        <source>Choose a language first.</source>
        <translation>Wählen Sie zuerst eine Sprache.</translation>
    </message>
</context>
</TS>
