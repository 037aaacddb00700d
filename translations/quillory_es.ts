<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Quillory</name>
    <message>
        <source>The sample recordings could not be copied into %1: %2 could not be written.</source>
        <translation>No se pudieron copiar las grabaciones de ejemplo en %1: no se pudo escribir %2.</translation>
    </message>
    <message>
        <source>The sample languages could not be copied into %1: %2</source>
        <translation>No se pudieron copiar los idiomas de ejemplo en %1: %2</translation>
    </message>
    <message>
        <source>The sample languages could not be copied into %1: %2 could not be copied.</source>
        <translation>No se pudieron copiar los idiomas de ejemplo en %1: no se pudo copiar %2.</translation>
    </message>
    <message>
        <source>The sample languages could not be moved into place in %1.</source>
        <translation>No se pudieron colocar los idiomas de ejemplo en %1.</translation>
    </message>
    <message>
        <source>The data folder %1 could not be made; nothing can be kept. Start Quillory with --data and a folder that can be written.</source>
        <translation>No se pudo crear la carpeta de datos %1; no se puede guardar nada. Inicia Quillory con --data y una carpeta en la que se pueda escribir.</translation>
    </message>
    <message>
        <source>How many times should words be repeated before going to the next word? Recommended ranges are from 3 to 30.</source>
        <translation>¿Cuántas veces deben repetirse las palabras antes de pasar a la siguiente? Se recomienda entre 3 y 30.</translation>
    </message>
    <message>
        <source>That was too few or too many. It is now set to 3.</source>
        <translation>Son demasiadas o demasiado pocas. Se ha fijado en 3.</translation>
    </message>
    <message>
        <source>Not enough files had sound files</source>
        <translation>No hay suficientes palabras con archivo de sonido</translation>
    </message>
    <message numerus="yes">
        <source>%n words remain on this list</source>
        <translation>
            <numerusform>Queda %n palabra en esta lista</numerusform>
            <numerusform>Quedan %n palabras en esta lista</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Words</source>
        <translation>
            <numerusform>%n palabra</numerusform>
            <numerusform>%n palabras</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n words added</source>
        <translation>
            <numerusform>%n palabra añadida</numerusform>
            <numerusform>%n palabras añadidas</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>%1 sec</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Could not write the file %1.</source>
        <translation>No se pudo escribir el archivo %1.</translation>
    </message>
    <message>
        <source>How long should the pause between words be (in seconds)?  Use 0.1 for a quick speed and 2 for slow. For phrases, it needs to be 1 or higher.</source>
        <translation>¿Cuánto debe durar la pausa entre palabras (en segundos)?  Usa 0.1 para una velocidad rápida y 2 para una lenta. Para frases, debe ser 1 o más.</translation>
    </message>
    <message>
        <source>How long should the pause between words be (in seconds)? Use 0.1 for a quick speed and 2 for slow. For phrases, it needs to be 1 or higher.</source>
        <translation>¿Cuánto debe durar la pausa entre palabras (en segundos)? Usa 0.1 para una velocidad rápida y 2 para una lenta. Para frases, debe ser 1 o más.</translation>
    </message>
    <message>
        <source>Speed Bump</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>That was less than 0.01 or more than 10. It&apos;s been set to .2 second.</source>
        <translation>El valor era menor que 0.01 o mayor que 10. Se ha fijado en 0.2 segundos.</translation>
    </message>
    <message>
        <source>That was less than 0.01 or more than 10. It&apos;s been set to .1 second.</source>
        <translation>El valor era menor que 0.01 o mayor que 10. Se ha fijado en 0.1 segundos.</translation>
    </message>
    <message>
        <source>This plays just the top word.</source>
        <translation>Así solo se reproduce la palabra de arriba.</translation>
    </message>
    <message>
        <source>If both language&apos;s sound files are installed, this plays both the top and bottom words.</source>
        <translation>Si están instalados los archivos de sonido de ambos idiomas, así se reproducen la palabra de arriba y la de abajo.</translation>
    </message>
    <message>
        <source>How many times should the foreign word be played before the translation is played?  This works only if both languages are installed.</source>
        <translation>¿Cuántas veces debe reproducirse la palabra extranjera antes de la traducción?  Solo funciona si ambos idiomas están instalados.</translation>
    </message>
    <message>
        <source>How many times should the top word be played before the bottom word is played?   This works only if both languages are installed.</source>
        <translation>¿Cuántas veces debe reproducirse la palabra de arriba antes de la de abajo?   Solo funciona si ambos idiomas están instalados.</translation>
    </message>
    <message>
        <source>How many times should the TOP word play before showing the TOP word&apos;s text?  Enter only a number.</source>
        <translation>¿Cuántas veces debe sonar la palabra de ARRIBA antes de mostrar su texto?  Escribe solo un número.</translation>
    </message>
    <message>
        <source>How many times should the TOP word play before showing the BOTTOM word&apos;s text?  Enter only a number.</source>
        <translation>¿Cuántas veces debe sonar la palabra de ARRIBA antes de mostrar el texto de la palabra de ABAJO?  Escribe solo un número.</translation>
    </message>
    <message>
        <source>This will create an mp3 file for your portable mp3 player. It is not useful unless you have the sound files for both languages.  The mp3 file this creates will be stored in the quillory folder and called out_file.mp3.  What you heard before seeing this message is what the mp3 will sound like. You can click cancel now to listen to check if the current &apos;repeat&apos;, &apos;speed&apos;, and &apos;interlace&apos; settings are what you want. I recommend the settings to be 6, 0.4, and 1.  This means each foreign word will be played 6 times with a pause of 0.4 seconds between words and the translation will be spoken (&apos;interlaced&apos;) every 1 times the foreign word is spoken. If you want to create the mp3 file now, enter the number of words you want in the mp3 file in the blank below and click OK.  I recommend 50.</source>
        <translation>Esto creará un archivo mp3 para tu reproductor portátil. Solo es útil si tienes los archivos de sonido de ambos idiomas.  El archivo mp3 se guardará en la carpeta de quillory con el nombre out_file.mp3.  Lo que has oído antes de ver este mensaje es como sonará el mp3. Puedes pulsar Cancelar ahora para escuchar y comprobar si los ajustes actuales de «repeticiones», «velocidad» e «intercalar» son los que quieres. Recomiendo los valores 6, 0.4 y 1.  Esto significa que cada palabra extranjera se reproducirá 6 veces con una pausa de 0.4 segundos entre palabras, y la traducción se dirá («intercalada») cada vez que se diga la palabra extranjera. Si quieres crear el archivo mp3 ahora, escribe abajo el número de palabras que quieres en el mp3 y pulsa Aceptar.  Recomiendo 50.</translation>
    </message>
    <message>
        <source>When the recording is completed, the flash cards will resume normal mode and begin playing aloud.  When this finishes, rename out_file.mp3 if you don&apos;t want it deleted the next time you use this function.</source>
        <translation>Cuando termine la grabación, las tarjetas volverán al modo normal y empezarán a sonar en voz alta.  Cuando termine, cambia el nombre de out_file.mp3 si no quieres que se borre la próxima vez que uses esta función.</translation>
    </message>
    <message>
        <source>Action has been cancelled</source>
        <translation>Acción cancelada</translation>
    </message>
    <message>
        <source>This will create MP3 files for the current word list in blocks of 100 words.  The mp3 files will be stored in the quillory folder and named 100words1.mp3, 100words2.mp3 etc.  If these files already exit from a previous session, they will be deleted.</source>
        <translation>Esto creará archivos MP3 de la lista de palabras actual en bloques de 100 palabras.  Los archivos mp3 se guardarán en la carpeta de quillory con los nombres 100words1.mp3, 100words2.mp3, etc.  Si ya existen de una sesión anterior, se borrarán.</translation>
    </message>
    <message>
        <source>How many times should each word be repeated?  I recommend 5.  Type only a number. It may take 5 minutes for this operation to complete if you select 5 repeats and there are 1000 words on this word list.  With a setting of 5, each mp3 file is 4 MB and 15 minuutes long (for word lists, not phrases).  There will a message to let you know when it&apos;s complete.  You may click cancel to stop this operation.</source>
        <translation>¿Cuántas veces debe repetirse cada palabra?  Recomiendo 5.  Escribe solo un número. Esta operación puede tardar 5 minutos si eliges 5 repeticiones y la lista tiene 1000 palabras.  Con el valor 5, cada archivo mp3 ocupa 4 MB y dura 15 minutos (para listas de palabras, no de frases).  Un mensaje te avisará cuando termine.  Puedes pulsar Cancelar para detener esta operación.</translation>
    </message>
    <message>
        <source>How many seconds of silence should there be between words?  Enter zero &quot;0&quot; for no pause between words (it&apos;s fast) or 0.5 for a little bit of a pause.</source>
        <translation>¿Cuántos segundos de silencio debe haber entre palabras?  Escribe cero «0» para no hacer pausa (es rápido) o 0.5 para una pausa breve.</translation>
    </message>
    <message numerus="yes">
        <source>%n words completed</source>
        <translation>
            <numerusform>%n palabra terminada</numerusform>
            <numerusform>%n palabras terminadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files have been completed.</source>
        <translation>
            <numerusform>Se ha terminado %n archivo.</numerusform>
            <numerusform>Se han terminado %n archivos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot call this command after FSOUND_Init.  Call FSOUND_Close first.</source>
        <translation>Esta orden no se puede usar después de FSOUND_Init.  Llama antes a FSOUND_Close.</translation>
    </message>
    <message>
        <source>This command failed because FSOUND_Init was not called</source>
        <translation>Esta orden ha fallado porque no se llamó a FSOUND_Init</translation>
    </message>
    <message>
        <source>Error initializing output device.</source>
        <translation>Error al inicializar el dispositivo de salida.</translation>
    </message>
    <message>
        <source>The output device is already in use and cannot be reused.</source>
        <translation>El dispositivo de salida ya está en uso y no se puede volver a usar.</translation>
    </message>
    <message>
        <source>Playing the sound failed.</source>
        <translation>No se pudo reproducir el sonido.</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Archivo no encontrado</translation>
    </message>
    <message>
        <source>Unknown file format</source>
        <translation>Formato de archivo desconocido</translation>
    </message>
    <message>
        <source>Error loading file</source>
        <translation>Error al cargar el archivo</translation>
    </message>
    <message>
        <source>Not enough memory </source>
        <translation>Memoria insuficiente </translation>
    </message>
    <message>
        <source>An invalid parameter was passed to this function</source>
        <translation>Se pasó un parámetro no válido a esta función</translation>
    </message>
    <message>
        <source>Failed to allocate a new channel</source>
        <translation>No se pudo asignar un canal nuevo</translation>
    </message>
    <message>
        <source>Recording is not supported on this machine</source>
        <translation>Este equipo no permite grabar</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Error desconocido</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instrucciones</translation>
    </message>
    <message>
        <source>First select a language to learn by clicking on its name at the top left. Lists of words for that language will then appear.  Click on one of the lists to see the words on that list. Click on a word to hear it. Click on &apos;flash cards&apos; to randomnly play words on the selected list.  You can double-click on a word to move it from the &apos;unknown&apos; list to the &apos;known&apos; list. The program remembers which words you have marked as &apos;known&apos; for the next time you run the program. You can review the words you&apos;ve marked as &apos;known&apos; and double-click on them to move them back onto the &apos;unknown&apos; list. </source>
        <translation>Primero elige el idioma que quieres aprender haciendo clic en su nombre, arriba a la izquierda. Aparecerán las listas de palabras de ese idioma.  Haz clic en una de las listas para ver sus palabras. Haz clic en una palabra para oírla. Haz clic en «tarjetas» para reproducir al azar palabras de la lista elegida.  Puedes hacer doble clic en una palabra para pasarla de la lista de «desconocidas» a la de «conocidas». El programa recuerda qué palabras has marcado como «conocidas» para la próxima vez que lo uses. Puedes repasar las palabras que has marcado como «conocidas» y hacer doble clic en ellas para devolverlas a la lista de «desconocidas». </translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>For general instructions on how to use the program, click on Instructions. For additional words, go to %1.  For additional help contact %2 at %3 or %4.</source>
        <translation>Para instrucciones generales sobre el uso del programa, haz clic en Instrucciones. Para conseguir más palabras, visita %1.  Para más ayuda, contacta con %2 en %3 o en el %4.</translation>
    </message>
    <message>
        <source>See the Help section if this information does not solve the problem.  The program depends on the sound files and word lists to be in a certain location relative to the quillory program.  The following files have to be in the indicated sub-folders relative to the quillory program. 

quillory		in &apos;quillory&apos; folder
SDL2, SDL2_mixer		installed with the system (libsdl2, libsdl2-mixer)
mp3 and wav sound files	example: quillory/languages/spanish/01/01436.mp3
text files of word lists	example: quillory/languages/spanish/most_common_words.txt
the users known word lists	example: quillory/users/kestrel/spanish/most_common_words-u.txt</source>
        <translation>Consulta la sección de Ayuda si esta información no resuelve el problema.  El programa necesita que los archivos de sonido y las listas de palabras estén en un lugar concreto respecto al programa quillory.  Los siguientes archivos tienen que estar en las subcarpetas indicadas respecto al programa quillory. 

quillory		en la carpeta &apos;quillory&apos;
SDL2, SDL2_mixer		instaladas con el sistema (libsdl2, libsdl2-mixer)
archivos de sonido mp3 y wav	ejemplo: quillory/languages/spanish/01/01436.mp3
archivos de texto de las listas	ejemplo: quillory/languages/spanish/most_common_words.txt
listas de palabras conocidas del usuario	ejemplo: quillory/users/kestrel/spanish/most_common_words-u.txt</translation>
    </message>
    <message>
        <source>Troubleshooting</source>
        <translation>Solución de problemas</translation>
    </message>
    <message>
        <source>About %1 Vocabulary Tutor</source>
        <translation>Acerca de %1, tutor de vocabulario</translation>
    </message>
    <message>
        <source>Quillory version %1 %2. </source>
        <translation>Quillory versión %1 %2. </translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1: el archivo no existe</translation>
    </message>
    <message>
        <source>%1 does not provide %2</source>
        <translation>%1 no ofrece %2</translation>
    </message>
    <message>
        <source>The cipher library %1 could not be used, so recordings cannot be enciphered or deciphered (%2).</source>
        <translation>No se pudo usar la biblioteca de cifrado %1, así que las grabaciones no se pueden cifrar ni descifrar (%2).</translation>
    </message>
    <message>
        <source>The folder %1 could not be created.</source>
        <translation>No se pudo crear la carpeta %1.</translation>
    </message>
    <message>
        <source>Could not read the file %1.</source>
        <translation>No se pudo leer el archivo %1.</translation>
    </message>
    <message>
        <source>This button is for the user to add their own language to the Quillory program.  It&apos;s best to first email me at %1 or call me at %2 to find out if I already have word lists for the language you want to add.  If you want to begin work on a new language, what do you want to call it?  Use 8 or fewer english letters and numbers, but not spaces.</source>
        <translation>Este botón sirve para que añadas tu propio idioma al programa Quillory.  Lo mejor es que primero me escribas a %1 o me llames al %2 para saber si ya tengo listas de palabras del idioma que quieres añadir.  Si quieres empezar a trabajar en un idioma nuevo, ¿cómo quieres llamarlo?  Usa 8 letras o números ingleses como máximo, sin espacios.</translation>
    </message>
    <message>
        <source>language name</source>
        <translation>nombre del idioma</translation>
    </message>
    <message>
        <source>That language already exits.  Please choose another name.</source>
        <translation>Ese idioma ya existe.  Elige otro nombre.</translation>
    </message>
    <message>
        <source>You need to connect this new language to a &apos;target&apos; language. The target language will be the other language in this language pair that the students already know.  Usually, the target language will be english.  If the target language you type below already exists on this computer, you will not have to type those target translations or record the target sounds.  What is the &apos;target&apos; language?  Be sure to spell it correctly.  The name must be 8 or fewer english letters.</source>
        <translation>Tienes que vincular este idioma nuevo a un idioma «destino». El idioma destino es el otro idioma del par, el que los estudiantes ya saben.  Normalmente será el inglés (english).  Si el idioma destino que escribas abajo ya existe en este equipo, no tendrás que escribir esas traducciones ni grabar esos sonidos.  ¿Cuál es el idioma «destino»?  Asegúrate de escribirlo bien.  El nombre debe tener 8 letras inglesas como máximo.</translation>
    </message>
    <message>
        <source>target language name</source>
        <translation>nombre del idioma destino</translation>
    </message>
    <message>
        <source>That language folder is not on this computer, but your selection is being recorded.</source>
        <translation>Esa carpeta de idioma no está en este equipo, pero se guarda tu elección.</translation>
    </message>
    <message>
        <source>Thank you, that language was found on this computer.  Words lists from that language will now be formatted to be used in the new language you are adding so that the exiting words/phrases of the student&apos;s native language do not have to be retyped.  After clicking OK below you can select the new language in the list of languages, then select one of the word lists, and then select &apos;Record and Edit&apos; to type the translations and record words for the new language.</source>
        <translation>Gracias, ese idioma está en este equipo.  Sus listas de palabras se prepararán ahora para el idioma nuevo que estás añadiendo, de modo que no haya que volver a escribir las palabras y frases existentes en la lengua materna de los estudiantes.  Después de pulsar Aceptar, puedes elegir el idioma nuevo en la lista de idiomas, luego una de las listas de palabras y después «Grabar y editar» para escribir las traducciones y grabar las palabras del idioma nuevo.</translation>
    </message>
    <message>
        <source>First select a language.</source>
        <translation>Primero elige un idioma.</translation>
    </message>
    <message>
        <source>This creates a new word/phrase list to be added to the currently selected language (%1).  If this is not what you want to do, click cancel.  After creating this new list, you can add words and phrases to it using the &apos;Record and Edit Selected List&apos; button. What is the name of the new list?  Use only english characters and numbers.</source>
        <translation>Esto crea una lista nueva de palabras o frases para el idioma elegido (%1).  Si no es lo que quieres hacer, pulsa Cancelar.  Después de crear la lista, puedes añadirle palabras y frases con el botón «Grabar y editar la lista elegida». ¿Cómo se llamará la lista nueva?  Usa solo letras inglesas y números.</translation>
    </message>
    <message>
        <source>list name</source>
        <translation>nombre de la lista</translation>
    </message>
    <message>
        <source>That list already exists for this language.  Please choose another list name.</source>
        <translation>Esa lista ya existe en este idioma.  Elige otro nombre de lista.</translation>
    </message>
    <message>
        <source>%1 %2 (%3 %4)</source>
        <translation>%1 %2 (%3 %4)</translation>
    </message>
    <message>
        <source>line</source>
        <translation>línea</translation>
    </message>
    <message>
        <source>lines</source>
        <translation>líneas</translation>
    </message>
    <message>
        <source>with an empty field</source>
        <translation>con un campo vacío</translation>
    </message>
    <message>
        <source>with &quot;|&quot; inside a field</source>
        <translation>con «|» dentro de un campo</translation>
    </message>
    <message>
        <source>with a line break inside a field</source>
        <translation>con un salto de línea dentro de un campo</translation>
    </message>
    <message>
        <source>repeating a pair above</source>
        <translation>que repiten un par anterior</translation>
    </message>
    <message>
        <source>beyond the %1 pairs one list holds</source>
        <translation>más allá de los %1 pares que caben en una lista</translation>
    </message>
    <message numerus="yes">
        <source>%n entry will be skipped: %1.</source>
        <translation>
            <numerusform>Se omitirá %n entrada: %1.</numerusform>
            <numerusform>Se omitirán %n entradas: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries will be skipped: %1.</source>
        <translation>
            <numerusform>Se omitirá %n entrada: %1.</numerusform>
            <numerusform>Se omitirán %n entradas: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line will be skipped: %1.</source>
        <translation>
            <numerusform>Se omitirá %n línea: %1.</numerusform>
            <numerusform>Se omitirán %n líneas: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lines will be skipped: %1.</source>
        <translation>
            <numerusform>Se omitirá %n línea: %1.</numerusform>
            <numerusform>Se omitirán %n líneas: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Please type a name for the new list.</source>
        <translation>Escribe un nombre para la lista nueva.</translation>
    </message>
    <message>
        <source>There are no word pairs to import.</source>
        <translation>No hay pares de palabras que importar.</translation>
    </message>
    <message>
        <source>Could not read the file %1: %2</source>
        <translation>No se pudo leer el archivo %1: %2</translation>
    </message>
    <message>
        <source>The file %1 does not hold a sound number. Please correct it so that it holds the next free number, for example 70000.</source>
        <translation>El archivo %1 no contiene un número de sonido. Corrígelo para que contenga el siguiente número libre, por ejemplo 70000.</translation>
    </message>
    <message>
        <source>Only %1 sound numbers up to 99999 are still free in this language, too few for the new words of this file. Nothing was imported.</source>
        <translation>En este idioma solo quedan libres %1 números de sonido hasta el 99999, demasiado pocos para las palabras nuevas de este archivo. No se importó nada.</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
Nothing was imported: the files of the language are as they were.</source>
        <translation>%1<byte value="xd"/>
No se importó nada: los archivos del idioma siguen como estaban.</translation>
    </message>
    <message numerus="yes">
        <source>%n word pair was imported into the new list %1.</source>
        <translation>
            <numerusform>Se importó %n par de palabras en la lista nueva %1.</numerusform>
            <numerusform>Se importaron %n pares de palabras en la lista nueva %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n word pairs were imported into the new list %1.</source>
        <translation>
            <numerusform>Se importó %n par de palabras en la lista nueva %1.</numerusform>
            <numerusform>Se importaron %n pares de palabras en la lista nueva %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of them was already in the language and kept its sound number.</source>
        <translation>
            <numerusform>%n de ellos ya estaba en el idioma y conservó su número de sonido.</numerusform>
            <numerusform>%n de ellos ya estaban en el idioma y conservaron su número de sonido.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of them were already in the language and kept its sound number.</source>
        <translation>
            <numerusform>%n de ellos ya estaba en el idioma y conservó su número de sonido.</numerusform>
            <numerusform>%n de ellos ya estaban en el idioma y conservaron su número de sonido.</numerusform>
        </translation>
    </message>
    <message>
        <source>Could not read the file %1</source>
        <translation>No se pudo leer el archivo %1</translation>
    </message>
    <message>
        <source>The cipher library could not be loaded: %1</source>
        <translation>No se pudo cargar la biblioteca de cifrado: %1</translation>
    </message>
    <message>
        <source>The cipher library reported error %1.</source>
        <translation>La biblioteca de cifrado devolvió el error %1.</translation>
    </message>
    <message>
        <source>The archive %1 cannot be opened: %2</source>
        <translation>No se puede abrir el archivo comprimido %1: %2</translation>
    </message>
    <message>
        <source>The archive %1 is incomplete.</source>
        <translation>El archivo comprimido %1 está incompleto.</translation>
    </message>
    <message>
        <source>Could not copy %1 to %2.</source>
        <translation>No se pudo copiar %1 en %2.</translation>
    </message>
    <message>
        <source>Could not copy %1 to %2: %3</source>
        <translation>No se pudo copiar %1 en %2: %3</translation>
    </message>
    <message>
        <source>The archive %1 cannot be written: %2</source>
        <translation>No se puede escribir el archivo comprimido %1: %2</translation>
    </message>
    <message>
        <source>Currently the program is working on %1.  Please wait about 5 seconds before clicking &apos;OK&apos; below.</source>
        <translation>El programa está trabajando en %1.  Espera unos 5 segundos antes de pulsar «Aceptar».</translation>
    </message>
    <message>
        <source>Use this function AFTER you have finished recording ALL the words and phrases for the %1 language.  Clicking &apos;OK&apos; below will place the recordings in the folder called %2.  Please email all the &apos;str&apos; zip files to me at %3. Do not email zip files to %4 because my spam filter may block them.  It is best to email the files one at a time in a seperate email because they are big files.  <byte value="xd"/><byte value="xd"/>Click &apos;OK&apos; to run this function or &apos;Cancel&apos; to go back.</source>
        <translation>Usa esta función DESPUÉS de haber grabado TODAS las palabras y frases del idioma %1.  Al pulsar «Aceptar», las grabaciones se colocarán en la carpeta %2.  Envíame por correo todos los archivos zip &apos;str&apos; a %3. No envíes archivos zip a %4, porque mi filtro de correo no deseado puede bloquearlos.  Lo mejor es enviar los archivos de uno en uno, en correos separados, porque son grandes.  <byte value="xd"/><byte value="xd"/>Pulsa «Aceptar» para ejecutar esta función o «Cancelar» para volver.</translation>
    </message>
    <message>
        <source>The action has been cancelled.</source>
        <translation>Se ha cancelado la acción.</translation>
    </message>
    <message>
        <source>The folder %1 holds no files to pack.</source>
        <translation>La carpeta %1 no contiene archivos que empaquetar.</translation>
    </message>
    <message>
        <source>The program is busy.  Please wait 3 seconds before clicking &apos;OK&apos; below.  This message will appear about 10 times before it is finished.</source>
        <translation>El programa está ocupado.  Espera 3 segundos antes de pulsar «Aceptar».  Este mensaje aparecerá unas 10 veces antes de terminar.</translation>
    </message>
    <message>
        <source>This action is finished.<byte value="xd"/>Please email the files located in the %1 folder to me at %2.</source>
        <translation>La acción ha terminado.<byte value="xd"/>Envíame por correo los archivos de la carpeta %1 a %2.</translation>
    </message>
    <message>
        <source>File # %1</source>
        <translation>Archivo n.º %1</translation>
    </message>
    <message>
        <source>An error occured opening the sound file.</source>
        <translation>Se produjo un error al abrir el archivo de sonido.</translation>
    </message>
    <message>
        <source>An error occured playing the sample!</source>
        <translation>¡Se produjo un error al reproducir el sonido!</translation>
    </message>
    <message numerus="yes">
        <source>%n line could not be read</source>
        <translation>
            <numerusform>No se pudo leer %n línea</numerusform>
            <numerusform>No se pudieron leer %n líneas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lines could not be read</source>
        <translation>
            <numerusform>No se pudo leer %n línea</numerusform>
            <numerusform>No se pudieron leer %n líneas</numerusform>
        </translation>
    </message>
    <message>
        <source>All sound numbers up to 99999 have been used in this language, so no new word or phrase can be added.</source>
        <translation>Ya se han usado todos los números de sonido hasta el 99999 en este idioma, así que no se pueden añadir palabras ni frases nuevas.</translation>
    </message>
    <message>
        <source>The text may not contain the character &quot;|&quot;, which separates the parts of a list line. Please remove it and try again.</source>
        <translation>El texto no puede contener el carácter «|», que separa las partes de una línea de la lista. Quítalo y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>The text may not contain line breaks. Please remove them and try again.</source>
        <translation>El texto no puede contener saltos de línea. Quítalos y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>You have to select a word on one of the lists.</source>
        <translation>Tienes que elegir una palabra en una de las listas.</translation>
    </message>
    <message>
        <source>Sample Alloc Error:</source>
        <translation>Error al reservar la muestra:</translation>
    </message>
    <message>
        <source>Record StartSample Error:</source>
        <translation>Error al iniciar la grabación:</translation>
    </message>
    <message>
        <source>Record Stop Error:</source>
        <translation>Error al detener la grabación:</translation>
    </message>
    <message>
        <source>Sample Lock Error:</source>
        <translation>Error al bloquear la muestra:</translation>
    </message>
    <message>
        <source>Could not write the file %1: %2</source>
        <translation>No se pudo escribir el archivo %1: %2</translation>
    </message>
    <message>
        <source>The recording could not be stored as %1.<byte value="xd"/>
%2<byte value="xd"/>
The recorded sound is kept, not enciphered, in %3.</source>
        <translation>No se pudo guardar la grabación como %1.<byte value="xd"/>
%2<byte value="xd"/>
El sonido grabado se conserva, sin cifrar, en %3.</translation>
    </message>
    <message>
        <source>Required master list file was not found. You need %1</source>
        <translation>No se encontró el archivo de la lista maestra, que es necesario. Hace falta %1</translation>
    </message>
    <message>
        <source>Words that have no recording cannot be spoken:<byte value="xd"/>
%1<byte value="xd"/>
They stay silent for the rest of this session unless another voice works.</source>
        <translation>Las palabras sin grabación no se pueden pronunciar:<byte value="xd"/>
%1<byte value="xd"/>
Se quedarán en silencio el resto de la sesión, salvo que funcione otra voz.</translation>
    </message>
    <message>
        <source>Too quiet</source>
        <translation>Demasiado bajo</translation>
    </message>
    <message>
        <source>Clipped</source>
        <translation>Saturado</translation>
    </message>
    <message>
        <source>Very short</source>
        <translation>Muy corto</translation>
    </message>
    <message>
        <source>%1 found in %2</source>
        <translation>%1 está en %2</translation>
    </message>
    <message>
        <source>The %1 may not contain &quot;/&quot;, &quot;\&quot; or control characters, and may not be &quot;.&quot; or &quot;..&quot;. Please choose another.</source>
        <translation>El campo «%1» no puede contener «/», «\» ni caracteres de control, y no puede ser «.» ni «..». Elige otro.</translation>
    </message>
    <message>
        <source>The %1 is too long: the files made from it may have names of at most %2 bytes, which leaves %3 bytes for the %1 (a letter outside the English alphabet takes two or more). Please choose a shorter one.</source>
        <translation>El campo «%1» es demasiado largo: los archivos que llevan ese nombre pueden tener como mucho %2 bytes, lo que deja %3 bytes para «%1» (una letra fuera del alfabeto inglés ocupa dos o más). Elige uno más corto.</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Etiquetas</translation>
    </message>
    <message>
        <source>Deck</source>
        <translation>Mazo</translation>
    </message>
    <message>
        <source>Note type</source>
        <translation>Tipo de nota</translation>
    </message>
    <message>
        <source>Note id</source>
        <translation>ID de nota</translation>
    </message>
    <message>
        <source>Language %1</source>
        <translation>Idioma %1</translation>
    </message>
    <message>
        <source>The file is XML but not a KVTML vocabulary document.</source>
        <translation>El archivo es XML, pero no es un documento de vocabulario KVTML.</translation>
    </message>
    <message>
        <source>Only KVTML version 2 documents can be imported; this one is version %1.</source>
        <translation>Solo se pueden importar documentos KVTML de la versión 2; este es de la versión %1.</translation>
    </message>
    <message>
        <source>The file is not a well-formed KVTML document: %1 (line %2).</source>
        <translation>El archivo no es un documento KVTML bien formado: %1 (línea %2).</translation>
    </message>
    <message>
        <source>The file holds no words.</source>
        <translation>El archivo no contiene palabras.</translation>
    </message>
    <message>
        <source>The document holds words of one language only, so there are no translations to import.</source>
        <translation>El documento solo contiene palabras de un idioma, así que no hay traducciones que importar.</translation>
    </message>
    <message>
        <source>The quoted field that starts on line %1 is never closed: a quotation mark is missing, so the lines after it cannot be read as words.</source>
        <translation>El campo entre comillas que empieza en la línea %1 no se cierra nunca: falta unas comillas, así que las líneas siguientes no se pueden leer como palabras.</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Columna %1</translation>
    </message>
    <message>
        <source>No line of the file holds a word and its translation side by side, separated by a tab, a comma or a semicolon.</source>
        <translation>Ninguna línea del archivo contiene una palabra y su traducción una junto a otra, separadas por un tabulador, una coma o un punto y coma.</translation>
    </message>
    <message>
        <source>The file is not a text file: it holds binary data.</source>
        <translation>El archivo no es de texto: contiene datos binarios.</translation>
    </message>
    <message>
        <source>The file %1 could not be read: %2</source>
        <translation>No se pudo leer el archivo %1: %2</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Palabra</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>Traducción</translation>
    </message>
    <message>
        <source>Words remaining</source>
        <translation>Palabras restantes</translation>
    </message>
    <message>
        <source>Play count</source>
        <translation>Número de repeticiones</translation>
    </message>
    <message>
        <source>Pause between plays</source>
        <translation>Pausa entre repeticiones</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulador</translation>
    </message>
    <message>
        <source>Comma</source>
        <translation>Coma</translation>
    </message>
    <message>
        <source>Semicolon</source>
        <translation>Punto y coma</translation>
    </message>
    <message>
        <source>KVTML vocabulary document</source>
        <translation>documento de vocabulario KVTML</translation>
    </message>
    <message>
        <source>card tutor export</source>
        <translation>exportación de un programa de tarjetas</translation>
    </message>
    <message>
        <source>text with one pair per line</source>
        <translation>texto con un par por línea</translation>
    </message>
    <message>
        <source>Import Word List</source>
        <translation>Importar lista de palabras</translation>
    </message>
    <message>
        <source>Fields separated by:</source>
        <translation>Campos separados por:</translation>
    </message>
    <message>
        <source>The first line names the columns</source>
        <translation>La primera línea da nombre a las columnas</translation>
    </message>
    <message>
        <source>First word pairs</source>
        <translation>Primeros pares de palabras</translation>
    </message>
    <message>
        <source>Foreign word (%1)</source>
        <translation>Palabra extranjera (%1)</translation>
    </message>
    <message>
        <source>Translation (%1)</source>
        <translation>Traducción (%1)</translation>
    </message>
    <message>
        <source>student&apos;s language</source>
        <translation>idioma del estudiante</translation>
    </message>
    <message>
        <source>&amp;Foreign word (%1):</source>
        <translation>Palabra &amp;extranjera (%1):</translation>
    </message>
    <message>
        <source>&amp;Translation:</source>
        <translation>&amp;Traducción:</translation>
    </message>
    <message>
        <source>&amp;Name of the new list:</source>
        <translation>&amp;Nombre de la lista nueva:</translation>
    </message>
    <message numerus="yes">
        <source>File: %1 (%2 in %n languages)</source>
        <translation>
            <numerusform>Archivo: %1 (%2 en %n idioma)</numerusform>
            <numerusform>Archivo: %1 (%2 en %n idiomas)</numerusform>
        </translation>
    </message>
    <message>
        <source>File: %1 (%2)</source>
        <translation>Archivo: %1 (%2)</translation>
    </message>
    <message>
        <source>Choose two different columns for the word and its translation.</source>
        <translation>Elige dos columnas distintas para la palabra y su traducción.</translation>
    </message>
    <message numerus="yes">
        <source>%n word pair will be imported into a new list of %1.</source>
        <translation>
            <numerusform>Se importará %n par de palabras a una lista nueva de %1.</numerusform>
            <numerusform>Se importarán %n pares de palabras a una lista nueva de %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n word pairs will be imported into a new list of %1.</source>
        <translation>
            <numerusform>Se importará %n par de palabras a una lista nueva de %1.</numerusform>
            <numerusform>Se importarán %n pares de palabras a una lista nueva de %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The first %1 are shown.</source>
        <translation>Se muestran los %1 primeros.</translation>
    </message>
    <message>
        <source>No line will be skipped.</source>
        <translation>No se omitirá ninguna línea.</translation>
    </message>
    <message>
        <source>Random Word Play</source>
        <translation>Palabras al azar</translation>
    </message>
    <message>
        <source>MP3 compilation</source>
        <translation>Compilación MP3</translation>
    </message>
    <message>
        <source>MP3 compilation progress</source>
        <translation>Progreso de la compilación MP3</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Saltar</translation>
    </message>
    <message>
        <source>Mark Word As Known</source>
        <translation>Marcar como conocida</translation>
    </message>
    <message>
        <source># Repeats</source>
        <translation>N.º de repeticiones</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Say Top Only</source>
        <translation>Decir solo arriba</translation>
    </message>
    <message>
        <source>Say Both</source>
        <translation>Decir ambas</translation>
    </message>
    <message>
        <source>Interlace</source>
        <translation>Intercalar</translation>
    </message>
    <message>
        <source>Delay Showing Top</source>
        <translation>Retrasar texto de arriba</translation>
    </message>
    <message>
        <source>Delay Showing Bottom</source>
        <translation>Retrasar texto de abajo</translation>
    </message>
    <message>
        <source>Create MP3 File Based on Current Settings</source>
        <translation>Crear archivo MP3 con los ajustes actuales</translation>
    </message>
    <message>
        <source>Create MP3 files for all words on this list</source>
        <translation>Crear archivos MP3 con todas las palabras de esta lista</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Edit Word List</source>
        <translation>Editar lista de palabras</translation>
    </message>
    <message>
        <source>This is the advanced view for editing the text of the word/phrase lists. If you don&apos;t fully understand these instructions, it&apos;s best to use the previous view.  The format shown below should be like this: the foreign word or phrase is on the left.  Next is a vertical pipe symbol &quot;|&quot;. Next is the translation in the student&apos;s native language (normally english). Then there is another pipe &quot;|&quot;. Then on the right is a number that identifies the sound file for the foreign word or phrase. This is a unique number for this language and it should NOT be changed. If you&apos;re adding new words, it should start at the 70000 or the highest number stored in the high_num.dat file. If you add new words using this form, the high_num.dat must be changed to be one number higher than the highest number you use here.  Only change the foreign word or phrase on the left.  Do not change the translation (except to correct spelling) unless you&apos;re adding the translation yourself. This window simply shows the text in a data file that can also be edited with your own text editor.</source>
        <translation>Esta es la vista avanzada para editar el texto de las listas de palabras y frases. Si no entiendes del todo estas instrucciones, es mejor que uses la vista anterior.  El formato que se muestra abajo debe ser así: la palabra o frase extranjera está a la izquierda.  Después viene una barra vertical «|». Después, la traducción en la lengua materna del estudiante (normalmente inglés). Luego hay otra barra «|». Y a la derecha hay un número que identifica el archivo de sonido de la palabra o frase extranjera. Este número es único en este idioma y NO debe cambiarse. Si añades palabras nuevas, debe empezar en 70000 o en el número más alto guardado en el archivo highest_num.dat. Si añades palabras nuevas con este formulario, highest_num.dat debe cambiarse a un número más que el más alto que uses aquí.  Cambia solo la palabra o frase extranjera de la izquierda.  No cambies la traducción (salvo para corregir la ortografía), a menos que tú mismo añadas la traducción. Esta ventana solo muestra el texto de un archivo de datos que también puedes editar con tu propio editor de textos.</translation>
    </message>
    <message>
        <source>Word list text</source>
        <translation>Texto de la lista de palabras</translation>
    </message>
    <message>
        <source>Save Changes and Exit </source>
        <translation>Guardar cambios y salir </translation>
    </message>
    <message>
        <source>Do Not Save Changes and Exit</source>
        <translation>Salir sin guardar cambios</translation>
    </message>
    <message>
        <source>Start New Word List for This Language</source>
        <translation>Empezar una lista nueva para este idioma</translation>
    </message>
    <message>
        <source>Save File as Unicode and Exit</source>
        <translation>Guardar como Unicode y salir</translation>
    </message>
    <message>
        <source>The file %1 could not be read.</source>
        <translation>No se pudo leer el archivo %1.</translation>
    </message>
    <message>
        <source>A list was not chosen. A blank form will be opened in case you want to start a new list.</source>
        <translation>No se eligió ninguna lista. Se abrirá un formulario en blanco por si quieres empezar una lista nueva.</translation>
    </message>
    <message>
        <source>Language: %1    List Name: %2</source>
        <translation>Idioma: %1    Nombre de la lista: %2</translation>
    </message>
    <message>
        <source>What should be the name of the new word list?</source>
        <translation>¿Cómo debe llamarse la lista de palabras nueva?</translation>
    </message>
    <message>
        <source>That file already exits.</source>
        <translation>Ese archivo ya existe.</translation>
    </message>
    <message>
        <source>Increase Font</source>
        <translation>Letra más grande</translation>
    </message>
    <message>
        <source>Decrease Font</source>
        <translation>Letra más pequeña</translation>
    </message>
    <message>
        <source>You must first select a list to start the flash cards.</source>
        <translation>Para empezar las tarjetas, primero tienes que elegir una lista.</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Idiomas</translation>
    </message>
    <message>
        <source>Word lists</source>
        <translation>Listas de palabras</translation>
    </message>
    <message>
        <source>Known lists</source>
        <translation>Listas conocidas</translation>
    </message>
    <message>
        <source>Foreign words</source>
        <translation>Palabras extranjeras</translation>
    </message>
    <message>
        <source>Translations</source>
        <translation>Traducciones</translation>
    </message>
    <message>
        <source>Click or press Space to hear a word; double-click or press Enter to move it between your unknown and known words.</source>
        <translation>Haz clic o pulsa Espacio para oír una palabra; haz doble clic o pulsa Intro para pasarla entre tus palabras desconocidas y conocidas.</translation>
    </message>
    <message>
        <source>Click to show the known words; double-click or press Enter to start the flash cards on them.</source>
        <translation>Haz clic para ver las palabras conocidas; haz doble clic o pulsa Intro para empezar las tarjetas con ellas.</translation>
    </message>
    <message>
        <source>Click A Language</source>
        <translation>Haz clic en un idioma</translation>
    </message>
    <message>
        <source>Click Unknown List</source>
        <translation>Haz clic en una lista desconocida</translation>
    </message>
    <message>
        <source>Known Lists</source>
        <translation>Listas conocidas</translation>
    </message>
    <message>
        <source>Double-click a word to move it from your unknown to your known list, or vice versa.</source>
        <translation>Haz doble clic en una palabra para pasarla de tu lista desconocida a la conocida, o al revés.</translation>
    </message>
    <message>
        <source>To obtain more words, go to %1.</source>
        <translation>Para conseguir más palabras, visita %1.</translation>
    </message>
    <message>
        <source>&lt;--- Search </source>
        <translation>&lt;--- Buscar </translation>
    </message>
    <message>
        <source>Search foreign words</source>
        <translation>Buscar palabras extranjeras</translation>
    </message>
    <message>
        <source>Search translations</source>
        <translation>Buscar traducciones</translation>
    </message>
    <message>
        <source>Large Flash Cards and MP3</source>
        <translation>Tarjetas grandes y MP3</translation>
    </message>
    <message>
        <source>Small Flash Card (Stays On Top)</source>
        <translation>Tarjeta pequeña (siempre visible)</translation>
    </message>
    <message>
        <source>Record and Edit Selected Word</source>
        <translation>Grabar y editar la palabra elegida</translation>
    </message>
    <message>
        <source>Record and Edit Selected List</source>
        <translation>Grabar y editar la lista elegida</translation>
    </message>
    <message>
        <source>Start Student Test</source>
        <translation>Empezar examen</translation>
    </message>
    <message>
        <source>Review the known words that are due</source>
        <translation>Repasar las palabras conocidas que tocan</translation>
    </message>
    <message>
        <source>Show Test Results</source>
        <translation>Ver resultados de exámenes</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Show Selected Word List</source>
        <translation>Ver la lista de palabras elegida</translation>
    </message>
    <message>
        <source>Add new language</source>
        <translation>Añadir idioma nuevo</translation>
    </message>
    <message>
        <source>Add new word list</source>
        <translation>Añadir lista de palabras nueva</translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation>Salir del programa</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Import Word List...</source>
        <translation>&amp;Importar lista de palabras...</translation>
    </message>
    <message>
        <source>&amp;Export Word List...</source>
        <translation>&amp;Exportar lista de palabras...</translation>
    </message>
    <message>
        <source>&amp;Progress...</source>
        <translation>&amp;Progreso...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>Speak words that have no recording</source>
        <translation>Pronunciar las palabras sin grabación</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Instrucciones</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Hel&amp;p</source>
        <translation>&amp;Ayuda</translation>
    </message>
    <message>
        <source>&amp;Troubleshooting</source>
        <translation>&amp;Solución de problemas</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>A&amp;cerca de</translation>
    </message>
    <message>
        <source>An error occured. Please turn off other programs that may be using sound and start this program again. The specific error message is:</source>
        <translation>Se produjo un error. Cierra otros programas que puedan estar usando el sonido y vuelve a iniciar este programa. El mensaje de error concreto es:</translation>
    </message>
    <message>
        <source>What is your first name?  This is for the program to remember which words you have learned.</source>
        <translation>¿Cuál es tu nombre?  Sirve para que el programa recuerde qué palabras has aprendido.</translation>
    </message>
    <message>
        <source>Student Name</source>
        <translation>Nombre del estudiante</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nombre</translation>
    </message>
    <message>
        <source>The setting could not be saved in %1. It holds until the program ends.</source>
        <translation>No se pudo guardar el ajuste en %1. Se mantiene hasta que se cierre el programa.</translation>
    </message>
    <message numerus="yes">
        <source>%n Known Words</source>
        <translation>
            <numerusform>%n palabra conocida</numerusform>
            <numerusform>%n palabras conocidas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Unknown Words</source>
        <translation>
            <numerusform>%n palabra desconocida</numerusform>
            <numerusform>%n palabras desconocidas</numerusform>
        </translation>
    </message>
    <message>
        <source>This list holds more than %1 entries; only the first %1 are shown.</source>
        <translation>Esta lista tiene más de %1 entradas; solo se muestran las %1 primeras.</translation>
    </message>
    <message>
        <source>The flash cards are not available in this version of the program.</source>
        <translation>Las tarjetas no están disponibles en esta versión del programa.</translation>
    </message>
    <message numerus="yes">
        <source>Review %n due words</source>
        <translation>
            <numerusform>Repasar %n palabra pendiente</numerusform>
            <numerusform>Repasar %n palabras pendientes</numerusform>
        </translation>
    </message>
    <message>
        <source>The %1 is not available in this version of the program.</source>
        <translation>Esto no está disponible en esta versión del programa: %1.</translation>
    </message>
    <message>
        <source>large flash-card window</source>
        <translation>ventana de tarjetas grandes</translation>
    </message>
    <message>
        <source>small flash card</source>
        <translation>tarjeta pequeña</translation>
    </message>
    <message>
        <source>First select a word to record or edit.</source>
        <translation>Primero elige una palabra para grabarla o editarla.</translation>
    </message>
    <message>
        <source>record-and-edit window</source>
        <translation>ventana de grabar y editar</translation>
    </message>
    <message>
        <source>First select a list of words to record or edit.</source>
        <translation>Primero elige una lista de palabras para grabarla o editarla.</translation>
    </message>
    <message>
        <source>You must first select a list to start the test.</source>
        <translation>Para empezar el examen, primero tienes que elegir una lista.</translation>
    </message>
    <message>
        <source>student test</source>
        <translation>examen</translation>
    </message>
    <message>
        <source>review window</source>
        <translation>ventana de repaso</translation>
    </message>
    <message>
        <source>Word lists (*.txt *.tsv *.csv *.kvtml);;All files (*)</source>
        <translation>Listas de palabras (*.txt *.tsv *.csv *.kvtml);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Tab-separated text for card tutors (*.txt)</source>
        <translation>Texto separado por tabuladores para programas de tarjetas (*.txt)</translation>
    </message>
    <message>
        <source>KVTML vocabulary document (*.kvtml)</source>
        <translation>Documento de vocabulario KVTML (*.kvtml)</translation>
    </message>
    <message>
        <source>Nothing was imported from %1.<byte value="xd"/>
%2</source>
        <translation>No se importó nada de %1.<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>First select a list of words to export.</source>
        <translation>Primero elige una lista de palabras para exportarla.</translation>
    </message>
    <message>
        <source>Export Word List</source>
        <translation>Exportar lista de palabras</translation>
    </message>
    <message>
        <source>The list %1 was exported to %2.</source>
        <translation>La lista %1 se exportó a %2.</translation>
    </message>
    <message>
        <source>You must first select one of the word/phrase lists.</source>
        <translation>Primero tienes que elegir una de las listas de palabras o frases.</translation>
    </message>
    <message>
        <source>test results window</source>
        <translation>ventana de resultados</translation>
    </message>
    <message>
        <source>The progress window is not available in this version of the program.</source>
        <translation>La ventana de progreso no está disponible en esta versión del programa.</translation>
    </message>
    <message>
        <source>Point at a test to see its list, kind, questions and score.</source>
        <translation>Señala un examen para ver su lista, tipo, preguntas y puntuación.</translation>
    </message>
    <message>
        <source>Save as Image</source>
        <translation>Guardar como imagen</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>Imágenes PNG (*.png)</translation>
    </message>
    <message>
        <source>Progress charts</source>
        <translation>Gráficos de progreso</translation>
    </message>
    <message>
        <source>Shows only the tests in the language chosen in the main window</source>
        <translation>Muestra solo los exámenes del idioma elegido en la ventana principal</translation>
    </message>
    <message>
        <source>The test under the mouse pointer</source>
        <translation>El examen bajo el puntero del ratón</translation>
    </message>
    <message>
        <source>&amp;Test Scores</source>
        <translation>&amp;Puntuaciones</translation>
    </message>
    <message>
        <source>&amp;Known Words</source>
        <translation>Palabras &amp;conocidas</translation>
    </message>
    <message>
        <source>&amp;Reviews Ahead</source>
        <translation>&amp;Repasos próximos</translation>
    </message>
    <message>
        <source>Save as Image...</source>
        <translation>Guardar como imagen...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Only %1</source>
        <translation>Solo %1</translation>
    </message>
    <message>
        <source>Only the chosen language</source>
        <translation>Solo el idioma elegido</translation>
    </message>
    <message>
        <source>There are no test results in %1 yet. Finish a test and its score will show here.</source>
        <translation>Todavía no hay resultados de exámenes en %1. Termina un examen y su puntuación aparecerá aquí.</translation>
    </message>
    <message>
        <source>There are no test results yet. Finish a test and its score will show here.</source>
        <translation>Todavía no hay resultados de exámenes. Termina un examen y su puntuación aparecerá aquí.</translation>
    </message>
    <message>
        <source>Test scores</source>
        <translation>Puntuaciones de los exámenes</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Score (%)</source>
        <translation>Puntuación (%)</translation>
    </message>
    <message>
        <source>(no language)</source>
        <translation>(sin idioma)</translation>
    </message>
    <message numerus="yes">
        <source>%n question</source>
        <translation>
            <numerusform>%n pregunta</numerusform>
            <numerusform>%n preguntas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n questions</source>
        <translation>
            <numerusform>%n pregunta</numerusform>
            <numerusform>%n preguntas</numerusform>
        </translation>
    </message>
    <message>
        <source>Choose a language in the main window to see the known words of its lists.</source>
        <translation>Elige un idioma en la ventana principal para ver las palabras conocidas de sus listas.</translation>
    </message>
    <message>
        <source>There are no word lists of yours in %1 yet. Click a list in the main window and double-click the words you know.</source>
        <translation>Todavía no tienes listas de palabras en %1. Haz clic en una lista en la ventana principal y doble clic en las palabras que sabes.</translation>
    </message>
    <message>
        <source>Known words in %1</source>
        <translation>Palabras conocidas en %1</translation>
    </message>
    <message>
        <source>Known</source>
        <translation>Conocidas</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconocidas</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Palabras</translation>
    </message>
    <message>
        <source>Choose a language in the main window to see the reviews ahead in it.</source>
        <translation>Elige un idioma en la ventana principal para ver los repasos próximos.</translation>
    </message>
    <message>
        <source>There is no review schedule to show yet.</source>
        <translation>Todavía no hay un calendario de repasos que mostrar.</translation>
    </message>
    <message>
        <source>No reviews are due in %1 over the next %2 days.</source>
        <translation>No hay repasos pendientes en %1 en los próximos %2 días.</translation>
    </message>
    <message>
        <source>Reviews ahead in %1</source>
        <translation>Repasos próximos en %1</translation>
    </message>
    <message>
        <source>Words due</source>
        <translation>Palabras pendientes</translation>
    </message>
    <message>
        <source>Days from today, %1 (words overdue count today)</source>
        <translation>Días desde hoy, %1 (las palabras atrasadas cuentan hoy)</translation>
    </message>
    <message>
        <source>file name</source>
        <translation>nombre del archivo</translation>
    </message>
    <message>
        <source>There is no chart to save on this page yet.</source>
        <translation>Todavía no hay ningún gráfico que guardar en esta página.</translation>
    </message>
    <message>
        <source>The image of the chart could not be made.</source>
        <translation>No se pudo crear la imagen del gráfico.</translation>
    </message>
    <message>
        <source>Record and Edit Words</source>
        <translation>Grabar y editar palabras</translation>
    </message>
    <message>
        <source>This part of the program allows the user to add, record, and edit words and phrases for any language.  When you finish, click the &apos;Email Files&apos; button below for instructions on how to email your work to me so that it can be used in other parts of the program and distributed to others.  </source>
        <translation>Esta parte del programa permite añadir, grabar y editar palabras y frases de cualquier idioma.  Cuando termines, pulsa abajo el botón «Enviar archivos» para ver cómo enviarme tu trabajo por correo, de modo que pueda usarse en otras partes del programa y compartirse con otras personas.  </translation>
    </message>
    <message>
        <source>If you have any trouble, please email me at %1 or call me at %2.</source>
        <translation>Si tienes algún problema, escríbeme a %1 o llámame al %2.</translation>
    </message>
    <message>
        <source>Word List Name:</source>
        <translation>Lista de palabras:</translation>
    </message>
    <message>
        <source>Text Editing Instructions</source>
        <translation>Instrucciones de edición</translation>
    </message>
    <message>
        <source>Recording Instructions</source>
        <translation>Instrucciones de grabación</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Licencia</translation>
    </message>
    <message>
        <source>Email Files</source>
        <translation>Enviar archivos</translation>
    </message>
    <message>
        <source>Record Selected Word</source>
        <translation>Grabar la palabra elegida</translation>
    </message>
    <message>
        <source>Record Multiple Words</source>
        <translation>Grabar varias palabras</translation>
    </message>
    <message>
        <source>0.8 second</source>
        <translation>0.8 segundos</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 segundo</translation>
    </message>
    <message>
        <source>1.2 second</source>
        <translation>1.2 segundos</translation>
    </message>
    <message>
        <source>1.4 seconds</source>
        <translation>1.4 segundos</translation>
    </message>
    <message>
        <source>1.8 seconds</source>
        <translation>1.8 segundos</translation>
    </message>
    <message>
        <source>2 seconds</source>
        <translation>2 segundos</translation>
    </message>
    <message>
        <source>2.4 seconds</source>
        <translation>2.4 segundos</translation>
    </message>
    <message>
        <source>2.7 seconds</source>
        <translation>2.7 segundos</translation>
    </message>
    <message>
        <source>3 seconds</source>
        <translation>3 segundos</translation>
    </message>
    <message>
        <source>3.5 seconds</source>
        <translation>3.5 segundos</translation>
    </message>
    <message>
        <source>4 seconds</source>
        <translation>4 segundos</translation>
    </message>
    <message>
        <source>4.5 seconds</source>
        <translation>4.5 segundos</translation>
    </message>
    <message>
        <source>5 seconds</source>
        <translation>5 segundos</translation>
    </message>
    <message>
        <source>Start Recording (no time limit)</source>
        <translation>Empezar a grabar (sin límite de tiempo)</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>PARAR</translation>
    </message>
    <message>
        <source>Click for fast method</source>
        <translation>Clic para el método rápido</translation>
    </message>
    <message>
        <source>Words Without Sound Files</source>
        <translation>Palabras sin archivo de sonido</translation>
    </message>
    <message>
        <source>Words With Sound Files</source>
        <translation>Palabras con archivo de sonido</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>Archivo: %1</translation>
    </message>
    <message>
        <source>Foreign words without sound files</source>
        <translation>Palabras extranjeras sin archivo de sonido</translation>
    </message>
    <message>
        <source>Translations of words without sound files</source>
        <translation>Traducciones de palabras sin archivo de sonido</translation>
    </message>
    <message>
        <source>Foreign words with sound files</source>
        <translation>Palabras extranjeras con archivo de sonido</translation>
    </message>
    <message>
        <source>Translations of words with sound files</source>
        <translation>Traducciones de palabras con archivo de sonido</translation>
    </message>
    <message>
        <source>Recording prompt</source>
        <translation>Aviso de grabación</translation>
    </message>
    <message>
        <source>Do not automaticaly remove silence from beginning and end.</source>
        <translation>No quitar automáticamente el silencio del principio y del final.</translation>
    </message>
    <message>
        <source>Foreign word or phrase</source>
        <translation>Palabra o frase extranjera</translation>
    </message>
    <message>
        <source>You can change the text in the white box if you are recording the words.  Do not change the text in the bottom grey box unless you are adding a new word or phrase pair.</source>
        <translation>Puedes cambiar el texto del cuadro blanco si estás grabando las palabras.  No cambies el texto del cuadro gris de abajo salvo que estés añadiendo un par de palabras o frases nuevo.</translation>
    </message>
    <message>
        <source>Save the above text changes</source>
        <translation>Guardar los cambios del texto de arriba</translation>
    </message>
    <message>
        <source>Add the above text as a new word/phrase pair</source>
        <translation>Añadir el texto de arriba como par nuevo</translation>
    </message>
    <message>
        <source>Delete this word/phrase pair</source>
        <translation>Borrar este par de palabras o frases</translation>
    </message>
    <message>
        <source>Refresh Lists to Show Changes</source>
        <translation>Actualizar listas para ver los cambios</translation>
    </message>
    <message>
        <source>Exit and Return</source>
        <translation>Salir y volver</translation>
    </message>
    <message>
        <source>Advanced List Editing</source>
        <translation>Edición avanzada de la lista</translation>
    </message>
    <message numerus="yes">
        <source>%n Words With Sound Files</source>
        <translation>
            <numerusform>%n palabra con archivo de sonido</numerusform>
            <numerusform>%n palabras con archivo de sonido</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Words Without Sound Files</source>
        <translation>
            <numerusform>%n palabra sin archivo de sonido</numerusform>
            <numerusform>%n palabras sin archivo de sonido</numerusform>
        </translation>
    </message>
    <message>
        <source>First correct the spelling of the words on the left before recording.  Try to make the translations one word. Do not modify the english words. If two or three translations are needed, seperate each one with a comma (,). Do not use uncommon words.  Just the words all people know.  If you correct the text of words, the word lists need to be emailed to %1 for distribution.  Click the &apos;email&apos; button for more instruction on how to email the corrected lists. </source>
        <translation>Antes de grabar, corrige primero la ortografía de las palabras de la izquierda.  Intenta que las traducciones sean de una sola palabra. No modifiques las palabras en inglés. Si hacen falta dos o tres traducciones, sepáralas con una coma (,). No uses palabras poco comunes.  Solo las palabras que conoce todo el mundo.  Si corriges el texto de las palabras, hay que enviar las listas por correo a %1 para distribuirlas.  Pulsa el botón «Enviar archivos» para saber cómo enviar las listas corregidas. </translation>
    </message>
    <message>
        <source>Use a noise-free room and make the recordings as loud as possible without distortion.  Start speaking ASAP when the program says &apos;SPEAK&apos;.  It&apos;s best to record a few words and then email them to %1 for approval of the quality before you do a lot of work that I may not accept for distribution.  Speak your normal speed or a little faster. Do not speak slow. For single words, try to use the 0.8, 1, or 1.2 second recording options. It&apos;s best to place your cursor over the stop button before recording multiple words.  The &apos;multiple&apos; recording method makes recording many words easy.  Do not be afraid of making a mistake: you can do the recordings again and it simply erases the first recording.  <byte value="xd"/><byte value="xd"/>When finished with all the recordings click the &apos;Email Files&apos; button which compresses and combines the sound files for emailing to me.  If you&apos;re good at computers, it&apos;s interesting to take a look at all the files in the Quillory directory to see where all these sound files are stored.</source>
        <translation>Usa una habitación sin ruido y graba lo más alto posible sin distorsión.  Empieza a hablar en cuanto el programa diga «HABLA».  Lo mejor es grabar unas pocas palabras y enviármelas a %1 para que apruebe la calidad antes de hacer mucho trabajo que quizá no pueda aceptar para distribuirlo.  Habla a tu velocidad normal o un poco más rápido. No hables despacio. Para palabras sueltas, intenta usar las opciones de 0.8, 1 o 1.2 segundos. Lo mejor es poner el cursor sobre el botón de parar antes de grabar varias palabras.  El método de grabación «varias» facilita grabar muchas palabras.  No tengas miedo de equivocarte: puedes repetir las grabaciones y la primera simplemente se borra.  <byte value="xd"/><byte value="xd"/>Cuando termines todas las grabaciones, pulsa el botón «Enviar archivos», que comprime y reúne los archivos de sonido para enviármelos.  Si se te dan bien los ordenadores, es interesante mirar todos los archivos de la carpeta de Quillory para ver dónde se guardan estos archivos de sonido.</translation>
    </message>
    <message>
        <source>This makes the pause between recordings longer (slow). Click again to make it shorter (fast).</source>
        <translation>Esto alarga la pausa entre grabaciones (lento). Vuelve a hacer clic para acortarla (rápido).</translation>
    </message>
    <message>
        <source>This makes the pause between recordings shorter (fast). Click again to make it longer (slow).</source>
        <translation>Esto acorta la pausa entre grabaciones (rápido). Vuelve a hacer clic para alargarla (lento).</translation>
    </message>
    <message>
        <source>Click for slow method</source>
        <translation>Clic para el método lento</translation>
    </message>
    <message>
        <source>You have to select a word on one of the lists. If you just added the word and don&apos;t see it, you need to click the refresh button and then look at the bottom of the list.</source>
        <translation>Tienes que elegir una palabra en una de las listas. Si acabas de añadir la palabra y no la ves, pulsa el botón de actualizar y mira al final de la lista.</translation>
    </message>
    <message>
        <source>Speak</source>
        <translation>Habla</translation>
    </message>
    <message>
        <source>Test Results</source>
        <translation>Resultados de exámenes</translation>
    </message>
    <message>
        <source>Results text</source>
        <translation>Texto de los resultados</translation>
    </message>
    <message>
        <source>Print Text Directly to Default Printer. May not finish printing until program is exited.</source>
        <translation>Imprimir el texto directamente en la impresora predeterminada. Puede que no termine de imprimirse hasta que se cierre el programa.</translation>
    </message>
    <message>
        <source>Save to a file</source>
        <translation>Guardar en un archivo</translation>
    </message>
    <message>
        <source>There is no default printer, so the text was not printed. Set up a default printer, or save the text to a file.</source>
        <translation>No hay impresora predeterminada, así que no se imprimió el texto. Configura una impresora predeterminada o guarda el texto en un archivo.</translation>
    </message>
    <message>
        <source>The text could not be printed on %1.</source>
        <translation>No se pudo imprimir el texto en %1.</translation>
    </message>
    <message>
        <source>What would you like to save this file as?</source>
        <translation>¿Con qué nombre quieres guardar este archivo?</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Guardar archivo</translation>
    </message>
    <message>
        <source>No file name was given, so the text was not saved.</source>
        <translation>No se indicó ningún nombre de archivo, así que no se guardó el texto.</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Repaso</translation>
    </message>
    <message>
        <source>Word under review, of the words due</source>
        <translation>Palabra en repaso, de las que tocan</translation>
    </message>
    <message>
        <source>Foreign word</source>
        <translation>Palabra extranjera</translation>
    </message>
    <message>
        <source>Result of the review</source>
        <translation>Resultado del repaso</translation>
    </message>
    <message>
        <source>Show Answer</source>
        <translation>Ver respuesta</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espacio</translation>
    </message>
    <message>
        <source>I forgot</source>
        <translation>La olvidé</translation>
    </message>
    <message>
        <source>Left arrow or 1</source>
        <translation>Flecha izquierda o 1</translation>
    </message>
    <message>
        <source>I knew it</source>
        <translation>La sabía</translation>
    </message>
    <message>
        <source>Right arrow or 2</source>
        <translation>Flecha derecha o 2</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>%1 reviewed, %2 kept, %3 back to learning</source>
        <translation>%1 repasadas, %2 conservadas, %3 vuelven a aprenderse</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Top Only</source>
        <translation>Solo arriba</translation>
    </message>
    <message>
        <source>Last take</source>
        <translation>Última toma</translation>
    </message>
    <message>
        <source>No take recorded yet</source>
        <translation>Todavía no hay ninguna toma grabada</translation>
    </message>
    <message>
        <source>%1 s recorded, %2 s kept</source>
        <translation>%1 s grabados, %2 s conservados</translation>
    </message>
    <message>
        <source>%1 s recorded, all kept</source>
        <translation>%1 s grabados, todo conservado</translation>
    </message>
    <message>
        <source>What the check of the last take noticed</source>
        <translation>Lo que ha detectado la comprobación de la última toma</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Examen</translation>
    </message>
    <message>
        <source>Language: %1</source>
        <translation>Idioma: %1</translation>
    </message>
    <message>
        <source>List Name: %1</source>
        <translation>Nombre de la lista: %1</translation>
    </message>
    <message>
        <source>Username: %1</source>
        <translation>Usuario: %1</translation>
    </message>
    <message>
        <source>Multiple Coice</source>
        <translation>Opción múltiple</translation>
    </message>
    <message>
        <source>Spelling Only</source>
        <translation>Solo ortografía</translation>
    </message>
    <message>
        <source>Fill In The Blank</source>
        <translation>Rellenar el hueco</translation>
    </message>
    <message>
        <source>Choose Word List</source>
        <translation>Elige la lista de palabras</translation>
    </message>
    <message>
        <source>All Words on Selected List</source>
        <translation>Todas las palabras de la lista elegida</translation>
    </message>
    <message>
        <source>Unkown Words on Selected List</source>
        <translation>Palabras desconocidas de la lista elegida</translation>
    </message>
    <message>
        <source>All words in selected language</source>
        <translation>Todas las palabras del idioma elegido</translation>
    </message>
    <message>
        <source>Choose Text or Sound</source>
        <translation>Elige texto o sonido</translation>
    </message>
    <message>
        <source>Show the text of the word</source>
        <translation>Mostrar el texto de la palabra</translation>
    </message>
    <message>
        <source>Play the sound of the word</source>
        <translation>Reproducir el sonido de la palabra</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Ambos</translation>
    </message>
    <message>
        <source>Number of Questions</source>
        <translation>Número de preguntas</translation>
    </message>
    <message>
        <source>Time allowed for each question in seconds</source>
        <translation>Tiempo para cada pregunta en segundos</translation>
    </message>
    <message>
        <source>Begin Test</source>
        <translation>Empezar examen</translation>
    </message>
    <message>
        <source>Stop Test</source>
        <translation>Detener examen</translation>
    </message>
    <message>
        <source>Enter Answer:</source>
        <translation>Escribe la respuesta:</translation>
    </message>
    <message>
        <source>Choice %1</source>
        <translation>Opción %1</translation>
    </message>
    <message>
        <source>Test word</source>
        <translation>Palabra del examen</translation>
    </message>
    <message>
        <source>Questions asked</source>
        <translation>Preguntas hechas</translation>
    </message>
    <message>
        <source>Time remaining</source>
        <translation>Tiempo restante</translation>
    </message>
    <message>
        <source>Previous word</source>
        <translation>Palabra anterior</translation>
    </message>
    <message>
        <source>The number of questions must be a number greater than 0.</source>
        <translation>El número de preguntas debe ser un número mayor que 0.</translation>
    </message>
    <message>
        <source>The number of questions must be a number greater than 0 and no more than %1.</source>
        <translation>El número de preguntas debe ser un número mayor que 0 y no mayor que %1.</translation>
    </message>
    <message>
        <source>The number of seconds per question must be a number greater than 0.</source>
        <translation>El número de segundos por pregunta debe ser un número mayor que 0.</translation>
    </message>
    <message>
        <source>There are no words to test on the chosen word list.</source>
        <translation>No hay palabras para examinar en la lista elegida.</translation>
    </message>
    <message>
        <source>Sound file for this word was not found.  Click OK to go to next word or Cancel to stop test.</source>
        <translation>No se encontró el archivo de sonido de esta palabra.  Pulsa Aceptar para pasar a la siguiente palabra o Cancelar para detener el examen.</translation>
    </message>
    <message>
        <source>not %1</source>
        <translation>no %1</translation>
    </message>
    <message>
        <source>Test finished in %1
%2 of %3 correct %4%</source>
        <translation>Examen terminado en %1
%2 de %3 correctas %4%</translation>
    </message>
    <message>
        <source>The result of this test could not be added to the results file.
%1</source>
        <translation>No se pudo añadir el resultado de este examen al archivo de resultados.
%1</translation>
    </message>
    <message>
        <source>The speech engine could not start: %1</source>
        <translation>No se pudo iniciar el motor de voz: %1</translation>
    </message>
    <message>
        <source>The voice &quot;%1&quot; could not be used: %2</source>
        <translation>No se pudo usar la voz «%1»: %2</translation>
    </message>
    <message>
        <source>The speech engine could not speak &quot;%1&quot;.</source>
        <translation>El motor de voz no pudo pronunciar «%1».</translation>
    </message>
    <message>
        <source>The voice &quot;%1&quot; said nothing for &quot;%2&quot;.</source>
        <translation>La voz «%1» no dijo nada para «%2».</translation>
    </message>
    <message>
        <source>Interface Language</source>
        <translation>Idioma de la interfaz</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>The translation into %1 could not be found, so the interface stays in English.</source>
        <translation>No se encontró la traducción al idioma %1, así que la interfaz sigue en inglés.</translation>
    </message>
    <message numerus="yes">
        <source>%n word was left out: it has no recording and the voice could not speak it.</source>
        <translation>
            <numerusform>Se omitió %n palabra: no tiene grabación y la voz no pudo pronunciarla.</numerusform>
            <numerusform>Se omitieron %n palabras: no tienen grabación y la voz no pudo pronunciarlas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n words were left out: they have no recording and the voice could not speak them.</source>
        <translation>
            <numerusform>Se omitió %n palabra: no tiene grabación y la voz no pudo pronunciarla.</numerusform>
            <numerusform>Se omitieron %n palabras: no tienen grabación y la voz no pudo pronunciarlas.</numerusform>
        </translation>
    </message>
    <message>
        <source>Could not put back the file %1 after a change that was cut short: %2</source>
        <translation>No se pudo restaurar el archivo %1 tras un cambio que quedó a medias: %2</translation>
    </message>
    <message>
        <source>Silent take</source>
        <translation>Toma en silencio</translation>
    </message>
    <message>
        <source>Peak %1 dBFS, drawn at full scale</source>
        <translation>Pico de %1 dBFS, dibujado a escala completa</translation>
    </message>
    <message>
        <source>Peak %1 dBFS, drawn %2 times larger</source>
        <translation>Pico de %1 dBFS, dibujado %2 veces más grande</translation>
    </message>
    <message>
        <source> (it looked for its data in %1)</source>
        <translation> (buscó sus datos en %1)</translation>
    </message>
    <message>
        <source>it is not in the package</source>
        <translation>no está en el paquete</translation>
    </message>
    <message>
        <source>its size cannot be read</source>
        <translation>no se puede leer su tamaño</translation>
    </message>
    <message>
        <source>its collection is not an SQLite database</source>
        <translation>su colección no es una base de datos SQLite</translation>
    </message>
    <message>
        <source>SQLite cannot be started</source>
        <translation>no se puede iniciar SQLite</translation>
    </message>
    <message>
        <source>the collection does not fit in memory</source>
        <translation>la colección no cabe en la memoria</translation>
    </message>
    <message>
        <source>its collection cannot be read (%1)</source>
        <translation>no se puede leer su colección (%1)</translation>
    </message>
    <message>
        <source>its notes cannot be read (%1)</source>
        <translation>no se pueden leer sus notas (%1)</translation>
    </message>
    <message>
        <source>The Anki deck %1 cannot be imported: %2.</source>
        <translation>No se puede importar el mazo de Anki %1: %2.</translation>
    </message>
    <message>
        <source>it is not a zip archive</source>
        <translation>no es un archivo zip</translation>
    </message>
    <message>
        <source>the zip archive holds no Anki collection</source>
        <translation>el archivo zip no contiene ninguna colección de Anki</translation>
    </message>
    <message>
        <source>its collection is not valid zstd-compressed data</source>
        <translation>su colección no son datos comprimidos con zstd válidos</translation>
    </message>
    <message>
        <source>its media list cannot be read (%1)</source>
        <translation>no se puede leer su lista de medios (%1)</translation>
    </message>
    <message>
        <source>its media list is damaged</source>
        <translation>su lista de medios está dañada</translation>
    </message>
    <message>
        <source>The media file %1 in %2 cannot be read: %3.</source>
        <translation>No se puede leer el archivo multimedia %1 de %2: %3.</translation>
    </message>
    <message>
        <source>it is not in the package&apos;s media list</source>
        <translation>no está en la lista de medios del paquete</translation>
    </message>
    <message>
        <source>it is not valid zstd-compressed data</source>
        <translation>no son datos comprimidos con zstd válidos</translation>
    </message>
    <message>
        <source>The Anki deck could not be made: %1</source>
        <translation>No se ha podido crear el mazo de Anki: %1</translation>
    </message>
    <message>
        <source>The list %1 was exported to %2 as an Anki deck of %3 with %4.</source>
        <translation>La lista %1 se ha exportado a %2 como mazo de Anki de %3 con %4.</translation>
    </message>
    <message numerus="yes">
        <source>%n note</source>
        <translation>
            <numerusform>%n nota</numerusform>
            <numerusform>%n notas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n notes</source>
        <translation>
            <numerusform>%n nota</numerusform>
            <numerusform>%n notas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n recording</source>
        <translation>
            <numerusform>%n grabación</numerusform>
            <numerusform>%n grabaciones</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n recordings</source>
        <translation>
            <numerusform>%n grabación</numerusform>
            <numerusform>%n grabaciones</numerusform>
        </translation>
    </message>
    <message>
        <source> 1 entry without a foreign word was left out.</source>
        <translation> Se ha omitido 1 entrada sin palabra extranjera.</translation>
    </message>
    <message>
        <source> %1 entries without a foreign word were left out.</source>
        <translation> Se han omitido %1 entradas sin palabra extranjera.</translation>
    </message>
    <message>
        <source> 1 recording could not be read; its note has no sound.</source>
        <translation> No se ha podido leer 1 grabación; su nota no tiene sonido.</translation>
    </message>
    <message>
        <source> %1 recordings could not be read; their notes have no sound.</source>
        <translation> No se han podido leer %1 grabaciones; sus notas no tienen sonido.</translation>
    </message>
    <message>
        <source>Could not make a temporary folder: %1</source>
        <translation>No se ha podido crear una carpeta temporal: %1</translation>
    </message>
    <message>
        <source>The list %1 holds no words to export.</source>
        <translation>La lista %1 no contiene palabras que exportar.</translation>
    </message>
    <message>
        <source>of a note type the deck does not describe</source>
        <translation>de un tipo de nota que el mazo no describe</translation>
    </message>
    <message>
        <source> will be skipped: </source>
        <translation> se omitirán: </translation>
    </message>
    <message>
        <source>Only %1 sound numbers up to 99999 are still free in this language, too few for the new words of this deck. Nothing was imported.</source>
        <translation>En este idioma solo quedan libres %1 números de sonido hasta el 99999, demasiado pocos para las palabras nuevas de este mazo. No se ha importado nada.</translation>
    </message>
    <message>
        <source>The Anki deck %1 holds no notes. Nothing was imported.</source>
        <translation>El mazo de Anki %1 no contiene notas. No se ha importado nada.</translation>
    </message>
    <message>
        <source>No note of the Anki deck %1 gives a word pair with the fields chosen. Nothing was imported.</source>
        <translation>Ninguna nota del mazo de Anki %1 da un par de palabras con los campos elegidos. No se ha importado nada.</translation>
    </message>
    <message>
        <source>Nothing was imported: the files of the language are as they were.</source>
        <translation>No se ha importado nada: los archivos del idioma están como estaban.</translation>
    </message>
    <message>
        <source>The media file %1 in %2 cannot be converted: %3.</source>
        <translation>No se puede convertir el archivo multimedia %1 de %2: %3.</translation>
    </message>
    <message>
        <source>Could not make the folder %1.</source>
        <translation>No se ha podido crear la carpeta %1.</translation>
    </message>
    <message>
        <source>%1 imported into the new list %2, with %3.</source>
        <translation>%1 a la nueva lista %2, con %3.</translation>
    </message>
    <message numerus="yes">
        <source>%n word pair was</source>
        <translation>
            <numerusform>%n par de palabras importado</numerusform>
            <numerusform>%n pares de palabras importados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n word pairs were</source>
        <translation>
            <numerusform>%n par de palabras importado</numerusform>
            <numerusform>%n pares de palabras importados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n new recording</source>
        <translation>
            <numerusform>%n grabación nueva</numerusform>
            <numerusform>%n grabaciones nuevas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n new recordings</source>
        <translation>
            <numerusform>%n grabación nueva</numerusform>
            <numerusform>%n grabaciones nuevas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of them was</source>
        <translation>
            <numerusform>%n de ellos ya estaba</numerusform>
            <numerusform>%n de ellos ya estaban</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of them were</source>
        <translation>
            <numerusform>%n de ellos ya estaba</numerusform>
            <numerusform>%n de ellos ya estaban</numerusform>
        </translation>
    </message>
    <message>
        <source> already in the language and kept its sound number.</source>
        <translation> en el idioma y conservó su número de sonido.</translation>
    </message>
    <message numerus="yes">
        <source>%n sound was</source>
        <translation>
            <numerusform>%n sonido se omitió</numerusform>
            <numerusform>%n sonidos se omitieron</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sounds were</source>
        <translation>
            <numerusform>%n sonido se omitió</numerusform>
            <numerusform>%n sonidos se omitieron</numerusform>
        </translation>
    </message>
    <message>
        <source> left out because the word already has a recording.</source>
        <translation> porque la palabra ya tiene una grabación.</translation>
    </message>
    <message>
        <source> 1 sound named by a note is missing from the deck; that word came without it.</source>
        <translation> Falta en el mazo 1 sonido que nombra una nota; esa palabra ha llegado sin él.</translation>
    </message>
    <message>
        <source> %1 sounds named by notes are missing from the deck; those words came without them.</source>
        <translation> Faltan en el mazo %1 sonidos que nombran las notas; esas palabras han llegado sin ellos.</translation>
    </message>
    <message numerus="yes">
        <source>%n translation sound was</source>
        <translation>
            <numerusform>%n sonido de traducción se omitió</numerusform>
            <numerusform>%n sonidos de traducción se omitieron</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n translation sounds were</source>
        <translation>
            <numerusform>%n sonido de traducción se omitió</numerusform>
            <numerusform>%n sonidos de traducción se omitieron</numerusform>
        </translation>
    </message>
    <message>
        <source> left out: the translation is not an entry of the target language.</source>
        <translation> porque la traducción no es una entrada del idioma de destino.</translation>
    </message>
    <message>
        <source>The import was cancelled. %1</source>
        <translation>Se ha cancelado la importación. %1</translation>
    </message>
    <message>
        <source>the MP3 decoder cannot be started</source>
        <translation>no se puede iniciar el decodificador MP3</translation>
    </message>
    <message>
        <source>it is too long for a word&apos;s recording</source>
        <translation>es demasiado largo para la grabación de una palabra</translation>
    </message>
    <message>
        <source>its MP3 frames change rate or channels part-way</source>
        <translation>sus tramas MP3 cambian de frecuencia o de canales a mitad</translation>
    </message>
    <message>
        <source>it is not a readable MP3 file (%1)</source>
        <translation>no es un archivo MP3 legible (%1)</translation>
    </message>
    <message>
        <source>it holds no MP3 audio</source>
        <translation>no contiene audio MP3</translation>
    </message>
    <message>
        <source>it is not a readable Ogg Vorbis file</source>
        <translation>no es un archivo Ogg Vorbis legible</translation>
    </message>
    <message>
        <source>its Ogg Vorbis audio is damaged</source>
        <translation>su audio Ogg Vorbis está dañado</translation>
    </message>
    <message>
        <source>the FLAC decoder cannot be started</source>
        <translation>no se puede iniciar el decodificador FLAC</translation>
    </message>
    <message>
        <source>its FLAC audio is damaged</source>
        <translation>su audio FLAC está dañado</translation>
    </message>
    <message>
        <source>it is not a WAV file of a kind that can be read (PCM or float)</source>
        <translation>no es un archivo WAV de un tipo que se pueda leer (PCM o coma flotante)</translation>
    </message>
    <message>
        <source>it is not MP3, Ogg Vorbis, FLAC or WAV audio</source>
        <translation>no es audio MP3, Ogg Vorbis, FLAC ni WAV</translation>
    </message>
    <message>
        <source>it holds no sound</source>
        <translation>no contiene sonido</translation>
    </message>
    <message>
        <source>the MP3 encoder failed</source>
        <translation>ha fallado el codificador MP3</translation>
    </message>
    <message>
        <source>Anki deck, collection.anki2</source>
        <translation>Mazo de Anki, collection.anki2</translation>
    </message>
    <message>
        <source>Anki deck, collection.anki21</source>
        <translation>Mazo de Anki, collection.anki21</translation>
    </message>
    <message>
        <source>Anki deck, collection.anki21b</source>
        <translation>Mazo de Anki, collection.anki21b</translation>
    </message>
    <message>
        <source>Import Anki Deck</source>
        <translation>Importar mazo de Anki</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n notes)</source>
        <translation>
            <numerusform>%1 (%n nota)</numerusform>
            <numerusform>%1 (%n notas)</numerusform>
        </translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Grabación</translation>
    </message>
    <message>
        <source>&amp;Note type:</source>
        <translation>Tipo de &amp;nota:</translation>
    </message>
    <message>
        <source>The deck holds no notes.</source>
        <translation>El mazo no contiene notas.</translation>
    </message>
    <message>
        <source>Choose two different fields for the word and its translation.</source>
        <translation>Elige dos campos distintos para la palabra y su traducción.</translation>
    </message>
    <message>
        <source>%1 word %2 will be imported into a new list of %3, %4 with a recording.</source>
        <translation>Se importarán %1 %2 a una nueva lista de %3, %4 con grabación.</translation>
    </message>
    <message>
        <source>pair</source>
        <translation>par de palabras</translation>
    </message>
    <message>
        <source>pairs</source>
        <translation>pares de palabras</translation>
    </message>
    <message>
        <source> The first %1 are shown.</source>
        <translation> Se muestran los primeros %1.</translation>
    </message>
    <message>
        <source>No note will be skipped.</source>
        <translation>No se omitirá ninguna nota.</translation>
    </message>
    <message>
        <source> 1 sound named by a note is missing from the deck; that word comes without it.</source>
        <translation> Falta en el mazo 1 sonido que nombra una nota; esa palabra llegará sin él.</translation>
    </message>
    <message>
        <source> %1 sounds named by notes are missing from the deck; those words come without them.</source>
        <translation> Faltan en el mazo %1 sonidos que nombran las notas; esas palabras llegarán sin ellos.</translation>
    </message>
    <message>
        <source>Converting the deck&apos;s sounds into recordings...</source>
        <translation>Convirtiendo los sonidos del mazo en grabaciones...</translation>
    </message>
    <message>
        <source>Sounds converted</source>
        <translation>Sonidos convertidos</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Cancelando...</translation>
    </message>
    <message>
        <source>Import &amp;Anki Deck...</source>
        <translation>Importar mazo de &amp;Anki...</translation>
    </message>
    <message>
        <source>Export as Anki &amp;Deck...</source>
        <translation>Exportar como &amp;mazo de Anki...</translation>
    </message>
    <message>
        <source>Anki decks (*.apkg)</source>
        <translation>Mazos de Anki (*.apkg)</translation>
    </message>
    <message>
        <source>;;All files (*)</source>
        <translation>;;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>An Anki deck is being imported. Please wait until it is done, then try again.</source>
        <translation>Se está importando un mazo de Anki. Espera a que termine y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>Export as Anki Deck</source>
        <translation>Exportar como mazo de Anki</translation>
    </message>
    <message>
        <source>The recording %1 could not be read: %2</source>
        <translation>No se ha podido leer la grabación %1: %2</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>el archivo no existe</translation>
    </message>
    <message>
        <source>Say It needs the word&apos;s recording, and this word has no sound number.</source>
        <translation>«Dilo» necesita la grabación de la palabra, y esta palabra no tiene número de sonido.</translation>
    </message>
    <message>
        <source>Say It needs the word&apos;s recording, and this word has none. Turning on the voice for words without a recording lets you practise it against the voice.</source>
        <translation>«Dilo» necesita la grabación de la palabra, y esta palabra no tiene ninguna. Si activas la voz para las palabras sin grabación, puedes practicarla con la voz.</translation>
    </message>
    <message>
        <source>No microphone was found</source>
        <translation>No se ha encontrado ningún micrófono</translation>
    </message>
    <message>
        <source>The recording could not be stopped.</source>
        <translation>No se ha podido detener la grabación.</translation>
    </message>
    <message>
        <source>The recording could not be read.</source>
        <translation>No se ha podido leer la grabación.</translation>
    </message>
    <message>
        <source>Your take was too loud and is clipped. Move back from the microphone or turn its level down, then try again.</source>
        <translation>Tu toma estaba demasiado alta y está saturada. Aléjate del micrófono o baja su nivel y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>Nothing was heard. Say the word when &quot;Speak&quot; shows.</source>
        <translation>No se ha oído nada. Di la palabra cuando aparezca «Habla».</translation>
    </message>
    <message>
        <source>Your take was too quiet to compare. Speak closer to the microphone or turn its level up, then try again.</source>
        <translation>Tu toma era demasiado baja para compararla. Habla más cerca del micrófono o sube su nivel y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>Your take was too short to compare. Say the whole word when &quot;Speak&quot; shows.</source>
        <translation>Tu toma era demasiado corta para compararla. Di la palabra entera cuando aparezca «Habla».</translation>
    </message>
    <message>
        <source>Your take could not be kept: the word&apos;s sound number &quot;%1&quot; cannot name a file.</source>
        <translation>No se ha podido guardar tu toma: el número de sonido «%1» de la palabra no puede ser un nombre de archivo.</translation>
    </message>
    <message>
        <source>Your take could not be kept: the folder %1 could not be made.</source>
        <translation>No se ha podido guardar tu toma: no se ha podido crear la carpeta %1.</translation>
    </message>
    <message>
        <source>Your take could not be kept: the MP3 encoder failed.</source>
        <translation>No se ha podido guardar tu toma: ha fallado el codificador MP3.</translation>
    </message>
    <message>
        <source>Your take could not be kept.<byte value="xd"/>
%1</source>
        <translation>No se ha podido guardar tu toma.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Very close</source>
        <translation>Muy parecido</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Inténtalo otra vez</translation>
    </message>
    <message>
        <source>Say It</source>
        <translation>Dilo</translation>
    </message>
    <message>
        <source>Key S</source>
        <translation>Tecla S</translation>
    </message>
    <message>
        <source>Say It practises the word on the card, and no word is shown.</source>
        <translation>«Dilo» practica la palabra de la tarjeta, y no se muestra ninguna palabra.</translation>
    </message>
    <message>
        <source>Space: Show Answer    Right or 2: I knew it    Left or 1: I forgot    S: Say It    Escape: close</source>
        <translation>Espacio: ver respuesta    Derecha o 2: la sabía    Izquierda o 1: la olvidé    S: Dilo    Esc: cerrar</translation>
    </message>
    <message>
        <source>Key %1</source>
        <translation>Tecla %1</translation>
    </message>
    <message>
        <source>The recording and your take</source>
        <translation>La grabación y tu toma</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>no speech</source>
        <translation>sin habla</translation>
    </message>
    <message>
        <source>Recording: %1 spoken.</source>
        <translation>Grabación: %1 de habla.</translation>
    </message>
    <message>
        <source>No recording.</source>
        <translation>Sin grabación.</translation>
    </message>
    <message>
        <source> Your take: %1 spoken, drawn on the recording&apos;s time scale.</source>
        <translation> Tu toma: %1 de habla, dibujada en la escala de tiempo de la grabación.</translation>
    </message>
    <message>
        <source> No take yet.</source>
        <translation> Todavía no hay toma.</translation>
    </message>
    <message>
        <source>Your take</source>
        <translation>Tu toma</translation>
    </message>
    <message>
        <source>Word to say</source>
        <translation>Palabra que decir</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>Cuenta atrás</translation>
    </message>
    <message>
        <source>What the drawing shows</source>
        <translation>Qué muestra el dibujo</translation>
    </message>
    <message>
        <source>Orange: pitch. The score compares your take with one recording of one speaker; it is not a judgement of your pronunciation.</source>
        <translation>Naranja: tono. La puntuación compara tu toma con una grabación de un solo hablante; no es un juicio sobre tu pronunciación.</translation>
    </message>
    <message>
        <source>Score out of 100</source>
        <translation>Puntuación sobre 100</translation>
    </message>
    <message>
        <source>How close your take is</source>
        <translation>Cuánto se parece tu toma</translation>
    </message>
    <message>
        <source>Where your take was kept</source>
        <translation>Dónde se guardó tu toma</translation>
    </message>
    <message>
        <source>Hear the recording</source>
        <translation>Oír la grabación</translation>
    </message>
    <message>
        <source>Hear my take</source>
        <translation>Oír mi toma</translation>
    </message>
    <message>
        <source>Hear both</source>
        <translation>Oír las dos</translation>
    </message>
    <message>
        <source>Say it again</source>
        <translation>Decirla otra vez</translation>
    </message>
    <message>
        <source>Keep my take</source>
        <translation>Guardar mi toma</translation>
    </message>
    <message>
        <source>Get ready</source>
        <translation>Prepárate</translation>
    </message>
    <message>
        <source>Speak: %1 s</source>
        <translation>Habla: %1 s</translation>
    </message>
    <message>
        <source>The recording of this word is silent, so there is nothing to compare with.</source>
        <translation>La grabación de esta palabra está en silencio, así que no hay nada con qué comparar.</translation>
    </message>
    <message>
        <source>Your take was kept as %1</source>
        <translation>Tu toma se ha guardado como %1</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>how near the take is</comment>
        <translation>Parecido</translation>
    </message>
    <message>
        <source>No words are due for review today, so no MP3 was made.</source>
        <translation>Hoy no toca repasar ninguna palabra, así que no se ha creado ningún MP3.</translation>
    </message>
    <message>
        <source>Today&apos;s review could not be saved.<byte value="xd"/>
%1</source>
        <translation>No se ha podido guardar el repaso de hoy.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>None of the %1 words due today has a sound, so no MP3 was made.</source>
        <translation>Ninguna de las %1 palabras que tocan hoy tiene sonido, así que no se ha creado ningún MP3.</translation>
    </message>
    <message>
        <source>Today&apos;s review is ready: %1 %2, playing %3.</source>
        <translation>El repaso de hoy está listo: %1 %2, con una duración de %3.</translation>
    </message>
    <message>
        <source>word</source>
        <translation>palabra</translation>
    </message>
    <message>
        <source>words</source>
        <translation>palabras</translation>
    </message>
    <message>
        <source> %1 of the words due had no sound and were left out.</source>
        <translation> %1 de las palabras que tocaban no tenían sonido y se han omitido.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
It was saved as %1, with its captions beside it.</source>
        <translation><byte value="xd"/>
Se ha guardado como %1, con sus subtítulos al lado.</translation>
    </message>
    <message>
        <source>Today&apos;s &amp;Review as MP3...</source>
        <translation>&amp;Repaso de hoy como MP3...</translation>
    </message>
    <message>
        <source>&amp;Speech Speed</source>
        <translation>&amp;Velocidad de la voz</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Today&apos;s Review as MP3</source>
        <translation>Repaso de hoy como MP3</translation>
    </message>
    <message>
        <source>Saves the words due today as an MP3 with captions; the review itself is not changed</source>
        <translation>Guarda las palabras que tocan hoy como un MP3 con subtítulos; el repaso en sí no cambia</translation>
    </message>
    <message>
        <source>Choose a language first.</source>
        <translation>Elige primero un idioma.</translation>
    </message>
</context>
</TS>
