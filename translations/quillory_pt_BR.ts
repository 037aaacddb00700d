<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Quillory</name>
    <message>
        <source>The sample recordings could not be copied into %1: %2 could not be written.</source>
        <translation>Não foi possível copiar as gravações de exemplo para %1: não foi possível gravar %2.</translation>
    </message>
    <message>
        <source>The sample languages could not be copied into %1: %2</source>
        <translation>Não foi possível copiar os idiomas de exemplo para %1: %2</translation>
    </message>
    <message>
        <source>The sample languages could not be copied into %1: %2 could not be copied.</source>
        <translation>Não foi possível copiar os idiomas de exemplo para %1: não foi possível copiar %2.</translation>
    </message>
    <message>
        <source>The sample languages could not be moved into place in %1.</source>
        <translation>Não foi possível colocar os idiomas de exemplo em %1.</translation>
    </message>
    <message>
        <source>The data folder %1 could not be made; nothing can be kept. Start Quillory with --data and a folder that can be written.</source>
        <translation>Não foi possível criar a pasta de dados %1; nada pode ser guardado. Inicie o Quillory com --data e uma pasta com permissão de escrita.</translation>
    </message>
    <message>
        <source>How many times should words be repeated before going to the next word? Recommended ranges are from 3 to 30.</source>
        <translation>Quantas vezes as palavras devem ser repetidas antes de passar para a próxima? O recomendado é de 3 a 30.</translation>
    </message>
    <message>
        <source>That was too few or too many. It is now set to 3.</source>
        <translation>Foram poucas ou muitas demais. O valor agora é 3.</translation>
    </message>
    <message>
        <source>Not enough files had sound files</source>
        <translation>Poucas palavras têm arquivo de som</translation>
    </message>
    <message numerus="yes">
        <source>%n words remain on this list</source>
        <translation>
            <numerusform>Resta %n palavra nesta lista</numerusform>
            <numerusform>Restam %n palavras nesta lista</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Words</source>
        <translation>
            <numerusform>%n palavra</numerusform>
            <numerusform>%n palavras</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n words added</source>
        <translation>
            <numerusform>%n palavra adicionada</numerusform>
            <numerusform>%n palavras adicionadas</numerusform>
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
        <translation>Não foi possível gravar o arquivo %1.</translation>
    </message>
    <message>
        <source>How long should the pause between words be (in seconds)?  Use 0.1 for a quick speed and 2 for slow. For phrases, it needs to be 1 or higher.</source>
        <translation>Quanto tempo deve durar a pausa entre as palavras (em segundos)?  Use 0.1 para uma velocidade rápida e 2 para lenta. Para frases, deve ser 1 ou mais.</translation>
    </message>
    <message>
        <source>How long should the pause between words be (in seconds)? Use 0.1 for a quick speed and 2 for slow. For phrases, it needs to be 1 or higher.</source>
        <translation>Quanto tempo deve durar a pausa entre as palavras (em segundos)? Use 0.1 para uma velocidade rápida e 2 para lenta. Para frases, deve ser 1 ou mais.</translation>
    </message>
    <message>
        <source>Speed Bump</source>
        <translation>Velocidade</translation>
    </message>
    <message>
        <source>That was less than 0.01 or more than 10. It&apos;s been set to .2 second.</source>
        <translation>O valor era menor que 0.01 ou maior que 10. Ele foi definido como 0.2 segundo.</translation>
    </message>
    <message>
        <source>That was less than 0.01 or more than 10. It&apos;s been set to .1 second.</source>
        <translation>O valor era menor que 0.01 ou maior que 10. Ele foi definido como 0.1 segundo.</translation>
    </message>
    <message>
        <source>This plays just the top word.</source>
        <translation>Agora só a palavra de cima é tocada.</translation>
    </message>
    <message>
        <source>If both language&apos;s sound files are installed, this plays both the top and bottom words.</source>
        <translation>Se os arquivos de som dos dois idiomas estiverem instalados, agora são tocadas a palavra de cima e a de baixo.</translation>
    </message>
    <message>
        <source>How many times should the foreign word be played before the translation is played?  This works only if both languages are installed.</source>
        <translation>Quantas vezes a palavra estrangeira deve ser tocada antes da tradução?  Isso só funciona se os dois idiomas estiverem instalados.</translation>
    </message>
    <message>
        <source>How many times should the top word be played before the bottom word is played?   This works only if both languages are installed.</source>
        <translation>Quantas vezes a palavra de cima deve ser tocada antes da de baixo?   Isso só funciona se os dois idiomas estiverem instalados.</translation>
    </message>
    <message>
        <source>How many times should the TOP word play before showing the TOP word&apos;s text?  Enter only a number.</source>
        <translation>Quantas vezes a palavra de CIMA deve tocar antes de mostrar o texto dela?  Digite apenas um número.</translation>
    </message>
    <message>
        <source>How many times should the TOP word play before showing the BOTTOM word&apos;s text?  Enter only a number.</source>
        <translation>Quantas vezes a palavra de CIMA deve tocar antes de mostrar o texto da palavra de BAIXO?  Digite apenas um número.</translation>
    </message>
    <message>
        <source>This will create an mp3 file for your portable mp3 player. It is not useful unless you have the sound files for both languages.  The mp3 file this creates will be stored in the quillory folder and called out_file.mp3.  What you heard before seeing this message is what the mp3 will sound like. You can click cancel now to listen to check if the current &apos;repeat&apos;, &apos;speed&apos;, and &apos;interlace&apos; settings are what you want. I recommend the settings to be 6, 0.4, and 1.  This means each foreign word will be played 6 times with a pause of 0.4 seconds between words and the translation will be spoken (&apos;interlaced&apos;) every 1 times the foreign word is spoken. If you want to create the mp3 file now, enter the number of words you want in the mp3 file in the blank below and click OK.  I recommend 50.</source>
        <translation>Isto vai criar um arquivo mp3 para o seu tocador portátil. Só é útil se você tiver os arquivos de som dos dois idiomas.  O arquivo mp3 será salvo na pasta do quillory com o nome out_file.mp3.  O que você ouviu antes desta mensagem é como o mp3 vai soar. Você pode clicar em Cancelar agora para ouvir e conferir se as configurações atuais de &quot;repetições&quot;, &quot;velocidade&quot; e &quot;intercalar&quot; são as que você quer. Recomendo os valores 6, 0.4 e 1.  Isso significa que cada palavra estrangeira será tocada 6 vezes com uma pausa de 0.4 segundo entre as palavras, e a tradução será falada (&quot;intercalada&quot;) a cada vez que a palavra estrangeira for falada. Se quiser criar o arquivo mp3 agora, digite abaixo o número de palavras que deseja no mp3 e clique em OK.  Recomendo 50.</translation>
    </message>
    <message>
        <source>When the recording is completed, the flash cards will resume normal mode and begin playing aloud.  When this finishes, rename out_file.mp3 if you don&apos;t want it deleted the next time you use this function.</source>
        <translation>Quando a gravação terminar, os cartões voltarão ao modo normal e começarão a tocar em voz alta.  Depois disso, renomeie out_file.mp3 se não quiser que ele seja apagado da próxima vez que usar esta função.</translation>
    </message>
    <message>
        <source>Action has been cancelled</source>
        <translation>A ação foi cancelada</translation>
    </message>
    <message>
        <source>This will create MP3 files for the current word list in blocks of 100 words.  The mp3 files will be stored in the quillory folder and named 100words1.mp3, 100words2.mp3 etc.  If these files already exit from a previous session, they will be deleted.</source>
        <translation>Isto vai criar arquivos MP3 da lista de palavras atual em blocos de 100 palavras.  Os arquivos mp3 serão salvos na pasta do quillory com os nomes 100words1.mp3, 100words2.mp3 etc.  Se esses arquivos já existirem de uma sessão anterior, serão apagados.</translation>
    </message>
    <message>
        <source>How many times should each word be repeated?  I recommend 5.  Type only a number. It may take 5 minutes for this operation to complete if you select 5 repeats and there are 1000 words on this word list.  With a setting of 5, each mp3 file is 4 MB and 15 minuutes long (for word lists, not phrases).  There will a message to let you know when it&apos;s complete.  You may click cancel to stop this operation.</source>
        <translation>Quantas vezes cada palavra deve ser repetida?  Recomendo 5.  Digite apenas um número. A operação pode levar 5 minutos se você escolher 5 repetições e a lista tiver 1000 palavras.  Com o valor 5, cada arquivo mp3 tem 4 MB e 15 minutos de duração (para listas de palavras, não de frases).  Uma mensagem avisará quando terminar.  Você pode clicar em Cancelar para interromper a operação.</translation>
    </message>
    <message>
        <source>How many seconds of silence should there be between words?  Enter zero &quot;0&quot; for no pause between words (it&apos;s fast) or 0.5 for a little bit of a pause.</source>
        <translation>Quantos segundos de silêncio deve haver entre as palavras?  Digite zero &quot;0&quot; para nenhuma pausa (é rápido) ou 0.5 para uma pausa curta.</translation>
    </message>
    <message numerus="yes">
        <source>%n words completed</source>
        <translation>
            <numerusform>%n palavra concluída</numerusform>
            <numerusform>%n palavras concluídas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files have been completed.</source>
        <translation>
            <numerusform>%n arquivo foi concluído.</numerusform>
            <numerusform>%n arquivos foram concluídos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot call this command after FSOUND_Init.  Call FSOUND_Close first.</source>
        <translation>Não é possível chamar este comando depois de FSOUND_Init.  Chame FSOUND_Close primeiro.</translation>
    </message>
    <message>
        <source>This command failed because FSOUND_Init was not called</source>
        <translation>Este comando falhou porque FSOUND_Init não foi chamado</translation>
    </message>
    <message>
        <source>Error initializing output device.</source>
        <translation>Erro ao inicializar o dispositivo de saída.</translation>
    </message>
    <message>
        <source>The output device is already in use and cannot be reused.</source>
        <translation>O dispositivo de saída já está em uso e não pode ser reutilizado.</translation>
    </message>
    <message>
        <source>Playing the sound failed.</source>
        <translation>Não foi possível tocar o som.</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Arquivo não encontrado</translation>
    </message>
    <message>
        <source>Unknown file format</source>
        <translation>Formato de arquivo desconhecido</translation>
    </message>
    <message>
        <source>Error loading file</source>
        <translation>Erro ao carregar o arquivo</translation>
    </message>
    <message>
        <source>Not enough memory </source>
        <translation>Memória insuficiente </translation>
    </message>
    <message>
        <source>An invalid parameter was passed to this function</source>
        <translation>Um parâmetro inválido foi passado para esta função</translation>
    </message>
    <message>
        <source>Failed to allocate a new channel</source>
        <translation>Não foi possível alocar um novo canal</translation>
    </message>
    <message>
        <source>Recording is not supported on this machine</source>
        <translation>Este computador não permite gravar</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erro desconhecido</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instruções</translation>
    </message>
    <message>
        <source>First select a language to learn by clicking on its name at the top left. Lists of words for that language will then appear.  Click on one of the lists to see the words on that list. Click on a word to hear it. Click on &apos;flash cards&apos; to randomnly play words on the selected list.  You can double-click on a word to move it from the &apos;unknown&apos; list to the &apos;known&apos; list. The program remembers which words you have marked as &apos;known&apos; for the next time you run the program. You can review the words you&apos;ve marked as &apos;known&apos; and double-click on them to move them back onto the &apos;unknown&apos; list. </source>
        <translation>Primeiro escolha o idioma que quer aprender clicando no nome dele, no alto à esquerda. As listas de palavras desse idioma vão aparecer.  Clique em uma das listas para ver as palavras dela. Clique em uma palavra para ouvi-la. Clique em &quot;cartões&quot; para tocar em ordem aleatória as palavras da lista escolhida.  Com um clique duplo em uma palavra, você a passa da lista de &quot;desconhecidas&quot; para a de &quot;conhecidas&quot;. O programa lembra quais palavras você marcou como &quot;conhecidas&quot; para a próxima vez que usá-lo. Você pode revisar as palavras marcadas como &quot;conhecidas&quot; e, com um clique duplo, devolvê-las para a lista de &quot;desconhecidas&quot;. </translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>For general instructions on how to use the program, click on Instructions. For additional words, go to %1.  For additional help contact %2 at %3 or %4.</source>
        <translation>Para instruções gerais sobre como usar o programa, clique em Instruções. Para obter mais palavras, acesse %1.  Para mais ajuda, fale com %2 pelo e-mail %3 ou pelo telefone %4.</translation>
    </message>
    <message>
        <source>See the Help section if this information does not solve the problem.  The program depends on the sound files and word lists to be in a certain location relative to the quillory program.  The following files have to be in the indicated sub-folders relative to the quillory program. 

quillory		in &apos;quillory&apos; folder
SDL2, SDL2_mixer		installed with the system (libsdl2, libsdl2-mixer)
mp3 and wav sound files	example: quillory/languages/spanish/01/01436.mp3
text files of word lists	example: quillory/languages/spanish/most_common_words.txt
the users known word lists	example: quillory/users/kestrel/spanish/most_common_words-u.txt</source>
        <translation>Consulte a seção Ajuda se estas informações não resolverem o problema.  O programa precisa que os arquivos de som e as listas de palavras estejam em um local específico em relação ao programa quillory.  Os arquivos abaixo precisam estar nas subpastas indicadas em relação ao programa quillory. 

quillory		na pasta &apos;quillory&apos;
SDL2, SDL2_mixer		instaladas com o sistema (libsdl2, libsdl2-mixer)
arquivos de som mp3 e wav	exemplo: quillory/languages/spanish/01/01436.mp3
arquivos de texto das listas	exemplo: quillory/languages/spanish/most_common_words.txt
listas de palavras conhecidas do usuário	exemplo: quillory/users/kestrel/spanish/most_common_words-u.txt</translation>
    </message>
    <message>
        <source>Troubleshooting</source>
        <translation>Solução de problemas</translation>
    </message>
    <message>
        <source>About %1 Vocabulary Tutor</source>
        <translation>Sobre o %1, tutor de vocabulário</translation>
    </message>
    <message>
        <source>Quillory version %1 %2. </source>
        <translation>Quillory versão %1 %2. </translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1: o arquivo não existe</translation>
    </message>
    <message>
        <source>%1 does not provide %2</source>
        <translation>%1 não oferece %2</translation>
    </message>
    <message>
        <source>The cipher library %1 could not be used, so recordings cannot be enciphered or deciphered (%2).</source>
        <translation>Não foi possível usar a biblioteca de criptografia %1, por isso as gravações não podem ser cifradas nem decifradas (%2).</translation>
    </message>
    <message>
        <source>The folder %1 could not be created.</source>
        <translation>Não foi possível criar a pasta %1.</translation>
    </message>
    <message>
        <source>Could not read the file %1.</source>
        <translation>Não foi possível ler o arquivo %1.</translation>
    </message>
    <message>
        <source>This button is for the user to add their own language to the Quillory program.  It&apos;s best to first email me at %1 or call me at %2 to find out if I already have word lists for the language you want to add.  If you want to begin work on a new language, what do you want to call it?  Use 8 or fewer english letters and numbers, but not spaces.</source>
        <translation>Este botão serve para você adicionar seu próprio idioma ao programa Quillory.  O ideal é primeiro me escrever em %1 ou me ligar no %2 para saber se já tenho listas de palavras do idioma que você quer adicionar.  Se quiser começar a trabalhar em um idioma novo, que nome quer dar a ele?  Use no máximo 8 letras ou números do alfabeto inglês, sem espaços.</translation>
    </message>
    <message>
        <source>language name</source>
        <translation>nome do idioma</translation>
    </message>
    <message>
        <source>That language already exits.  Please choose another name.</source>
        <translation>Esse idioma já existe.  Escolha outro nome.</translation>
    </message>
    <message>
        <source>You need to connect this new language to a &apos;target&apos; language. The target language will be the other language in this language pair that the students already know.  Usually, the target language will be english.  If the target language you type below already exists on this computer, you will not have to type those target translations or record the target sounds.  What is the &apos;target&apos; language?  Be sure to spell it correctly.  The name must be 8 or fewer english letters.</source>
        <translation>Você precisa ligar este idioma novo a um idioma &quot;alvo&quot;. O idioma alvo é o outro idioma do par, aquele que os alunos já sabem.  Normalmente será o inglês (english).  Se o idioma alvo que você digitar abaixo já existir neste computador, você não precisará digitar essas traduções nem gravar esses sons.  Qual é o idioma &quot;alvo&quot;?  Confira se está escrito corretamente.  O nome deve ter no máximo 8 letras do alfabeto inglês.</translation>
    </message>
    <message>
        <source>target language name</source>
        <translation>nome do idioma alvo</translation>
    </message>
    <message>
        <source>That language folder is not on this computer, but your selection is being recorded.</source>
        <translation>Essa pasta de idioma não está neste computador, mas a sua escolha está sendo registrada.</translation>
    </message>
    <message>
        <source>Thank you, that language was found on this computer.  Words lists from that language will now be formatted to be used in the new language you are adding so that the exiting words/phrases of the student&apos;s native language do not have to be retyped.  After clicking OK below you can select the new language in the list of languages, then select one of the word lists, and then select &apos;Record and Edit&apos; to type the translations and record words for the new language.</source>
        <translation>Obrigado, esse idioma foi encontrado neste computador.  As listas de palavras dele serão agora preparadas para o idioma novo que você está adicionando, para que as palavras e frases existentes na língua materna dos alunos não precisem ser digitadas de novo.  Depois de clicar em OK, você pode escolher o idioma novo na lista de idiomas, depois uma das listas de palavras e então &quot;Gravar e editar&quot; para digitar as traduções e gravar as palavras do idioma novo.</translation>
    </message>
    <message>
        <source>First select a language.</source>
        <translation>Primeiro escolha um idioma.</translation>
    </message>
    <message>
        <source>This creates a new word/phrase list to be added to the currently selected language (%1).  If this is not what you want to do, click cancel.  After creating this new list, you can add words and phrases to it using the &apos;Record and Edit Selected List&apos; button. What is the name of the new list?  Use only english characters and numbers.</source>
        <translation>Isto cria uma lista nova de palavras ou frases para o idioma escolhido (%1).  Se não é isso que você quer fazer, clique em Cancelar.  Depois de criar a lista, você pode adicionar palavras e frases a ela com o botão &quot;Gravar e editar a lista escolhida&quot;. Qual é o nome da lista nova?  Use apenas letras do alfabeto inglês e números.</translation>
    </message>
    <message>
        <source>list name</source>
        <translation>nome da lista</translation>
    </message>
    <message>
        <source>That list already exists for this language.  Please choose another list name.</source>
        <translation>Essa lista já existe neste idioma.  Escolha outro nome de lista.</translation>
    </message>
    <message>
        <source>%1 %2 (%3 %4)</source>
        <translation>%1 %2 (%3 %4)</translation>
    </message>
    <message>
        <source>line</source>
        <translation>linha</translation>
    </message>
    <message>
        <source>lines</source>
        <translation>linhas</translation>
    </message>
    <message>
        <source>with an empty field</source>
        <translation>com um campo vazio</translation>
    </message>
    <message>
        <source>with &quot;|&quot; inside a field</source>
        <translation>com &quot;|&quot; dentro de um campo</translation>
    </message>
    <message>
        <source>with a line break inside a field</source>
        <translation>com uma quebra de linha dentro de um campo</translation>
    </message>
    <message>
        <source>repeating a pair above</source>
        <translation>repetindo um par anterior</translation>
    </message>
    <message>
        <source>beyond the %1 pairs one list holds</source>
        <translation>além dos %1 pares que cabem em uma lista</translation>
    </message>
    <message numerus="yes">
        <source>%n entry will be skipped: %1.</source>
        <translation>
            <numerusform>%n entrada será ignorada: %1.</numerusform>
            <numerusform>%n entradas serão ignoradas: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries will be skipped: %1.</source>
        <translation>
            <numerusform>%n entrada será ignorada: %1.</numerusform>
            <numerusform>%n entradas serão ignoradas: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line will be skipped: %1.</source>
        <translation>
            <numerusform>%n linha será ignorada: %1.</numerusform>
            <numerusform>%n linhas serão ignoradas: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lines will be skipped: %1.</source>
        <translation>
            <numerusform>%n linha será ignorada: %1.</numerusform>
            <numerusform>%n linhas serão ignoradas: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Please type a name for the new list.</source>
        <translation>Digite um nome para a lista nova.</translation>
    </message>
    <message>
        <source>There are no word pairs to import.</source>
        <translation>Não há pares de palavras para importar.</translation>
    </message>
    <message>
        <source>Could not read the file %1: %2</source>
        <translation>Não foi possível ler o arquivo %1: %2</translation>
    </message>
    <message>
        <source>The file %1 does not hold a sound number. Please correct it so that it holds the next free number, for example 70000.</source>
        <translation>O arquivo %1 não contém um número de som. Corrija-o para que contenha o próximo número livre, por exemplo 70000.</translation>
    </message>
    <message>
        <source>Only %1 sound numbers up to 99999 are still free in this language, too few for the new words of this file. Nothing was imported.</source>
        <translation>Neste idioma só restam %1 números de som livres até 99999, poucos demais para as palavras novas deste arquivo. Nada foi importado.</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
Nothing was imported: the files of the language are as they were.</source>
        <translation>%1<byte value="xd"/>
Nada foi importado: os arquivos do idioma continuam como estavam.</translation>
    </message>
    <message numerus="yes">
        <source>%n word pair was imported into the new list %1.</source>
        <translation>
            <numerusform>%n par de palavras foi importado para a lista nova %1.</numerusform>
            <numerusform>%n pares de palavras foram importados para a lista nova %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n word pairs were imported into the new list %1.</source>
        <translation>
            <numerusform>%n par de palavras foi importado para a lista nova %1.</numerusform>
            <numerusform>%n pares de palavras foram importados para a lista nova %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of them was already in the language and kept its sound number.</source>
        <translation>
            <numerusform>%n deles já estava no idioma e manteve seu número de som.</numerusform>
            <numerusform>%n deles já estavam no idioma e mantiveram seus números de som.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of them were already in the language and kept its sound number.</source>
        <translation>
            <numerusform>%n deles já estava no idioma e manteve seu número de som.</numerusform>
            <numerusform>%n deles já estavam no idioma e mantiveram seus números de som.</numerusform>
        </translation>
    </message>
    <message>
        <source>Could not read the file %1</source>
        <translation>Não foi possível ler o arquivo %1</translation>
    </message>
    <message>
        <source>The cipher library could not be loaded: %1</source>
        <translation>Não foi possível carregar a biblioteca de criptografia: %1</translation>
    </message>
    <message>
        <source>The cipher library reported error %1.</source>
        <translation>A biblioteca de criptografia informou o erro %1.</translation>
    </message>
    <message>
        <source>The archive %1 cannot be opened: %2</source>
        <translation>Não é possível abrir o arquivo compactado %1: %2</translation>
    </message>
    <message>
        <source>The archive %1 is incomplete.</source>
        <translation>O arquivo compactado %1 está incompleto.</translation>
    </message>
    <message>
        <source>Could not copy %1 to %2.</source>
        <translation>Não foi possível copiar %1 para %2.</translation>
    </message>
    <message>
        <source>Could not copy %1 to %2: %3</source>
        <translation>Não foi possível copiar %1 para %2: %3</translation>
    </message>
    <message>
        <source>The archive %1 cannot be written: %2</source>
        <translation>Não é possível gravar o arquivo compactado %1: %2</translation>
    </message>
    <message>
        <source>Currently the program is working on %1.  Please wait about 5 seconds before clicking &apos;OK&apos; below.</source>
        <translation>O programa está trabalhando em %1.  Aguarde cerca de 5 segundos antes de clicar em &quot;OK&quot; abaixo.</translation>
    </message>
    <message>
        <source>Use this function AFTER you have finished recording ALL the words and phrases for the %1 language.  Clicking &apos;OK&apos; below will place the recordings in the folder called %2.  Please email all the &apos;str&apos; zip files to me at %3. Do not email zip files to %4 because my spam filter may block them.  It is best to email the files one at a time in a seperate email because they are big files.  <byte value="xd"/><byte value="xd"/>Click &apos;OK&apos; to run this function or &apos;Cancel&apos; to go back.</source>
        <translation>Use esta função DEPOIS de ter gravado TODAS as palavras e frases do idioma %1.  Ao clicar em &quot;OK&quot; abaixo, as gravações serão colocadas na pasta %2.  Envie todos os arquivos zip &apos;str&apos; por e-mail para mim em %3. Não envie arquivos zip para %4, porque meu filtro de spam pode bloqueá-los.  É melhor enviar os arquivos um de cada vez, em e-mails separados, porque são grandes.  <byte value="xd"/><byte value="xd"/>Clique em &quot;OK&quot; para executar esta função ou em &quot;Cancelar&quot; para voltar.</translation>
    </message>
    <message>
        <source>The action has been cancelled.</source>
        <translation>A ação foi cancelada.</translation>
    </message>
    <message>
        <source>The folder %1 holds no files to pack.</source>
        <translation>A pasta %1 não contém arquivos para compactar.</translation>
    </message>
    <message>
        <source>The program is busy.  Please wait 3 seconds before clicking &apos;OK&apos; below.  This message will appear about 10 times before it is finished.</source>
        <translation>O programa está ocupado.  Aguarde 3 segundos antes de clicar em &quot;OK&quot; abaixo.  Esta mensagem vai aparecer cerca de 10 vezes até terminar.</translation>
    </message>
    <message>
        <source>This action is finished.<byte value="xd"/>Please email the files located in the %1 folder to me at %2.</source>
        <translation>A ação foi concluída.<byte value="xd"/>Envie por e-mail os arquivos da pasta %1 para mim em %2.</translation>
    </message>
    <message>
        <source>File # %1</source>
        <translation>Arquivo nº %1</translation>
    </message>
    <message>
        <source>An error occured opening the sound file.</source>
        <translation>Ocorreu um erro ao abrir o arquivo de som.</translation>
    </message>
    <message>
        <source>An error occured playing the sample!</source>
        <translation>Ocorreu um erro ao tocar o som!</translation>
    </message>
    <message numerus="yes">
        <source>%n line could not be read</source>
        <translation>
            <numerusform>Não foi possível ler %n linha</numerusform>
            <numerusform>Não foi possível ler %n linhas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lines could not be read</source>
        <translation>
            <numerusform>Não foi possível ler %n linha</numerusform>
            <numerusform>Não foi possível ler %n linhas</numerusform>
        </translation>
    </message>
    <message>
        <source>All sound numbers up to 99999 have been used in this language, so no new word or phrase can be added.</source>
        <translation>Todos os números de som até 99999 já foram usados neste idioma, por isso não é possível adicionar palavras ou frases novas.</translation>
    </message>
    <message>
        <source>The text may not contain the character &quot;|&quot;, which separates the parts of a list line. Please remove it and try again.</source>
        <translation>O texto não pode conter o caractere &quot;|&quot;, que separa as partes de uma linha da lista. Remova-o e tente de novo.</translation>
    </message>
    <message>
        <source>The text may not contain line breaks. Please remove them and try again.</source>
        <translation>O texto não pode conter quebras de linha. Remova-as e tente de novo.</translation>
    </message>
    <message>
        <source>You have to select a word on one of the lists.</source>
        <translation>Você precisa escolher uma palavra em uma das listas.</translation>
    </message>
    <message>
        <source>Sample Alloc Error:</source>
        <translation>Erro ao alocar a amostra:</translation>
    </message>
    <message>
        <source>Record StartSample Error:</source>
        <translation>Erro ao iniciar a gravação:</translation>
    </message>
    <message>
        <source>Record Stop Error:</source>
        <translation>Erro ao parar a gravação:</translation>
    </message>
    <message>
        <source>Sample Lock Error:</source>
        <translation>Erro ao bloquear a amostra:</translation>
    </message>
    <message>
        <source>Could not write the file %1: %2</source>
        <translation>Não foi possível gravar o arquivo %1: %2</translation>
    </message>
    <message>
        <source>The recording could not be stored as %1.<byte value="xd"/>
%2<byte value="xd"/>
The recorded sound is kept, not enciphered, in %3.</source>
        <translation>Não foi possível guardar a gravação como %1.<byte value="xd"/>
%2<byte value="xd"/>
O som gravado foi mantido, sem criptografia, em %3.</translation>
    </message>
    <message>
        <source>Required master list file was not found. You need %1</source>
        <translation>O arquivo da lista mestra, que é necessário, não foi encontrado. É preciso %1</translation>
    </message>
    <message>
        <source>Words that have no recording cannot be spoken:<byte value="xd"/>
%1<byte value="xd"/>
They stay silent for the rest of this session unless another voice works.</source>
        <translation>Palavras sem gravação não podem ser faladas:<byte value="xd"/>
%1<byte value="xd"/>
Elas ficarão em silêncio pelo resto desta sessão, a menos que outra voz funcione.</translation>
    </message>
    <message>
        <source>Too quiet</source>
        <translation>Baixo demais</translation>
    </message>
    <message>
        <source>Clipped</source>
        <translation>Saturado</translation>
    </message>
    <message>
        <source>Very short</source>
        <translation>Muito curto</translation>
    </message>
    <message>
        <source>%1 found in %2</source>
        <translation>%1 está em %2</translation>
    </message>
    <message>
        <source>The %1 may not contain &quot;/&quot;, &quot;\&quot; or control characters, and may not be &quot;.&quot; or &quot;..&quot;. Please choose another.</source>
        <translation>O campo &quot;%1&quot; não pode conter &quot;/&quot;, &quot;\&quot; nem caracteres de controle, e não pode ser &quot;.&quot; ou &quot;..&quot;. Escolha outro.</translation>
    </message>
    <message>
        <source>The %1 is too long: the files made from it may have names of at most %2 bytes, which leaves %3 bytes for the %1 (a letter outside the English alphabet takes two or more). Please choose a shorter one.</source>
        <translation>O campo &quot;%1&quot; é longo demais: os arquivos com esse nome podem ter no máximo %2 bytes, o que deixa %3 bytes para &quot;%1&quot; (uma letra fora do alfabeto inglês ocupa dois ou mais). Escolha um mais curto.</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Etiquetas</translation>
    </message>
    <message>
        <source>Deck</source>
        <translation>Baralho</translation>
    </message>
    <message>
        <source>Note type</source>
        <translation>Tipo de nota</translation>
    </message>
    <message>
        <source>Note id</source>
        <translation>ID da nota</translation>
    </message>
    <message>
        <source>Language %1</source>
        <translation>Idioma %1</translation>
    </message>
    <message>
        <source>The file is XML but not a KVTML vocabulary document.</source>
        <translation>O arquivo é XML, mas não é um documento de vocabulário KVTML.</translation>
    </message>
    <message>
        <source>Only KVTML version 2 documents can be imported; this one is version %1.</source>
        <translation>Só é possível importar documentos KVTML da versão 2; este é da versão %1.</translation>
    </message>
    <message>
        <source>The file is not a well-formed KVTML document: %1 (line %2).</source>
        <translation>O arquivo não é um documento KVTML bem formado: %1 (linha %2).</translation>
    </message>
    <message>
        <source>The file holds no words.</source>
        <translation>O arquivo não contém palavras.</translation>
    </message>
    <message>
        <source>The document holds words of one language only, so there are no translations to import.</source>
        <translation>O documento contém palavras de um só idioma, então não há traduções para importar.</translation>
    </message>
    <message>
        <source>The quoted field that starts on line %1 is never closed: a quotation mark is missing, so the lines after it cannot be read as words.</source>
        <translation>O campo entre aspas que começa na linha %1 nunca é fechado: falta uma aspa, então as linhas seguintes não podem ser lidas como palavras.</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Coluna %1</translation>
    </message>
    <message>
        <source>No line of the file holds a word and its translation side by side, separated by a tab, a comma or a semicolon.</source>
        <translation>Nenhuma linha do arquivo contém uma palavra e sua tradução lado a lado, separadas por tabulação, vírgula ou ponto e vírgula.</translation>
    </message>
    <message>
        <source>The file is not a text file: it holds binary data.</source>
        <translation>O arquivo não é de texto: contém dados binários.</translation>
    </message>
    <message>
        <source>The file %1 could not be read: %2</source>
        <translation>Não foi possível ler o arquivo %1: %2</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Palavra</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>Tradução</translation>
    </message>
    <message>
        <source>Words remaining</source>
        <translation>Palavras restantes</translation>
    </message>
    <message>
        <source>Play count</source>
        <translation>Número de repetições</translation>
    </message>
    <message>
        <source>Pause between plays</source>
        <translation>Pausa entre as repetições</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulação</translation>
    </message>
    <message>
        <source>Comma</source>
        <translation>Vírgula</translation>
    </message>
    <message>
        <source>Semicolon</source>
        <translation>Ponto e vírgula</translation>
    </message>
    <message>
        <source>KVTML vocabulary document</source>
        <translation>documento de vocabulário KVTML</translation>
    </message>
    <message>
        <source>card tutor export</source>
        <translation>exportação de um programa de cartões</translation>
    </message>
    <message>
        <source>text with one pair per line</source>
        <translation>texto com um par por linha</translation>
    </message>
    <message>
        <source>Import Word List</source>
        <translation>Importar lista de palavras</translation>
    </message>
    <message>
        <source>Fields separated by:</source>
        <translation>Campos separados por:</translation>
    </message>
    <message>
        <source>The first line names the columns</source>
        <translation>A primeira linha dá nome às colunas</translation>
    </message>
    <message>
        <source>First word pairs</source>
        <translation>Primeiros pares de palavras</translation>
    </message>
    <message>
        <source>Foreign word (%1)</source>
        <translation>Palavra estrangeira (%1)</translation>
    </message>
    <message>
        <source>Translation (%1)</source>
        <translation>Tradução (%1)</translation>
    </message>
    <message>
        <source>student&apos;s language</source>
        <translation>idioma do aluno</translation>
    </message>
    <message>
        <source>&amp;Foreign word (%1):</source>
        <translation>Palavra &amp;estrangeira (%1):</translation>
    </message>
    <message>
        <source>&amp;Translation:</source>
        <translation>&amp;Tradução:</translation>
    </message>
    <message>
        <source>&amp;Name of the new list:</source>
        <translation>&amp;Nome da lista nova:</translation>
    </message>
    <message numerus="yes">
        <source>File: %1 (%2 in %n languages)</source>
        <translation>
            <numerusform>Arquivo: %1 (%2 em %n idioma)</numerusform>
            <numerusform>Arquivo: %1 (%2 em %n idiomas)</numerusform>
        </translation>
    </message>
    <message>
        <source>File: %1 (%2)</source>
        <translation>Arquivo: %1 (%2)</translation>
    </message>
    <message>
        <source>Choose two different columns for the word and its translation.</source>
        <translation>Escolha duas colunas diferentes para a palavra e a tradução.</translation>
    </message>
    <message numerus="yes">
        <source>%n word pair will be imported into a new list of %1.</source>
        <translation>
            <numerusform>%n par de palavras será importado para uma lista nova de %1.</numerusform>
            <numerusform>%n pares de palavras serão importados para uma lista nova de %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n word pairs will be imported into a new list of %1.</source>
        <translation>
            <numerusform>%n par de palavras será importado para uma lista nova de %1.</numerusform>
            <numerusform>%n pares de palavras serão importados para uma lista nova de %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The first %1 are shown.</source>
        <translation>Os %1 primeiros são mostrados.</translation>
    </message>
    <message>
        <source>No line will be skipped.</source>
        <translation>Nenhuma linha será ignorada.</translation>
    </message>
    <message>
        <source>Random Word Play</source>
        <translation>Palavras aleatórias</translation>
    </message>
    <message>
        <source>MP3 compilation</source>
        <translation>Criação do MP3</translation>
    </message>
    <message>
        <source>MP3 compilation progress</source>
        <translation>Progresso da criação do MP3</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Pular</translation>
    </message>
    <message>
        <source>Mark Word As Known</source>
        <translation>Marcar como conhecida</translation>
    </message>
    <message>
        <source># Repeats</source>
        <translation>Nº de repetições</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidade</translation>
    </message>
    <message>
        <source>Say Top Only</source>
        <translation>Falar só a de cima</translation>
    </message>
    <message>
        <source>Say Both</source>
        <translation>Falar as duas</translation>
    </message>
    <message>
        <source>Interlace</source>
        <translation>Intercalar</translation>
    </message>
    <message>
        <source>Delay Showing Top</source>
        <translation>Atrasar texto de cima</translation>
    </message>
    <message>
        <source>Delay Showing Bottom</source>
        <translation>Atrasar texto de baixo</translation>
    </message>
    <message>
        <source>Create MP3 File Based on Current Settings</source>
        <translation>Criar arquivo MP3 com as configurações atuais</translation>
    </message>
    <message>
        <source>Create MP3 files for all words on this list</source>
        <translation>Criar arquivos MP3 com todas as palavras desta lista</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Edit Word List</source>
        <translation>Editar lista de palavras</translation>
    </message>
    <message>
        <source>This is the advanced view for editing the text of the word/phrase lists. If you don&apos;t fully understand these instructions, it&apos;s best to use the previous view.  The format shown below should be like this: the foreign word or phrase is on the left.  Next is a vertical pipe symbol &quot;|&quot;. Next is the translation in the student&apos;s native language (normally english). Then there is another pipe &quot;|&quot;. Then on the right is a number that identifies the sound file for the foreign word or phrase. This is a unique number for this language and it should NOT be changed. If you&apos;re adding new words, it should start at the 70000 or the highest number stored in the high_num.dat file. If you add new words using this form, the high_num.dat must be changed to be one number higher than the highest number you use here.  Only change the foreign word or phrase on the left.  Do not change the translation (except to correct spelling) unless you&apos;re adding the translation yourself. This window simply shows the text in a data file that can also be edited with your own text editor.</source>
        <translation>Esta é a visualização avançada para editar o texto das listas de palavras e frases. Se você não entender bem estas instruções, é melhor usar a visualização anterior.  O formato mostrado abaixo deve ser assim: a palavra ou frase estrangeira fica à esquerda.  Em seguida vem uma barra vertical &quot;|&quot;. Depois, a tradução na língua materna do aluno (normalmente inglês). Depois, outra barra &quot;|&quot;. Por fim, à direita, um número que identifica o arquivo de som da palavra ou frase estrangeira. Esse número é único neste idioma e NÃO deve ser alterado. Se você for adicionar palavras novas, ele deve começar em 70000 ou no maior número guardado no arquivo highest_num.dat. Se adicionar palavras novas por este formulário, o highest_num.dat precisa ser alterado para um número acima do maior que você usar aqui.  Altere apenas a palavra ou frase estrangeira à esquerda.  Não altere a tradução (exceto para corrigir a ortografia), a não ser que você mesmo esteja adicionando a tradução. Esta janela apenas mostra o texto de um arquivo de dados que você também pode editar no seu próprio editor de texto.</translation>
    </message>
    <message>
        <source>Word list text</source>
        <translation>Texto da lista de palavras</translation>
    </message>
    <message>
        <source>Save Changes and Exit </source>
        <translation>Salvar alterações e sair </translation>
    </message>
    <message>
        <source>Do Not Save Changes and Exit</source>
        <translation>Sair sem salvar</translation>
    </message>
    <message>
        <source>Start New Word List for This Language</source>
        <translation>Começar lista nova para este idioma</translation>
    </message>
    <message>
        <source>Save File as Unicode and Exit</source>
        <translation>Salvar como Unicode e sair</translation>
    </message>
    <message>
        <source>The file %1 could not be read.</source>
        <translation>Não foi possível ler o arquivo %1.</translation>
    </message>
    <message>
        <source>A list was not chosen. A blank form will be opened in case you want to start a new list.</source>
        <translation>Nenhuma lista foi escolhida. Um formulário em branco será aberto caso você queira começar uma lista nova.</translation>
    </message>
    <message>
        <source>Language: %1    List Name: %2</source>
        <translation>Idioma: %1    Nome da lista: %2</translation>
    </message>
    <message>
        <source>What should be the name of the new word list?</source>
        <translation>Qual deve ser o nome da lista de palavras nova?</translation>
    </message>
    <message>
        <source>That file already exits.</source>
        <translation>Esse arquivo já existe.</translation>
    </message>
    <message>
        <source>Increase Font</source>
        <translation>Aumentar fonte</translation>
    </message>
    <message>
        <source>Decrease Font</source>
        <translation>Diminuir fonte</translation>
    </message>
    <message>
        <source>You must first select a list to start the flash cards.</source>
        <translation>Para iniciar os cartões, primeiro escolha uma lista.</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Idiomas</translation>
    </message>
    <message>
        <source>Word lists</source>
        <translation>Listas de palavras</translation>
    </message>
    <message>
        <source>Known lists</source>
        <translation>Listas conhecidas</translation>
    </message>
    <message>
        <source>Foreign words</source>
        <translation>Palavras estrangeiras</translation>
    </message>
    <message>
        <source>Translations</source>
        <translation>Traduções</translation>
    </message>
    <message>
        <source>Click or press Space to hear a word; double-click or press Enter to move it between your unknown and known words.</source>
        <translation>Clique ou pressione Espaço para ouvir uma palavra; clique duas vezes ou pressione Enter para passá-la entre suas palavras desconhecidas e conhecidas.</translation>
    </message>
    <message>
        <source>Click to show the known words; double-click or press Enter to start the flash cards on them.</source>
        <translation>Clique para mostrar as palavras conhecidas; clique duas vezes ou pressione Enter para iniciar os cartões com elas.</translation>
    </message>
    <message>
        <source>Click A Language</source>
        <translation>Clique em um idioma</translation>
    </message>
    <message>
        <source>Click Unknown List</source>
        <translation>Clique em uma lista desconhecida</translation>
    </message>
    <message>
        <source>Known Lists</source>
        <translation>Listas conhecidas</translation>
    </message>
    <message>
        <source>Double-click a word to move it from your unknown to your known list, or vice versa.</source>
        <translation>Clique duas vezes em uma palavra para passá-la da sua lista desconhecida para a conhecida, ou o contrário.</translation>
    </message>
    <message>
        <source>To obtain more words, go to %1.</source>
        <translation>Para obter mais palavras, acesse %1.</translation>
    </message>
    <message>
        <source>&lt;--- Search </source>
        <translation>&lt;--- Buscar </translation>
    </message>
    <message>
        <source>Search foreign words</source>
        <translation>Buscar palavras estrangeiras</translation>
    </message>
    <message>
        <source>Search translations</source>
        <translation>Buscar traduções</translation>
    </message>
    <message>
        <source>Large Flash Cards and MP3</source>
        <translation>Cartões grandes e MP3</translation>
    </message>
    <message>
        <source>Small Flash Card (Stays On Top)</source>
        <translation>Cartão pequeno (sempre visível)</translation>
    </message>
    <message>
        <source>Record and Edit Selected Word</source>
        <translation>Gravar e editar a palavra escolhida</translation>
    </message>
    <message>
        <source>Record and Edit Selected List</source>
        <translation>Gravar e editar a lista escolhida</translation>
    </message>
    <message>
        <source>Start Student Test</source>
        <translation>Iniciar teste</translation>
    </message>
    <message>
        <source>Review the known words that are due</source>
        <translation>Revisar as palavras conhecidas pendentes</translation>
    </message>
    <message>
        <source>Show Test Results</source>
        <translation>Mostrar resultados dos testes</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progresso</translation>
    </message>
    <message>
        <source>Show Selected Word List</source>
        <translation>Mostrar a lista de palavras escolhida</translation>
    </message>
    <message>
        <source>Add new language</source>
        <translation>Adicionar idioma novo</translation>
    </message>
    <message>
        <source>Add new word list</source>
        <translation>Adicionar lista de palavras nova</translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation>Sair do programa</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Import Word List...</source>
        <translation>&amp;Importar lista de palavras...</translation>
    </message>
    <message>
        <source>&amp;Export Word List...</source>
        <translation>&amp;Exportar lista de palavras...</translation>
    </message>
    <message>
        <source>&amp;Progress...</source>
        <translation>&amp;Progresso...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>Speak words that have no recording</source>
        <translation>Falar as palavras sem gravação</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Instruções</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>Hel&amp;p</source>
        <translation>&amp;Ajuda</translation>
    </message>
    <message>
        <source>&amp;Troubleshooting</source>
        <translation>&amp;Solução de problemas</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>S&amp;obre</translation>
    </message>
    <message>
        <source>An error occured. Please turn off other programs that may be using sound and start this program again. The specific error message is:</source>
        <translation>Ocorreu um erro. Feche outros programas que possam estar usando o som e inicie este programa de novo. A mensagem de erro exata é:</translation>
    </message>
    <message>
        <source>What is your first name?  This is for the program to remember which words you have learned.</source>
        <translation>Qual é o seu primeiro nome?  Ele serve para o programa lembrar quais palavras você aprendeu.</translation>
    </message>
    <message>
        <source>Student Name</source>
        <translation>Nome do aluno</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nome</translation>
    </message>
    <message>
        <source>The setting could not be saved in %1. It holds until the program ends.</source>
        <translation>Não foi possível salvar a configuração em %1. Ela vale até o programa ser fechado.</translation>
    </message>
    <message numerus="yes">
        <source>%n Known Words</source>
        <translation>
            <numerusform>%n palavra conhecida</numerusform>
            <numerusform>%n palavras conhecidas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Unknown Words</source>
        <translation>
            <numerusform>%n palavra desconhecida</numerusform>
            <numerusform>%n palavras desconhecidas</numerusform>
        </translation>
    </message>
    <message>
        <source>This list holds more than %1 entries; only the first %1 are shown.</source>
        <translation>Esta lista tem mais de %1 entradas; só as %1 primeiras são mostradas.</translation>
    </message>
    <message>
        <source>The flash cards are not available in this version of the program.</source>
        <translation>Os cartões não estão disponíveis nesta versão do programa.</translation>
    </message>
    <message numerus="yes">
        <source>Review %n due words</source>
        <translation>
            <numerusform>Revisar %n palavra pendente</numerusform>
            <numerusform>Revisar %n palavras pendentes</numerusform>
        </translation>
    </message>
    <message>
        <source>The %1 is not available in this version of the program.</source>
        <translation>Isto não está disponível nesta versão do programa: %1.</translation>
    </message>
    <message>
        <source>large flash-card window</source>
        <translation>janela de cartões grandes</translation>
    </message>
    <message>
        <source>small flash card</source>
        <translation>cartão pequeno</translation>
    </message>
    <message>
        <source>First select a word to record or edit.</source>
        <translation>Primeiro escolha uma palavra para gravar ou editar.</translation>
    </message>
    <message>
        <source>record-and-edit window</source>
        <translation>janela de gravar e editar</translation>
    </message>
    <message>
        <source>First select a list of words to record or edit.</source>
        <translation>Primeiro escolha uma lista de palavras para gravar ou editar.</translation>
    </message>
    <message>
        <source>You must first select a list to start the test.</source>
        <translation>Para iniciar o teste, primeiro escolha uma lista.</translation>
    </message>
    <message>
        <source>student test</source>
        <translation>teste</translation>
    </message>
    <message>
        <source>review window</source>
        <translation>janela de revisão</translation>
    </message>
    <message>
        <source>Word lists (*.txt *.tsv *.csv *.kvtml);;All files (*)</source>
        <translation>Listas de palavras (*.txt *.tsv *.csv *.kvtml);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Tab-separated text for card tutors (*.txt)</source>
        <translation>Texto separado por tabulações para programas de cartões (*.txt)</translation>
    </message>
    <message>
        <source>KVTML vocabulary document (*.kvtml)</source>
        <translation>Documento de vocabulário KVTML (*.kvtml)</translation>
    </message>
    <message>
        <source>Nothing was imported from %1.<byte value="xd"/>
%2</source>
        <translation>Nada foi importado de %1.<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>First select a list of words to export.</source>
        <translation>Primeiro escolha uma lista de palavras para exportar.</translation>
    </message>
    <message>
        <source>Export Word List</source>
        <translation>Exportar lista de palavras</translation>
    </message>
    <message>
        <source>The list %1 was exported to %2.</source>
        <translation>A lista %1 foi exportada para %2.</translation>
    </message>
    <message>
        <source>You must first select one of the word/phrase lists.</source>
        <translation>Primeiro escolha uma das listas de palavras ou frases.</translation>
    </message>
    <message>
        <source>test results window</source>
        <translation>janela de resultados</translation>
    </message>
    <message>
        <source>The progress window is not available in this version of the program.</source>
        <translation>A janela de progresso não está disponível nesta versão do programa.</translation>
    </message>
    <message>
        <source>Point at a test to see its list, kind, questions and score.</source>
        <translation>Aponte para um teste para ver a lista, o tipo, as perguntas e a nota.</translation>
    </message>
    <message>
        <source>Save as Image</source>
        <translation>Salvar como imagem</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>Imagens PNG (*.png)</translation>
    </message>
    <message>
        <source>Progress charts</source>
        <translation>Gráficos de progresso</translation>
    </message>
    <message>
        <source>Shows only the tests in the language chosen in the main window</source>
        <translation>Mostra só os testes do idioma escolhido na janela principal</translation>
    </message>
    <message>
        <source>The test under the mouse pointer</source>
        <translation>O teste sob o ponteiro do mouse</translation>
    </message>
    <message>
        <source>&amp;Test Scores</source>
        <translation>&amp;Notas dos testes</translation>
    </message>
    <message>
        <source>&amp;Known Words</source>
        <translation>Palavras &amp;conhecidas</translation>
    </message>
    <message>
        <source>&amp;Reviews Ahead</source>
        <translation>&amp;Revisões futuras</translation>
    </message>
    <message>
        <source>Save as Image...</source>
        <translation>Salvar como imagem...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Only %1</source>
        <translation>Só %1</translation>
    </message>
    <message>
        <source>Only the chosen language</source>
        <translation>Só o idioma escolhido</translation>
    </message>
    <message>
        <source>There are no test results in %1 yet. Finish a test and its score will show here.</source>
        <translation>Ainda não há resultados de testes em %1. Termine um teste e a nota dele aparecerá aqui.</translation>
    </message>
    <message>
        <source>There are no test results yet. Finish a test and its score will show here.</source>
        <translation>Ainda não há resultados de testes. Termine um teste e a nota dele aparecerá aqui.</translation>
    </message>
    <message>
        <source>Test scores</source>
        <translation>Notas dos testes</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Score (%)</source>
        <translation>Nota (%)</translation>
    </message>
    <message>
        <source>(no language)</source>
        <translation>(sem idioma)</translation>
    </message>
    <message numerus="yes">
        <source>%n question</source>
        <translation>
            <numerusform>%n pergunta</numerusform>
            <numerusform>%n perguntas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n questions</source>
        <translation>
            <numerusform>%n pergunta</numerusform>
            <numerusform>%n perguntas</numerusform>
        </translation>
    </message>
    <message>
        <source>Choose a language in the main window to see the known words of its lists.</source>
        <translation>Escolha um idioma na janela principal para ver as palavras conhecidas das listas dele.</translation>
    </message>
    <message>
        <source>There are no word lists of yours in %1 yet. Click a list in the main window and double-click the words you know.</source>
        <translation>Você ainda não tem listas de palavras em %1. Clique em uma lista na janela principal e clique duas vezes nas palavras que você sabe.</translation>
    </message>
    <message>
        <source>Known words in %1</source>
        <translation>Palavras conhecidas em %1</translation>
    </message>
    <message>
        <source>Known</source>
        <translation>Conhecidas</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconhecidas</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Palavras</translation>
    </message>
    <message>
        <source>Choose a language in the main window to see the reviews ahead in it.</source>
        <translation>Escolha um idioma na janela principal para ver as revisões futuras dele.</translation>
    </message>
    <message>
        <source>There is no review schedule to show yet.</source>
        <translation>Ainda não há um calendário de revisões para mostrar.</translation>
    </message>
    <message>
        <source>No reviews are due in %1 over the next %2 days.</source>
        <translation>Não há revisões pendentes em %1 nos próximos %2 dias.</translation>
    </message>
    <message>
        <source>Reviews ahead in %1</source>
        <translation>Revisões futuras em %1</translation>
    </message>
    <message>
        <source>Words due</source>
        <translation>Palavras pendentes</translation>
    </message>
    <message>
        <source>Days from today, %1 (words overdue count today)</source>
        <translation>Dias a partir de hoje, %1 (palavras atrasadas contam como hoje)</translation>
    </message>
    <message>
        <source>file name</source>
        <translation>nome do arquivo</translation>
    </message>
    <message>
        <source>There is no chart to save on this page yet.</source>
        <translation>Ainda não há gráfico para salvar nesta página.</translation>
    </message>
    <message>
        <source>The image of the chart could not be made.</source>
        <translation>Não foi possível criar a imagem do gráfico.</translation>
    </message>
    <message>
        <source>Record and Edit Words</source>
        <translation>Gravar e editar palavras</translation>
    </message>
    <message>
        <source>This part of the program allows the user to add, record, and edit words and phrases for any language.  When you finish, click the &apos;Email Files&apos; button below for instructions on how to email your work to me so that it can be used in other parts of the program and distributed to others.  </source>
        <translation>Esta parte do programa permite adicionar, gravar e editar palavras e frases de qualquer idioma.  Quando terminar, clique no botão &quot;Enviar arquivos&quot; abaixo para ver como me enviar seu trabalho por e-mail, para que ele possa ser usado em outras partes do programa e compartilhado com outras pessoas.  </translation>
    </message>
    <message>
        <source>If you have any trouble, please email me at %1 or call me at %2.</source>
        <translation>Se tiver algum problema, me escreva em %1 ou me ligue no %2.</translation>
    </message>
    <message>
        <source>Word List Name:</source>
        <translation>Nome da lista:</translation>
    </message>
    <message>
        <source>Text Editing Instructions</source>
        <translation>Instruções de edição</translation>
    </message>
    <message>
        <source>Recording Instructions</source>
        <translation>Instruções de gravação</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Licença</translation>
    </message>
    <message>
        <source>Email Files</source>
        <translation>Enviar arquivos</translation>
    </message>
    <message>
        <source>Record Selected Word</source>
        <translation>Gravar a palavra escolhida</translation>
    </message>
    <message>
        <source>Record Multiple Words</source>
        <translation>Gravar várias palavras</translation>
    </message>
    <message>
        <source>0.8 second</source>
        <translation>0.8 segundo</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 segundo</translation>
    </message>
    <message>
        <source>1.2 second</source>
        <translation>1.2 segundo</translation>
    </message>
    <message>
        <source>1.4 seconds</source>
        <translation>1.4 segundo</translation>
    </message>
    <message>
        <source>1.8 seconds</source>
        <translation>1.8 segundo</translation>
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
        <translation>Começar a gravar (sem limite de tempo)</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>PARAR</translation>
    </message>
    <message>
        <source>Click for fast method</source>
        <translation>Clique para o método rápido</translation>
    </message>
    <message>
        <source>Words Without Sound Files</source>
        <translation>Palavras sem arquivo de som</translation>
    </message>
    <message>
        <source>Words With Sound Files</source>
        <translation>Palavras com arquivo de som</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>Arquivo: %1</translation>
    </message>
    <message>
        <source>Foreign words without sound files</source>
        <translation>Palavras estrangeiras sem arquivo de som</translation>
    </message>
    <message>
        <source>Translations of words without sound files</source>
        <translation>Traduções das palavras sem arquivo de som</translation>
    </message>
    <message>
        <source>Foreign words with sound files</source>
        <translation>Palavras estrangeiras com arquivo de som</translation>
    </message>
    <message>
        <source>Translations of words with sound files</source>
        <translation>Traduções das palavras com arquivo de som</translation>
    </message>
    <message>
        <source>Recording prompt</source>
        <translation>Aviso de gravação</translation>
    </message>
    <message>
        <source>Do not automaticaly remove silence from beginning and end.</source>
        <translation>Não remover automaticamente o silêncio do início e do fim.</translation>
    </message>
    <message>
        <source>Foreign word or phrase</source>
        <translation>Palavra ou frase estrangeira</translation>
    </message>
    <message>
        <source>You can change the text in the white box if you are recording the words.  Do not change the text in the bottom grey box unless you are adding a new word or phrase pair.</source>
        <translation>Você pode alterar o texto da caixa branca se estiver gravando as palavras.  Não altere o texto da caixa cinza de baixo, a não ser que esteja adicionando um par novo de palavras ou frases.</translation>
    </message>
    <message>
        <source>Save the above text changes</source>
        <translation>Salvar as alterações do texto acima</translation>
    </message>
    <message>
        <source>Add the above text as a new word/phrase pair</source>
        <translation>Adicionar o texto acima como um par novo</translation>
    </message>
    <message>
        <source>Delete this word/phrase pair</source>
        <translation>Apagar este par de palavras ou frases</translation>
    </message>
    <message>
        <source>Refresh Lists to Show Changes</source>
        <translation>Atualizar listas para ver as alterações</translation>
    </message>
    <message>
        <source>Exit and Return</source>
        <translation>Sair e voltar</translation>
    </message>
    <message>
        <source>Advanced List Editing</source>
        <translation>Edição avançada da lista</translation>
    </message>
    <message numerus="yes">
        <source>%n Words With Sound Files</source>
        <translation>
            <numerusform>%n palavra com arquivo de som</numerusform>
            <numerusform>%n palavras com arquivo de som</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Words Without Sound Files</source>
        <translation>
            <numerusform>%n palavra sem arquivo de som</numerusform>
            <numerusform>%n palavras sem arquivo de som</numerusform>
        </translation>
    </message>
    <message>
        <source>First correct the spelling of the words on the left before recording.  Try to make the translations one word. Do not modify the english words. If two or three translations are needed, seperate each one with a comma (,). Do not use uncommon words.  Just the words all people know.  If you correct the text of words, the word lists need to be emailed to %1 for distribution.  Click the &apos;email&apos; button for more instruction on how to email the corrected lists. </source>
        <translation>Antes de gravar, corrija primeiro a ortografia das palavras da esquerda.  Tente fazer traduções de uma só palavra. Não modifique as palavras em inglês. Se forem necessárias duas ou três traduções, separe-as com uma vírgula (,). Não use palavras incomuns.  Só palavras que todo mundo conhece.  Se você corrigir o texto das palavras, as listas de palavras precisam ser enviadas por e-mail para %1 para serem distribuídas.  Clique no botão &quot;Enviar arquivos&quot; para saber como enviar as listas corrigidas. </translation>
    </message>
    <message>
        <source>Use a noise-free room and make the recordings as loud as possible without distortion.  Start speaking ASAP when the program says &apos;SPEAK&apos;.  It&apos;s best to record a few words and then email them to %1 for approval of the quality before you do a lot of work that I may not accept for distribution.  Speak your normal speed or a little faster. Do not speak slow. For single words, try to use the 0.8, 1, or 1.2 second recording options. It&apos;s best to place your cursor over the stop button before recording multiple words.  The &apos;multiple&apos; recording method makes recording many words easy.  Do not be afraid of making a mistake: you can do the recordings again and it simply erases the first recording.  <byte value="xd"/><byte value="xd"/>When finished with all the recordings click the &apos;Email Files&apos; button which compresses and combines the sound files for emailing to me.  If you&apos;re good at computers, it&apos;s interesting to take a look at all the files in the Quillory directory to see where all these sound files are stored.</source>
        <translation>Use um cômodo sem ruído e grave o mais alto possível sem distorção.  Comece a falar assim que o programa disser &quot;FALE&quot;.  O melhor é gravar algumas palavras e enviá-las para %1, para que eu aprove a qualidade antes de você fazer muito trabalho que eu talvez não possa aceitar para distribuição.  Fale na sua velocidade normal ou um pouco mais rápido. Não fale devagar. Para palavras soltas, tente usar as opções de 0.8, 1 ou 1.2 segundo. O melhor é deixar o cursor sobre o botão de parar antes de gravar várias palavras.  O método de gravação &quot;várias&quot; facilita gravar muitas palavras.  Não tenha medo de errar: você pode refazer as gravações, e a primeira é simplesmente apagada.  <byte value="xd"/><byte value="xd"/>Quando terminar todas as gravações, clique no botão &quot;Enviar arquivos&quot;, que compacta e junta os arquivos de som para enviar para mim.  Se você entende de computadores, vale a pena olhar todos os arquivos da pasta do Quillory para ver onde esses arquivos de som ficam guardados.</translation>
    </message>
    <message>
        <source>This makes the pause between recordings longer (slow). Click again to make it shorter (fast).</source>
        <translation>Isto deixa a pausa entre as gravações mais longa (lento). Clique de novo para encurtá-la (rápido).</translation>
    </message>
    <message>
        <source>This makes the pause between recordings shorter (fast). Click again to make it longer (slow).</source>
        <translation>Isto deixa a pausa entre as gravações mais curta (rápido). Clique de novo para alongá-la (lento).</translation>
    </message>
    <message>
        <source>Click for slow method</source>
        <translation>Clique para o método lento</translation>
    </message>
    <message>
        <source>You have to select a word on one of the lists. If you just added the word and don&apos;t see it, you need to click the refresh button and then look at the bottom of the list.</source>
        <translation>Você precisa escolher uma palavra em uma das listas. Se acabou de adicionar a palavra e não a vê, clique no botão de atualizar e olhe no fim da lista.</translation>
    </message>
    <message>
        <source>Speak</source>
        <translation>Fale</translation>
    </message>
    <message>
        <source>Test Results</source>
        <translation>Resultados dos testes</translation>
    </message>
    <message>
        <source>Results text</source>
        <translation>Texto dos resultados</translation>
    </message>
    <message>
        <source>Print Text Directly to Default Printer. May not finish printing until program is exited.</source>
        <translation>Imprimir o texto direto na impressora padrão. Talvez a impressão só termine quando o programa for fechado.</translation>
    </message>
    <message>
        <source>Save to a file</source>
        <translation>Salvar em um arquivo</translation>
    </message>
    <message>
        <source>There is no default printer, so the text was not printed. Set up a default printer, or save the text to a file.</source>
        <translation>Não há impressora padrão, por isso o texto não foi impresso. Configure uma impressora padrão ou salve o texto em um arquivo.</translation>
    </message>
    <message>
        <source>The text could not be printed on %1.</source>
        <translation>Não foi possível imprimir o texto em %1.</translation>
    </message>
    <message>
        <source>What would you like to save this file as?</source>
        <translation>Com que nome você quer salvar este arquivo?</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Salvar arquivo</translation>
    </message>
    <message>
        <source>No file name was given, so the text was not saved.</source>
        <translation>Nenhum nome de arquivo foi informado, por isso o texto não foi salvo.</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Revisão</translation>
    </message>
    <message>
        <source>Word under review, of the words due</source>
        <translation>Palavra em revisão, das palavras pendentes</translation>
    </message>
    <message>
        <source>Foreign word</source>
        <translation>Palavra estrangeira</translation>
    </message>
    <message>
        <source>Result of the review</source>
        <translation>Resultado da revisão</translation>
    </message>
    <message>
        <source>Show Answer</source>
        <translation>Mostrar resposta</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espaço</translation>
    </message>
    <message>
        <source>I forgot</source>
        <translation>Esqueci</translation>
    </message>
    <message>
        <source>Left arrow or 1</source>
        <translation>Seta para a esquerda ou 1</translation>
    </message>
    <message>
        <source>I knew it</source>
        <translation>Eu sabia</translation>
    </message>
    <message>
        <source>Right arrow or 2</source>
        <translation>Seta para a direita ou 2</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>%1 reviewed, %2 kept, %3 back to learning</source>
        <translation>%1 revisadas, %2 mantidas, %3 voltam para o estudo</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Próxima</translation>
    </message>
    <message>
        <source>Top Only</source>
        <translation>Só a de cima</translation>
    </message>
    <message>
        <source>Last take</source>
        <translation>Última gravação</translation>
    </message>
    <message>
        <source>No take recorded yet</source>
        <translation>Nenhuma gravação feita ainda</translation>
    </message>
    <message>
        <source>%1 s recorded, %2 s kept</source>
        <translation>%1 s gravados, %2 s mantidos</translation>
    </message>
    <message>
        <source>%1 s recorded, all kept</source>
        <translation>%1 s gravados, tudo mantido</translation>
    </message>
    <message>
        <source>What the check of the last take noticed</source>
        <translation>O que a verificação da última gravação notou</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Teste</translation>
    </message>
    <message>
        <source>Language: %1</source>
        <translation>Idioma: %1</translation>
    </message>
    <message>
        <source>List Name: %1</source>
        <translation>Nome da lista: %1</translation>
    </message>
    <message>
        <source>Username: %1</source>
        <translation>Usuário: %1</translation>
    </message>
    <message>
        <source>Multiple Coice</source>
        <translation>Múltipla escolha</translation>
    </message>
    <message>
        <source>Spelling Only</source>
        <translation>Só ortografia</translation>
    </message>
    <message>
        <source>Fill In The Blank</source>
        <translation>Preencher a lacuna</translation>
    </message>
    <message>
        <source>Choose Word List</source>
        <translation>Escolha a lista de palavras</translation>
    </message>
    <message>
        <source>All Words on Selected List</source>
        <translation>Todas as palavras da lista escolhida</translation>
    </message>
    <message>
        <source>Unkown Words on Selected List</source>
        <translation>Palavras desconhecidas da lista escolhida</translation>
    </message>
    <message>
        <source>All words in selected language</source>
        <translation>Todas as palavras do idioma escolhido</translation>
    </message>
    <message>
        <source>Choose Text or Sound</source>
        <translation>Escolha texto ou som</translation>
    </message>
    <message>
        <source>Show the text of the word</source>
        <translation>Mostrar o texto da palavra</translation>
    </message>
    <message>
        <source>Play the sound of the word</source>
        <translation>Tocar o som da palavra</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Ambos</translation>
    </message>
    <message>
        <source>Number of Questions</source>
        <translation>Número de perguntas</translation>
    </message>
    <message>
        <source>Time allowed for each question in seconds</source>
        <translation>Tempo para cada pergunta, em segundos</translation>
    </message>
    <message>
        <source>Begin Test</source>
        <translation>Começar teste</translation>
    </message>
    <message>
        <source>Stop Test</source>
        <translation>Parar teste</translation>
    </message>
    <message>
        <source>Enter Answer:</source>
        <translation>Digite a resposta:</translation>
    </message>
    <message>
        <source>Choice %1</source>
        <translation>Opção %1</translation>
    </message>
    <message>
        <source>Test word</source>
        <translation>Palavra do teste</translation>
    </message>
    <message>
        <source>Questions asked</source>
        <translation>Perguntas feitas</translation>
    </message>
    <message>
        <source>Time remaining</source>
        <translation>Tempo restante</translation>
    </message>
    <message>
        <source>Previous word</source>
        <translation>Palavra anterior</translation>
    </message>
    <message>
        <source>The number of questions must be a number greater than 0.</source>
        <translation>O número de perguntas deve ser um número maior que 0.</translation>
    </message>
    <message>
        <source>The number of questions must be a number greater than 0 and no more than %1.</source>
        <translation>O número de perguntas deve ser um número maior que 0 e no máximo %1.</translation>
    </message>
    <message>
        <source>The number of seconds per question must be a number greater than 0.</source>
        <translation>O número de segundos por pergunta deve ser um número maior que 0.</translation>
    </message>
    <message>
        <source>There are no words to test on the chosen word list.</source>
        <translation>Não há palavras para testar na lista escolhida.</translation>
    </message>
    <message>
        <source>Sound file for this word was not found.  Click OK to go to next word or Cancel to stop test.</source>
        <translation>O arquivo de som desta palavra não foi encontrado.  Clique em OK para ir para a próxima palavra ou em Cancelar para parar o teste.</translation>
    </message>
    <message>
        <source>not %1</source>
        <translation>não %1</translation>
    </message>
    <message>
        <source>Test finished in %1
%2 of %3 correct %4%</source>
        <translation>Teste concluído em %1
%2 de %3 corretas %4%</translation>
    </message>
    <message>
        <source>The result of this test could not be added to the results file.
%1</source>
        <translation>Não foi possível adicionar o resultado deste teste ao arquivo de resultados.
%1</translation>
    </message>
    <message>
        <source>The speech engine could not start: %1</source>
        <translation>Não foi possível iniciar o mecanismo de voz: %1</translation>
    </message>
    <message>
        <source>The voice &quot;%1&quot; could not be used: %2</source>
        <translation>Não foi possível usar a voz &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>The speech engine could not speak &quot;%1&quot;.</source>
        <translation>O mecanismo de voz não conseguiu falar &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The voice &quot;%1&quot; said nothing for &quot;%2&quot;.</source>
        <translation>A voz &quot;%1&quot; não disse nada para &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>Interface Language</source>
        <translation>Idioma da interface</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>The translation into %1 could not be found, so the interface stays in English.</source>
        <translation>A tradução para %1 não foi encontrada, por isso a interface continua em inglês.</translation>
    </message>
    <message numerus="yes">
        <source>%n word was left out: it has no recording and the voice could not speak it.</source>
        <translation>
            <numerusform>%n palavra ficou de fora: não tem gravação e a voz não conseguiu falá-la.</numerusform>
            <numerusform>%n palavras ficaram de fora: não têm gravação e a voz não conseguiu falá-las.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n words were left out: they have no recording and the voice could not speak them.</source>
        <translation>
            <numerusform>%n palavra ficou de fora: não tem gravação e a voz não conseguiu falá-la.</numerusform>
            <numerusform>%n palavras ficaram de fora: não têm gravação e a voz não conseguiu falá-las.</numerusform>
        </translation>
    </message>
    <message>
        <source>Could not put back the file %1 after a change that was cut short: %2</source>
        <translation>Não foi possível restaurar o arquivo %1 depois de uma alteração interrompida: %2</translation>
    </message>
    <message>
        <source>Silent take</source>
        <translation>Gravação em silêncio</translation>
    </message>
    <message>
        <source>Peak %1 dBFS, drawn at full scale</source>
        <translation>Pico de %1 dBFS, desenhado em escala total</translation>
    </message>
    <message>
        <source>Peak %1 dBFS, drawn %2 times larger</source>
        <translation>Pico de %1 dBFS, desenhado %2 vezes maior</translation>
    </message>
    <message>
        <source> (it looked for its data in %1)</source>
        <translation> (ele procurou seus dados em %1)</translation>
    </message>
    <message>
        <source>it is not in the package</source>
        <translation>ele não está no pacote</translation>
    </message>
    <message>
        <source>its size cannot be read</source>
        <translation>não é possível ler o tamanho dele</translation>
    </message>
    <message>
        <source>its collection is not an SQLite database</source>
        <translation>a coleção dele não é um banco de dados SQLite</translation>
    </message>
    <message>
        <source>SQLite cannot be started</source>
        <translation>não é possível iniciar o SQLite</translation>
    </message>
    <message>
        <source>the collection does not fit in memory</source>
        <translation>a coleção não cabe na memória</translation>
    </message>
    <message>
        <source>its collection cannot be read (%1)</source>
        <translation>não é possível ler a coleção dele (%1)</translation>
    </message>
    <message>
        <source>its notes cannot be read (%1)</source>
        <translation>não é possível ler as notas dele (%1)</translation>
    </message>
    <message>
        <source>The Anki deck %1 cannot be imported: %2.</source>
        <translation>Não é possível importar o baralho do Anki %1: %2.</translation>
    </message>
    <message>
        <source>it is not a zip archive</source>
        <translation>ele não é um arquivo zip</translation>
    </message>
    <message>
        <source>the zip archive holds no Anki collection</source>
        <translation>o arquivo zip não contém nenhuma coleção do Anki</translation>
    </message>
    <message>
        <source>its collection is not valid zstd-compressed data</source>
        <translation>a coleção dele não são dados válidos comprimidos com zstd</translation>
    </message>
    <message>
        <source>its media list cannot be read (%1)</source>
        <translation>não é possível ler a lista de mídia dele (%1)</translation>
    </message>
    <message>
        <source>its media list is damaged</source>
        <translation>a lista de mídia dele está danificada</translation>
    </message>
    <message>
        <source>The media file %1 in %2 cannot be read: %3.</source>
        <translation>Não é possível ler o arquivo de mídia %1 em %2: %3.</translation>
    </message>
    <message>
        <source>it is not in the package&apos;s media list</source>
        <translation>ele não está na lista de mídia do pacote</translation>
    </message>
    <message>
        <source>it is not valid zstd-compressed data</source>
        <translation>não são dados válidos comprimidos com zstd</translation>
    </message>
    <message>
        <source>The Anki deck could not be made: %1</source>
        <translation>Não foi possível criar o baralho do Anki: %1</translation>
    </message>
    <message>
        <source>The list %1 was exported to %2 as an Anki deck of %3 with %4.</source>
        <translation>A lista %1 foi exportada para %2 como baralho do Anki de %3 com %4.</translation>
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
            <numerusform>%n gravação</numerusform>
            <numerusform>%n gravações</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n recordings</source>
        <translation>
            <numerusform>%n gravação</numerusform>
            <numerusform>%n gravações</numerusform>
        </translation>
    </message>
    <message>
        <source> 1 entry without a foreign word was left out.</source>
        <translation> 1 entrada sem palavra estrangeira foi omitida.</translation>
    </message>
    <message>
        <source> %1 entries without a foreign word were left out.</source>
        <translation> %1 entradas sem palavra estrangeira foram omitidas.</translation>
    </message>
    <message>
        <source> 1 recording could not be read; its note has no sound.</source>
        <translation> 1 gravação não pôde ser lida; a nota dela não tem som.</translation>
    </message>
    <message>
        <source> %1 recordings could not be read; their notes have no sound.</source>
        <translation> %1 gravações não puderam ser lidas; as notas delas não têm som.</translation>
    </message>
    <message>
        <source>Could not make a temporary folder: %1</source>
        <translation>Não foi possível criar uma pasta temporária: %1</translation>
    </message>
    <message>
        <source>The list %1 holds no words to export.</source>
        <translation>A lista %1 não contém palavras para exportar.</translation>
    </message>
    <message>
        <source>of a note type the deck does not describe</source>
        <translation>de um tipo de nota que o baralho não descreve</translation>
    </message>
    <message>
        <source> will be skipped: </source>
        <translation> serão ignoradas: </translation>
    </message>
    <message>
        <source>Only %1 sound numbers up to 99999 are still free in this language, too few for the new words of this deck. Nothing was imported.</source>
        <translation>Só restam %1 números de som livres até 99999 neste idioma, poucos demais para as palavras novas deste baralho. Nada foi importado.</translation>
    </message>
    <message>
        <source>The Anki deck %1 holds no notes. Nothing was imported.</source>
        <translation>O baralho do Anki %1 não contém notas. Nada foi importado.</translation>
    </message>
    <message>
        <source>No note of the Anki deck %1 gives a word pair with the fields chosen. Nothing was imported.</source>
        <translation>Nenhuma nota do baralho do Anki %1 forma um par de palavras com os campos escolhidos. Nada foi importado.</translation>
    </message>
    <message>
        <source>Nothing was imported: the files of the language are as they were.</source>
        <translation>Nada foi importado: os arquivos do idioma continuam como estavam.</translation>
    </message>
    <message>
        <source>The media file %1 in %2 cannot be converted: %3.</source>
        <translation>Não é possível converter o arquivo de mídia %1 em %2: %3.</translation>
    </message>
    <message>
        <source>Could not make the folder %1.</source>
        <translation>Não foi possível criar a pasta %1.</translation>
    </message>
    <message>
        <source>%1 imported into the new list %2, with %3.</source>
        <translation>%1 para a nova lista %2, com %3.</translation>
    </message>
    <message numerus="yes">
        <source>%n word pair was</source>
        <translation>
            <numerusform>%n par de palavras importado</numerusform>
            <numerusform>%n pares de palavras importados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n word pairs were</source>
        <translation>
            <numerusform>%n par de palavras importado</numerusform>
            <numerusform>%n pares de palavras importados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n new recording</source>
        <translation>
            <numerusform>%n gravação nova</numerusform>
            <numerusform>%n gravações novas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n new recordings</source>
        <translation>
            <numerusform>%n gravação nova</numerusform>
            <numerusform>%n gravações novas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of them was</source>
        <translation>
            <numerusform>%n deles já estava</numerusform>
            <numerusform>%n deles já estavam</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of them were</source>
        <translation>
            <numerusform>%n deles já estava</numerusform>
            <numerusform>%n deles já estavam</numerusform>
        </translation>
    </message>
    <message>
        <source> already in the language and kept its sound number.</source>
        <translation> no idioma e manteve seu número de som.</translation>
    </message>
    <message numerus="yes">
        <source>%n sound was</source>
        <translation>
            <numerusform>%n som foi omitido</numerusform>
            <numerusform>%n sons foram omitidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sounds were</source>
        <translation>
            <numerusform>%n som foi omitido</numerusform>
            <numerusform>%n sons foram omitidos</numerusform>
        </translation>
    </message>
    <message>
        <source> left out because the word already has a recording.</source>
        <translation> porque a palavra já tem gravação.</translation>
    </message>
    <message>
        <source> 1 sound named by a note is missing from the deck; that word came without it.</source>
        <translation> Falta no baralho 1 som citado por uma nota; essa palavra veio sem ele.</translation>
    </message>
    <message>
        <source> %1 sounds named by notes are missing from the deck; those words came without them.</source>
        <translation> Faltam no baralho %1 sons citados pelas notas; essas palavras vieram sem eles.</translation>
    </message>
    <message numerus="yes">
        <source>%n translation sound was</source>
        <translation>
            <numerusform>%n som de tradução foi omitido</numerusform>
            <numerusform>%n sons de tradução foram omitidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n translation sounds were</source>
        <translation>
            <numerusform>%n som de tradução foi omitido</numerusform>
            <numerusform>%n sons de tradução foram omitidos</numerusform>
        </translation>
    </message>
    <message>
        <source> left out: the translation is not an entry of the target language.</source>
        <translation> porque a tradução não é uma entrada do idioma de destino.</translation>
    </message>
    <message>
        <source>The import was cancelled. %1</source>
        <translation>A importação foi cancelada. %1</translation>
    </message>
    <message>
        <source>the MP3 decoder cannot be started</source>
        <translation>não é possível iniciar o decodificador de MP3</translation>
    </message>
    <message>
        <source>it is too long for a word&apos;s recording</source>
        <translation>ele é longo demais para a gravação de uma palavra</translation>
    </message>
    <message>
        <source>its MP3 frames change rate or channels part-way</source>
        <translation>os quadros MP3 dele mudam de taxa ou de canais no meio</translation>
    </message>
    <message>
        <source>it is not a readable MP3 file (%1)</source>
        <translation>ele não é um arquivo MP3 legível (%1)</translation>
    </message>
    <message>
        <source>it holds no MP3 audio</source>
        <translation>ele não contém áudio MP3</translation>
    </message>
    <message>
        <source>it is not a readable Ogg Vorbis file</source>
        <translation>ele não é um arquivo Ogg Vorbis legível</translation>
    </message>
    <message>
        <source>its Ogg Vorbis audio is damaged</source>
        <translation>o áudio Ogg Vorbis dele está danificado</translation>
    </message>
    <message>
        <source>the FLAC decoder cannot be started</source>
        <translation>não é possível iniciar o decodificador de FLAC</translation>
    </message>
    <message>
        <source>its FLAC audio is damaged</source>
        <translation>o áudio FLAC dele está danificado</translation>
    </message>
    <message>
        <source>it is not a WAV file of a kind that can be read (PCM or float)</source>
        <translation>ele não é um arquivo WAV de um tipo legível (PCM ou ponto flutuante)</translation>
    </message>
    <message>
        <source>it is not MP3, Ogg Vorbis, FLAC or WAV audio</source>
        <translation>ele não é áudio MP3, Ogg Vorbis, FLAC ou WAV</translation>
    </message>
    <message>
        <source>it holds no sound</source>
        <translation>ele não contém som</translation>
    </message>
    <message>
        <source>the MP3 encoder failed</source>
        <translation>o codificador de MP3 falhou</translation>
    </message>
    <message>
        <source>Anki deck, collection.anki2</source>
        <translation>Baralho do Anki, collection.anki2</translation>
    </message>
    <message>
        <source>Anki deck, collection.anki21</source>
        <translation>Baralho do Anki, collection.anki21</translation>
    </message>
    <message>
        <source>Anki deck, collection.anki21b</source>
        <translation>Baralho do Anki, collection.anki21b</translation>
    </message>
    <message>
        <source>Import Anki Deck</source>
        <translation>Importar baralho do Anki</translation>
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
        <translation>Gravação</translation>
    </message>
    <message>
        <source>&amp;Note type:</source>
        <translation>Tipo de &amp;nota:</translation>
    </message>
    <message>
        <source>The deck holds no notes.</source>
        <translation>O baralho não contém notas.</translation>
    </message>
    <message>
        <source>Choose two different fields for the word and its translation.</source>
        <translation>Escolha dois campos diferentes para a palavra e sua tradução.</translation>
    </message>
    <message>
        <source>%1 word %2 will be imported into a new list of %3, %4 with a recording.</source>
        <translation>%1 %2 serão importados para uma nova lista de %3, %4 com gravação.</translation>
    </message>
    <message>
        <source>pair</source>
        <translation>par de palavras</translation>
    </message>
    <message>
        <source>pairs</source>
        <translation>pares de palavras</translation>
    </message>
    <message>
        <source> The first %1 are shown.</source>
        <translation> Os primeiros %1 são mostrados.</translation>
    </message>
    <message>
        <source>No note will be skipped.</source>
        <translation>Nenhuma nota será ignorada.</translation>
    </message>
    <message>
        <source> 1 sound named by a note is missing from the deck; that word comes without it.</source>
        <translation> Falta no baralho 1 som citado por uma nota; essa palavra virá sem ele.</translation>
    </message>
    <message>
        <source> %1 sounds named by notes are missing from the deck; those words come without them.</source>
        <translation> Faltam no baralho %1 sons citados pelas notas; essas palavras virão sem eles.</translation>
    </message>
    <message>
        <source>Converting the deck&apos;s sounds into recordings...</source>
        <translation>Convertendo os sons do baralho em gravações...</translation>
    </message>
    <message>
        <source>Sounds converted</source>
        <translation>Sons convertidos</translation>
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
        <translation>Importar baralho do &amp;Anki...</translation>
    </message>
    <message>
        <source>Export as Anki &amp;Deck...</source>
        <translation>Exportar como &amp;baralho do Anki...</translation>
    </message>
    <message>
        <source>Anki decks (*.apkg)</source>
        <translation>Baralhos do Anki (*.apkg)</translation>
    </message>
    <message>
        <source>;;All files (*)</source>
        <translation>;;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>An Anki deck is being imported. Please wait until it is done, then try again.</source>
        <translation>Um baralho do Anki está sendo importado. Espere terminar e tente de novo.</translation>
    </message>
    <message>
        <source>Export as Anki Deck</source>
        <translation>Exportar como baralho do Anki</translation>
    </message>
    <message>
        <source>The recording %1 could not be read: %2</source>
        <translation>Não foi possível ler a gravação %1: %2</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>o arquivo não existe</translation>
    </message>
    <message>
        <source>Say It needs the word&apos;s recording, and this word has no sound number.</source>
        <translation>&quot;Fale&quot; precisa da gravação da palavra, e esta palavra não tem número de som.</translation>
    </message>
    <message>
        <source>Say It needs the word&apos;s recording, and this word has none. Turning on the voice for words without a recording lets you practise it against the voice.</source>
        <translation>&quot;Fale&quot; precisa da gravação da palavra, e esta palavra não tem nenhuma. Se você ativar a voz para as palavras sem gravação, poderá praticar com a voz.</translation>
    </message>
    <message>
        <source>No microphone was found</source>
        <translation>Nenhum microfone foi encontrado</translation>
    </message>
    <message>
        <source>The recording could not be stopped.</source>
        <translation>Não foi possível parar a gravação.</translation>
    </message>
    <message>
        <source>The recording could not be read.</source>
        <translation>Não foi possível ler a gravação.</translation>
    </message>
    <message>
        <source>Your take was too loud and is clipped. Move back from the microphone or turn its level down, then try again.</source>
        <translation>Sua gravação ficou alta demais e está saturada. Afaste-se do microfone ou abaixe o nível dele e tente de novo.</translation>
    </message>
    <message>
        <source>Nothing was heard. Say the word when &quot;Speak&quot; shows.</source>
        <translation>Nada foi ouvido. Diga a palavra quando aparecer &quot;Fale agora&quot;.</translation>
    </message>
    <message>
        <source>Your take was too quiet to compare. Speak closer to the microphone or turn its level up, then try again.</source>
        <translation>Sua gravação ficou baixa demais para comparar. Fale mais perto do microfone ou aumente o nível dele e tente de novo.</translation>
    </message>
    <message>
        <source>Your take was too short to compare. Say the whole word when &quot;Speak&quot; shows.</source>
        <translation>Sua gravação ficou curta demais para comparar. Diga a palavra inteira quando aparecer &quot;Fale agora&quot;.</translation>
    </message>
    <message>
        <source>Your take could not be kept: the word&apos;s sound number &quot;%1&quot; cannot name a file.</source>
        <translation>Não foi possível guardar sua gravação: o número de som &quot;%1&quot; da palavra não pode ser nome de arquivo.</translation>
    </message>
    <message>
        <source>Your take could not be kept: the folder %1 could not be made.</source>
        <translation>Não foi possível guardar sua gravação: não foi possível criar a pasta %1.</translation>
    </message>
    <message>
        <source>Your take could not be kept: the MP3 encoder failed.</source>
        <translation>Não foi possível guardar sua gravação: o codificador de MP3 falhou.</translation>
    </message>
    <message>
        <source>Your take could not be kept.<byte value="xd"/>
%1</source>
        <translation>Não foi possível guardar sua gravação.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Very close</source>
        <translation>Muito parecido</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Tente de novo</translation>
    </message>
    <message>
        <source>Say It</source>
        <translation>Fale</translation>
    </message>
    <message>
        <source>Key S</source>
        <translation>Tecla S</translation>
    </message>
    <message>
        <source>Say It practises the word on the card, and no word is shown.</source>
        <translation>&quot;Fale&quot; pratica a palavra do cartão, e nenhuma palavra está sendo mostrada.</translation>
    </message>
    <message>
        <source>Space: Show Answer    Right or 2: I knew it    Left or 1: I forgot    S: Say It    Escape: close</source>
        <translation>Espaço: mostrar resposta    Direita ou 2: eu sabia    Esquerda ou 1: esqueci    S: Fale    Esc: fechar</translation>
    </message>
    <message>
        <source>Key %1</source>
        <translation>Tecla %1</translation>
    </message>
    <message>
        <source>The recording and your take</source>
        <translation>A gravação e a sua gravação</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>no speech</source>
        <translation>sem fala</translation>
    </message>
    <message>
        <source>Recording: %1 spoken.</source>
        <translation>Gravação: %1 de fala.</translation>
    </message>
    <message>
        <source>No recording.</source>
        <translation>Sem gravação.</translation>
    </message>
    <message>
        <source> Your take: %1 spoken, drawn on the recording&apos;s time scale.</source>
        <translation> Sua gravação: %1 de fala, desenhada na escala de tempo da gravação original.</translation>
    </message>
    <message>
        <source> No take yet.</source>
        <translation> Nenhuma gravação sua ainda.</translation>
    </message>
    <message>
        <source>Your take</source>
        <translation>Sua gravação</translation>
    </message>
    <message>
        <source>Word to say</source>
        <translation>Palavra a dizer</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>Contagem regressiva</translation>
    </message>
    <message>
        <source>What the drawing shows</source>
        <translation>O que o desenho mostra</translation>
    </message>
    <message>
        <source>Orange: pitch. The score compares your take with one recording of one speaker; it is not a judgement of your pronunciation.</source>
        <translation>Laranja: tom. A nota compara sua gravação com uma gravação de um único falante; não é um julgamento da sua pronúncia.</translation>
    </message>
    <message>
        <source>Score out of 100</source>
        <translation>Nota de 0 a 100</translation>
    </message>
    <message>
        <source>How close your take is</source>
        <translation>O quanto sua gravação se parece</translation>
    </message>
    <message>
        <source>Where your take was kept</source>
        <translation>Onde sua gravação foi guardada</translation>
    </message>
    <message>
        <source>Hear the recording</source>
        <translation>Ouvir a gravação</translation>
    </message>
    <message>
        <source>Hear my take</source>
        <translation>Ouvir minha gravação</translation>
    </message>
    <message>
        <source>Hear both</source>
        <translation>Ouvir as duas</translation>
    </message>
    <message>
        <source>Say it again</source>
        <translation>Falar de novo</translation>
    </message>
    <message>
        <source>Keep my take</source>
        <translation>Guardar minha gravação</translation>
    </message>
    <message>
        <source>Get ready</source>
        <translation>Prepare-se</translation>
    </message>
    <message>
        <source>Speak: %1 s</source>
        <translation>Fale agora: %1 s</translation>
    </message>
    <message>
        <source>The recording of this word is silent, so there is nothing to compare with.</source>
        <translation>A gravação desta palavra está em silêncio, então não há com o que comparar.</translation>
    </message>
    <message>
        <source>Your take was kept as %1</source>
        <translation>Sua gravação foi guardada como %1</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>how near the take is</comment>
        <translation>Parecido</translation>
    </message>
    <message>
        <source>No words are due for review today, so no MP3 was made.</source>
        <translation>Nenhuma palavra precisa ser revisada hoje, então nenhum MP3 foi criado.</translation>
    </message>
    <message>
        <source>Today&apos;s review could not be saved.<byte value="xd"/>
%1</source>
        <translation>Não foi possível salvar a revisão de hoje.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>None of the %1 words due today has a sound, so no MP3 was made.</source>
        <translation>Nenhuma das %1 palavras de hoje tem som, então nenhum MP3 foi criado.</translation>
    </message>
    <message>
        <source>Today&apos;s review is ready: %1 %2, playing %3.</source>
        <translation>A revisão de hoje está pronta: %1 %2, com duração de %3.</translation>
    </message>
    <message>
        <source>word</source>
        <translation>palavra</translation>
    </message>
    <message>
        <source>words</source>
        <translation>palavras</translation>
    </message>
    <message>
        <source> %1 of the words due had no sound and were left out.</source>
        <translation> %1 das palavras de hoje não tinham som e foram omitidas.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
It was saved as %1, with its captions beside it.</source>
        <translation><byte value="xd"/>
Ela foi salva como %1, com as legendas ao lado.</translation>
    </message>
    <message>
        <source>Today&apos;s &amp;Review as MP3...</source>
        <translation>&amp;Revisão de hoje em MP3...</translation>
    </message>
    <message>
        <source>&amp;Speech Speed</source>
        <translation>&amp;Velocidade da fala</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Today&apos;s Review as MP3</source>
        <translation>Revisão de hoje em MP3</translation>
    </message>
    <message>
        <source>Saves the words due today as an MP3 with captions; the review itself is not changed</source>
        <translation>Salva as palavras de hoje como um MP3 com legendas; a revisão em si não muda</translation>
    </message>
    <message>
        <source>Choose a language first.</source>
        <translation>Escolha um idioma primeiro.</translation>
    </message>
</context>
</TS>
