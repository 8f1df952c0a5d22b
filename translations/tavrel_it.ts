<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>AppSettings</name>
    <message>
        <location filename="../ui/AppSettings.cpp" line="+47"/>
        <source>%1 V%2</source>
        <extracomment>the window&apos;s caption; %1 is the program&apos;s name, %2 its version (1.0.0)</extracomment>
        <translation>%1 V%2</translation>
    </message>
</context>
<context>
    <name>BatchNotice</name>
    <message>
        <location filename="../engine/BatchNotice.cpp" line="+16"/>
        <source>%1 video converted</source>
        <extracomment>Desktop notification after &quot;Tavrel: &quot;; %1 is 1.</extracomment>
        <translation>%1 video convertito</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 videos converted</source>
        <extracomment>Desktop notification after &quot;Tavrel: &quot;; %1 is the number of videos.</extracomment>
        <translation>%1 video convertiti</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 converted, %2 failed</source>
        <extracomment>Desktop notification after &quot;Tavrel: &quot;; %1 and %2 are numbers of videos.</extracomment>
        <translation>%1 convertiti, %2 non riusciti</translation>
    </message>
</context>
<context>
    <name>BatchTexts</name>
    <message>
        <location filename="../engine/BatchTexts.cpp" line="+25"/>
        <source>Converting Finished</source>
        <extracomment>Message box at the end of a batch.</extracomment>
        <translation>Conversione terminata</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 of %2 file failed</source>
        <extracomment>Message box; %1 is how many failed, %2 the batch&apos;s one file.</extracomment>
        <translation>Conversione non riuscita: %1 file su %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 of %2 files failed</source>
        <extracomment>Message box; %1 is how many failed, %2 how many files the batch had.</extracomment>
        <translation>Conversione non riuscita: %1 file su %2</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The file could not be read: its duration is unknown.</source>
        <translation>Impossibile leggere il file: la durata è sconosciuta.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The selected part of the file is empty: its end is not after its start.</source>
        <translation>La parte selezionata del file è vuota: la fine non è successiva all&apos;inizio.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The conversion made no progress for 1 minute and was ended.</source>
        <translation>La conversione non è avanzata per 1 minuto ed è stata terminata.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The conversion made no progress for %1 minutes and was ended.</source>
        <extracomment>%1 is a whole number of minutes, 2 or more.</extracomment>
        <translation>La conversione non è avanzata per %1 minuti ed è stata terminata.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The conversion made no progress for 1 second and was ended.</source>
        <translation>La conversione non è avanzata per 1 secondo ed è stata terminata.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The conversion made no progress for %1 seconds and was ended.</source>
        <extracomment>%1 is a number of seconds.</extracomment>
        <translation>La conversione non è avanzata per %1 secondi ed è stata terminata.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 – Paused, %2 of %3 done</source>
        <extracomment>Window title; %1 is the program&apos;s caption, %2 the videos done, %3 the batch&apos;s count.</extracomment>
        <translation>%1 – In pausa, %2 di %3 completati</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 – %2 of %3 done</source>
        <extracomment>Window title; %1 is the program&apos;s caption, %2 the videos done, %3 the batch&apos;s count.</extracomment>
        <translation>%1 – %2 di %3 completati</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 – %2 of %3, %4 %</source>
        <extracomment>Window title; %1 is the program&apos;s caption, %2 the number of the video being converted, %3 the batch&apos;s count, %4 its percent done.</extracomment>
        <translation>%1 – %2 di %3, %4%</translation>
    </message>
</context>
<context>
    <name>CLogDialog</name>
    <message>
        <location filename="../ui/CLogDialog.cpp" line="+19"/>
        <source>Log of %1</source>
        <extracomment>caption of the log window; %1 is the source file&apos;s name</extracomment>
        <translation>Registro di %1</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Log</source>
        <extracomment>screen reader name of the log text</extracomment>
        <translation>Registro</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Saved as %1</source>
        <translation>Salvato come %1</translation>
    </message>
</context>
<context>
    <name>CRangeSlider</name>
    <message>
        <location filename="../controls/CRangeSlider.cpp" line="+224"/>
        <source>from %1 to %2</source>
        <extracomment>what a screen reader says of the slider choosing the part to convert; %1 and %2 are times (00:00:05)</extracomment>
        <translation>da %1 a %2</translation>
    </message>
</context>
<context>
    <name>ControlTable</name>
    <message>
        <location filename="../ui/ControlTable.cpp" line="+40"/>
        <source>Videos to convert</source>
        <extracomment>screen reader name of the list of videos</extracomment>
        <translation>Video da convertire</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Output Directory:</source>
        <extracomment>label, about 100 px wide</extracomment>
        <translation>Destinazione:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Browse</source>
        <extracomment>push button, about 60 px wide</extracomment>
        <translation>Sfoglia</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+87"/>
        <source>Preview</source>
        <translation>Anteprima</translation>
    </message>
    <message>
        <location line="-81"/>
        <source>Title (showed in Zune)</source>
        <extracomment>label beside the title field, about 115 px wide</extracomment>
        <translation>Titolo (in Zune)</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>Help</source>
        <extracomment>push button, about 70 px wide</extracomment>
        <translation>Aiuto</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Conversion settings</source>
        <extracomment>screen reader name of the frame around the settings</extracomment>
        <translation>Impostazioni di conversione</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Part to convert</source>
        <extracomment>screen reader name of the slider choosing the part of a video to convert</extracomment>
        <translation>Parte da convertire</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Automatically Shut Down the computer when converting finished</source>
        <extracomment>check box, about 340 px wide</extracomment>
        <translation>Spegni automaticamente il computer al termine della conversione</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>MPEG4 Profile</source>
        <extracomment>label beside its combo box, about 75 px wide</extracomment>
        <translation>Profilo MPEG4</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>WMV Profile</source>
        <extracomment>label beside its combo box, about 75 px wide</extracomment>
        <translation>Profilo WMV</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>To Zune MPEG4</source>
        <extracomment>radio button, about 105 px wide</extracomment>
        <translation>Zune MPEG4</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>To Zune WMV</source>
        <extracomment>radio button, about 105 px wide</extracomment>
        <translation>Zune WMV</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Output Type</source>
        <extracomment>label, about 74 px wide</extracomment>
        <translation>Formato</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Videos at once</source>
        <extracomment>label beside a small combo box, about 80 px wide</extracomment>
        <translation>Video alla volta</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>Add a video to converting task</source>
        <extracomment>tooltip of an image button</extracomment>
        <translation>Aggiungi un video alla conversione</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add videos</source>
        <translation>Aggiungi video</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Remove selected video</source>
        <translation>Rimuovi video selezionato</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove the selected video</source>
        <translation>Rimuovi il video selezionato</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+1"/>
        <source>Remove all videos</source>
        <translation>Rimuovi tutti i video</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Preview selected videos</source>
        <translation>Anteprima dei video selezionati</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Play the selected part</source>
        <translation>Riproduci la parte selezionata</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Stop preview</source>
        <translation>Ferma anteprima</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stop playing</source>
        <translation>Ferma riproduzione</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Start Converting</source>
        <translation>Avvia conversione</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start converting</source>
        <translation>Avvia la conversione</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Stop Converting</source>
        <translation>Interrompi conversione</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stop converting</source>
        <translation>Interrompi la conversione</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Pause Converting (Ctrl+P)</source>
        <translation>Sospendi conversione (Ctrl+P)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pause converting</source>
        <translation>Sospendi la conversione</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Resume Converting (Ctrl+P)</source>
        <translation>Riprendi conversione (Ctrl+P)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Resume converting</source>
        <translation>Riprendi la conversione</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Source</source>
        <extracomment>list column heading, about 120 px wide</extracomment>
        <translation>Origine</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Begin Time</source>
        <extracomment>list column heading, about 70 px wide</extracomment>
        <translation>Inizio</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>End Time</source>
        <extracomment>list column heading, about 70 px wide</extracomment>
        <translation>Fine</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Output</source>
        <extracomment>list column heading, about 100 px wide</extracomment>
        <translation>Destinazione</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Progress</source>
        <extracomment>list column heading, about 250 px wide</extracomment>
        <translation>Avanzamento</translation>
    </message>
</context>
<context>
    <name>ConversionBatch</name>
    <message>
        <location filename="../engine/ConversionBatch.cpp" line="+22"/>
        <source>Error</source>
        <extracomment>Message box caption.</extracomment>
        <translation>Errore</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Information</source>
        <extracomment>Message box caption.</extracomment>
        <translation>Informazione</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Converting videos</source>
        <extracomment>The desktop shows it as why sleep is held off while a batch runs.</extracomment>
        <translation>Conversione dei video</translation>
    </message>
    <message>
        <location line="+69"/>
        <source>Please set the output directory firstly</source>
        <extracomment>Message box when Start is pressed with no output folder chosen.</extracomment>
        <translation>Impostare prima la cartella di destinazione</translation>
    </message>
</context>
<context>
    <name>ConversionJob</name>
    <message>
        <location filename="../engine/ConversionJob.cpp" line="+107"/>
        <source>The source file %1 is not a regular file.</source>
        <extracomment>%1 is the source file&apos;s path.</extracomment>
        <translation>Il file di origine %1 non è un file regolare.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The source file %1 does not exist.</source>
        <extracomment>%1 is the source file&apos;s path.</extracomment>
        <translation>Il file di origine %1 non esiste.</translation>
    </message>
    <message>
        <location line="+221"/>
        <source>The encoder did not finish its file when told to and had to be ended.</source>
        <translation>L&apos;encoder non ha completato il file quando richiesto ed è stato necessario terminarlo.</translation>
    </message>
</context>
<context>
    <name>ConvertArguments</name>
    <message>
        <location filename="../cli/ConvertArguments.cpp" line="+242"/>
        <source>Unknown option %1.</source>
        <extracomment>%1 is the option as given, such as --foo</extracomment>
        <translation>Opzione sconosciuta %1.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 takes no value.</source>
        <extracomment>%1 is an option, such as --json</extracomment>
        <translation>%1 non accetta valori.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1 needs a value.</source>
        <extracomment>%1 is an option, such as --jobs</extracomment>
        <translation>%1 richiede un valore.</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>No WMV profile is available: the file of WMV profiles beside the program is missing or lists none.</source>
        <translation>Nessun profilo WMV disponibile: il file dei profili WMV accanto al programma manca o non ne elenca nessuno.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1 needs a folder.</source>
        <extracomment>%1 is the option, --output or -o</extracomment>
        <translation>%1 richiede una cartella.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 &quot;%2&quot; is not a time: give seconds (90, 12.5) or hh:mm:ss.mmm (00:01:30.500).</source>
        <extracomment>%1 is the option (--start or --end), %2 the value given; keep the examples</extracomment>
        <translation>%1 &quot;%2&quot; non è un tempo: indicare i secondi (90, 12.5) o hh:mm:ss.mmm (00:01:30.500).</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 needs a text.</source>
        <extracomment>%1 is the option, --title</extracomment>
        <translation>%1 richiede un testo.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 &quot;%2&quot; is not a number of videos at once (1 or more).</source>
        <extracomment>%1 is the option (--jobs or -j), %2 the value given</extracomment>
        <translation>%1 &quot;%2&quot; non è un numero valido di video alla volta (1 o più).</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>%1 &quot;%2&quot; is not one of the values: %3.</source>
        <extracomment>%1 is a setting&apos;s option (--video-size), %2 the value given, %3 the values it takes, which stay as they are (they are typed as listed)</extracomment>
        <translation>%1 &quot;%2&quot; non è uno dei valori: %3.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>No video given: name the files or folders to convert.</source>
        <translation>Nessun video indicato: specificare i file o le cartelle da convertire.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--profile chooses an MP4 profile; it does not go with --wmv.</source>
        <translation>--profile sceglie un profilo MP4; non può essere usato con --wmv.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is a setting of the custom MP4 profile; it does not go with --wmv.</source>
        <extracomment>%1 is a setting&apos;s option, such as --video-size</extracomment>
        <translation>%1 è un&apos;impostazione del profilo MP4 personalizzato; non può essere usato con --wmv.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 is a setting of the custom profile (0, &quot;%2&quot;); choose it with -p 0.</source>
        <extracomment>%1 is a setting&apos;s option, such as --video-size; %2 the title of profile 0</extracomment>
        <translation>%1 è un&apos;impostazione del profilo personalizzato (0, &quot;%2&quot;); sceglierlo con -p 0.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>No MP4 profile is available: the profile file is missing or lists none.</source>
        <translation>Nessun profilo MP4 disponibile: il file dei profili manca o non ne elenca nessuno.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--end must come after --start.</source>
        <translation>--end deve essere successivo a --start.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--title names one output file: give exactly one FILE.</source>
        <translation>--title indica un solo file di destinazione: specificare esattamente un FILE.</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>%1 &quot;%2&quot;: no profile has that number or that in its name. The profiles are:
%3</source>
        <extracomment>%1 is the option (--profile or --wmv), %2 the value given, %3 the numbered profiles, one a line</extracomment>
        <translation>%1 &quot;%2&quot;: nessun profilo ha quel numero o quel testo nel nome. I profili sono:
%3</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 &quot;%2&quot; matches more than one profile; give more of the name or its number:
%3</source>
        <extracomment>%1 is the option (--profile or --wmv), %2 the value given, %3 the matching profiles, one a line</extracomment>
        <translation>%1 &quot;%2&quot; corrisponde a più di un profilo; indicare una parte più lunga del nome o il numero:
%3</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>TEXT</source>
        <extracomment>the value of a setting&apos;s option in --help (&quot;--video-size TEXT&quot;); the same word as TEXT in the list of options</extracomment>
        <translation>TESTO</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Usage: tavrel-convert [options] FILE...
Converts videos as Tavrel&apos;s window does, one after another or several at once, into MP4 files through the encoder or WMV files. A FOLDER among the FILEs adds the videos directly inside it.

  -p, --profile N|TEXT  MP4 profile by number or part of its title (default %1)
      --wmv[=N|TEXT]    WMV output with that WMV profile (default 0)
  -o, --output DIR      output folder, made when missing (default: the window&apos;s, else the current folder; now %2)
      --start T         convert from T: seconds or hh:mm:ss.mmm
      --end T           convert up to T
      --title TEXT      name of the output file (only with one FILE)
      --always-encode   encode the picture even when the source already fits the profile
  -j, --jobs N          videos at once (default: the window&apos;s setting, now %3)
      --json            report as JSON, one object a line
      --list-profiles   list the profiles and the settings&apos; values
  -q, --quiet           report only failures
  -h, --help            this text
      --version         the program&apos;s version

Settings of the custom profile (-p 0), by their texts as the window lists them (see --list-profiles):
%4

Exit status: 0 every video converted, 1 some failed, 2 bad usage or no usable input, 130 after Ctrl+C (SIGINT), 143 after SIGTERM.
</source>
        <extracomment>--help. Keep the options and the layout (the descriptions start in the column of the first line&apos;s); translate the descriptions and the names of values (FILE, N, TEXT, DIR, T). %1 is the default profile&apos;s number, %2 the default output folder, %3 the default number of videos at once, %4 the lines of the settings&apos; options</extracomment>
        <translation>Uso: tavrel-convert [opzioni] FILE...
Converte i video come fa la finestra di Tavrel, uno dopo l&apos;altro o più insieme, in file MP4 tramite l&apos;encoder o in file WMV. Una CARTELLA tra i FILE aggiunge i video contenuti direttamente in essa.

  -p, --profile N|TESTO profilo MP4 per numero o parte del titolo (predefinito %1)
      --wmv[=N|TESTO]   output WMV con quel profilo WMV (predefinito 0)
  -o, --output CARTELLA cartella di destinazione, creata se manca (predefinita: quella della finestra, altrimenti la cartella corrente; ora %2)
      --start T         converte da T: secondi o hh:mm:ss.mmm
      --end T           converte fino a T
      --title TESTO     nome del file di destinazione (solo con un FILE)
      --always-encode   codifica l&apos;immagine anche quando l&apos;origine è già adatta al profilo
  -j, --jobs N          video alla volta (predefinito: l&apos;impostazione della finestra, ora %3)
      --json            resoconto in JSON, un oggetto per riga
      --list-profiles   elenca i profili e i valori delle impostazioni
  -q, --quiet           segnala solo gli errori
  -h, --help            questo testo
      --version         la versione del programma

Impostazioni del profilo personalizzato (-p 0), con i testi elencati nella finestra (vedere --list-profiles):
%4

Stato di uscita: 0 tutti i video convertiti, 1 alcuni non riusciti, 2 uso errato o nessun input utilizzabile, 130 dopo Ctrl+C (SIGINT), 143 dopo SIGTERM.
</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>(default)</source>
        <extracomment>after the default profile&apos;s line in --list-profiles</extracomment>
        <translation>(predefinito)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 (default %2)</source>
        <extracomment>%1 is the values a setting&apos;s option takes (typed as listed, so they stay), %2 the value it has unless given</extracomment>
        <translation>%1 (predefinito %2)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>MP4 profiles (-p N or part of the title):
%1

WMV profiles (--wmv=N or part of the name):
%2

Settings of the custom profile (-p 0):
%3
</source>
        <extracomment>--list-profiles: three headings, each with its list under it (%1, %2, %3); keep the options as they are</extracomment>
        <translation>Profili MP4 (-p N o parte del titolo):
%1

Profili WMV (--wmv=N o parte del nome):
%2

Impostazioni del profilo personalizzato (-p 0):
%3
</translation>
    </message>
    <message>
        <location filename="../cli/main.cpp" line="+67"/>
        <source>Try &quot;tavrel-convert --help&quot; for the options.</source>
        <extracomment>after a refused command line, on the next line</extracomment>
        <translation>Usare &quot;tavrel-convert --help&quot; per le opzioni.</translation>
    </message>
</context>
<context>
    <name>ConvertRunner</name>
    <message>
        <location filename="../cli/ConvertRunner.cpp" line="+87"/>
        <source>No video to convert.</source>
        <translation>Nessun video da convertire.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--title names one output file, but the inputs hold %1 videos.</source>
        <extracomment>%1 is the number of videos found among the inputs (2 or more)</extracomment>
        <translation>--title indica un solo file di destinazione, ma gli input contengono %1 video.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The output folder %1 cannot be made.</source>
        <extracomment>%1 is a folder&apos;s path</extracomment>
        <translation>Impossibile creare la cartella di destinazione %1.</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>The conversion could not start.</source>
        <translation>Impossibile avviare la conversione.</translation>
    </message>
</context>
<context>
    <name>EncoderRun</name>
    <message>
        <location filename="../engine/EncoderRun.cpp" line="+76"/>
        <source>The profile gives no encoder command line.</source>
        <translation>Il profilo non fornisce una riga di comando per l&apos;encoder.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The encoder &quot;%1&quot; was not found.</source>
        <extracomment>%1 is the encoder program&apos;s name.</extracomment>
        <translation>Encoder &quot;%1&quot; non trovato.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>The encoder &quot;%1&quot; could not be started: %2</source>
        <extracomment>%1 is the encoder program&apos;s name, %2 the system&apos;s reason.</extracomment>
        <translation>Impossibile avviare l&apos;encoder &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <location line="+108"/>
        <source>The encoder crashed.</source>
        <translation>L&apos;encoder si è bloccato.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The encoder ended with exit code %1.</source>
        <extracomment>%1 is the encoder&apos;s exit code, a number.</extracomment>
        <translation>L&apos;encoder è terminato con codice di uscita %1.</translation>
    </message>
</context>
<context>
    <name>FfmpegConverter</name>
    <message>
        <location filename="../media/FfmpegConverter.cpp" line="+243"/>
        <source>There is no clip to convert.</source>
        <translation>Nessuna clip da convertire.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No output file was named.</source>
        <translation>Nessun file di destinazione indicato.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The source file %1 does not exist.</source>
        <extracomment>%1 is a file&apos;s path</extracomment>
        <translation>Il file di origine %1 non esiste.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The output settings are not supported (format %1, %2x%3).</source>
        <extracomment>%1 is the output format&apos;s number, %2x%3 the picture&apos;s width and height in pixels</extracomment>
        <translation>Le impostazioni di output non sono supportate (formato %1, %2x%3).</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The converter %1 was not found.</source>
        <extracomment>%1 is the converter program&apos;s name, such as ffmpeg</extracomment>
        <translation>Convertitore %1 non trovato.</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>The converter could not be started: %1</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>Impossibile avviare il convertitore: %1</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>The conversion was stopped.</source>
        <translation>La conversione è stata interrotta.</translation>
    </message>
    <message>
        <location line="+91"/>
        <source>The converter stopped unexpectedly.</source>
        <translation>Il convertitore si è interrotto in modo imprevisto.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The converter ended with exit code %1.</source>
        <extracomment>%1 is a number</extracomment>
        <translation>Il convertitore è terminato con codice di uscita %1.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The converter wrote no output file.</source>
        <translation>Il convertitore non ha scritto alcun file di destinazione.</translation>
    </message>
</context>
<context>
    <name>InstanceChannel</name>
    <message>
        <location filename="../engine/InstanceChannel.cpp" line="+113"/>
        <source>files opened later will open windows of their own: %1</source>
        <extracomment>Printed after &quot;Tavrel: &quot;; %1 is the system&apos;s reason.</extracomment>
        <translation>i file aperti in seguito apriranno finestre proprie: %1</translation>
    </message>
</context>
<context>
    <name>ListKeeper</name>
    <message>
        <location filename="../ui/ListKeeper.cpp" line="+54"/>
        <source>another Tavrel window keeps the list of videos; this window&apos;s list is not kept when it closes.</source>
        <translation>un&apos;altra finestra di Tavrel conserva l&apos;elenco dei video; l&apos;elenco di questa finestra non verrà conservato alla chiusura.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the list of videos cannot be kept in %1.</source>
        <translation>impossibile conservare l&apos;elenco dei video in %1.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>the saved list %1 is left as it is and this window&apos;s list is not kept: %2.</source>
        <translation>l&apos;elenco salvato %1 viene lasciato invariato e l&apos;elenco di questa finestra non viene conservato: %2.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>the saved list %1 cannot be read, the list starts empty: %2.</source>
        <translation>impossibile leggere l&apos;elenco salvato %1, l&apos;elenco parte vuoto: %2.</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>the list of videos cannot be written to %1: %2</source>
        <translation>impossibile scrivere l&apos;elenco dei video in %1: %2</translation>
    </message>
</context>
<context>
    <name>MediaDuration</name>
    <message>
        <location filename="../engine/MediaDuration.cpp" line="+34"/>
        <source>The file holds no picture and no sound.</source>
        <translation>Il file non contiene né video né audio.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file does not say how long it lasts.</source>
        <translation>Il file non indica la propria durata.</translation>
    </message>
</context>
<context>
    <name>NotAddedNotice</name>
    <message>
        <location filename="../engine/NotAddedNotice.cpp" line="+11"/>
        <source>This file could not be added (not a readable video of a supported type):</source>
        <extracomment>Notice above a list of file names, one a line.</extracomment>
        <translation>Impossibile aggiungere questo file (non è un video leggibile di un tipo supportato):</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>These files could not be added (not readable videos of a supported type):</source>
        <translation>Impossibile aggiungere questi file (non sono video leggibili di un tipo supportato):</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>and %1 more</source>
        <extracomment>Last line of the notice&apos;s list of file names; %1 is how many names are not shown.</extracomment>
        <translation>e altri %1</translation>
    </message>
</context>
<context>
    <name>OutputPath</name>
    <message>
        <location filename="../engine/OutputPath.cpp" line="+132"/>
        <source>The output directory &quot;%1&quot; does not exist.</source>
        <extracomment>%1 is the folder&apos;s path.</extracomment>
        <translation>La cartella di destinazione &quot;%1&quot; non esiste.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The output directory &quot;%1&quot; cannot be written.</source>
        <extracomment>%1 is the folder&apos;s path.</extracomment>
        <translation>Impossibile scrivere nella cartella di destinazione &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>OutputVerifier</name>
    <message>
        <location filename="../engine/OutputVerifier.cpp" line="+90"/>
        <source>The output file is not playable. %1</source>
        <extracomment>%1 is why the file could not be read, a sentence.</extracomment>
        <translation>Il file di destinazione non è riproducibile. %1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Nothing playable was written before the stop.</source>
        <translation>Non è stato scritto nulla di riproducibile prima dell&apos;interruzione.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The output file has no picture.</source>
        <translation>Il file di destinazione non contiene video.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The output file has no sound.</source>
        <translation>Il file di destinazione non contiene audio.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The output file lasts %1 s instead of %2 s.</source>
        <extracomment>%1 is the file&apos;s length, %2 the length expected, both in seconds.</extracomment>
        <translation>Il file di destinazione dura %1 s invece di %2 s.</translation>
    </message>
</context>
<context>
    <name>PartFile</name>
    <message>
        <location filename="../engine/PartFile.cpp" line="+102"/>
        <source>%1 cannot be created: %2</source>
        <extracomment>%1 is a file&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>Impossibile creare %1: %2</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+32"/>
        <source>No free file name was found.</source>
        <translation>Nessun nome di file libero trovato.</translation>
    </message>
    <message>
        <location line="-19"/>
        <source>There is no file to move.</source>
        <translation>Nessun file da spostare.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 cannot be written: %2</source>
        <extracomment>%1 is a file&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
</context>
<context>
    <name>ProgressText</name>
    <message>
        <location filename="../engine/ProgressText.cpp" line="+52"/>
        <source>Remain Time:</source>
        <extracomment>Progress cell, before the time left as hh:mm:ss; the cell is narrow.</extracomment>
        <translation>Rimanente:</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Used Time:%1 S</source>
        <extracomment>Progress cell; %1 is the whole seconds the conversion has taken so far.</extracomment>
        <translation>Tempo impiegato:%1 s</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Failed</source>
        <extracomment>Progress cell of a conversion that failed.</extracomment>
        <translation>Non riuscita</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Failed: %1</source>
        <extracomment>Progress cell; %1 is the first line of why the conversion failed.</extracomment>
        <translation>Non riuscita: %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Stopped</source>
        <extracomment>Progress cell of a conversion the user stopped.</extracomment>
        <translation>Interrotta</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Stopped: the first %1 were kept in %2.</source>
        <extracomment>Tooltip; %1 is a length as hh:mm:ss, %2 the output file&apos;s name.</extracomment>
        <translation>Interrotta: i primi %1 sono stati conservati in %2.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Stopped: nothing was kept.</source>
        <extracomment>Tooltip of a stopped conversion whose output file was removed.</extracomment>
        <translation>Interrotta: non è stato conservato nulla.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Finished</source>
        <extracomment>Progress cell of a conversion that ended well.</extracomment>
        <translation>Completata</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>video copied</source>
        <extracomment>Tooltip: the picture was copied from the source, not encoded again.</extracomment>
        <translation>video copiato</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Paused</source>
        <extracomment>Progress cell of a conversion the user paused.</extracomment>
        <translation>In pausa</translation>
    </message>
</context>
<context>
    <name>SafeMediaFile</name>
    <message>
        <location filename="../engine/SafeMediaFile.cpp" line="+55"/>
        <source>The file could not be read: it is not a regular file.</source>
        <translation>Impossibile leggere il file: non è un file regolare.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The file could not be read: it does not exist.</source>
        <translation>Impossibile leggere il file: non esiste.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Out of memory.</source>
        <translation>Memoria esaurita.</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>The file could not be read in time.</source>
        <translation>Impossibile leggere il file entro il tempo previsto.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The file could not be read: %1</source>
        <extracomment>%1 is libavformat&apos;s reason, in English.</extracomment>
        <translation>Impossibile leggere il file: %1</translation>
    </message>
</context>
<context>
    <name>SavedTask</name>
    <message>
        <location filename="../engine/SavedTask.cpp" line="+42"/>
        <source>The profile “%1” no longer exists; the default profile “%2” is used instead.</source>
        <extracomment>Tooltip of a restored row; %1 is the profile that is gone, %2 the one used instead.</extracomment>
        <translation>Il profilo «%1» non esiste più; al suo posto viene usato il profilo predefinito «%2».</translation>
    </message>
</context>
<context>
    <name>SavedTaskList</name>
    <message>
        <location filename="../engine/SavedTaskList.cpp" line="+72"/>
        <source>it is not JSON (%1 at byte %2)</source>
        <extracomment>Why the kept list cannot be read; %1 is the JSON parser&apos;s reason, %2 a byte offset.</extracomment>
        <translation>non è JSON (%1 al byte %2)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>it has no format version</source>
        <extracomment>Why the kept list cannot be read.</extracomment>
        <translation>non ha una versione del formato</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>it was written by a newer Tavrel (format %1; this one reads %2)</source>
        <extracomment>%1 and %2 are format version numbers.</extracomment>
        <translation>è stato scritto da una versione più recente di Tavrel (formato %1; questa legge il %2)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>it holds no list of tasks</source>
        <extracomment>Why the kept list cannot be read.</extracomment>
        <translation>non contiene un elenco di attività</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>it names no source file</source>
        <extracomment>What is wrong with one task of the kept list.</extracomment>
        <translation>non indica alcun file di origine</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>in task %1, %2</source>
        <extracomment>%1 is the task&apos;s number, %2 what is wrong with it.</extracomment>
        <translation>nell&apos;attività %1, %2</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>it is not a file</source>
        <extracomment>Why the kept list cannot be read.</extracomment>
        <translation>non è un file</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>it is too large</source>
        <extracomment>Why the kept list cannot be read.</extracomment>
        <translation>è troppo grande</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1; it was kept as %2</source>
        <extracomment>%1 is why the list cannot be read, %2 the path it was moved to.</extracomment>
        <translation>%1; è stato conservato come %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1; it could not be set aside</source>
        <extracomment>%1 is why the list cannot be read.</extracomment>
        <translation>%1; non è stato possibile metterlo da parte</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>the folder %1 cannot be made</source>
        <extracomment>%1 is a folder&apos;s path.</extracomment>
        <translation>impossibile creare la cartella %1</translation>
    </message>
</context>
<context>
    <name>SettingTables</name>
    <message>
        <location filename="../engine/SettingTables.cpp" line="+17"/>
        <source>kbps</source>
        <extracomment>unit of a bit rate in a combo box item (&quot;128 kbps&quot;)</extracomment>
        <translation>kbps</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>fps</source>
        <extracomment>unit of a frame rate in a combo box item (&quot;29.97 fps&quot;)</extracomment>
        <translation>fps</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hz</source>
        <extracomment>unit of a sample rate in a combo box item (&quot;44100 Hz&quot;)</extracomment>
        <translation>Hz</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Video Type</source>
        <extracomment>label beside its combo box, about 75 px wide</extracomment>
        <translation>Tipo video</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Video Size</source>
        <extracomment>label beside its combo box, about 75 px wide</extracomment>
        <translation>Dimensioni</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Frame Rate</source>
        <extracomment>label beside its combo box, about 75 px wide</extracomment>
        <translation>Fotogrammi/s</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Video Quality</source>
        <extracomment>label beside its combo box, about 75 px wide</extracomment>
        <translation>Qualità video</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Video Aspect</source>
        <extracomment>label beside its combo box, about 75 px wide</extracomment>
        <translation>Proporzioni</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Channels</source>
        <extracomment>label beside its combo box, about 75 px wide</extracomment>
        <translation>Canali</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Mono</source>
        <extracomment>combo box item, about 80 px wide</extracomment>
        <translation>Mono</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stereo</source>
        <translation>Stereo</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Audio Quality</source>
        <extracomment>label beside its combo box, about 75 px wide</extracomment>
        <translation>Qualità audio</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Sample Rate</source>
        <extracomment>label beside its combo box, about 75 px wide</extracomment>
        <translation>Campionam.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Volume</source>
        <extracomment>label beside its combo box, about 75 px wide</extracomment>
        <translation>Volume</translation>
    </message>
</context>
<context>
    <name>SourceFiles</name>
    <message>
        <location filename="../engine/SourceFiles.cpp" line="+22"/>
        <source>Support Video Files</source>
        <extracomment>File dialog&apos;s filter: every type the program reads.</extracomment>
        <translation>File video supportati</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>RealMedia Files (*.rm,*.rmvb)</source>
        <translation>File RealMedia (*.rm,*.rmvb)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>AVI Files (*.avi)</source>
        <translation>File AVI (*.avi)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mpeg files (*.mpg, *.mpeg,*.vob)</source>
        <translation>File MPEG (*.mpg, *.mpeg,*.vob)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Windows Media files (*.wmv, *.wma, *.asf)</source>
        <translation>File Windows Media (*.wmv, *.wma, *.asf)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Quick Time Files (*.mov, *.qt)</source>
        <translation>File QuickTime (*.mov, *.qt)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3GP Files (*.3gp)</source>
        <translation>File 3GP (*.3gp)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Modern Video Files (*.mp4, *.m4v, *.mkv, *.webm, *.ts, *.mts, *.m2ts, *.flv, *.ogv, *.dv, *.divx, *.3g2)</source>
        <translation>File video moderni (*.mp4, *.m4v, *.mkv, *.webm, *.ts, *.mts, *.m2ts, *.flv, *.ogv, *.dv, *.divx, *.3g2)</translation>
    </message>
</context>
<context>
    <name>TaskArray</name>
    <message>
        <location filename="../engine/TaskArray.cpp" line="+57"/>
        <source>The conversion failed.</source>
        <translation>Conversione non riuscita.</translation>
    </message>
</context>
<context>
    <name>TaskRecord</name>
    <message>
        <location filename="../engine/TaskRecord.cpp" line="+152"/>
        <source>the value of &quot;%1&quot; is not what it should be</source>
        <extracomment>Why a kept task cannot be read; %1 is the name of a field in the file.</extracomment>
        <translation>il valore di &quot;%1&quot; non è quello previsto</translation>
    </message>
</context>
<context>
    <name>TaskRowActions</name>
    <message>
        <location filename="../ui/TaskRowActions.cpp" line="+36"/>
        <source>Apply these settings to all videos</source>
        <translation>Applica queste impostazioni a tutti i video</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Show log…</source>
        <translation>Mostra registro…</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Open output folder</source>
        <translation>Apri cartella di destinazione</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Play output</source>
        <translation>Riproduci risultato</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Convert again</source>
        <translation>Converti di nuovo</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Always re-encode</source>
        <translation>Ricodifica sempre</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Remove</source>
        <extracomment>row menu: removes the selected videos from the list</extracomment>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Remove finished</source>
        <translation>Rimuovi completati</translation>
    </message>
</context>
<context>
    <name>TextReport</name>
    <message>
        <location filename="../cli/TextReport.cpp" line="+60"/>
        <source>%1 Converting %2</source>
        <extracomment>%1 is the video&apos;s place, such as [2/5]; %2 its file name</extracomment>
        <translation>%1 Conversione di %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 %2: starting</source>
        <extracomment>%1 is the video&apos;s place, such as [2/5]; %2 its file name</extracomment>
        <translation>%1 %2: avvio</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1 MB</source>
        <extracomment>%1 is a size in megabytes, such as 12.5</extracomment>
        <translation>%1 MB</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 left</source>
        <extracomment>%1 is the time still needed, hh:mm:ss</extracomment>
        <translation>%1 rimanenti</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>[%1/%2] %3  %4 %  %5  %6</source>
        <extracomment>a running video&apos;s line: [%1 of %2 videos] %3 file name, %4 percent done, %5 size written (&quot;12.5 MB&quot;), %6 time left (&quot;00:01:05 left&quot;, may be empty); one line of a terminal</extracomment>
        <translation>[%1/%2] %3  %4%  %5  %6</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>%1 Converted %2 -&gt; %3 (video copied)</source>
        <extracomment>%1 is the video&apos;s place, such as [2/5]; %2 its file name; %3 the output file&apos;s path. Its picture was copied from the source, not encoded again.</extracomment>
        <translation>%1 Convertito %2 -&gt; %3 (video copiato)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 Converted %2 -&gt; %3</source>
        <extracomment>%1 is the video&apos;s place, such as [2/5]; %2 its file name; %3 the output file&apos;s path</extracomment>
        <translation>%1 Convertito %2 -&gt; %3</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 Failed %2: %3</source>
        <extracomment>%1 is the video&apos;s place, such as [2/5]; %2 its file name; %3 why it failed</extracomment>
        <translation>%1 Non riuscito %2: %3</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 Stopped %2: nothing was kept</source>
        <extracomment>%1 is the video&apos;s place, such as [2/5]; %2 its file name</extracomment>
        <translation>%1 Interrotto %2: non è stato conservato nulla</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 Stopped %2: the first %3 were kept in %4</source>
        <extracomment>%1 is the video&apos;s place, such as [2/5]; %2 its file name; %3 a time, hh:mm:ss; %4 the output file&apos;s path</extracomment>
        <translation>%1 Interrotto %2: i primi %3 sono stati conservati in %4</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Log of %1: %2</source>
        <extracomment>%1 is a video&apos;s file name, %2 the path of its log file</extracomment>
        <translation>Registro di %1: %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Stopped: %1 converted, %2 failed, %3 stopped, %4 not started.</source>
        <extracomment>the summary after a termination signal; %1 to %4 are numbers of videos</extracomment>
        <translation>Interrotto: %1 convertiti, %2 non riusciti, %3 interrotti, %4 non avviati.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 converted, %2 failed.</source>
        <extracomment>the summary; %1 and %2 are numbers of videos</extracomment>
        <translation>%1 convertiti, %2 non riusciti.</translation>
    </message>
</context>
<context>
    <name>TrackMenus</name>
    <message>
        <location filename="../ui/TrackMenus.cpp" line="+23"/>
        <source>“%1”</source>
        <extracomment>a track&apos;s own title in the row menu, in the language&apos;s quotation marks</extracomment>
        <translation>«%1»</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Track %1</source>
        <extracomment>a sound or subtitle track in the row menu; %1 is its number</extracomment>
        <translation>Traccia %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>, </source>
        <extracomment>between a track&apos;s details in the row menu (English, stereo, &quot;Commentary&quot;)</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Track %1: %2</source>
        <extracomment>a sound or subtitle track in the row menu; %1 is its number, %2 its details (language, channels or kind, title)</extracomment>
        <translation>Traccia %1: %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>mono</source>
        <translation>mono</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>stereo</source>
        <translation>stereo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 channels</source>
        <translation>%1 canali</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Sound</source>
        <translation>Audio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Subtitles</source>
        <translation>Sottotitoli</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Reading the source…</source>
        <translation>Lettura dell&apos;origine…</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>No sound tracks</source>
        <translation>Nessuna traccia audio</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>None</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>forced</source>
        <translation>forzati</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>text</source>
        <translation>testo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>pictures</source>
        <translation>immagini</translation>
    </message>
</context>
<context>
    <name>WindowAccessibility</name>
    <message>
        <location filename="../ui/WindowAccessibility.cpp" line="+15"/>
        <source>Add videos with + or drop them here</source>
        <extracomment>shown in the empty list of videos, which is about 600 px wide</extracomment>
        <translation>Aggiungere i video con + o trascinarli qui</translation>
    </message>
</context>
<context>
    <name>WindowMessages</name>
    <message>
        <location filename="../ui/WindowMessages.cpp" line="+15"/>
        <source>Information</source>
        <extracomment>caption of a message box</extracomment>
        <translation>Informazione</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Warning</source>
        <extracomment>caption of a message box</extracomment>
        <translation>Avviso</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Help</source>
        <extracomment>caption of the message box saying the help page could not be opened</extracomment>
        <translation>Aiuto</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The page could not be opened: no program for it was found.

You can open it yourself: %1</source>
        <extracomment>%1 is the help page&apos;s path</extracomment>
        <translation>Impossibile aprire la pagina: non è stato trovato alcun programma adatto.

È possibile aprirla manualmente: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Your computer cannot shutdown</source>
        <translation>Impossibile spegnere il computer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A conversion is running. Stop it and close Tavrel?</source>
        <translation>È in corso una conversione. Interromperla e chiudere Tavrel?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Stop and close</source>
        <extracomment>button; &amp; marks the Alt key letter</extracomment>
        <translation>&amp;Interrompi e chiudi</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Keep converting</source>
        <extracomment>button; &amp; marks the Alt key letter, which must differ from the other button&apos;s</extracomment>
        <translation>&amp;Continua la conversione</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Power off now</source>
        <extracomment>button beside Cancel in the power-off countdown</extracomment>
        <translation>Spegni ora</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The computer will power off in 1 second</source>
        <translation>Il computer si spegnerà tra 1 secondo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The computer will power off in %1 seconds</source>
        <extracomment>%1 is the number of seconds left, 2 to 60</extracomment>
        <translation>Il computer si spegnerà tra %1 secondi</translation>
    </message>
</context>
</TS>
