<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Quillory</name>
    <message>
        <source>The sample recordings could not be copied into %1: %2 could not be written.</source>
        <translation>Les enregistrements d&apos;exemple n&apos;ont pas pu être copiés dans %1 : impossible d&apos;écrire %2.</translation>
    </message>
    <message>
        <source>The sample languages could not be copied into %1: %2</source>
        <translation>Les langues d&apos;exemple n&apos;ont pas pu être copiées dans %1 : %2</translation>
    </message>
    <message>
        <source>The sample languages could not be copied into %1: %2 could not be copied.</source>
        <translation>Les langues d&apos;exemple n&apos;ont pas pu être copiées dans %1 : impossible de copier %2.</translation>
    </message>
    <message>
        <source>The sample languages could not be moved into place in %1.</source>
        <translation>Les langues d&apos;exemple n&apos;ont pas pu être mises en place dans %1.</translation>
    </message>
    <message>
        <source>The data folder %1 could not be made; nothing can be kept. Start Quillory with --data and a folder that can be written.</source>
        <translation>Le dossier de données %1 n&apos;a pas pu être créé ; rien ne peut être conservé. Lancez Quillory avec --data et un dossier accessible en écriture.</translation>
    </message>
    <message>
        <source>How many times should words be repeated before going to the next word? Recommended ranges are from 3 to 30.</source>
        <translation>Combien de fois faut-il répéter les mots avant de passer au suivant ? Il est conseillé de choisir entre 3 et 30.</translation>
    </message>
    <message>
        <source>That was too few or too many. It is now set to 3.</source>
        <translation>C&apos;était trop peu ou trop. La valeur est maintenant 3.</translation>
    </message>
    <message>
        <source>Not enough files had sound files</source>
        <translation>Trop peu de mots ont un fichier son</translation>
    </message>
    <message numerus="yes">
        <source>%n words remain on this list</source>
        <translation>
            <numerusform>%n mot restant dans cette liste</numerusform>
            <numerusform>%n mots restants dans cette liste</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Words</source>
        <translation>
            <numerusform>%n mot</numerusform>
            <numerusform>%n mots</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n words added</source>
        <translation>
            <numerusform>%n mot ajouté</numerusform>
            <numerusform>%n mots ajoutés</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>%1 sec</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Could not write the file %1.</source>
        <translation>Impossible d&apos;écrire le fichier %1.</translation>
    </message>
    <message>
        <source>How long should the pause between words be (in seconds)?  Use 0.1 for a quick speed and 2 for slow. For phrases, it needs to be 1 or higher.</source>
        <translation>Quelle doit être la durée de la pause entre les mots (en secondes) ?  Utilisez 0.1 pour un rythme rapide et 2 pour un rythme lent. Pour des phrases, il faut au moins 1.</translation>
    </message>
    <message>
        <source>How long should the pause between words be (in seconds)? Use 0.1 for a quick speed and 2 for slow. For phrases, it needs to be 1 or higher.</source>
        <translation>Quelle doit être la durée de la pause entre les mots (en secondes) ? Utilisez 0.1 pour un rythme rapide et 2 pour un rythme lent. Pour des phrases, il faut au moins 1.</translation>
    </message>
    <message>
        <source>Speed Bump</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>That was less than 0.01 or more than 10. It&apos;s been set to .2 second.</source>
        <translation>La valeur était inférieure à 0.01 ou supérieure à 10. Elle est maintenant de 0.2 seconde.</translation>
    </message>
    <message>
        <source>That was less than 0.01 or more than 10. It&apos;s been set to .1 second.</source>
        <translation>La valeur était inférieure à 0.01 ou supérieure à 10. Elle est maintenant de 0.1 seconde.</translation>
    </message>
    <message>
        <source>This plays just the top word.</source>
        <translation>Seul le mot du haut est désormais lu.</translation>
    </message>
    <message>
        <source>If both language&apos;s sound files are installed, this plays both the top and bottom words.</source>
        <translation>Si les fichiers son des deux langues sont installés, le mot du haut et celui du bas sont désormais lus.</translation>
    </message>
    <message>
        <source>How many times should the foreign word be played before the translation is played?  This works only if both languages are installed.</source>
        <translation>Combien de fois faut-il lire le mot étranger avant la traduction ?  Cela ne fonctionne que si les deux langues sont installées.</translation>
    </message>
    <message>
        <source>How many times should the top word be played before the bottom word is played?   This works only if both languages are installed.</source>
        <translation>Combien de fois faut-il lire le mot du haut avant celui du bas ?   Cela ne fonctionne que si les deux langues sont installées.</translation>
    </message>
    <message>
        <source>How many times should the TOP word play before showing the TOP word&apos;s text?  Enter only a number.</source>
        <translation>Combien de fois le mot du HAUT doit-il être lu avant d&apos;afficher son texte ?  Saisissez uniquement un nombre.</translation>
    </message>
    <message>
        <source>How many times should the TOP word play before showing the BOTTOM word&apos;s text?  Enter only a number.</source>
        <translation>Combien de fois le mot du HAUT doit-il être lu avant d&apos;afficher le texte du mot du BAS ?  Saisissez uniquement un nombre.</translation>
    </message>
    <message>
        <source>This will create an mp3 file for your portable mp3 player. It is not useful unless you have the sound files for both languages.  The mp3 file this creates will be stored in the quillory folder and called out_file.mp3.  What you heard before seeing this message is what the mp3 will sound like. You can click cancel now to listen to check if the current &apos;repeat&apos;, &apos;speed&apos;, and &apos;interlace&apos; settings are what you want. I recommend the settings to be 6, 0.4, and 1.  This means each foreign word will be played 6 times with a pause of 0.4 seconds between words and the translation will be spoken (&apos;interlaced&apos;) every 1 times the foreign word is spoken. If you want to create the mp3 file now, enter the number of words you want in the mp3 file in the blank below and click OK.  I recommend 50.</source>
        <translation>Ceci va créer un fichier mp3 pour votre baladeur. Ce n&apos;est utile que si vous avez les fichiers son des deux langues.  Le fichier mp3 sera enregistré dans le dossier de quillory sous le nom out_file.mp3.  Ce que vous avez entendu avant ce message correspond à ce que contiendra le mp3. Vous pouvez cliquer sur Annuler maintenant pour écouter et vérifier si les réglages actuels « répétitions », « vitesse » et « intercaler » vous conviennent. Je conseille les valeurs 6, 0.4 et 1.  Chaque mot étranger sera alors lu 6 fois avec une pause de 0.4 seconde entre les mots, et la traduction sera prononcée (« intercalée ») après chaque lecture du mot étranger. Si vous voulez créer le fichier mp3 maintenant, saisissez ci-dessous le nombre de mots qu&apos;il doit contenir et cliquez sur OK.  Je conseille 50.</translation>
    </message>
    <message>
        <source>When the recording is completed, the flash cards will resume normal mode and begin playing aloud.  When this finishes, rename out_file.mp3 if you don&apos;t want it deleted the next time you use this function.</source>
        <translation>Une fois l&apos;enregistrement terminé, les cartes reviendront au mode normal et recommenceront à lire à voix haute.  Ensuite, renommez out_file.mp3 si vous ne voulez pas qu&apos;il soit supprimé la prochaine fois que vous utiliserez cette fonction.</translation>
    </message>
    <message>
        <source>Action has been cancelled</source>
        <translation>L&apos;action a été annulée</translation>
    </message>
    <message>
        <source>This will create MP3 files for the current word list in blocks of 100 words.  The mp3 files will be stored in the quillory folder and named 100words1.mp3, 100words2.mp3 etc.  If these files already exit from a previous session, they will be deleted.</source>
        <translation>Ceci va créer des fichiers MP3 de la liste de mots actuelle par blocs de 100 mots.  Les fichiers mp3 seront enregistrés dans le dossier de quillory sous les noms 100words1.mp3, 100words2.mp3, etc.  S&apos;ils existent déjà d&apos;une session précédente, ils seront supprimés.</translation>
    </message>
    <message>
        <source>How many times should each word be repeated?  I recommend 5.  Type only a number. It may take 5 minutes for this operation to complete if you select 5 repeats and there are 1000 words on this word list.  With a setting of 5, each mp3 file is 4 MB and 15 minuutes long (for word lists, not phrases).  There will a message to let you know when it&apos;s complete.  You may click cancel to stop this operation.</source>
        <translation>Combien de fois faut-il répéter chaque mot ?  Je conseille 5.  Saisissez uniquement un nombre. L&apos;opération peut prendre 5 minutes si vous choisissez 5 répétitions et que la liste compte 1000 mots.  Avec la valeur 5, chaque fichier mp3 fait 4 Mo et dure 15 minutes (pour des listes de mots, pas de phrases).  Un message vous préviendra à la fin.  Vous pouvez cliquer sur Annuler pour arrêter l&apos;opération.</translation>
    </message>
    <message>
        <source>How many seconds of silence should there be between words?  Enter zero &quot;0&quot; for no pause between words (it&apos;s fast) or 0.5 for a little bit of a pause.</source>
        <translation>Combien de secondes de silence faut-il entre les mots ?  Saisissez zéro « 0 » pour aucune pause (c&apos;est rapide) ou 0.5 pour une petite pause.</translation>
    </message>
    <message numerus="yes">
        <source>%n words completed</source>
        <translation>
            <numerusform>%n mot terminé</numerusform>
            <numerusform>%n mots terminés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files have been completed.</source>
        <translation>
            <numerusform>%n fichier a été terminé.</numerusform>
            <numerusform>%n fichiers ont été terminés.</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot call this command after FSOUND_Init.  Call FSOUND_Close first.</source>
        <translation>Impossible d&apos;appeler cette commande après FSOUND_Init.  Appelez d&apos;abord FSOUND_Close.</translation>
    </message>
    <message>
        <source>This command failed because FSOUND_Init was not called</source>
        <translation>Cette commande a échoué parce que FSOUND_Init n&apos;a pas été appelé</translation>
    </message>
    <message>
        <source>Error initializing output device.</source>
        <translation>Erreur lors de l&apos;initialisation du périphérique de sortie.</translation>
    </message>
    <message>
        <source>The output device is already in use and cannot be reused.</source>
        <translation>Le périphérique de sortie est déjà utilisé et ne peut pas être réutilisé.</translation>
    </message>
    <message>
        <source>Playing the sound failed.</source>
        <translation>La lecture du son a échoué.</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <source>Unknown file format</source>
        <translation>Format de fichier inconnu</translation>
    </message>
    <message>
        <source>Error loading file</source>
        <translation>Erreur lors du chargement du fichier</translation>
    </message>
    <message>
        <source>Not enough memory </source>
        <translation>Mémoire insuffisante </translation>
    </message>
    <message>
        <source>An invalid parameter was passed to this function</source>
        <translation>Un paramètre non valide a été passé à cette fonction</translation>
    </message>
    <message>
        <source>Failed to allocate a new channel</source>
        <translation>Impossible d&apos;allouer un nouveau canal</translation>
    </message>
    <message>
        <source>Recording is not supported on this machine</source>
        <translation>L&apos;enregistrement n&apos;est pas pris en charge sur cet ordinateur</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Mode d&apos;emploi</translation>
    </message>
    <message>
        <source>First select a language to learn by clicking on its name at the top left. Lists of words for that language will then appear.  Click on one of the lists to see the words on that list. Click on a word to hear it. Click on &apos;flash cards&apos; to randomnly play words on the selected list.  You can double-click on a word to move it from the &apos;unknown&apos; list to the &apos;known&apos; list. The program remembers which words you have marked as &apos;known&apos; for the next time you run the program. You can review the words you&apos;ve marked as &apos;known&apos; and double-click on them to move them back onto the &apos;unknown&apos; list. </source>
        <translation>Choisissez d&apos;abord une langue à apprendre en cliquant sur son nom en haut à gauche. Les listes de mots de cette langue apparaissent alors.  Cliquez sur une des listes pour voir ses mots. Cliquez sur un mot pour l&apos;entendre. Cliquez sur « cartes » pour lire au hasard les mots de la liste choisie.  Un double-clic sur un mot le fait passer de la liste « inconnus » à la liste « connus ». Le programme retient les mots que vous avez marqués comme « connus » pour la prochaine fois. Vous pouvez revoir les mots marqués comme « connus » et, d&apos;un double-clic, les renvoyer dans la liste « inconnus ». </translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>For general instructions on how to use the program, click on Instructions. For additional words, go to %1.  For additional help contact %2 at %3 or %4.</source>
        <translation>Pour des instructions générales sur le programme, cliquez sur Mode d&apos;emploi. Pour obtenir d&apos;autres mots, rendez-vous sur %1.  Pour toute autre aide, contactez %2 à l&apos;adresse %3 ou au %4.</translation>
    </message>
    <message>
        <source>See the Help section if this information does not solve the problem.  The program depends on the sound files and word lists to be in a certain location relative to the quillory program.  The following files have to be in the indicated sub-folders relative to the quillory program. 

quillory		in &apos;quillory&apos; folder
SDL2, SDL2_mixer		installed with the system (libsdl2, libsdl2-mixer)
mp3 and wav sound files	example: quillory/languages/spanish/01/01436.mp3
text files of word lists	example: quillory/languages/spanish/most_common_words.txt
the users known word lists	example: quillory/users/kestrel/spanish/most_common_words-u.txt</source>
        <translation>Consultez la section Aide si ces informations ne résolvent pas le problème.  Le programme a besoin que les fichiers son et les listes de mots se trouvent à un endroit précis par rapport au programme quillory.  Les fichiers suivants doivent se trouver dans les sous-dossiers indiqués par rapport au programme quillory. 

quillory		dans le dossier &apos;quillory&apos;
SDL2, SDL2_mixer		installées avec le système (libsdl2, libsdl2-mixer)
fichiers son mp3 et wav	exemple : quillory/languages/spanish/01/01436.mp3
fichiers texte des listes de mots	exemple : quillory/languages/spanish/most_common_words.txt
listes des mots connus de l&apos;utilisateur	exemple : quillory/users/kestrel/spanish/most_common_words-u.txt</translation>
    </message>
    <message>
        <source>Troubleshooting</source>
        <translation>Dépannage</translation>
    </message>
    <message>
        <source>About %1 Vocabulary Tutor</source>
        <translation>À propos de %1, tuteur de vocabulaire</translation>
    </message>
    <message>
        <source>Quillory version %1 %2. </source>
        <translation>Quillory, version %1 %2. </translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1 : fichier inexistant</translation>
    </message>
    <message>
        <source>%1 does not provide %2</source>
        <translation>%1 ne fournit pas %2</translation>
    </message>
    <message>
        <source>The cipher library %1 could not be used, so recordings cannot be enciphered or deciphered (%2).</source>
        <translation>La bibliothèque de chiffrement %1 n&apos;a pas pu être utilisée ; les enregistrements ne peuvent donc être ni chiffrés ni déchiffrés (%2).</translation>
    </message>
    <message>
        <source>The folder %1 could not be created.</source>
        <translation>Le dossier %1 n&apos;a pas pu être créé.</translation>
    </message>
    <message>
        <source>Could not read the file %1.</source>
        <translation>Impossible de lire le fichier %1.</translation>
    </message>
    <message>
        <source>This button is for the user to add their own language to the Quillory program.  It&apos;s best to first email me at %1 or call me at %2 to find out if I already have word lists for the language you want to add.  If you want to begin work on a new language, what do you want to call it?  Use 8 or fewer english letters and numbers, but not spaces.</source>
        <translation>Ce bouton permet d&apos;ajouter votre propre langue au programme Quillory.  Le mieux est de m&apos;écrire d&apos;abord à %1 ou de m&apos;appeler au %2 pour savoir si j&apos;ai déjà des listes de mots pour la langue que vous voulez ajouter.  Si vous voulez commencer à travailler sur une nouvelle langue, comment voulez-vous l&apos;appeler ?  Utilisez au plus 8 lettres anglaises et chiffres, sans espaces.</translation>
    </message>
    <message>
        <source>language name</source>
        <translation>nom de la langue</translation>
    </message>
    <message>
        <source>That language already exits.  Please choose another name.</source>
        <translation>Cette langue existe déjà.  Choisissez un autre nom.</translation>
    </message>
    <message>
        <source>You need to connect this new language to a &apos;target&apos; language. The target language will be the other language in this language pair that the students already know.  Usually, the target language will be english.  If the target language you type below already exists on this computer, you will not have to type those target translations or record the target sounds.  What is the &apos;target&apos; language?  Be sure to spell it correctly.  The name must be 8 or fewer english letters.</source>
        <translation>Vous devez associer cette nouvelle langue à une langue « cible ». La langue cible est l&apos;autre langue de cette paire, celle que les élèves connaissent déjà.  En général, c&apos;est l&apos;anglais (english).  Si la langue cible que vous saisissez ci-dessous existe déjà sur cet ordinateur, vous n&apos;aurez pas à saisir ses traductions ni à enregistrer ses sons.  Quelle est la langue « cible » ?  Veillez à bien l&apos;orthographier.  Le nom doit compter au plus 8 lettres anglaises.</translation>
    </message>
    <message>
        <source>target language name</source>
        <translation>nom de la langue cible</translation>
    </message>
    <message>
        <source>That language folder is not on this computer, but your selection is being recorded.</source>
        <translation>Ce dossier de langue n&apos;est pas sur cet ordinateur, mais votre choix est enregistré.</translation>
    </message>
    <message>
        <source>Thank you, that language was found on this computer.  Words lists from that language will now be formatted to be used in the new language you are adding so that the exiting words/phrases of the student&apos;s native language do not have to be retyped.  After clicking OK below you can select the new language in the list of languages, then select one of the word lists, and then select &apos;Record and Edit&apos; to type the translations and record words for the new language.</source>
        <translation>Merci, cette langue est présente sur cet ordinateur.  Ses listes de mots vont maintenant être préparées pour la nouvelle langue que vous ajoutez, afin que les mots et phrases existants dans la langue maternelle des élèves n&apos;aient pas à être saisis de nouveau.  Après avoir cliqué sur OK, vous pourrez choisir la nouvelle langue dans la liste des langues, puis une des listes de mots, puis « Enregistrer et modifier » pour saisir les traductions et enregistrer les mots de la nouvelle langue.</translation>
    </message>
    <message>
        <source>First select a language.</source>
        <translation>Choisissez d&apos;abord une langue.</translation>
    </message>
    <message>
        <source>This creates a new word/phrase list to be added to the currently selected language (%1).  If this is not what you want to do, click cancel.  After creating this new list, you can add words and phrases to it using the &apos;Record and Edit Selected List&apos; button. What is the name of the new list?  Use only english characters and numbers.</source>
        <translation>Ceci crée une nouvelle liste de mots ou de phrases pour la langue choisie (%1).  Si ce n&apos;est pas ce que vous voulez faire, cliquez sur Annuler.  Après avoir créé la liste, vous pourrez y ajouter des mots et des phrases avec le bouton « Enregistrer et modifier la liste choisie ». Quel est le nom de la nouvelle liste ?  Utilisez uniquement des lettres anglaises et des chiffres.</translation>
    </message>
    <message>
        <source>list name</source>
        <translation>nom de la liste</translation>
    </message>
    <message>
        <source>That list already exists for this language.  Please choose another list name.</source>
        <translation>Cette liste existe déjà pour cette langue.  Choisissez un autre nom de liste.</translation>
    </message>
    <message>
        <source>%1 %2 (%3 %4)</source>
        <translation>%1 %2 (%3 %4)</translation>
    </message>
    <message>
        <source>line</source>
        <translation>ligne</translation>
    </message>
    <message>
        <source>lines</source>
        <translation>lignes</translation>
    </message>
    <message>
        <source>with an empty field</source>
        <translation>avec un champ vide</translation>
    </message>
    <message>
        <source>with &quot;|&quot; inside a field</source>
        <translation>avec « | » dans un champ</translation>
    </message>
    <message>
        <source>with a line break inside a field</source>
        <translation>avec un saut de ligne dans un champ</translation>
    </message>
    <message>
        <source>repeating a pair above</source>
        <translation>répétant une paire précédente</translation>
    </message>
    <message>
        <source>beyond the %1 pairs one list holds</source>
        <translation>au-delà des %1 paires que contient une liste</translation>
    </message>
    <message numerus="yes">
        <source>%n entry will be skipped: %1.</source>
        <translation>
            <numerusform>%n entrée sera ignorée : %1.</numerusform>
            <numerusform>%n entrées seront ignorées : %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries will be skipped: %1.</source>
        <translation>
            <numerusform>%n entrée sera ignorée : %1.</numerusform>
            <numerusform>%n entrées seront ignorées : %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line will be skipped: %1.</source>
        <translation>
            <numerusform>%n ligne sera ignorée : %1.</numerusform>
            <numerusform>%n lignes seront ignorées : %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lines will be skipped: %1.</source>
        <translation>
            <numerusform>%n ligne sera ignorée : %1.</numerusform>
            <numerusform>%n lignes seront ignorées : %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Please type a name for the new list.</source>
        <translation>Saisissez un nom pour la nouvelle liste.</translation>
    </message>
    <message>
        <source>There are no word pairs to import.</source>
        <translation>Il n&apos;y a aucune paire de mots à importer.</translation>
    </message>
    <message>
        <source>Could not read the file %1: %2</source>
        <translation>Impossible de lire le fichier %1 : %2</translation>
    </message>
    <message>
        <source>The file %1 does not hold a sound number. Please correct it so that it holds the next free number, for example 70000.</source>
        <translation>Le fichier %1 ne contient pas de numéro de son. Corrigez-le pour qu&apos;il contienne le prochain numéro libre, par exemple 70000.</translation>
    </message>
    <message>
        <source>Only %1 sound numbers up to 99999 are still free in this language, too few for the new words of this file. Nothing was imported.</source>
        <translation>Il ne reste que %1 numéros de son libres jusqu&apos;à 99999 dans cette langue, trop peu pour les nouveaux mots de ce fichier. Rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
Nothing was imported: the files of the language are as they were.</source>
        <translation>%1<byte value="xd"/>
Rien n&apos;a été importé : les fichiers de la langue sont restés tels quels.</translation>
    </message>
    <message numerus="yes">
        <source>%n word pair was imported into the new list %1.</source>
        <translation>
            <numerusform>%n paire de mots a été importée dans la nouvelle liste %1.</numerusform>
            <numerusform>%n paires de mots ont été importées dans la nouvelle liste %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n word pairs were imported into the new list %1.</source>
        <translation>
            <numerusform>%n paire de mots a été importée dans la nouvelle liste %1.</numerusform>
            <numerusform>%n paires de mots ont été importées dans la nouvelle liste %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of them was already in the language and kept its sound number.</source>
        <translation>
            <numerusform>%n d&apos;entre elles était déjà dans la langue et a gardé son numéro de son.</numerusform>
            <numerusform>%n d&apos;entre elles étaient déjà dans la langue et ont gardé leur numéro de son.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of them were already in the language and kept its sound number.</source>
        <translation>
            <numerusform>%n d&apos;entre elles était déjà dans la langue et a gardé son numéro de son.</numerusform>
            <numerusform>%n d&apos;entre elles étaient déjà dans la langue et ont gardé leur numéro de son.</numerusform>
        </translation>
    </message>
    <message>
        <source>Could not read the file %1</source>
        <translation>Impossible de lire le fichier %1</translation>
    </message>
    <message>
        <source>The cipher library could not be loaded: %1</source>
        <translation>La bibliothèque de chiffrement n&apos;a pas pu être chargée : %1</translation>
    </message>
    <message>
        <source>The cipher library reported error %1.</source>
        <translation>La bibliothèque de chiffrement a signalé l&apos;erreur %1.</translation>
    </message>
    <message>
        <source>The archive %1 cannot be opened: %2</source>
        <translation>Impossible d&apos;ouvrir l&apos;archive %1 : %2</translation>
    </message>
    <message>
        <source>The archive %1 is incomplete.</source>
        <translation>L&apos;archive %1 est incomplète.</translation>
    </message>
    <message>
        <source>Could not copy %1 to %2.</source>
        <translation>Impossible de copier %1 vers %2.</translation>
    </message>
    <message>
        <source>Could not copy %1 to %2: %3</source>
        <translation>Impossible de copier %1 vers %2 : %3</translation>
    </message>
    <message>
        <source>The archive %1 cannot be written: %2</source>
        <translation>Impossible d&apos;écrire l&apos;archive %1 : %2</translation>
    </message>
    <message>
        <source>Currently the program is working on %1.  Please wait about 5 seconds before clicking &apos;OK&apos; below.</source>
        <translation>Le programme traite actuellement %1.  Attendez environ 5 secondes avant de cliquer sur « OK » ci-dessous.</translation>
    </message>
    <message>
        <source>Use this function AFTER you have finished recording ALL the words and phrases for the %1 language.  Clicking &apos;OK&apos; below will place the recordings in the folder called %2.  Please email all the &apos;str&apos; zip files to me at %3. Do not email zip files to %4 because my spam filter may block them.  It is best to email the files one at a time in a seperate email because they are big files.  <byte value="xd"/><byte value="xd"/>Click &apos;OK&apos; to run this function or &apos;Cancel&apos; to go back.</source>
        <translation>Utilisez cette fonction APRÈS avoir enregistré TOUS les mots et phrases de la langue %1.  En cliquant sur « OK », les enregistrements seront placés dans le dossier %2.  Envoyez-moi tous les fichiers zip &apos;str&apos; par e-mail à %3. N&apos;envoyez pas de fichiers zip à %4, car mon filtre antispam risque de les bloquer.  Il vaut mieux envoyer les fichiers un par un, dans des e-mails séparés, car ils sont volumineux.  <byte value="xd"/><byte value="xd"/>Cliquez sur « OK » pour lancer cette fonction ou sur « Annuler » pour revenir en arrière.</translation>
    </message>
    <message>
        <source>The action has been cancelled.</source>
        <translation>L&apos;action a été annulée.</translation>
    </message>
    <message>
        <source>The folder %1 holds no files to pack.</source>
        <translation>Le dossier %1 ne contient aucun fichier à archiver.</translation>
    </message>
    <message>
        <source>The program is busy.  Please wait 3 seconds before clicking &apos;OK&apos; below.  This message will appear about 10 times before it is finished.</source>
        <translation>Le programme est occupé.  Attendez 3 secondes avant de cliquer sur « OK » ci-dessous.  Ce message s&apos;affichera environ 10 fois avant la fin.</translation>
    </message>
    <message>
        <source>This action is finished.<byte value="xd"/>Please email the files located in the %1 folder to me at %2.</source>
        <translation>L&apos;action est terminée.<byte value="xd"/>Envoyez-moi par e-mail les fichiers du dossier %1 à l&apos;adresse %2.</translation>
    </message>
    <message>
        <source>File # %1</source>
        <translation>Fichier n° %1</translation>
    </message>
    <message>
        <source>An error occured opening the sound file.</source>
        <translation>Une erreur s&apos;est produite à l&apos;ouverture du fichier son.</translation>
    </message>
    <message>
        <source>An error occured playing the sample!</source>
        <translation>Une erreur s&apos;est produite pendant la lecture du son !</translation>
    </message>
    <message numerus="yes">
        <source>%n line could not be read</source>
        <translation>
            <numerusform>%n ligne n&apos;a pas pu être lue</numerusform>
            <numerusform>%n lignes n&apos;ont pas pu être lues</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lines could not be read</source>
        <translation>
            <numerusform>%n ligne n&apos;a pas pu être lue</numerusform>
            <numerusform>%n lignes n&apos;ont pas pu être lues</numerusform>
        </translation>
    </message>
    <message>
        <source>All sound numbers up to 99999 have been used in this language, so no new word or phrase can be added.</source>
        <translation>Tous les numéros de son jusqu&apos;à 99999 sont déjà utilisés dans cette langue ; aucun nouveau mot ni aucune nouvelle phrase ne peut être ajouté.</translation>
    </message>
    <message>
        <source>The text may not contain the character &quot;|&quot;, which separates the parts of a list line. Please remove it and try again.</source>
        <translation>Le texte ne doit pas contenir le caractère « | », qui sépare les parties d&apos;une ligne de liste. Supprimez-le et réessayez.</translation>
    </message>
    <message>
        <source>The text may not contain line breaks. Please remove them and try again.</source>
        <translation>Le texte ne doit pas contenir de sauts de ligne. Supprimez-les et réessayez.</translation>
    </message>
    <message>
        <source>You have to select a word on one of the lists.</source>
        <translation>Vous devez choisir un mot dans une des listes.</translation>
    </message>
    <message>
        <source>Sample Alloc Error:</source>
        <translation>Erreur d&apos;allocation de l&apos;échantillon :</translation>
    </message>
    <message>
        <source>Record StartSample Error:</source>
        <translation>Erreur au démarrage de l&apos;enregistrement :</translation>
    </message>
    <message>
        <source>Record Stop Error:</source>
        <translation>Erreur à l&apos;arrêt de l&apos;enregistrement :</translation>
    </message>
    <message>
        <source>Sample Lock Error:</source>
        <translation>Erreur de verrouillage de l&apos;échantillon :</translation>
    </message>
    <message>
        <source>Could not write the file %1: %2</source>
        <translation>Impossible d&apos;écrire le fichier %1 : %2</translation>
    </message>
    <message>
        <source>The recording could not be stored as %1.<byte value="xd"/>
%2<byte value="xd"/>
The recorded sound is kept, not enciphered, in %3.</source>
        <translation>L&apos;enregistrement n&apos;a pas pu être enregistré sous %1.<byte value="xd"/>
%2<byte value="xd"/>
Le son enregistré est conservé, non chiffré, dans %3.</translation>
    </message>
    <message>
        <source>Required master list file was not found. You need %1</source>
        <translation>Le fichier de la liste principale, indispensable, est introuvable. Il faut %1</translation>
    </message>
    <message>
        <source>Words that have no recording cannot be spoken:<byte value="xd"/>
%1<byte value="xd"/>
They stay silent for the rest of this session unless another voice works.</source>
        <translation>Les mots sans enregistrement ne peuvent pas être prononcés :<byte value="xd"/>
%1<byte value="xd"/>
Ils resteront muets jusqu&apos;à la fin de la session, sauf si une autre voix fonctionne.</translation>
    </message>
    <message>
        <source>Too quiet</source>
        <translation>Trop faible</translation>
    </message>
    <message>
        <source>Clipped</source>
        <translation>Saturé</translation>
    </message>
    <message>
        <source>Very short</source>
        <translation>Très court</translation>
    </message>
    <message>
        <source>%1 found in %2</source>
        <translation>%1 se trouve dans %2</translation>
    </message>
    <message>
        <source>The %1 may not contain &quot;/&quot;, &quot;\&quot; or control characters, and may not be &quot;.&quot; or &quot;..&quot;. Please choose another.</source>
        <translation>Le champ « %1 » ne doit contenir ni « / », ni « \ », ni caractères de contrôle, et ne peut pas être « . » ou « .. ». Choisissez autre chose.</translation>
    </message>
    <message>
        <source>The %1 is too long: the files made from it may have names of at most %2 bytes, which leaves %3 bytes for the %1 (a letter outside the English alphabet takes two or more). Please choose a shorter one.</source>
        <translation>Le champ « %1 » est trop long : les noms des fichiers qui en sont tirés ne peuvent dépasser %2 octets, ce qui laisse %3 octets pour « %1 » (une lettre hors de l&apos;alphabet anglais en occupe deux ou plus). Choisissez un nom plus court.</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Étiquettes</translation>
    </message>
    <message>
        <source>Deck</source>
        <translation>Paquet</translation>
    </message>
    <message>
        <source>Note type</source>
        <translation>Type de note</translation>
    </message>
    <message>
        <source>Note id</source>
        <translation>ID de note</translation>
    </message>
    <message>
        <source>Language %1</source>
        <translation>Langue %1</translation>
    </message>
    <message>
        <source>The file is XML but not a KVTML vocabulary document.</source>
        <translation>Le fichier est en XML, mais ce n&apos;est pas un document de vocabulaire KVTML.</translation>
    </message>
    <message>
        <source>Only KVTML version 2 documents can be imported; this one is version %1.</source>
        <translation>Seuls les documents KVTML de version 2 peuvent être importés ; celui-ci est de version %1.</translation>
    </message>
    <message>
        <source>The file is not a well-formed KVTML document: %1 (line %2).</source>
        <translation>Le fichier n&apos;est pas un document KVTML bien formé : %1 (ligne %2).</translation>
    </message>
    <message>
        <source>The file holds no words.</source>
        <translation>Le fichier ne contient aucun mot.</translation>
    </message>
    <message>
        <source>The document holds words of one language only, so there are no translations to import.</source>
        <translation>Le document ne contient des mots que d&apos;une seule langue ; il n&apos;y a donc aucune traduction à importer.</translation>
    </message>
    <message>
        <source>The quoted field that starts on line %1 is never closed: a quotation mark is missing, so the lines after it cannot be read as words.</source>
        <translation>Le champ entre guillemets qui commence à la ligne %1 n&apos;est jamais fermé : il manque un guillemet, donc les lignes suivantes ne peuvent pas être lues comme des mots.</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Colonne %1</translation>
    </message>
    <message>
        <source>No line of the file holds a word and its translation side by side, separated by a tab, a comma or a semicolon.</source>
        <translation>Aucune ligne du fichier ne contient un mot et sa traduction côte à côte, séparés par une tabulation, une virgule ou un point-virgule.</translation>
    </message>
    <message>
        <source>The file is not a text file: it holds binary data.</source>
        <translation>Le fichier n&apos;est pas un fichier texte : il contient des données binaires.</translation>
    </message>
    <message>
        <source>The file %1 could not be read: %2</source>
        <translation>Impossible de lire le fichier %1 : %2</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Mot</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>Traduction</translation>
    </message>
    <message>
        <source>Words remaining</source>
        <translation>Mots restants</translation>
    </message>
    <message>
        <source>Play count</source>
        <translation>Nombre de lectures</translation>
    </message>
    <message>
        <source>Pause between plays</source>
        <translation>Pause entre les lectures</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulation</translation>
    </message>
    <message>
        <source>Comma</source>
        <translation>Virgule</translation>
    </message>
    <message>
        <source>Semicolon</source>
        <translation>Point-virgule</translation>
    </message>
    <message>
        <source>KVTML vocabulary document</source>
        <translation>document de vocabulaire KVTML</translation>
    </message>
    <message>
        <source>card tutor export</source>
        <translation>export d&apos;un logiciel de cartes</translation>
    </message>
    <message>
        <source>text with one pair per line</source>
        <translation>texte avec une paire par ligne</translation>
    </message>
    <message>
        <source>Import Word List</source>
        <translation>Importer une liste de mots</translation>
    </message>
    <message>
        <source>Fields separated by:</source>
        <translation>Champs séparés par :</translation>
    </message>
    <message>
        <source>The first line names the columns</source>
        <translation>La première ligne nomme les colonnes</translation>
    </message>
    <message>
        <source>First word pairs</source>
        <translation>Premières paires de mots</translation>
    </message>
    <message>
        <source>Foreign word (%1)</source>
        <translation>Mot étranger (%1)</translation>
    </message>
    <message>
        <source>Translation (%1)</source>
        <translation>Traduction (%1)</translation>
    </message>
    <message>
        <source>student&apos;s language</source>
        <translation>langue de l&apos;élève</translation>
    </message>
    <message>
        <source>&amp;Foreign word (%1):</source>
        <translation>Mot &amp;étranger (%1) :</translation>
    </message>
    <message>
        <source>&amp;Translation:</source>
        <translation>&amp;Traduction :</translation>
    </message>
    <message>
        <source>&amp;Name of the new list:</source>
        <translation>&amp;Nom de la nouvelle liste :</translation>
    </message>
    <message numerus="yes">
        <source>File: %1 (%2 in %n languages)</source>
        <translation>
            <numerusform>Fichier : %1 (%2 en %n langue)</numerusform>
            <numerusform>Fichier : %1 (%2 en %n langues)</numerusform>
        </translation>
    </message>
    <message>
        <source>File: %1 (%2)</source>
        <translation>Fichier : %1 (%2)</translation>
    </message>
    <message>
        <source>Choose two different columns for the word and its translation.</source>
        <translation>Choisissez deux colonnes différentes pour le mot et sa traduction.</translation>
    </message>
    <message numerus="yes">
        <source>%n word pair will be imported into a new list of %1.</source>
        <translation>
            <numerusform>%n paire de mots sera importée dans une nouvelle liste de %1.</numerusform>
            <numerusform>%n paires de mots seront importées dans une nouvelle liste de %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n word pairs will be imported into a new list of %1.</source>
        <translation>
            <numerusform>%n paire de mots sera importée dans une nouvelle liste de %1.</numerusform>
            <numerusform>%n paires de mots seront importées dans une nouvelle liste de %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The first %1 are shown.</source>
        <translation>Les %1 premières sont affichées.</translation>
    </message>
    <message>
        <source>No line will be skipped.</source>
        <translation>Aucune ligne ne sera ignorée.</translation>
    </message>
    <message>
        <source>Random Word Play</source>
        <translation>Mots au hasard</translation>
    </message>
    <message>
        <source>MP3 compilation</source>
        <translation>Création du MP3</translation>
    </message>
    <message>
        <source>MP3 compilation progress</source>
        <translation>Progression de la création du MP3</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Passer</translation>
    </message>
    <message>
        <source>Mark Word As Known</source>
        <translation>Marquer comme connu</translation>
    </message>
    <message>
        <source># Repeats</source>
        <translation>Répétitions</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Say Top Only</source>
        <translation>Haut seulement</translation>
    </message>
    <message>
        <source>Say Both</source>
        <translation>Lire les deux</translation>
    </message>
    <message>
        <source>Interlace</source>
        <translation>Intercaler</translation>
    </message>
    <message>
        <source>Delay Showing Top</source>
        <translation>Retarder le haut</translation>
    </message>
    <message>
        <source>Delay Showing Bottom</source>
        <translation>Retarder le bas</translation>
    </message>
    <message>
        <source>Create MP3 File Based on Current Settings</source>
        <translation>Créer un fichier MP3 avec les réglages actuels</translation>
    </message>
    <message>
        <source>Create MP3 files for all words on this list</source>
        <translation>Créer des fichiers MP3 avec tous les mots de cette liste</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Edit Word List</source>
        <translation>Modifier la liste de mots</translation>
    </message>
    <message>
        <source>This is the advanced view for editing the text of the word/phrase lists. If you don&apos;t fully understand these instructions, it&apos;s best to use the previous view.  The format shown below should be like this: the foreign word or phrase is on the left.  Next is a vertical pipe symbol &quot;|&quot;. Next is the translation in the student&apos;s native language (normally english). Then there is another pipe &quot;|&quot;. Then on the right is a number that identifies the sound file for the foreign word or phrase. This is a unique number for this language and it should NOT be changed. If you&apos;re adding new words, it should start at the 70000 or the highest number stored in the high_num.dat file. If you add new words using this form, the high_num.dat must be changed to be one number higher than the highest number you use here.  Only change the foreign word or phrase on the left.  Do not change the translation (except to correct spelling) unless you&apos;re adding the translation yourself. This window simply shows the text in a data file that can also be edited with your own text editor.</source>
        <translation>Ceci est la vue avancée pour modifier le texte des listes de mots et de phrases. Si vous ne comprenez pas bien ces instructions, il vaut mieux utiliser la vue précédente.  Le format affiché ci-dessous doit être le suivant : le mot ou la phrase étrangère est à gauche.  Vient ensuite une barre verticale « | ». Puis la traduction dans la langue maternelle de l&apos;élève (normalement l&apos;anglais). Puis une autre barre « | ». Enfin, à droite, un numéro qui identifie le fichier son du mot ou de la phrase étrangère. Ce numéro est unique dans cette langue et ne doit PAS être modifié. Si vous ajoutez de nouveaux mots, il doit commencer à 70000 ou au numéro le plus élevé enregistré dans le fichier highest_num.dat. Si vous ajoutez de nouveaux mots avec ce formulaire, highest_num.dat doit être modifié pour contenir un numéro supérieur d&apos;une unité au plus élevé que vous utilisez ici.  Ne modifiez que le mot ou la phrase étrangère à gauche.  Ne modifiez pas la traduction (sauf pour corriger l&apos;orthographe), à moins que vous ne l&apos;ajoutiez vous-même. Cette fenêtre affiche simplement le texte d&apos;un fichier de données que vous pouvez aussi modifier avec votre propre éditeur de texte.</translation>
    </message>
    <message>
        <source>Word list text</source>
        <translation>Texte de la liste de mots</translation>
    </message>
    <message>
        <source>Save Changes and Exit </source>
        <translation>Enregistrer et quitter </translation>
    </message>
    <message>
        <source>Do Not Save Changes and Exit</source>
        <translation>Quitter sans enregistrer</translation>
    </message>
    <message>
        <source>Start New Word List for This Language</source>
        <translation>Nouvelle liste de mots pour cette langue</translation>
    </message>
    <message>
        <source>Save File as Unicode and Exit</source>
        <translation>Enregistrer en Unicode et quitter</translation>
    </message>
    <message>
        <source>The file %1 could not be read.</source>
        <translation>Impossible de lire le fichier %1.</translation>
    </message>
    <message>
        <source>A list was not chosen. A blank form will be opened in case you want to start a new list.</source>
        <translation>Aucune liste n&apos;a été choisie. Un formulaire vide va s&apos;ouvrir au cas où vous voudriez commencer une nouvelle liste.</translation>
    </message>
    <message>
        <source>Language: %1    List Name: %2</source>
        <translation>Langue : %1    Nom de la liste : %2</translation>
    </message>
    <message>
        <source>What should be the name of the new word list?</source>
        <translation>Quel doit être le nom de la nouvelle liste de mots ?</translation>
    </message>
    <message>
        <source>That file already exits.</source>
        <translation>Ce fichier existe déjà.</translation>
    </message>
    <message>
        <source>Increase Font</source>
        <translation>Agrandir le texte</translation>
    </message>
    <message>
        <source>Decrease Font</source>
        <translation>Réduire le texte</translation>
    </message>
    <message>
        <source>You must first select a list to start the flash cards.</source>
        <translation>Vous devez d&apos;abord choisir une liste pour lancer les cartes.</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Langues</translation>
    </message>
    <message>
        <source>Word lists</source>
        <translation>Listes de mots</translation>
    </message>
    <message>
        <source>Known lists</source>
        <translation>Listes connues</translation>
    </message>
    <message>
        <source>Foreign words</source>
        <translation>Mots étrangers</translation>
    </message>
    <message>
        <source>Translations</source>
        <translation>Traductions</translation>
    </message>
    <message>
        <source>Click or press Space to hear a word; double-click or press Enter to move it between your unknown and known words.</source>
        <translation>Cliquez ou appuyez sur Espace pour entendre un mot ; double-cliquez ou appuyez sur Entrée pour le faire passer de vos mots inconnus à vos mots connus, ou l&apos;inverse.</translation>
    </message>
    <message>
        <source>Click to show the known words; double-click or press Enter to start the flash cards on them.</source>
        <translation>Cliquez pour afficher les mots connus ; double-cliquez ou appuyez sur Entrée pour lancer les cartes avec eux.</translation>
    </message>
    <message>
        <source>Click A Language</source>
        <translation>Cliquez sur une langue</translation>
    </message>
    <message>
        <source>Click Unknown List</source>
        <translation>Cliquez sur une liste inconnue</translation>
    </message>
    <message>
        <source>Known Lists</source>
        <translation>Listes connues</translation>
    </message>
    <message>
        <source>Double-click a word to move it from your unknown to your known list, or vice versa.</source>
        <translation>Double-cliquez sur un mot pour le faire passer de votre liste inconnue à votre liste connue, ou l&apos;inverse.</translation>
    </message>
    <message>
        <source>To obtain more words, go to %1.</source>
        <translation>Pour obtenir d&apos;autres mots, rendez-vous sur %1.</translation>
    </message>
    <message>
        <source>&lt;--- Search </source>
        <translation>&lt;--- Rechercher </translation>
    </message>
    <message>
        <source>Search foreign words</source>
        <translation>Rechercher dans les mots étrangers</translation>
    </message>
    <message>
        <source>Search translations</source>
        <translation>Rechercher dans les traductions</translation>
    </message>
    <message>
        <source>Large Flash Cards and MP3</source>
        <translation>Grandes cartes et MP3</translation>
    </message>
    <message>
        <source>Small Flash Card (Stays On Top)</source>
        <translation>Petite carte (toujours au premier plan)</translation>
    </message>
    <message>
        <source>Record and Edit Selected Word</source>
        <translation>Enregistrer et modifier le mot choisi</translation>
    </message>
    <message>
        <source>Record and Edit Selected List</source>
        <translation>Enregistrer et modifier la liste choisie</translation>
    </message>
    <message>
        <source>Start Student Test</source>
        <translation>Lancer un test</translation>
    </message>
    <message>
        <source>Review the known words that are due</source>
        <translation>Réviser les mots connus à revoir</translation>
    </message>
    <message>
        <source>Show Test Results</source>
        <translation>Afficher les résultats</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Show Selected Word List</source>
        <translation>Afficher la liste de mots choisie</translation>
    </message>
    <message>
        <source>Add new language</source>
        <translation>Ajouter une langue</translation>
    </message>
    <message>
        <source>Add new word list</source>
        <translation>Ajouter une liste de mots</translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation>Quitter le programme</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Import Word List...</source>
        <translation>&amp;Importer une liste de mots...</translation>
    </message>
    <message>
        <source>&amp;Export Word List...</source>
        <translation>&amp;Exporter une liste de mots...</translation>
    </message>
    <message>
        <source>&amp;Progress...</source>
        <translation>&amp;Progression...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Speak words that have no recording</source>
        <translation>Prononcer les mots sans enregistrement</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Mode d&apos;emploi</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Hel&amp;p</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Troubleshooting</source>
        <translation>&amp;Dépannage</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>An error occured. Please turn off other programs that may be using sound and start this program again. The specific error message is:</source>
        <translation>Une erreur s&apos;est produite. Fermez les autres programmes susceptibles d&apos;utiliser le son et relancez ce programme. Le message d&apos;erreur précis est :</translation>
    </message>
    <message>
        <source>What is your first name?  This is for the program to remember which words you have learned.</source>
        <translation>Quel est votre prénom ?  Il permet au programme de retenir les mots que vous avez appris.</translation>
    </message>
    <message>
        <source>Student Name</source>
        <translation>Prénom de l&apos;élève</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nom</translation>
    </message>
    <message>
        <source>The setting could not be saved in %1. It holds until the program ends.</source>
        <translation>Le réglage n&apos;a pas pu être enregistré dans %1. Il reste valable jusqu&apos;à la fermeture du programme.</translation>
    </message>
    <message numerus="yes">
        <source>%n Known Words</source>
        <translation>
            <numerusform>%n mot connu</numerusform>
            <numerusform>%n mots connus</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Unknown Words</source>
        <translation>
            <numerusform>%n mot inconnu</numerusform>
            <numerusform>%n mots inconnus</numerusform>
        </translation>
    </message>
    <message>
        <source>This list holds more than %1 entries; only the first %1 are shown.</source>
        <translation>Cette liste contient plus de %1 entrées ; seules les %1 premières sont affichées.</translation>
    </message>
    <message>
        <source>The flash cards are not available in this version of the program.</source>
        <translation>Les cartes ne sont pas disponibles dans cette version du programme.</translation>
    </message>
    <message numerus="yes">
        <source>Review %n due words</source>
        <translation>
            <numerusform>Réviser %n mot à revoir</numerusform>
            <numerusform>Réviser %n mots à revoir</numerusform>
        </translation>
    </message>
    <message>
        <source>The %1 is not available in this version of the program.</source>
        <translation>Ceci n&apos;est pas disponible dans cette version du programme : %1.</translation>
    </message>
    <message>
        <source>large flash-card window</source>
        <translation>fenêtre des grandes cartes</translation>
    </message>
    <message>
        <source>small flash card</source>
        <translation>petite carte</translation>
    </message>
    <message>
        <source>First select a word to record or edit.</source>
        <translation>Choisissez d&apos;abord un mot à enregistrer ou à modifier.</translation>
    </message>
    <message>
        <source>record-and-edit window</source>
        <translation>fenêtre d&apos;enregistrement et de modification</translation>
    </message>
    <message>
        <source>First select a list of words to record or edit.</source>
        <translation>Choisissez d&apos;abord une liste de mots à enregistrer ou à modifier.</translation>
    </message>
    <message>
        <source>You must first select a list to start the test.</source>
        <translation>Vous devez d&apos;abord choisir une liste pour lancer le test.</translation>
    </message>
    <message>
        <source>student test</source>
        <translation>test</translation>
    </message>
    <message>
        <source>review window</source>
        <translation>fenêtre de révision</translation>
    </message>
    <message>
        <source>Word lists (*.txt *.tsv *.csv *.kvtml);;All files (*)</source>
        <translation>Listes de mots (*.txt *.tsv *.csv *.kvtml);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Tab-separated text for card tutors (*.txt)</source>
        <translation>Texte séparé par des tabulations pour logiciels de cartes (*.txt)</translation>
    </message>
    <message>
        <source>KVTML vocabulary document (*.kvtml)</source>
        <translation>Document de vocabulaire KVTML (*.kvtml)</translation>
    </message>
    <message>
        <source>Nothing was imported from %1.<byte value="xd"/>
%2</source>
        <translation>Rien n&apos;a été importé depuis %1.<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>First select a list of words to export.</source>
        <translation>Choisissez d&apos;abord une liste de mots à exporter.</translation>
    </message>
    <message>
        <source>Export Word List</source>
        <translation>Exporter une liste de mots</translation>
    </message>
    <message>
        <source>The list %1 was exported to %2.</source>
        <translation>La liste %1 a été exportée vers %2.</translation>
    </message>
    <message>
        <source>You must first select one of the word/phrase lists.</source>
        <translation>Vous devez d&apos;abord choisir une des listes de mots ou de phrases.</translation>
    </message>
    <message>
        <source>test results window</source>
        <translation>fenêtre des résultats</translation>
    </message>
    <message>
        <source>The progress window is not available in this version of the program.</source>
        <translation>La fenêtre de progression n&apos;est pas disponible dans cette version du programme.</translation>
    </message>
    <message>
        <source>Point at a test to see its list, kind, questions and score.</source>
        <translation>Pointez un test pour voir sa liste, son type, ses questions et son score.</translation>
    </message>
    <message>
        <source>Save as Image</source>
        <translation>Enregistrer comme image</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>Images PNG (*.png)</translation>
    </message>
    <message>
        <source>Progress charts</source>
        <translation>Graphiques de progression</translation>
    </message>
    <message>
        <source>Shows only the tests in the language chosen in the main window</source>
        <translation>N&apos;affiche que les tests de la langue choisie dans la fenêtre principale</translation>
    </message>
    <message>
        <source>The test under the mouse pointer</source>
        <translation>Le test sous le pointeur de la souris</translation>
    </message>
    <message>
        <source>&amp;Test Scores</source>
        <translation>&amp;Scores des tests</translation>
    </message>
    <message>
        <source>&amp;Known Words</source>
        <translation>Mots &amp;connus</translation>
    </message>
    <message>
        <source>&amp;Reviews Ahead</source>
        <translation>&amp;Révisions à venir</translation>
    </message>
    <message>
        <source>Save as Image...</source>
        <translation>Enregistrer comme image...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Only %1</source>
        <translation>Seulement %1</translation>
    </message>
    <message>
        <source>Only the chosen language</source>
        <translation>Seulement la langue choisie</translation>
    </message>
    <message>
        <source>There are no test results in %1 yet. Finish a test and its score will show here.</source>
        <translation>Il n&apos;y a pas encore de résultats de tests en %1. Terminez un test et son score s&apos;affichera ici.</translation>
    </message>
    <message>
        <source>There are no test results yet. Finish a test and its score will show here.</source>
        <translation>Il n&apos;y a pas encore de résultats de tests. Terminez un test et son score s&apos;affichera ici.</translation>
    </message>
    <message>
        <source>Test scores</source>
        <translation>Scores des tests</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Score (%)</source>
        <translation>Score (%)</translation>
    </message>
    <message>
        <source>(no language)</source>
        <translation>(sans langue)</translation>
    </message>
    <message numerus="yes">
        <source>%n question</source>
        <translation>
            <numerusform>%n question</numerusform>
            <numerusform>%n questions</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n questions</source>
        <translation>
            <numerusform>%n question</numerusform>
            <numerusform>%n questions</numerusform>
        </translation>
    </message>
    <message>
        <source>Choose a language in the main window to see the known words of its lists.</source>
        <translation>Choisissez une langue dans la fenêtre principale pour voir les mots connus de ses listes.</translation>
    </message>
    <message>
        <source>There are no word lists of yours in %1 yet. Click a list in the main window and double-click the words you know.</source>
        <translation>Vous n&apos;avez pas encore de listes de mots en %1. Cliquez sur une liste dans la fenêtre principale et double-cliquez sur les mots que vous connaissez.</translation>
    </message>
    <message>
        <source>Known words in %1</source>
        <translation>Mots connus en %1</translation>
    </message>
    <message>
        <source>Known</source>
        <translation>Connus</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Inconnus</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Mots</translation>
    </message>
    <message>
        <source>Choose a language in the main window to see the reviews ahead in it.</source>
        <translation>Choisissez une langue dans la fenêtre principale pour y voir les révisions à venir.</translation>
    </message>
    <message>
        <source>There is no review schedule to show yet.</source>
        <translation>Il n&apos;y a pas encore de calendrier de révision à afficher.</translation>
    </message>
    <message>
        <source>No reviews are due in %1 over the next %2 days.</source>
        <translation>Aucune révision n&apos;est prévue en %1 dans les %2 prochains jours.</translation>
    </message>
    <message>
        <source>Reviews ahead in %1</source>
        <translation>Révisions à venir en %1</translation>
    </message>
    <message>
        <source>Words due</source>
        <translation>Mots à revoir</translation>
    </message>
    <message>
        <source>Days from today, %1 (words overdue count today)</source>
        <translation>Jours à partir d&apos;aujourd&apos;hui, %1 (les mots en retard comptent pour aujourd&apos;hui)</translation>
    </message>
    <message>
        <source>file name</source>
        <translation>nom de fichier</translation>
    </message>
    <message>
        <source>There is no chart to save on this page yet.</source>
        <translation>Il n&apos;y a pas encore de graphique à enregistrer sur cette page.</translation>
    </message>
    <message>
        <source>The image of the chart could not be made.</source>
        <translation>L&apos;image du graphique n&apos;a pas pu être créée.</translation>
    </message>
    <message>
        <source>Record and Edit Words</source>
        <translation>Enregistrer et modifier des mots</translation>
    </message>
    <message>
        <source>This part of the program allows the user to add, record, and edit words and phrases for any language.  When you finish, click the &apos;Email Files&apos; button below for instructions on how to email your work to me so that it can be used in other parts of the program and distributed to others.  </source>
        <translation>Cette partie du programme permet d&apos;ajouter, d&apos;enregistrer et de modifier des mots et des phrases dans n&apos;importe quelle langue.  Quand vous avez fini, cliquez sur le bouton « Envoyer les fichiers » ci-dessous pour savoir comment m&apos;envoyer votre travail par e-mail, afin qu&apos;il puisse servir dans d&apos;autres parties du programme et être diffusé.  </translation>
    </message>
    <message>
        <source>If you have any trouble, please email me at %1 or call me at %2.</source>
        <translation>En cas de problème, écrivez-moi à %1 ou appelez-moi au %2.</translation>
    </message>
    <message>
        <source>Word List Name:</source>
        <translation>Nom de la liste :</translation>
    </message>
    <message>
        <source>Text Editing Instructions</source>
        <translation>Instructions de modification</translation>
    </message>
    <message>
        <source>Recording Instructions</source>
        <translation>Instructions d&apos;enregistrement</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Licence</translation>
    </message>
    <message>
        <source>Email Files</source>
        <translation>Envoyer les fichiers</translation>
    </message>
    <message>
        <source>Record Selected Word</source>
        <translation>Enregistrer le mot choisi</translation>
    </message>
    <message>
        <source>Record Multiple Words</source>
        <translation>Enregistrer plusieurs mots</translation>
    </message>
    <message>
        <source>0.8 second</source>
        <translation>0.8 seconde</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 seconde</translation>
    </message>
    <message>
        <source>1.2 second</source>
        <translation>1.2 seconde</translation>
    </message>
    <message>
        <source>1.4 seconds</source>
        <translation>1.4 seconde</translation>
    </message>
    <message>
        <source>1.8 seconds</source>
        <translation>1.8 seconde</translation>
    </message>
    <message>
        <source>2 seconds</source>
        <translation>2 secondes</translation>
    </message>
    <message>
        <source>2.4 seconds</source>
        <translation>2.4 secondes</translation>
    </message>
    <message>
        <source>2.7 seconds</source>
        <translation>2.7 secondes</translation>
    </message>
    <message>
        <source>3 seconds</source>
        <translation>3 secondes</translation>
    </message>
    <message>
        <source>3.5 seconds</source>
        <translation>3.5 secondes</translation>
    </message>
    <message>
        <source>4 seconds</source>
        <translation>4 secondes</translation>
    </message>
    <message>
        <source>4.5 seconds</source>
        <translation>4.5 secondes</translation>
    </message>
    <message>
        <source>5 seconds</source>
        <translation>5 secondes</translation>
    </message>
    <message>
        <source>Start Recording (no time limit)</source>
        <translation>Lancer l&apos;enregistrement (sans limite de durée)</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>STOP</translation>
    </message>
    <message>
        <source>Click for fast method</source>
        <translation>Cliquez pour la méthode rapide</translation>
    </message>
    <message>
        <source>Words Without Sound Files</source>
        <translation>Mots sans fichier son</translation>
    </message>
    <message>
        <source>Words With Sound Files</source>
        <translation>Mots avec fichier son</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>Fichier : %1</translation>
    </message>
    <message>
        <source>Foreign words without sound files</source>
        <translation>Mots étrangers sans fichier son</translation>
    </message>
    <message>
        <source>Translations of words without sound files</source>
        <translation>Traductions des mots sans fichier son</translation>
    </message>
    <message>
        <source>Foreign words with sound files</source>
        <translation>Mots étrangers avec fichier son</translation>
    </message>
    <message>
        <source>Translations of words with sound files</source>
        <translation>Traductions des mots avec fichier son</translation>
    </message>
    <message>
        <source>Recording prompt</source>
        <translation>Invite d&apos;enregistrement</translation>
    </message>
    <message>
        <source>Do not automaticaly remove silence from beginning and end.</source>
        <translation>Ne pas supprimer automatiquement le silence au début et à la fin.</translation>
    </message>
    <message>
        <source>Foreign word or phrase</source>
        <translation>Mot ou phrase étrangère</translation>
    </message>
    <message>
        <source>You can change the text in the white box if you are recording the words.  Do not change the text in the bottom grey box unless you are adding a new word or phrase pair.</source>
        <translation>Vous pouvez modifier le texte de la case blanche si vous enregistrez les mots.  Ne modifiez le texte de la case grise du bas que si vous ajoutez une nouvelle paire de mots ou de phrases.</translation>
    </message>
    <message>
        <source>Save the above text changes</source>
        <translation>Enregistrer les modifications du texte ci-dessus</translation>
    </message>
    <message>
        <source>Add the above text as a new word/phrase pair</source>
        <translation>Ajouter le texte ci-dessus comme nouvelle paire</translation>
    </message>
    <message>
        <source>Delete this word/phrase pair</source>
        <translation>Supprimer cette paire de mots ou de phrases</translation>
    </message>
    <message>
        <source>Refresh Lists to Show Changes</source>
        <translation>Actualiser les listes</translation>
    </message>
    <message>
        <source>Exit and Return</source>
        <translation>Quitter et revenir</translation>
    </message>
    <message>
        <source>Advanced List Editing</source>
        <translation>Modification avancée de la liste</translation>
    </message>
    <message numerus="yes">
        <source>%n Words With Sound Files</source>
        <translation>
            <numerusform>%n mot avec fichier son</numerusform>
            <numerusform>%n mots avec fichier son</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Words Without Sound Files</source>
        <translation>
            <numerusform>%n mot sans fichier son</numerusform>
            <numerusform>%n mots sans fichier son</numerusform>
        </translation>
    </message>
    <message>
        <source>First correct the spelling of the words on the left before recording.  Try to make the translations one word. Do not modify the english words. If two or three translations are needed, seperate each one with a comma (,). Do not use uncommon words.  Just the words all people know.  If you correct the text of words, the word lists need to be emailed to %1 for distribution.  Click the &apos;email&apos; button for more instruction on how to email the corrected lists. </source>
        <translation>Avant d&apos;enregistrer, corrigez d&apos;abord l&apos;orthographe des mots de gauche.  Essayez de traduire par un seul mot. Ne modifiez pas les mots anglais. Si deux ou trois traductions sont nécessaires, séparez-les par une virgule (,). N&apos;utilisez pas de mots rares.  Seulement des mots que tout le monde connaît.  Si vous corrigez le texte des mots, les listes de mots doivent être envoyées par e-mail à %1 pour être diffusées.  Cliquez sur le bouton « Envoyer les fichiers » pour savoir comment envoyer les listes corrigées. </translation>
    </message>
    <message>
        <source>Use a noise-free room and make the recordings as loud as possible without distortion.  Start speaking ASAP when the program says &apos;SPEAK&apos;.  It&apos;s best to record a few words and then email them to %1 for approval of the quality before you do a lot of work that I may not accept for distribution.  Speak your normal speed or a little faster. Do not speak slow. For single words, try to use the 0.8, 1, or 1.2 second recording options. It&apos;s best to place your cursor over the stop button before recording multiple words.  The &apos;multiple&apos; recording method makes recording many words easy.  Do not be afraid of making a mistake: you can do the recordings again and it simply erases the first recording.  <byte value="xd"/><byte value="xd"/>When finished with all the recordings click the &apos;Email Files&apos; button which compresses and combines the sound files for emailing to me.  If you&apos;re good at computers, it&apos;s interesting to take a look at all the files in the Quillory directory to see where all these sound files are stored.</source>
        <translation>Choisissez une pièce sans bruit et enregistrez aussi fort que possible sans distorsion.  Commencez à parler dès que le programme affiche « PARLEZ ».  Le mieux est d&apos;enregistrer quelques mots et de me les envoyer à %1 pour que je valide la qualité avant que vous ne fassiez beaucoup de travail que je ne pourrais peut-être pas diffuser.  Parlez à votre vitesse normale ou un peu plus vite. Ne parlez pas lentement. Pour des mots isolés, essayez les durées de 0.8, 1 ou 1.2 seconde. Le mieux est de placer le curseur sur le bouton d&apos;arrêt avant d&apos;enregistrer plusieurs mots.  La méthode « plusieurs » permet d&apos;enregistrer facilement de nombreux mots.  N&apos;ayez pas peur de vous tromper : vous pouvez refaire un enregistrement, le premier est simplement effacé.  <byte value="xd"/><byte value="xd"/>Quand tous les enregistrements sont terminés, cliquez sur le bouton « Envoyer les fichiers », qui compresse et regroupe les fichiers son pour me les envoyer.  Si vous êtes à l&apos;aise avec l&apos;informatique, il est intéressant de regarder tous les fichiers du dossier de Quillory pour voir où sont stockés ces fichiers son.</translation>
    </message>
    <message>
        <source>This makes the pause between recordings longer (slow). Click again to make it shorter (fast).</source>
        <translation>La pause entre les enregistrements est maintenant plus longue (lent). Cliquez de nouveau pour la raccourcir (rapide).</translation>
    </message>
    <message>
        <source>This makes the pause between recordings shorter (fast). Click again to make it longer (slow).</source>
        <translation>La pause entre les enregistrements est maintenant plus courte (rapide). Cliquez de nouveau pour l&apos;allonger (lent).</translation>
    </message>
    <message>
        <source>Click for slow method</source>
        <translation>Cliquez pour la méthode lente</translation>
    </message>
    <message>
        <source>You have to select a word on one of the lists. If you just added the word and don&apos;t see it, you need to click the refresh button and then look at the bottom of the list.</source>
        <translation>Vous devez choisir un mot dans une des listes. Si vous venez d&apos;ajouter le mot et ne le voyez pas, cliquez sur le bouton d&apos;actualisation, puis regardez en bas de la liste.</translation>
    </message>
    <message>
        <source>Speak</source>
        <translation>Parlez</translation>
    </message>
    <message>
        <source>Test Results</source>
        <translation>Résultats des tests</translation>
    </message>
    <message>
        <source>Results text</source>
        <translation>Texte des résultats</translation>
    </message>
    <message>
        <source>Print Text Directly to Default Printer. May not finish printing until program is exited.</source>
        <translation>Imprimer le texte directement sur l&apos;imprimante par défaut. L&apos;impression peut ne se terminer qu&apos;à la fermeture du programme.</translation>
    </message>
    <message>
        <source>Save to a file</source>
        <translation>Enregistrer dans un fichier</translation>
    </message>
    <message>
        <source>There is no default printer, so the text was not printed. Set up a default printer, or save the text to a file.</source>
        <translation>Il n&apos;y a pas d&apos;imprimante par défaut ; le texte n&apos;a donc pas été imprimé. Configurez une imprimante par défaut ou enregistrez le texte dans un fichier.</translation>
    </message>
    <message>
        <source>The text could not be printed on %1.</source>
        <translation>Le texte n&apos;a pas pu être imprimé sur %1.</translation>
    </message>
    <message>
        <source>What would you like to save this file as?</source>
        <translation>Sous quel nom voulez-vous enregistrer ce fichier ?</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Enregistrer le fichier</translation>
    </message>
    <message>
        <source>No file name was given, so the text was not saved.</source>
        <translation>Aucun nom de fichier n&apos;a été indiqué ; le texte n&apos;a donc pas été enregistré.</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Révision</translation>
    </message>
    <message>
        <source>Word under review, of the words due</source>
        <translation>Mot en révision, parmi les mots à revoir</translation>
    </message>
    <message>
        <source>Foreign word</source>
        <translation>Mot étranger</translation>
    </message>
    <message>
        <source>Result of the review</source>
        <translation>Résultat de la révision</translation>
    </message>
    <message>
        <source>Show Answer</source>
        <translation>Voir la réponse</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espace</translation>
    </message>
    <message>
        <source>I forgot</source>
        <translation>J&apos;avais oublié</translation>
    </message>
    <message>
        <source>Left arrow or 1</source>
        <translation>Flèche gauche ou 1</translation>
    </message>
    <message>
        <source>I knew it</source>
        <translation>Je savais</translation>
    </message>
    <message>
        <source>Right arrow or 2</source>
        <translation>Flèche droite ou 2</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Échap</translation>
    </message>
    <message>
        <source>%1 reviewed, %2 kept, %3 back to learning</source>
        <translation>%1 révisés, %2 retenus, %3 à réapprendre</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Top Only</source>
        <translation>Haut seulement</translation>
    </message>
    <message>
        <source>Last take</source>
        <translation>Dernière prise</translation>
    </message>
    <message>
        <source>No take recorded yet</source>
        <translation>Aucune prise enregistrée</translation>
    </message>
    <message>
        <source>%1 s recorded, %2 s kept</source>
        <translation>%1 s enregistrées, %2 s conservées</translation>
    </message>
    <message>
        <source>%1 s recorded, all kept</source>
        <translation>%1 s enregistrées, tout est conservé</translation>
    </message>
    <message>
        <source>What the check of the last take noticed</source>
        <translation>Ce que la vérification de la dernière prise a relevé</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Language: %1</source>
        <translation>Langue : %1</translation>
    </message>
    <message>
        <source>List Name: %1</source>
        <translation>Nom de la liste : %1</translation>
    </message>
    <message>
        <source>Username: %1</source>
        <translation>Utilisateur : %1</translation>
    </message>
    <message>
        <source>Multiple Coice</source>
        <translation>Choix multiple</translation>
    </message>
    <message>
        <source>Spelling Only</source>
        <translation>Orthographe seule</translation>
    </message>
    <message>
        <source>Fill In The Blank</source>
        <translation>Texte à trous</translation>
    </message>
    <message>
        <source>Choose Word List</source>
        <translation>Choisir la liste de mots</translation>
    </message>
    <message>
        <source>All Words on Selected List</source>
        <translation>Tous les mots de la liste choisie</translation>
    </message>
    <message>
        <source>Unkown Words on Selected List</source>
        <translation>Mots inconnus de la liste choisie</translation>
    </message>
    <message>
        <source>All words in selected language</source>
        <translation>Tous les mots de la langue choisie</translation>
    </message>
    <message>
        <source>Choose Text or Sound</source>
        <translation>Choisir texte ou son</translation>
    </message>
    <message>
        <source>Show the text of the word</source>
        <translation>Afficher le texte du mot</translation>
    </message>
    <message>
        <source>Play the sound of the word</source>
        <translation>Lire le son du mot</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Les deux</translation>
    </message>
    <message>
        <source>Number of Questions</source>
        <translation>Nombre de questions</translation>
    </message>
    <message>
        <source>Time allowed for each question in seconds</source>
        <translation>Temps accordé par question, en secondes</translation>
    </message>
    <message>
        <source>Begin Test</source>
        <translation>Commencer le test</translation>
    </message>
    <message>
        <source>Stop Test</source>
        <translation>Arrêter le test</translation>
    </message>
    <message>
        <source>Enter Answer:</source>
        <translation>Votre réponse :</translation>
    </message>
    <message>
        <source>Choice %1</source>
        <translation>Choix %1</translation>
    </message>
    <message>
        <source>Test word</source>
        <translation>Mot du test</translation>
    </message>
    <message>
        <source>Questions asked</source>
        <translation>Questions posées</translation>
    </message>
    <message>
        <source>Time remaining</source>
        <translation>Temps restant</translation>
    </message>
    <message>
        <source>Previous word</source>
        <translation>Mot précédent</translation>
    </message>
    <message>
        <source>The number of questions must be a number greater than 0.</source>
        <translation>Le nombre de questions doit être un nombre supérieur à 0.</translation>
    </message>
    <message>
        <source>The number of questions must be a number greater than 0 and no more than %1.</source>
        <translation>Le nombre de questions doit être un nombre supérieur à 0 et au plus égal à %1.</translation>
    </message>
    <message>
        <source>The number of seconds per question must be a number greater than 0.</source>
        <translation>Le nombre de secondes par question doit être un nombre supérieur à 0.</translation>
    </message>
    <message>
        <source>There are no words to test on the chosen word list.</source>
        <translation>Il n&apos;y a aucun mot à tester dans la liste choisie.</translation>
    </message>
    <message>
        <source>Sound file for this word was not found.  Click OK to go to next word or Cancel to stop test.</source>
        <translation>Le fichier son de ce mot est introuvable.  Cliquez sur OK pour passer au mot suivant ou sur Annuler pour arrêter le test.</translation>
    </message>
    <message>
        <source>not %1</source>
        <translation>pas %1</translation>
    </message>
    <message>
        <source>Test finished in %1
%2 of %3 correct %4%</source>
        <translation>Test terminé en %1
%2 sur %3 correctes %4 %</translation>
    </message>
    <message>
        <source>The result of this test could not be added to the results file.
%1</source>
        <translation>Le résultat de ce test n&apos;a pas pu être ajouté au fichier des résultats.
%1</translation>
    </message>
    <message>
        <source>The speech engine could not start: %1</source>
        <translation>Le moteur vocal n&apos;a pas pu démarrer : %1</translation>
    </message>
    <message>
        <source>The voice &quot;%1&quot; could not be used: %2</source>
        <translation>La voix « %1 » n&apos;a pas pu être utilisée : %2</translation>
    </message>
    <message>
        <source>The speech engine could not speak &quot;%1&quot;.</source>
        <translation>Le moteur vocal n&apos;a pas pu prononcer « %1 ».</translation>
    </message>
    <message>
        <source>The voice &quot;%1&quot; said nothing for &quot;%2&quot;.</source>
        <translation>La voix « %1 » n&apos;a rien dit pour « %2 ».</translation>
    </message>
    <message>
        <source>Interface Language</source>
        <translation>Langue de l&apos;interface</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>The translation into %1 could not be found, so the interface stays in English.</source>
        <translation>La traduction %1 est introuvable ; l&apos;interface reste donc en anglais.</translation>
    </message>
    <message numerus="yes">
        <source>%n word was left out: it has no recording and the voice could not speak it.</source>
        <translation>
            <numerusform>%n mot a été omis : il n&apos;a pas d&apos;enregistrement et la voix n&apos;a pas pu le prononcer.</numerusform>
            <numerusform>%n mots ont été omis : ils n&apos;ont pas d&apos;enregistrement et la voix n&apos;a pas pu les prononcer.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n words were left out: they have no recording and the voice could not speak them.</source>
        <translation>
            <numerusform>%n mot a été omis : il n&apos;a pas d&apos;enregistrement et la voix n&apos;a pas pu le prononcer.</numerusform>
            <numerusform>%n mots ont été omis : ils n&apos;ont pas d&apos;enregistrement et la voix n&apos;a pas pu les prononcer.</numerusform>
        </translation>
    </message>
    <message>
        <source>Could not put back the file %1 after a change that was cut short: %2</source>
        <translation>Impossible de rétablir le fichier %1 après une modification interrompue : %2</translation>
    </message>
    <message>
        <source>Silent take</source>
        <translation>Prise silencieuse</translation>
    </message>
    <message>
        <source>Peak %1 dBFS, drawn at full scale</source>
        <translation>Crête à %1 dBFS, dessinée en pleine échelle</translation>
    </message>
    <message>
        <source>Peak %1 dBFS, drawn %2 times larger</source>
        <translation>Crête à %1 dBFS, dessinée %2 fois plus grande</translation>
    </message>
    <message>
        <source> (it looked for its data in %1)</source>
        <translation> (il a cherché ses données dans %1)</translation>
    </message>
    <message>
        <source>it is not in the package</source>
        <translation>il n&apos;est pas dans le paquet</translation>
    </message>
    <message>
        <source>its size cannot be read</source>
        <translation>sa taille ne peut pas être lue</translation>
    </message>
    <message>
        <source>its collection is not an SQLite database</source>
        <translation>sa collection n&apos;est pas une base de données SQLite</translation>
    </message>
    <message>
        <source>SQLite cannot be started</source>
        <translation>SQLite ne peut pas être démarré</translation>
    </message>
    <message>
        <source>the collection does not fit in memory</source>
        <translation>la collection ne tient pas en mémoire</translation>
    </message>
    <message>
        <source>its collection cannot be read (%1)</source>
        <translation>sa collection ne peut pas être lue (%1)</translation>
    </message>
    <message>
        <source>its notes cannot be read (%1)</source>
        <translation>ses notes ne peuvent pas être lues (%1)</translation>
    </message>
    <message>
        <source>The Anki deck %1 cannot be imported: %2.</source>
        <translation>Le paquet Anki %1 ne peut pas être importé : %2.</translation>
    </message>
    <message>
        <source>it is not a zip archive</source>
        <translation>ce n&apos;est pas une archive zip</translation>
    </message>
    <message>
        <source>the zip archive holds no Anki collection</source>
        <translation>l&apos;archive zip ne contient aucune collection Anki</translation>
    </message>
    <message>
        <source>its collection is not valid zstd-compressed data</source>
        <translation>sa collection n&apos;est pas une donnée compressée zstd valide</translation>
    </message>
    <message>
        <source>its media list cannot be read (%1)</source>
        <translation>sa liste de médias ne peut pas être lue (%1)</translation>
    </message>
    <message>
        <source>its media list is damaged</source>
        <translation>sa liste de médias est endommagée</translation>
    </message>
    <message>
        <source>The media file %1 in %2 cannot be read: %3.</source>
        <translation>Le fichier média %1 de %2 ne peut pas être lu : %3.</translation>
    </message>
    <message>
        <source>it is not in the package&apos;s media list</source>
        <translation>il n&apos;est pas dans la liste de médias du paquet</translation>
    </message>
    <message>
        <source>it is not valid zstd-compressed data</source>
        <translation>ce n&apos;est pas une donnée compressée zstd valide</translation>
    </message>
    <message>
        <source>The Anki deck could not be made: %1</source>
        <translation>Le paquet Anki n&apos;a pas pu être créé : %1</translation>
    </message>
    <message>
        <source>The list %1 was exported to %2 as an Anki deck of %3 with %4.</source>
        <translation>La liste %1 a été exportée vers %2 en paquet Anki de %3 avec %4.</translation>
    </message>
    <message numerus="yes">
        <source>%n note</source>
        <translation>
            <numerusform>%n note</numerusform>
            <numerusform>%n notes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n notes</source>
        <translation>
            <numerusform>%n note</numerusform>
            <numerusform>%n notes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n recording</source>
        <translation>
            <numerusform>%n enregistrement</numerusform>
            <numerusform>%n enregistrements</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n recordings</source>
        <translation>
            <numerusform>%n enregistrement</numerusform>
            <numerusform>%n enregistrements</numerusform>
        </translation>
    </message>
    <message>
        <source> 1 entry without a foreign word was left out.</source>
        <translation> 1 entrée sans mot étranger a été omise.</translation>
    </message>
    <message>
        <source> %1 entries without a foreign word were left out.</source>
        <translation> %1 entrées sans mot étranger ont été omises.</translation>
    </message>
    <message>
        <source> 1 recording could not be read; its note has no sound.</source>
        <translation> 1 enregistrement n&apos;a pas pu être lu ; sa note n&apos;a pas de son.</translation>
    </message>
    <message>
        <source> %1 recordings could not be read; their notes have no sound.</source>
        <translation> %1 enregistrements n&apos;ont pas pu être lus ; leurs notes n&apos;ont pas de son.</translation>
    </message>
    <message>
        <source>Could not make a temporary folder: %1</source>
        <translation>Impossible de créer un dossier temporaire : %1</translation>
    </message>
    <message>
        <source>The list %1 holds no words to export.</source>
        <translation>La liste %1 ne contient aucun mot à exporter.</translation>
    </message>
    <message>
        <source>of a note type the deck does not describe</source>
        <translation>d&apos;un type de note que le paquet ne décrit pas</translation>
    </message>
    <message>
        <source> will be skipped: </source>
        <translation> seront ignorées : </translation>
    </message>
    <message>
        <source>Only %1 sound numbers up to 99999 are still free in this language, too few for the new words of this deck. Nothing was imported.</source>
        <translation>Il ne reste que %1 numéros de son libres jusqu&apos;à 99999 dans cette langue, trop peu pour les nouveaux mots de ce paquet. Rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>The Anki deck %1 holds no notes. Nothing was imported.</source>
        <translation>Le paquet Anki %1 ne contient aucune note. Rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>No note of the Anki deck %1 gives a word pair with the fields chosen. Nothing was imported.</source>
        <translation>Aucune note du paquet Anki %1 ne donne une paire de mots avec les champs choisis. Rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>Nothing was imported: the files of the language are as they were.</source>
        <translation>Rien n&apos;a été importé : les fichiers de la langue sont restés tels quels.</translation>
    </message>
    <message>
        <source>The media file %1 in %2 cannot be converted: %3.</source>
        <translation>Le fichier média %1 de %2 ne peut pas être converti : %3.</translation>
    </message>
    <message>
        <source>Could not make the folder %1.</source>
        <translation>Le dossier %1 n&apos;a pas pu être créé.</translation>
    </message>
    <message>
        <source>%1 imported into the new list %2, with %3.</source>
        <translation>%1 dans la nouvelle liste %2, avec %3.</translation>
    </message>
    <message numerus="yes">
        <source>%n word pair was</source>
        <translation>
            <numerusform>%n paire de mots importée</numerusform>
            <numerusform>%n paires de mots importées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n word pairs were</source>
        <translation>
            <numerusform>%n paire de mots importée</numerusform>
            <numerusform>%n paires de mots importées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n new recording</source>
        <translation>
            <numerusform>%n nouvel enregistrement</numerusform>
            <numerusform>%n nouveaux enregistrements</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n new recordings</source>
        <translation>
            <numerusform>%n nouvel enregistrement</numerusform>
            <numerusform>%n nouveaux enregistrements</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of them was</source>
        <translation>
            <numerusform>%n d&apos;entre eux était</numerusform>
            <numerusform>%n d&apos;entre eux étaient</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of them were</source>
        <translation>
            <numerusform>%n d&apos;entre eux était</numerusform>
            <numerusform>%n d&apos;entre eux étaient</numerusform>
        </translation>
    </message>
    <message>
        <source> already in the language and kept its sound number.</source>
        <translation> déjà dans la langue et a gardé son numéro de son.</translation>
    </message>
    <message numerus="yes">
        <source>%n sound was</source>
        <translation>
            <numerusform>%n son a été</numerusform>
            <numerusform>%n sons ont été</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sounds were</source>
        <translation>
            <numerusform>%n son a été</numerusform>
            <numerusform>%n sons ont été</numerusform>
        </translation>
    </message>
    <message>
        <source> left out because the word already has a recording.</source>
        <translation> omis parce que le mot a déjà un enregistrement.</translation>
    </message>
    <message>
        <source> 1 sound named by a note is missing from the deck; that word came without it.</source>
        <translation> 1 son nommé par une note manque dans le paquet ; ce mot est arrivé sans lui.</translation>
    </message>
    <message>
        <source> %1 sounds named by notes are missing from the deck; those words came without them.</source>
        <translation> %1 sons nommés par des notes manquent dans le paquet ; ces mots sont arrivés sans eux.</translation>
    </message>
    <message numerus="yes">
        <source>%n translation sound was</source>
        <translation>
            <numerusform>%n son de traduction a été omis</numerusform>
            <numerusform>%n sons de traduction ont été omis</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n translation sounds were</source>
        <translation>
            <numerusform>%n son de traduction a été omis</numerusform>
            <numerusform>%n sons de traduction ont été omis</numerusform>
        </translation>
    </message>
    <message>
        <source> left out: the translation is not an entry of the target language.</source>
        <translation> car la traduction n&apos;est pas une entrée de la langue cible.</translation>
    </message>
    <message>
        <source>The import was cancelled. %1</source>
        <translation>L&apos;importation a été annulée. %1</translation>
    </message>
    <message>
        <source>the MP3 decoder cannot be started</source>
        <translation>le décodeur MP3 ne peut pas être démarré</translation>
    </message>
    <message>
        <source>it is too long for a word&apos;s recording</source>
        <translation>il est trop long pour l&apos;enregistrement d&apos;un mot</translation>
    </message>
    <message>
        <source>its MP3 frames change rate or channels part-way</source>
        <translation>ses trames MP3 changent de fréquence ou de canaux en cours de route</translation>
    </message>
    <message>
        <source>it is not a readable MP3 file (%1)</source>
        <translation>ce n&apos;est pas un fichier MP3 lisible (%1)</translation>
    </message>
    <message>
        <source>it holds no MP3 audio</source>
        <translation>il ne contient pas d&apos;audio MP3</translation>
    </message>
    <message>
        <source>it is not a readable Ogg Vorbis file</source>
        <translation>ce n&apos;est pas un fichier Ogg Vorbis lisible</translation>
    </message>
    <message>
        <source>its Ogg Vorbis audio is damaged</source>
        <translation>son audio Ogg Vorbis est endommagé</translation>
    </message>
    <message>
        <source>the FLAC decoder cannot be started</source>
        <translation>le décodeur FLAC ne peut pas être démarré</translation>
    </message>
    <message>
        <source>its FLAC audio is damaged</source>
        <translation>son audio FLAC est endommagé</translation>
    </message>
    <message>
        <source>it is not a WAV file of a kind that can be read (PCM or float)</source>
        <translation>ce n&apos;est pas un fichier WAV d&apos;un type lisible (PCM ou virgule flottante)</translation>
    </message>
    <message>
        <source>it is not MP3, Ogg Vorbis, FLAC or WAV audio</source>
        <translation>ce n&apos;est pas de l&apos;audio MP3, Ogg Vorbis, FLAC ou WAV</translation>
    </message>
    <message>
        <source>it holds no sound</source>
        <translation>il ne contient aucun son</translation>
    </message>
    <message>
        <source>the MP3 encoder failed</source>
        <translation>l&apos;encodeur MP3 a échoué</translation>
    </message>
    <message>
        <source>Anki deck, collection.anki2</source>
        <translation>Paquet Anki, collection.anki2</translation>
    </message>
    <message>
        <source>Anki deck, collection.anki21</source>
        <translation>Paquet Anki, collection.anki21</translation>
    </message>
    <message>
        <source>Anki deck, collection.anki21b</source>
        <translation>Paquet Anki, collection.anki21b</translation>
    </message>
    <message>
        <source>Import Anki Deck</source>
        <translation>Importer un paquet Anki</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n notes)</source>
        <translation>
            <numerusform>%1 (%n note)</numerusform>
            <numerusform>%1 (%n notes)</numerusform>
        </translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Enregistrement</translation>
    </message>
    <message>
        <source>&amp;Note type:</source>
        <translation>Type de &amp;note :</translation>
    </message>
    <message>
        <source>The deck holds no notes.</source>
        <translation>Le paquet ne contient aucune note.</translation>
    </message>
    <message>
        <source>Choose two different fields for the word and its translation.</source>
        <translation>Choisissez deux champs différents pour le mot et sa traduction.</translation>
    </message>
    <message>
        <source>%1 word %2 will be imported into a new list of %3, %4 with a recording.</source>
        <translation>%1 %2 seront importées dans une nouvelle liste de %3, dont %4 avec un enregistrement.</translation>
    </message>
    <message>
        <source>pair</source>
        <translation>paire de mots</translation>
    </message>
    <message>
        <source>pairs</source>
        <translation>paires de mots</translation>
    </message>
    <message>
        <source> The first %1 are shown.</source>
        <translation> Les %1 premières sont affichées.</translation>
    </message>
    <message>
        <source>No note will be skipped.</source>
        <translation>Aucune note ne sera ignorée.</translation>
    </message>
    <message>
        <source> 1 sound named by a note is missing from the deck; that word comes without it.</source>
        <translation> 1 son nommé par une note manque dans le paquet ; ce mot viendra sans lui.</translation>
    </message>
    <message>
        <source> %1 sounds named by notes are missing from the deck; those words come without them.</source>
        <translation> %1 sons nommés par des notes manquent dans le paquet ; ces mots viendront sans eux.</translation>
    </message>
    <message>
        <source>Converting the deck&apos;s sounds into recordings...</source>
        <translation>Conversion des sons du paquet en enregistrements...</translation>
    </message>
    <message>
        <source>Sounds converted</source>
        <translation>Sons convertis</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Annulation...</translation>
    </message>
    <message>
        <source>Import &amp;Anki Deck...</source>
        <translation>Importer un paquet &amp;Anki...</translation>
    </message>
    <message>
        <source>Export as Anki &amp;Deck...</source>
        <translation>E&amp;xporter en paquet Anki...</translation>
    </message>
    <message>
        <source>Anki decks (*.apkg)</source>
        <translation>Paquets Anki (*.apkg)</translation>
    </message>
    <message>
        <source>;;All files (*)</source>
        <translation>;;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>An Anki deck is being imported. Please wait until it is done, then try again.</source>
        <translation>Un paquet Anki est en cours d&apos;importation. Attendez qu&apos;elle se termine, puis réessayez.</translation>
    </message>
    <message>
        <source>Export as Anki Deck</source>
        <translation>Exporter en paquet Anki</translation>
    </message>
    <message>
        <source>The recording %1 could not be read: %2</source>
        <translation>L&apos;enregistrement %1 n&apos;a pas pu être lu : %2</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>ce fichier n&apos;existe pas</translation>
    </message>
    <message>
        <source>Say It needs the word&apos;s recording, and this word has no sound number.</source>
        <translation>« Dites-le » a besoin de l&apos;enregistrement du mot, et ce mot n&apos;a pas de numéro de son.</translation>
    </message>
    <message>
        <source>Say It needs the word&apos;s recording, and this word has none. Turning on the voice for words without a recording lets you practise it against the voice.</source>
        <translation>« Dites-le » a besoin de l&apos;enregistrement du mot, et ce mot n&apos;en a pas. Si vous activez la voix pour les mots sans enregistrement, vous pouvez vous exercer avec la voix.</translation>
    </message>
    <message>
        <source>No microphone was found</source>
        <translation>Aucun micro n&apos;a été trouvé</translation>
    </message>
    <message>
        <source>The recording could not be stopped.</source>
        <translation>L&apos;enregistrement n&apos;a pas pu être arrêté.</translation>
    </message>
    <message>
        <source>The recording could not be read.</source>
        <translation>L&apos;enregistrement n&apos;a pas pu être lu.</translation>
    </message>
    <message>
        <source>Your take was too loud and is clipped. Move back from the microphone or turn its level down, then try again.</source>
        <translation>Votre prise était trop forte et sature. Éloignez-vous du micro ou baissez son niveau, puis réessayez.</translation>
    </message>
    <message>
        <source>Nothing was heard. Say the word when &quot;Speak&quot; shows.</source>
        <translation>Rien n&apos;a été entendu. Dites le mot quand « Parlez » s&apos;affiche.</translation>
    </message>
    <message>
        <source>Your take was too quiet to compare. Speak closer to the microphone or turn its level up, then try again.</source>
        <translation>Votre prise était trop faible pour être comparée. Parlez plus près du micro ou montez son niveau, puis réessayez.</translation>
    </message>
    <message>
        <source>Your take was too short to compare. Say the whole word when &quot;Speak&quot; shows.</source>
        <translation>Votre prise était trop courte pour être comparée. Dites le mot entier quand « Parlez » s&apos;affiche.</translation>
    </message>
    <message>
        <source>Your take could not be kept: the word&apos;s sound number &quot;%1&quot; cannot name a file.</source>
        <translation>Votre prise n&apos;a pas pu être conservée : le numéro de son « %1 » du mot ne peut pas nommer un fichier.</translation>
    </message>
    <message>
        <source>Your take could not be kept: the folder %1 could not be made.</source>
        <translation>Votre prise n&apos;a pas pu être conservée : le dossier %1 n&apos;a pas pu être créé.</translation>
    </message>
    <message>
        <source>Your take could not be kept: the MP3 encoder failed.</source>
        <translation>Votre prise n&apos;a pas pu être conservée : l&apos;encodeur MP3 a échoué.</translation>
    </message>
    <message>
        <source>Your take could not be kept.<byte value="xd"/>
%1</source>
        <translation>Votre prise n&apos;a pas pu être conservée.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Very close</source>
        <translation>Très proche</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Réessayez</translation>
    </message>
    <message>
        <source>Say It</source>
        <translation>Dites-le</translation>
    </message>
    <message>
        <source>Key S</source>
        <translation>Touche S</translation>
    </message>
    <message>
        <source>Say It practises the word on the card, and no word is shown.</source>
        <translation>« Dites-le » fait travailler le mot de la carte, et aucun mot n&apos;est affiché.</translation>
    </message>
    <message>
        <source>Space: Show Answer    Right or 2: I knew it    Left or 1: I forgot    S: Say It    Escape: close</source>
        <translation>Espace : voir la réponse    Droite ou 2 : je savais    Gauche ou 1 : j&apos;avais oublié    S : Dites-le    Échap : fermer</translation>
    </message>
    <message>
        <source>Key %1</source>
        <translation>Touche %1</translation>
    </message>
    <message>
        <source>The recording and your take</source>
        <translation>L&apos;enregistrement et votre prise</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>no speech</source>
        <translation>aucune parole</translation>
    </message>
    <message>
        <source>Recording: %1 spoken.</source>
        <translation>Enregistrement : %1 de parole.</translation>
    </message>
    <message>
        <source>No recording.</source>
        <translation>Pas d&apos;enregistrement.</translation>
    </message>
    <message>
        <source> Your take: %1 spoken, drawn on the recording&apos;s time scale.</source>
        <translation> Votre prise : %1 de parole, tracée sur l&apos;échelle de temps de l&apos;enregistrement.</translation>
    </message>
    <message>
        <source> No take yet.</source>
        <translation> Pas encore de prise.</translation>
    </message>
    <message>
        <source>Your take</source>
        <translation>Votre prise</translation>
    </message>
    <message>
        <source>Word to say</source>
        <translation>Mot à dire</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>Compte à rebours</translation>
    </message>
    <message>
        <source>What the drawing shows</source>
        <translation>Ce que montre le dessin</translation>
    </message>
    <message>
        <source>Orange: pitch. The score compares your take with one recording of one speaker; it is not a judgement of your pronunciation.</source>
        <translation>Orange : hauteur. Le score compare votre prise à un enregistrement d&apos;un seul locuteur ; ce n&apos;est pas un jugement de votre prononciation.</translation>
    </message>
    <message>
        <source>Score out of 100</source>
        <translation>Score sur 100</translation>
    </message>
    <message>
        <source>How close your take is</source>
        <translation>À quel point votre prise est proche</translation>
    </message>
    <message>
        <source>Where your take was kept</source>
        <translation>Où votre prise a été conservée</translation>
    </message>
    <message>
        <source>Hear the recording</source>
        <translation>Écouter l&apos;enregistrement</translation>
    </message>
    <message>
        <source>Hear my take</source>
        <translation>Écouter ma prise</translation>
    </message>
    <message>
        <source>Hear both</source>
        <translation>Écouter les deux</translation>
    </message>
    <message>
        <source>Say it again</source>
        <translation>Le redire</translation>
    </message>
    <message>
        <source>Keep my take</source>
        <translation>Garder ma prise</translation>
    </message>
    <message>
        <source>Get ready</source>
        <translation>Préparez-vous</translation>
    </message>
    <message>
        <source>Speak: %1 s</source>
        <translation>Parlez : %1 s</translation>
    </message>
    <message>
        <source>The recording of this word is silent, so there is nothing to compare with.</source>
        <translation>L&apos;enregistrement de ce mot est silencieux, il n&apos;y a donc rien à comparer.</translation>
    </message>
    <message>
        <source>Your take was kept as %1</source>
        <translation>Votre prise a été conservée sous %1</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>how near the take is</comment>
        <translation>Proche</translation>
    </message>
    <message>
        <source>No words are due for review today, so no MP3 was made.</source>
        <translation>Aucun mot n&apos;est à réviser aujourd&apos;hui, aucun MP3 n&apos;a donc été créé.</translation>
    </message>
    <message>
        <source>Today&apos;s review could not be saved.<byte value="xd"/>
%1</source>
        <translation>La révision du jour n&apos;a pas pu être enregistrée.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>None of the %1 words due today has a sound, so no MP3 was made.</source>
        <translation>Aucun des %1 mots à réviser aujourd&apos;hui n&apos;a de son, aucun MP3 n&apos;a donc été créé.</translation>
    </message>
    <message>
        <source>Today&apos;s review is ready: %1 %2, playing %3.</source>
        <translation>La révision du jour est prête : %1 %2, durée %3.</translation>
    </message>
    <message>
        <source>word</source>
        <translation>mot</translation>
    </message>
    <message>
        <source>words</source>
        <translation>mots</translation>
    </message>
    <message>
        <source> %1 of the words due had no sound and were left out.</source>
        <translation> %1 des mots à réviser n&apos;avaient pas de son et ont été omis.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
It was saved as %1, with its captions beside it.</source>
        <translation><byte value="xd"/>
Elle a été enregistrée sous %1, avec ses sous-titres à côté.</translation>
    </message>
    <message>
        <source>Today&apos;s &amp;Review as MP3...</source>
        <translation>&amp;Révision du jour en MP3...</translation>
    </message>
    <message>
        <source>&amp;Speech Speed</source>
        <translation>&amp;Vitesse de la voix</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Today&apos;s Review as MP3</source>
        <translation>Révision du jour en MP3</translation>
    </message>
    <message>
        <source>Saves the words due today as an MP3 with captions; the review itself is not changed</source>
        <translation>Enregistre les mots à réviser aujourd&apos;hui en MP3 avec sous-titres ; la révision elle-même ne change pas</translation>
    </message>
    <message>
        <source>Choose a language first.</source>
        <translation>Choisissez d&apos;abord une langue.</translation>
    </message>
</context>
</TS>
