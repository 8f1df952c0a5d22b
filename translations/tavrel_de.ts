<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
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
        <translation>%1 Video konvertiert</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 videos converted</source>
        <extracomment>Desktop notification after &quot;Tavrel: &quot;; %1 is the number of videos.</extracomment>
        <translation>%1 Videos konvertiert</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 converted, %2 failed</source>
        <extracomment>Desktop notification after &quot;Tavrel: &quot;; %1 and %2 are numbers of videos.</extracomment>
        <translation>%1 konvertiert, %2 fehlgeschlagen</translation>
    </message>
</context>
<context>
    <name>BatchTexts</name>
    <message>
        <location filename="../engine/BatchTexts.cpp" line="+25"/>
        <source>Converting Finished</source>
        <extracomment>Message box at the end of a batch.</extracomment>
        <translation>Konvertierung abgeschlossen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 of %2 file failed</source>
        <extracomment>Message box; %1 is how many failed, %2 the batch&apos;s one file.</extracomment>
        <translation>%1 von %2 Datei fehlgeschlagen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 of %2 files failed</source>
        <extracomment>Message box; %1 is how many failed, %2 how many files the batch had.</extracomment>
        <translation>%1 von %2 Dateien fehlgeschlagen</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The file could not be read: its duration is unknown.</source>
        <translation>Die Datei konnte nicht gelesen werden: Ihre Dauer ist unbekannt.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The selected part of the file is empty: its end is not after its start.</source>
        <translation>Der ausgewählte Abschnitt der Datei ist leer: Sein Ende liegt nicht nach seinem Anfang.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The conversion made no progress for 1 minute and was ended.</source>
        <translation>Die Konvertierung kam 1 Minute lang nicht voran und wurde beendet.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The conversion made no progress for %1 minutes and was ended.</source>
        <extracomment>%1 is a whole number of minutes, 2 or more.</extracomment>
        <translation>Die Konvertierung kam %1 Minuten lang nicht voran und wurde beendet.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The conversion made no progress for 1 second and was ended.</source>
        <translation>Die Konvertierung kam 1 Sekunde lang nicht voran und wurde beendet.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The conversion made no progress for %1 seconds and was ended.</source>
        <extracomment>%1 is a number of seconds.</extracomment>
        <translation>Die Konvertierung kam %1 Sekunden lang nicht voran und wurde beendet.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 – Paused, %2 of %3 done</source>
        <extracomment>Window title; %1 is the program&apos;s caption, %2 the videos done, %3 the batch&apos;s count.</extracomment>
        <translation>%1 – Pausiert, %2 von %3 fertig</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 – %2 of %3 done</source>
        <extracomment>Window title; %1 is the program&apos;s caption, %2 the videos done, %3 the batch&apos;s count.</extracomment>
        <translation>%1 – %2 von %3 fertig</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 – %2 of %3, %4 %</source>
        <extracomment>Window title; %1 is the program&apos;s caption, %2 the number of the video being converted, %3 the batch&apos;s count, %4 its percent done.</extracomment>
        <translation>%1 – %2 von %3, %4 %</translation>
    </message>
</context>
<context>
    <name>CLogDialog</name>
    <message>
        <location filename="../ui/CLogDialog.cpp" line="+19"/>
        <source>Log of %1</source>
        <extracomment>caption of the log window; %1 is the source file&apos;s name</extracomment>
        <translation>Protokoll von %1</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Log</source>
        <extracomment>screen reader name of the log text</extracomment>
        <translation>Protokoll</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Saved as %1</source>
        <translation>Gespeichert als %1</translation>
    </message>
</context>
<context>
    <name>CRangeSlider</name>
    <message>
        <location filename="../controls/CRangeSlider.cpp" line="+224"/>
        <source>from %1 to %2</source>
        <extracomment>what a screen reader says of the slider choosing the part to convert; %1 and %2 are times (00:00:05)</extracomment>
        <translation>von %1 bis %2</translation>
    </message>
</context>
<context>
    <name>ControlTable</name>
    <message>
        <location filename="../ui/ControlTable.cpp" line="+40"/>
        <source>Videos to convert</source>
        <extracomment>screen reader name of the list of videos</extracomment>
        <translation>Zu konvertierende Videos</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Output Directory:</source>
        <extracomment>label, about 100 px wide</extracomment>
        <translation>Ausgabeordner:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Browse</source>
        <extracomment>push button, about 60 px wide</extracomment>
        <translation>Wählen…</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+87"/>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <location line="-81"/>
        <source>Title (showed in Zune)</source>
        <extracomment>label beside the title field, about 115 px wide</extracomment>
        <translation>Titel (Zune-Anzeige)</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>Help</source>
        <extracomment>push button, about 70 px wide</extracomment>
        <translation>Hilfe</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Conversion settings</source>
        <extracomment>screen reader name of the frame around the settings</extracomment>
        <translation>Konvertierungseinstellungen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Part to convert</source>
        <extracomment>screen reader name of the slider choosing the part of a video to convert</extracomment>
        <translation>Zu konvertierender Abschnitt</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Automatically Shut Down the computer when converting finished</source>
        <extracomment>check box, about 340 px wide</extracomment>
        <translation>Computer nach der Konvertierung automatisch herunterfahren</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>MPEG4 Profile</source>
        <extracomment>label beside its combo box, about 75 px wide</extracomment>
        <translation>MPEG4-Profil</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>WMV Profile</source>
        <extracomment>label beside its combo box, about 75 px wide</extracomment>
        <translation>WMV-Profil</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>To Zune MPEG4</source>
        <extracomment>radio button, about 105 px wide</extracomment>
        <translation>Als Zune-MPEG4</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>To Zune WMV</source>
        <extracomment>radio button, about 105 px wide</extracomment>
        <translation>Als Zune-WMV</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Output Type</source>
        <extracomment>label, about 74 px wide</extracomment>
        <translation>Ausgabetyp</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Videos at once</source>
        <extracomment>label beside a small combo box, about 80 px wide</extracomment>
        <translation>Gleichzeitig</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>Add a video to converting task</source>
        <extracomment>tooltip of an image button</extracomment>
        <translation>Video zur Konvertierung hinzufügen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add videos</source>
        <translation>Videos hinzufügen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Remove selected video</source>
        <translation>Ausgewähltes Video entfernen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove the selected video</source>
        <translation>Das ausgewählte Video entfernen</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+1"/>
        <source>Remove all videos</source>
        <translation>Alle Videos entfernen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Preview selected videos</source>
        <translation>Vorschau der ausgewählten Videos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Play the selected part</source>
        <translation>Den ausgewählten Abschnitt abspielen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Stop preview</source>
        <translation>Vorschau beenden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stop playing</source>
        <translation>Wiedergabe beenden</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Start Converting</source>
        <translation>Konvertierung starten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start converting</source>
        <translation>Konvertierung starten</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Stop Converting</source>
        <translation>Konvertierung stoppen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stop converting</source>
        <translation>Konvertierung stoppen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Pause Converting (Ctrl+P)</source>
        <translation>Konvertierung pausieren (Strg+P)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pause converting</source>
        <translation>Konvertierung pausieren</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Resume Converting (Ctrl+P)</source>
        <translation>Konvertierung fortsetzen (Strg+P)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Resume converting</source>
        <translation>Konvertierung fortsetzen</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Source</source>
        <extracomment>list column heading, about 120 px wide</extracomment>
        <translation>Quelle</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Begin Time</source>
        <extracomment>list column heading, about 70 px wide</extracomment>
        <translation>Startzeit</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>End Time</source>
        <extracomment>list column heading, about 70 px wide</extracomment>
        <translation>Endzeit</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Output</source>
        <extracomment>list column heading, about 100 px wide</extracomment>
        <translation>Ausgabe</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Progress</source>
        <extracomment>list column heading, about 250 px wide</extracomment>
        <translation>Fortschritt</translation>
    </message>
</context>
<context>
    <name>ConversionBatch</name>
    <message>
        <location filename="../engine/ConversionBatch.cpp" line="+22"/>
        <source>Error</source>
        <extracomment>Message box caption.</extracomment>
        <translation>Fehler</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Information</source>
        <extracomment>Message box caption.</extracomment>
        <translation>Information</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Converting videos</source>
        <extracomment>The desktop shows it as why sleep is held off while a batch runs.</extracomment>
        <translation>Videos werden konvertiert</translation>
    </message>
    <message>
        <location line="+69"/>
        <source>Please set the output directory firstly</source>
        <extracomment>Message box when Start is pressed with no output folder chosen.</extracomment>
        <translation>Bitte zuerst den Ausgabeordner festlegen</translation>
    </message>
</context>
<context>
    <name>ConversionJob</name>
    <message>
        <location filename="../engine/ConversionJob.cpp" line="+107"/>
        <source>The source file %1 is not a regular file.</source>
        <extracomment>%1 is the source file&apos;s path.</extracomment>
        <translation>Die Quelldatei %1 ist keine reguläre Datei.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The source file %1 does not exist.</source>
        <extracomment>%1 is the source file&apos;s path.</extracomment>
        <translation>Die Quelldatei %1 existiert nicht.</translation>
    </message>
    <message>
        <location line="+221"/>
        <source>The encoder did not finish its file when told to and had to be ended.</source>
        <translation>Der Encoder hat seine Datei auf Anweisung nicht abgeschlossen und musste beendet werden.</translation>
    </message>
</context>
<context>
    <name>ConvertArguments</name>
    <message>
        <location filename="../cli/ConvertArguments.cpp" line="+242"/>
        <source>Unknown option %1.</source>
        <extracomment>%1 is the option as given, such as --foo</extracomment>
        <translation>Unbekannte Option %1.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 takes no value.</source>
        <extracomment>%1 is an option, such as --json</extracomment>
        <translation>%1 erwartet keinen Wert.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1 needs a value.</source>
        <extracomment>%1 is an option, such as --jobs</extracomment>
        <translation>%1 benötigt einen Wert.</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>No WMV profile is available: the file of WMV profiles beside the program is missing or lists none.</source>
        <translation>Kein WMV-Profil verfügbar: Die Datei der WMV-Profile neben dem Programm fehlt oder enthält keine.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1 needs a folder.</source>
        <extracomment>%1 is the option, --output or -o</extracomment>
        <translation>%1 benötigt einen Ordner.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 &quot;%2&quot; is not a time: give seconds (90, 12.5) or hh:mm:ss.mmm (00:01:30.500).</source>
        <extracomment>%1 is the option (--start or --end), %2 the value given; keep the examples</extracomment>
        <translation>%1 „%2“ ist keine Zeitangabe: Sekunden (90, 12.5) oder hh:mm:ss.mmm (00:01:30.500) angeben.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 needs a text.</source>
        <extracomment>%1 is the option, --title</extracomment>
        <translation>%1 benötigt einen Text.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 &quot;%2&quot; is not a number of videos at once (1 or more).</source>
        <extracomment>%1 is the option (--jobs or -j), %2 the value given</extracomment>
        <translation>%1 „%2“ ist keine gültige Anzahl gleichzeitiger Videos (1 oder mehr).</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>%1 &quot;%2&quot; is not one of the values: %3.</source>
        <extracomment>%1 is a setting&apos;s option (--video-size), %2 the value given, %3 the values it takes, which stay as they are (they are typed as listed)</extracomment>
        <translation>%1 „%2“ ist keiner der Werte: %3.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>No video given: name the files or folders to convert.</source>
        <translation>Kein Video angegeben: Bitte die zu konvertierenden Dateien oder Ordner angeben.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--profile chooses an MP4 profile; it does not go with --wmv.</source>
        <translation>--profile wählt ein MP4-Profil und lässt sich nicht mit --wmv kombinieren.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is a setting of the custom MP4 profile; it does not go with --wmv.</source>
        <extracomment>%1 is a setting&apos;s option, such as --video-size</extracomment>
        <translation>%1 ist eine Einstellung des benutzerdefinierten MP4-Profils und lässt sich nicht mit --wmv kombinieren.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 is a setting of the custom profile (0, &quot;%2&quot;); choose it with -p 0.</source>
        <extracomment>%1 is a setting&apos;s option, such as --video-size; %2 the title of profile 0</extracomment>
        <translation>%1 ist eine Einstellung des benutzerdefinierten Profils (0, „%2“); dieses mit -p 0 wählen.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>No MP4 profile is available: the profile file is missing or lists none.</source>
        <translation>Kein MP4-Profil verfügbar: Die Profildatei fehlt oder enthält keine.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--end must come after --start.</source>
        <translation>--end muss nach --start liegen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--title names one output file: give exactly one FILE.</source>
        <translation>--title benennt eine Ausgabedatei: Bitte genau eine DATEI angeben.</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>%1 &quot;%2&quot;: no profile has that number or that in its name. The profiles are:
%3</source>
        <extracomment>%1 is the option (--profile or --wmv), %2 the value given, %3 the numbered profiles, one a line</extracomment>
        <translation>%1 „%2“: Kein Profil hat diese Nummer oder diesen Text im Namen. Die Profile sind:
%3</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 &quot;%2&quot; matches more than one profile; give more of the name or its number:
%3</source>
        <extracomment>%1 is the option (--profile or --wmv), %2 the value given, %3 the matching profiles, one a line</extracomment>
        <translation>%1 „%2“ passt auf mehr als ein Profil; bitte mehr vom Namen oder die Nummer angeben:
%3</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>TEXT</source>
        <extracomment>the value of a setting&apos;s option in --help (&quot;--video-size TEXT&quot;); the same word as TEXT in the list of options</extracomment>
        <translation>TEXT</translation>
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
        <translation>Aufruf: tavrel-convert [Optionen] DATEI...
Konvertiert Videos wie das Fenster von Tavrel, nacheinander oder mehrere gleichzeitig, über den Encoder in MP4-Dateien oder in WMV-Dateien. Ein ORDNER unter den DATEIen fügt die Videos hinzu, die direkt darin liegen.

  -p, --profile N|TEXT  MP4-Profil nach Nummer oder Teil seines Titels (Standard: %1)
      --wmv[=N|TEXT]    WMV-Ausgabe mit diesem WMV-Profil (Standard: 0)
  -o, --output ORDNER   Ausgabeordner, wird bei Bedarf angelegt (Standard: der des Fensters, sonst der aktuelle Ordner; derzeit %2)
      --start ZEIT      ab ZEIT konvertieren: Sekunden oder hh:mm:ss.mmm
      --end ZEIT        bis ZEIT konvertieren
      --title TEXT      Name der Ausgabedatei (nur mit einer DATEI)
      --always-encode   das Bild auch dann neu kodieren, wenn die Quelle schon zum Profil passt
  -j, --jobs N          Videos gleichzeitig (Standard: die Einstellung des Fensters, derzeit %3)
      --json            Ausgabe als JSON, ein Objekt pro Zeile
      --list-profiles   die Profile und die Werte der Einstellungen auflisten
  -q, --quiet           nur Fehlschläge melden
  -h, --help            dieser Text
      --version         die Version des Programms

Einstellungen des benutzerdefinierten Profils (-p 0), mit ihren Texten, wie das Fenster sie auflistet (siehe --list-profiles):
%4

Exit-Status: 0 alle Videos konvertiert, 1 einige fehlgeschlagen, 2 falscher Aufruf oder keine verwendbare Eingabe, 130 nach Strg+C (SIGINT), 143 nach SIGTERM.
</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>(default)</source>
        <extracomment>after the default profile&apos;s line in --list-profiles</extracomment>
        <translation>(Standard)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 (default %2)</source>
        <extracomment>%1 is the values a setting&apos;s option takes (typed as listed, so they stay), %2 the value it has unless given</extracomment>
        <translation>%1 (Standard: %2)</translation>
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
        <translation>MP4-Profile (-p N oder Teil des Titels):
%1

WMV-Profile (--wmv=N oder Teil des Namens):
%2

Einstellungen des benutzerdefinierten Profils (-p 0):
%3
</translation>
    </message>
    <message>
        <location filename="../cli/main.cpp" line="+67"/>
        <source>Try &quot;tavrel-convert --help&quot; for the options.</source>
        <extracomment>after a refused command line, on the next line</extracomment>
        <translation>„tavrel-convert --help“ zeigt die Optionen an.</translation>
    </message>
</context>
<context>
    <name>ConvertRunner</name>
    <message>
        <location filename="../cli/ConvertRunner.cpp" line="+87"/>
        <source>No video to convert.</source>
        <translation>Kein Video zu konvertieren.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--title names one output file, but the inputs hold %1 videos.</source>
        <extracomment>%1 is the number of videos found among the inputs (2 or more)</extracomment>
        <translation>--title benennt eine Ausgabedatei, aber die Eingaben enthalten %1 Videos.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The output folder %1 cannot be made.</source>
        <extracomment>%1 is a folder&apos;s path</extracomment>
        <translation>Der Ausgabeordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>The conversion could not start.</source>
        <translation>Die Konvertierung konnte nicht gestartet werden.</translation>
    </message>
</context>
<context>
    <name>EncoderRun</name>
    <message>
        <location filename="../engine/EncoderRun.cpp" line="+76"/>
        <source>The profile gives no encoder command line.</source>
        <translation>Das Profil gibt keine Befehlszeile für den Encoder an.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The encoder &quot;%1&quot; was not found.</source>
        <extracomment>%1 is the encoder program&apos;s name.</extracomment>
        <translation>Der Encoder „%1“ wurde nicht gefunden.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>The encoder &quot;%1&quot; could not be started: %2</source>
        <extracomment>%1 is the encoder program&apos;s name, %2 the system&apos;s reason.</extracomment>
        <translation>Der Encoder „%1“ konnte nicht gestartet werden: %2</translation>
    </message>
    <message>
        <location line="+108"/>
        <source>The encoder crashed.</source>
        <translation>Der Encoder ist abgestürzt.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The encoder ended with exit code %1.</source>
        <extracomment>%1 is the encoder&apos;s exit code, a number.</extracomment>
        <translation>Der Encoder wurde mit Exit-Code %1 beendet.</translation>
    </message>
</context>
<context>
    <name>FfmpegConverter</name>
    <message>
        <location filename="../media/FfmpegConverter.cpp" line="+243"/>
        <source>There is no clip to convert.</source>
        <translation>Es gibt keinen Clip zum Konvertieren.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No output file was named.</source>
        <translation>Es wurde keine Ausgabedatei angegeben.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The source file %1 does not exist.</source>
        <extracomment>%1 is a file&apos;s path</extracomment>
        <translation>Die Quelldatei %1 existiert nicht.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The output settings are not supported (format %1, %2x%3).</source>
        <extracomment>%1 is the output format&apos;s number, %2x%3 the picture&apos;s width and height in pixels</extracomment>
        <translation>Die Ausgabeeinstellungen werden nicht unterstützt (Format %1, %2x%3).</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The converter %1 was not found.</source>
        <extracomment>%1 is the converter program&apos;s name, such as ffmpeg</extracomment>
        <translation>Der Konverter %1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>The converter could not be started: %1</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>Der Konverter konnte nicht gestartet werden: %1</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>The conversion was stopped.</source>
        <translation>Die Konvertierung wurde gestoppt.</translation>
    </message>
    <message>
        <location line="+91"/>
        <source>The converter stopped unexpectedly.</source>
        <translation>Der Konverter wurde unerwartet beendet.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The converter ended with exit code %1.</source>
        <extracomment>%1 is a number</extracomment>
        <translation>Der Konverter wurde mit Exit-Code %1 beendet.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The converter wrote no output file.</source>
        <translation>Der Konverter hat keine Ausgabedatei geschrieben.</translation>
    </message>
</context>
<context>
    <name>InstanceChannel</name>
    <message>
        <location filename="../engine/InstanceChannel.cpp" line="+113"/>
        <source>files opened later will open windows of their own: %1</source>
        <extracomment>Printed after &quot;Tavrel: &quot;; %1 is the system&apos;s reason.</extracomment>
        <translation>später geöffnete Dateien öffnen eigene Fenster: %1</translation>
    </message>
</context>
<context>
    <name>ListKeeper</name>
    <message>
        <location filename="../ui/ListKeeper.cpp" line="+54"/>
        <source>another Tavrel window keeps the list of videos; this window&apos;s list is not kept when it closes.</source>
        <translation>ein anderes Tavrel-Fenster verwaltet die Videoliste; die Liste dieses Fensters wird beim Schließen nicht gespeichert.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the list of videos cannot be kept in %1.</source>
        <translation>die Videoliste kann nicht in %1 gespeichert werden.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>the saved list %1 is left as it is and this window&apos;s list is not kept: %2.</source>
        <translation>die gespeicherte Liste %1 bleibt unverändert und die Liste dieses Fensters wird nicht gespeichert: %2.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>the saved list %1 cannot be read, the list starts empty: %2.</source>
        <translation>die gespeicherte Liste %1 kann nicht gelesen werden, die Liste beginnt leer: %2.</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>the list of videos cannot be written to %1: %2</source>
        <translation>die Videoliste kann nicht in %1 geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>MediaDuration</name>
    <message>
        <location filename="../engine/MediaDuration.cpp" line="+34"/>
        <source>The file holds no picture and no sound.</source>
        <translation>Die Datei enthält weder Bild noch Ton.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file does not say how long it lasts.</source>
        <translation>Die Datei gibt ihre Dauer nicht an.</translation>
    </message>
</context>
<context>
    <name>NotAddedNotice</name>
    <message>
        <location filename="../engine/NotAddedNotice.cpp" line="+11"/>
        <source>This file could not be added (not a readable video of a supported type):</source>
        <extracomment>Notice above a list of file names, one a line.</extracomment>
        <translation>Diese Datei konnte nicht hinzugefügt werden (kein lesbares Video eines unterstützten Typs):</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>These files could not be added (not readable videos of a supported type):</source>
        <translation>Diese Dateien konnten nicht hinzugefügt werden (keine lesbaren Videos eines unterstützten Typs):</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>and %1 more</source>
        <extracomment>Last line of the notice&apos;s list of file names; %1 is how many names are not shown.</extracomment>
        <translation>und %1 weitere</translation>
    </message>
</context>
<context>
    <name>OutputPath</name>
    <message>
        <location filename="../engine/OutputPath.cpp" line="+132"/>
        <source>The output directory &quot;%1&quot; does not exist.</source>
        <extracomment>%1 is the folder&apos;s path.</extracomment>
        <translation>Der Ausgabeordner „%1“ existiert nicht.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The output directory &quot;%1&quot; cannot be written.</source>
        <extracomment>%1 is the folder&apos;s path.</extracomment>
        <translation>In den Ausgabeordner „%1“ kann nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>OutputVerifier</name>
    <message>
        <location filename="../engine/OutputVerifier.cpp" line="+90"/>
        <source>The output file is not playable. %1</source>
        <extracomment>%1 is why the file could not be read, a sentence.</extracomment>
        <translation>Die Ausgabedatei ist nicht abspielbar. %1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Nothing playable was written before the stop.</source>
        <translation>Vor dem Stoppen wurde nichts Abspielbares geschrieben.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The output file has no picture.</source>
        <translation>Die Ausgabedatei hat kein Bild.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The output file has no sound.</source>
        <translation>Die Ausgabedatei hat keinen Ton.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The output file lasts %1 s instead of %2 s.</source>
        <extracomment>%1 is the file&apos;s length, %2 the length expected, both in seconds.</extracomment>
        <translation>Die Ausgabedatei dauert %1 s statt %2 s.</translation>
    </message>
</context>
<context>
    <name>PartFile</name>
    <message>
        <location filename="../engine/PartFile.cpp" line="+102"/>
        <source>%1 cannot be created: %2</source>
        <extracomment>%1 is a file&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>%1 kann nicht erstellt werden: %2</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+32"/>
        <source>No free file name was found.</source>
        <translation>Es wurde kein freier Dateiname gefunden.</translation>
    </message>
    <message>
        <location line="-19"/>
        <source>There is no file to move.</source>
        <translation>Es gibt keine Datei zum Verschieben.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 cannot be written: %2</source>
        <extracomment>%1 is a file&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>ProgressText</name>
    <message>
        <location filename="../engine/ProgressText.cpp" line="+52"/>
        <source>Remain Time:</source>
        <extracomment>Progress cell, before the time left as hh:mm:ss; the cell is narrow.</extracomment>
        <translation>Restzeit:</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Used Time:%1 S</source>
        <extracomment>Progress cell; %1 is the whole seconds the conversion has taken so far.</extracomment>
        <translation>Laufzeit:%1 s</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Failed</source>
        <extracomment>Progress cell of a conversion that failed.</extracomment>
        <translation>Fehlgeschlagen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Failed: %1</source>
        <extracomment>Progress cell; %1 is the first line of why the conversion failed.</extracomment>
        <translation>Fehlgeschlagen: %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Stopped</source>
        <extracomment>Progress cell of a conversion the user stopped.</extracomment>
        <translation>Gestoppt</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Stopped: the first %1 were kept in %2.</source>
        <extracomment>Tooltip; %1 is a length as hh:mm:ss, %2 the output file&apos;s name.</extracomment>
        <translation>Gestoppt: Die ersten %1 wurden in %2 gespeichert.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Stopped: nothing was kept.</source>
        <extracomment>Tooltip of a stopped conversion whose output file was removed.</extracomment>
        <translation>Gestoppt: Es wurde nichts behalten.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Finished</source>
        <extracomment>Progress cell of a conversion that ended well.</extracomment>
        <translation>Fertig</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>video copied</source>
        <extracomment>Tooltip: the picture was copied from the source, not encoded again.</extracomment>
        <translation>Video kopiert</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Paused</source>
        <extracomment>Progress cell of a conversion the user paused.</extracomment>
        <translation>Pausiert</translation>
    </message>
</context>
<context>
    <name>SafeMediaFile</name>
    <message>
        <location filename="../engine/SafeMediaFile.cpp" line="+55"/>
        <source>The file could not be read: it is not a regular file.</source>
        <translation>Die Datei konnte nicht gelesen werden: Sie ist keine reguläre Datei.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The file could not be read: it does not exist.</source>
        <translation>Die Datei konnte nicht gelesen werden: Sie existiert nicht.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Out of memory.</source>
        <translation>Nicht genügend Arbeitsspeicher.</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>The file could not be read in time.</source>
        <translation>Die Datei konnte nicht rechtzeitig gelesen werden.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The file could not be read: %1</source>
        <extracomment>%1 is libavformat&apos;s reason, in English.</extracomment>
        <translation>Die Datei konnte nicht gelesen werden: %1</translation>
    </message>
</context>
<context>
    <name>SavedTask</name>
    <message>
        <location filename="../engine/SavedTask.cpp" line="+42"/>
        <source>The profile “%1” no longer exists; the default profile “%2” is used instead.</source>
        <extracomment>Tooltip of a restored row; %1 is the profile that is gone, %2 the one used instead.</extracomment>
        <translation>Das Profil „%1“ existiert nicht mehr; stattdessen wird das Standardprofil „%2“ verwendet.</translation>
    </message>
</context>
<context>
    <name>SavedTaskList</name>
    <message>
        <location filename="../engine/SavedTaskList.cpp" line="+72"/>
        <source>it is not JSON (%1 at byte %2)</source>
        <extracomment>Why the kept list cannot be read; %1 is the JSON parser&apos;s reason, %2 a byte offset.</extracomment>
        <translation>sie ist kein JSON (%1 bei Byte %2)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>it has no format version</source>
        <extracomment>Why the kept list cannot be read.</extracomment>
        <translation>sie hat keine Formatversion</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>it was written by a newer Tavrel (format %1; this one reads %2)</source>
        <extracomment>%1 and %2 are format version numbers.</extracomment>
        <translation>sie wurde von einer neueren Tavrel-Version geschrieben (Format %1; diese liest %2)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>it holds no list of tasks</source>
        <extracomment>Why the kept list cannot be read.</extracomment>
        <translation>sie enthält keine Aufgabenliste</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>it names no source file</source>
        <extracomment>What is wrong with one task of the kept list.</extracomment>
        <translation>sie nennt keine Quelldatei</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>in task %1, %2</source>
        <extracomment>%1 is the task&apos;s number, %2 what is wrong with it.</extracomment>
        <translation>in Aufgabe %1: %2</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>it is not a file</source>
        <extracomment>Why the kept list cannot be read.</extracomment>
        <translation>sie ist keine Datei</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>it is too large</source>
        <extracomment>Why the kept list cannot be read.</extracomment>
        <translation>sie ist zu groß</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1; it was kept as %2</source>
        <extracomment>%1 is why the list cannot be read, %2 the path it was moved to.</extracomment>
        <translation>%1; sie wurde als %2 aufbewahrt</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1; it could not be set aside</source>
        <extracomment>%1 is why the list cannot be read.</extracomment>
        <translation>%1; sie konnte nicht beiseitegelegt werden</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>the folder %1 cannot be made</source>
        <extracomment>%1 is a folder&apos;s path.</extracomment>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
</context>
<context>
    <name>SettingTables</name>
    <message>
        <location filename="../engine/SettingTables.cpp" line="+17"/>
        <source>kbps</source>
        <extracomment>unit of a bit rate in a combo box item (&quot;128 kbps&quot;)</extracomment>
        <translation>kbit/s</translation>
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
        <translation>Videotyp</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Video Size</source>
        <extracomment>label beside its combo box, about 75 px wide</extracomment>
        <translation>Videogröße</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Frame Rate</source>
        <extracomment>label beside its combo box, about 75 px wide</extracomment>
        <translation>Bildrate</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Video Quality</source>
        <extracomment>label beside its combo box, about 75 px wide</extracomment>
        <translation>Videoqualität</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Video Aspect</source>
        <extracomment>label beside its combo box, about 75 px wide</extracomment>
        <translation>Bildformat</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Channels</source>
        <extracomment>label beside its combo box, about 75 px wide</extracomment>
        <translation>Kanäle</translation>
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
        <translation>Audioqualität</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Sample Rate</source>
        <extracomment>label beside its combo box, about 75 px wide</extracomment>
        <translation>Abtastrate</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Volume</source>
        <extracomment>label beside its combo box, about 75 px wide</extracomment>
        <translation>Lautstärke</translation>
    </message>
</context>
<context>
    <name>SourceFiles</name>
    <message>
        <location filename="../engine/SourceFiles.cpp" line="+22"/>
        <source>Support Video Files</source>
        <extracomment>File dialog&apos;s filter: every type the program reads.</extracomment>
        <translation>Unterstützte Videodateien</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>RealMedia Files (*.rm,*.rmvb)</source>
        <translation>RealMedia-Dateien (*.rm,*.rmvb)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>AVI Files (*.avi)</source>
        <translation>AVI-Dateien (*.avi)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mpeg files (*.mpg, *.mpeg,*.vob)</source>
        <translation>MPEG-Dateien (*.mpg, *.mpeg,*.vob)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Windows Media files (*.wmv, *.wma, *.asf)</source>
        <translation>Windows-Media-Dateien (*.wmv, *.wma, *.asf)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Quick Time Files (*.mov, *.qt)</source>
        <translation>QuickTime-Dateien (*.mov, *.qt)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3GP Files (*.3gp)</source>
        <translation>3GP-Dateien (*.3gp)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Modern Video Files (*.mp4, *.m4v, *.mkv, *.webm, *.ts, *.mts, *.m2ts, *.flv, *.ogv, *.dv, *.divx, *.3g2)</source>
        <translation>Moderne Videodateien (*.mp4, *.m4v, *.mkv, *.webm, *.ts, *.mts, *.m2ts, *.flv, *.ogv, *.dv, *.divx, *.3g2)</translation>
    </message>
</context>
<context>
    <name>TaskArray</name>
    <message>
        <location filename="../engine/TaskArray.cpp" line="+57"/>
        <source>The conversion failed.</source>
        <translation>Die Konvertierung ist fehlgeschlagen.</translation>
    </message>
</context>
<context>
    <name>TaskRecord</name>
    <message>
        <location filename="../engine/TaskRecord.cpp" line="+152"/>
        <source>the value of &quot;%1&quot; is not what it should be</source>
        <extracomment>Why a kept task cannot be read; %1 is the name of a field in the file.</extracomment>
        <translation>der Wert von „%1“ ist ungültig</translation>
    </message>
</context>
<context>
    <name>TaskRowActions</name>
    <message>
        <location filename="../ui/TaskRowActions.cpp" line="+36"/>
        <source>Apply these settings to all videos</source>
        <translation>Diese Einstellungen auf alle Videos anwenden</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Show log…</source>
        <translation>Protokoll anzeigen…</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Open output folder</source>
        <translation>Ausgabeordner öffnen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Play output</source>
        <translation>Ausgabe abspielen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Convert again</source>
        <translation>Erneut konvertieren</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Always re-encode</source>
        <translation>Immer neu kodieren</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Remove</source>
        <extracomment>row menu: removes the selected videos from the list</extracomment>
        <translation>Entfernen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Remove finished</source>
        <translation>Fertige entfernen</translation>
    </message>
</context>
<context>
    <name>TextReport</name>
    <message>
        <location filename="../cli/TextReport.cpp" line="+60"/>
        <source>%1 Converting %2</source>
        <extracomment>%1 is the video&apos;s place, such as [2/5]; %2 its file name</extracomment>
        <translation>%1 Konvertiere %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 %2: starting</source>
        <extracomment>%1 is the video&apos;s place, such as [2/5]; %2 its file name</extracomment>
        <translation>%1 %2: wird gestartet</translation>
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
        <translation>noch %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>[%1/%2] %3  %4 %  %5  %6</source>
        <extracomment>a running video&apos;s line: [%1 of %2 videos] %3 file name, %4 percent done, %5 size written (&quot;12.5 MB&quot;), %6 time left (&quot;00:01:05 left&quot;, may be empty); one line of a terminal</extracomment>
        <translation>[%1/%2] %3  %4 %  %5  %6</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>%1 Converted %2 -&gt; %3 (video copied)</source>
        <extracomment>%1 is the video&apos;s place, such as [2/5]; %2 its file name; %3 the output file&apos;s path. Its picture was copied from the source, not encoded again.</extracomment>
        <translation>%1 Konvertiert: %2 -&gt; %3 (Video kopiert)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 Converted %2 -&gt; %3</source>
        <extracomment>%1 is the video&apos;s place, such as [2/5]; %2 its file name; %3 the output file&apos;s path</extracomment>
        <translation>%1 Konvertiert: %2 -&gt; %3</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 Failed %2: %3</source>
        <extracomment>%1 is the video&apos;s place, such as [2/5]; %2 its file name; %3 why it failed</extracomment>
        <translation>%1 Fehlgeschlagen: %2: %3</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 Stopped %2: nothing was kept</source>
        <extracomment>%1 is the video&apos;s place, such as [2/5]; %2 its file name</extracomment>
        <translation>%1 Gestoppt: %2, es wurde nichts behalten</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 Stopped %2: the first %3 were kept in %4</source>
        <extracomment>%1 is the video&apos;s place, such as [2/5]; %2 its file name; %3 a time, hh:mm:ss; %4 the output file&apos;s path</extracomment>
        <translation>%1 Gestoppt: %2, die ersten %3 wurden in %4 gespeichert</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Log of %1: %2</source>
        <extracomment>%1 is a video&apos;s file name, %2 the path of its log file</extracomment>
        <translation>Protokoll von %1: %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Stopped: %1 converted, %2 failed, %3 stopped, %4 not started.</source>
        <extracomment>the summary after a termination signal; %1 to %4 are numbers of videos</extracomment>
        <translation>Gestoppt: %1 konvertiert, %2 fehlgeschlagen, %3 gestoppt, %4 nicht gestartet.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 converted, %2 failed.</source>
        <extracomment>the summary; %1 and %2 are numbers of videos</extracomment>
        <translation>%1 konvertiert, %2 fehlgeschlagen.</translation>
    </message>
</context>
<context>
    <name>TrackMenus</name>
    <message>
        <location filename="../ui/TrackMenus.cpp" line="+23"/>
        <source>“%1”</source>
        <extracomment>a track&apos;s own title in the row menu, in the language&apos;s quotation marks</extracomment>
        <translation>„%1“</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Track %1</source>
        <extracomment>a sound or subtitle track in the row menu; %1 is its number</extracomment>
        <translation>Spur %1</translation>
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
        <translation>Spur %1: %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>stereo</source>
        <translation>Stereo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 channels</source>
        <translation>%1 Kanäle</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Subtitles</source>
        <translation>Untertitel</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Reading the source…</source>
        <translation>Quelle wird gelesen…</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>No sound tracks</source>
        <translation>Keine Tonspuren</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>forced</source>
        <translation>erzwungen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>text</source>
        <translation>Text</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>pictures</source>
        <translation>Bilder</translation>
    </message>
</context>
<context>
    <name>WindowAccessibility</name>
    <message>
        <location filename="../ui/WindowAccessibility.cpp" line="+15"/>
        <source>Add videos with + or drop them here</source>
        <extracomment>shown in the empty list of videos, which is about 600 px wide</extracomment>
        <translation>Videos mit + hinzufügen oder hierher ziehen</translation>
    </message>
</context>
<context>
    <name>WindowMessages</name>
    <message>
        <location filename="../ui/WindowMessages.cpp" line="+15"/>
        <source>Information</source>
        <extracomment>caption of a message box</extracomment>
        <translation>Information</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Warning</source>
        <extracomment>caption of a message box</extracomment>
        <translation>Warnung</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Help</source>
        <extracomment>caption of the message box saying the help page could not be opened</extracomment>
        <translation>Hilfe</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The page could not be opened: no program for it was found.

You can open it yourself: %1</source>
        <extracomment>%1 is the help page&apos;s path</extracomment>
        <translation>Die Seite konnte nicht geöffnet werden: Es wurde kein Programm dafür gefunden.

Die Seite kann auch manuell geöffnet werden: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Your computer cannot shutdown</source>
        <translation>Der Computer kann nicht heruntergefahren werden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A conversion is running. Stop it and close Tavrel?</source>
        <translation>Eine Konvertierung läuft. Konvertierung stoppen und Tavrel schließen?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Stop and close</source>
        <extracomment>button; &amp; marks the Alt key letter</extracomment>
        <translation>&amp;Stoppen und schließen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Keep converting</source>
        <extracomment>button; &amp; marks the Alt key letter, which must differ from the other button&apos;s</extracomment>
        <translation>&amp;Weiter konvertieren</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Power off now</source>
        <extracomment>button beside Cancel in the power-off countdown</extracomment>
        <translation>Jetzt ausschalten</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The computer will power off in 1 second</source>
        <translation>Der Computer wird in 1 Sekunde ausgeschaltet</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The computer will power off in %1 seconds</source>
        <extracomment>%1 is the number of seconds left, 2 to 60</extracomment>
        <translation>Der Computer wird in %1 Sekunden ausgeschaltet</translation>
    </message>
</context>
</TS>
