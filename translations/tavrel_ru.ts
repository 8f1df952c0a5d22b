<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
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
        <translation>%1 видео конвертировано</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 videos converted</source>
        <extracomment>Desktop notification after &quot;Tavrel: &quot;; %1 is the number of videos.</extracomment>
        <translation>конвертировано видео: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 converted, %2 failed</source>
        <extracomment>Desktop notification after &quot;Tavrel: &quot;; %1 and %2 are numbers of videos.</extracomment>
        <translation>%1 успешно, %2 с ошибкой</translation>
    </message>
</context>
<context>
    <name>BatchTexts</name>
    <message>
        <location filename="../engine/BatchTexts.cpp" line="+25"/>
        <source>Converting Finished</source>
        <extracomment>Message box at the end of a batch.</extracomment>
        <translation>Конвертация завершена</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 of %2 file failed</source>
        <extracomment>Message box; %1 is how many failed, %2 the batch&apos;s one file.</extracomment>
        <translation>Не удалось конвертировать %1 из %2 файла</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 of %2 files failed</source>
        <extracomment>Message box; %1 is how many failed, %2 how many files the batch had.</extracomment>
        <translation>Не удалось конвертировать файлов: %1 из %2</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The file could not be read: its duration is unknown.</source>
        <translation>Не удалось прочитать файл: его длительность неизвестна.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The selected part of the file is empty: its end is not after its start.</source>
        <translation>Выбранный фрагмент файла пуст: его конец не позже начала.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The conversion made no progress for 1 minute and was ended.</source>
        <translation>Конвертация не продвигалась 1 минуту и была прервана.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The conversion made no progress for %1 minutes and was ended.</source>
        <extracomment>%1 is a whole number of minutes, 2 or more.</extracomment>
        <translation>Конвертация не продвигалась в течение %1 мин и была прервана.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The conversion made no progress for 1 second and was ended.</source>
        <translation>Конвертация не продвигалась 1 секунду и была прервана.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The conversion made no progress for %1 seconds and was ended.</source>
        <extracomment>%1 is a number of seconds.</extracomment>
        <translation>Конвертация не продвигалась в течение %1 с и была прервана.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 – Paused, %2 of %3 done</source>
        <extracomment>Window title; %1 is the program&apos;s caption, %2 the videos done, %3 the batch&apos;s count.</extracomment>
        <translation>%1 – пауза, готово %2 из %3</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 – %2 of %3 done</source>
        <extracomment>Window title; %1 is the program&apos;s caption, %2 the videos done, %3 the batch&apos;s count.</extracomment>
        <translation>%1 – готово %2 из %3</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 – %2 of %3, %4 %</source>
        <extracomment>Window title; %1 is the program&apos;s caption, %2 the number of the video being converted, %3 the batch&apos;s count, %4 its percent done.</extracomment>
        <translation>%1 – %2 из %3, %4 %</translation>
    </message>
</context>
<context>
    <name>CLogDialog</name>
    <message>
        <location filename="../ui/CLogDialog.cpp" line="+19"/>
        <source>Log of %1</source>
        <extracomment>caption of the log window; %1 is the source file&apos;s name</extracomment>
        <translation>Журнал: %1</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Log</source>
        <extracomment>screen reader name of the log text</extracomment>
        <translation>Журнал</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Saved as %1</source>
        <translation>Сохранено как %1</translation>
    </message>
</context>
<context>
    <name>CRangeSlider</name>
    <message>
        <location filename="../controls/CRangeSlider.cpp" line="+224"/>
        <source>from %1 to %2</source>
        <extracomment>what a screen reader says of the slider choosing the part to convert; %1 and %2 are times (00:00:05)</extracomment>
        <translation>с %1 до %2</translation>
    </message>
</context>
<context>
    <name>ControlTable</name>
    <message>
        <location filename="../ui/ControlTable.cpp" line="+40"/>
        <source>Videos to convert</source>
        <extracomment>screen reader name of the list of videos</extracomment>
        <translation>Видео для конвертации</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Output Directory:</source>
        <extracomment>label, about 100 px wide</extracomment>
        <translation>Папка вывода:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Browse</source>
        <extracomment>push button, about 60 px wide</extracomment>
        <translation>Обзор</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+87"/>
        <source>Preview</source>
        <translation>Просмотр</translation>
    </message>
    <message>
        <location line="-81"/>
        <source>Title (showed in Zune)</source>
        <extracomment>label beside the title field, about 115 px wide</extracomment>
        <translation>Название (в Zune)</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>Help</source>
        <extracomment>push button, about 70 px wide</extracomment>
        <translation>Справка</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Conversion settings</source>
        <extracomment>screen reader name of the frame around the settings</extracomment>
        <translation>Параметры конвертации</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Part to convert</source>
        <extracomment>screen reader name of the slider choosing the part of a video to convert</extracomment>
        <translation>Фрагмент для конвертации</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Automatically Shut Down the computer when converting finished</source>
        <extracomment>check box, about 340 px wide</extracomment>
        <translation>Выключить компьютер после завершения конвертации</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>MPEG4 Profile</source>
        <extracomment>label beside its combo box, about 75 px wide</extracomment>
        <translation>Проф. MPEG4</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>WMV Profile</source>
        <extracomment>label beside its combo box, about 75 px wide</extracomment>
        <translation>Профиль WMV</translation>
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
        <translation>Тип вывода</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Videos at once</source>
        <extracomment>label beside a small combo box, about 80 px wide</extracomment>
        <translation>Одновременно</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>Add a video to converting task</source>
        <extracomment>tooltip of an image button</extracomment>
        <translation>Добавить видео в задание конвертации</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add videos</source>
        <translation>Добавить видео</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Remove selected video</source>
        <translation>Удалить выбранное видео</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove the selected video</source>
        <translation>Удалить выбранное видео</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+1"/>
        <source>Remove all videos</source>
        <translation>Удалить все видео</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Preview selected videos</source>
        <translation>Просмотреть выбранные видео</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Play the selected part</source>
        <translation>Воспроизвести выбранный фрагмент</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Stop preview</source>
        <translation>Остановить просмотр</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stop playing</source>
        <translation>Остановить воспроизведение</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Start Converting</source>
        <translation>Начать конвертацию</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start converting</source>
        <translation>Начать конвертацию</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Stop Converting</source>
        <translation>Остановить конвертацию</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stop converting</source>
        <translation>Остановить конвертацию</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Pause Converting (Ctrl+P)</source>
        <translation>Приостановить конвертацию (Ctrl+P)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pause converting</source>
        <translation>Приостановить конвертацию</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Resume Converting (Ctrl+P)</source>
        <translation>Продолжить конвертацию (Ctrl+P)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Resume converting</source>
        <translation>Продолжить конвертацию</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Source</source>
        <extracomment>list column heading, about 120 px wide</extracomment>
        <translation>Источник</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Begin Time</source>
        <extracomment>list column heading, about 70 px wide</extracomment>
        <translation>Начало</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>End Time</source>
        <extracomment>list column heading, about 70 px wide</extracomment>
        <translation>Конец</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Output</source>
        <extracomment>list column heading, about 100 px wide</extracomment>
        <translation>Выходной файл</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Progress</source>
        <extracomment>list column heading, about 250 px wide</extracomment>
        <translation>Ход выполнения</translation>
    </message>
</context>
<context>
    <name>ConversionBatch</name>
    <message>
        <location filename="../engine/ConversionBatch.cpp" line="+22"/>
        <source>Error</source>
        <extracomment>Message box caption.</extracomment>
        <translation>Ошибка</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Information</source>
        <extracomment>Message box caption.</extracomment>
        <translation>Информация</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Converting videos</source>
        <extracomment>The desktop shows it as why sleep is held off while a batch runs.</extracomment>
        <translation>Идёт конвертация видео</translation>
    </message>
    <message>
        <location line="+69"/>
        <source>Please set the output directory firstly</source>
        <extracomment>Message box when Start is pressed with no output folder chosen.</extracomment>
        <translation>Сначала укажите папку вывода</translation>
    </message>
</context>
<context>
    <name>ConversionJob</name>
    <message>
        <location filename="../engine/ConversionJob.cpp" line="+107"/>
        <source>The source file %1 is not a regular file.</source>
        <extracomment>%1 is the source file&apos;s path.</extracomment>
        <translation>Исходный файл %1 не является обычным файлом.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The source file %1 does not exist.</source>
        <extracomment>%1 is the source file&apos;s path.</extracomment>
        <translation>Исходный файл %1 не существует.</translation>
    </message>
    <message>
        <location line="+221"/>
        <source>The encoder did not finish its file when told to and had to be ended.</source>
        <translation>Кодировщик не завершил файл по команде, и его пришлось остановить принудительно.</translation>
    </message>
</context>
<context>
    <name>ConvertArguments</name>
    <message>
        <location filename="../cli/ConvertArguments.cpp" line="+242"/>
        <source>Unknown option %1.</source>
        <extracomment>%1 is the option as given, such as --foo</extracomment>
        <translation>Неизвестный параметр %1.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 takes no value.</source>
        <extracomment>%1 is an option, such as --json</extracomment>
        <translation>Параметр %1 не принимает значения.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1 needs a value.</source>
        <extracomment>%1 is an option, such as --jobs</extracomment>
        <translation>Параметру %1 нужно значение.</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>No WMV profile is available: the file of WMV profiles beside the program is missing or lists none.</source>
        <translation>Нет доступных профилей WMV: файл профилей WMV рядом с программой отсутствует или пуст.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1 needs a folder.</source>
        <extracomment>%1 is the option, --output or -o</extracomment>
        <translation>Параметру %1 нужна папка.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 &quot;%2&quot; is not a time: give seconds (90, 12.5) or hh:mm:ss.mmm (00:01:30.500).</source>
        <extracomment>%1 is the option (--start or --end), %2 the value given; keep the examples</extracomment>
        <translation>%1 «%2» — не время: укажите секунды (90, 12.5) или чч:мм:сс.ммм (00:01:30.500).</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 needs a text.</source>
        <extracomment>%1 is the option, --title</extracomment>
        <translation>Параметру %1 нужен текст.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 &quot;%2&quot; is not a number of videos at once (1 or more).</source>
        <extracomment>%1 is the option (--jobs or -j), %2 the value given</extracomment>
        <translation>%1 «%2» — не число одновременно конвертируемых видео (1 или больше).</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>%1 &quot;%2&quot; is not one of the values: %3.</source>
        <extracomment>%1 is a setting&apos;s option (--video-size), %2 the value given, %3 the values it takes, which stay as they are (they are typed as listed)</extracomment>
        <translation>%1 «%2» — недопустимое значение; допустимые: %3.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>No video given: name the files or folders to convert.</source>
        <translation>Видео не указаны: перечислите файлы или папки для конвертации.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--profile chooses an MP4 profile; it does not go with --wmv.</source>
        <translation>--profile выбирает профиль MP4 и не сочетается с --wmv.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is a setting of the custom MP4 profile; it does not go with --wmv.</source>
        <extracomment>%1 is a setting&apos;s option, such as --video-size</extracomment>
        <translation>%1 — настройка пользовательского профиля MP4 и не сочетается с --wmv.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 is a setting of the custom profile (0, &quot;%2&quot;); choose it with -p 0.</source>
        <extracomment>%1 is a setting&apos;s option, such as --video-size; %2 the title of profile 0</extracomment>
        <translation>%1 — настройка пользовательского профиля (0, «%2»); выберите его с помощью -p 0.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>No MP4 profile is available: the profile file is missing or lists none.</source>
        <translation>Нет доступных профилей MP4: файл профилей отсутствует или пуст.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--end must come after --start.</source>
        <translation>--end должен быть позже --start.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--title names one output file: give exactly one FILE.</source>
        <translation>--title задаёт имя одного выходного файла: укажите ровно один ФАЙЛ.</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>%1 &quot;%2&quot;: no profile has that number or that in its name. The profiles are:
%3</source>
        <extracomment>%1 is the option (--profile or --wmv), %2 the value given, %3 the numbered profiles, one a line</extracomment>
        <translation>%1 «%2»: нет профиля с таким номером или с таким текстом в названии. Доступные профили:
%3</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 &quot;%2&quot; matches more than one profile; give more of the name or its number:
%3</source>
        <extracomment>%1 is the option (--profile or --wmv), %2 the value given, %3 the matching profiles, one a line</extracomment>
        <translation>%1 «%2» подходит к нескольким профилям; уточните название или укажите номер:
%3</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>TEXT</source>
        <extracomment>the value of a setting&apos;s option in --help (&quot;--video-size TEXT&quot;); the same word as TEXT in the list of options</extracomment>
        <translation>ТЕКСТ</translation>
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
        <translation>Использование: tavrel-convert [параметры] ФАЙЛ...
Конвертирует видео так же, как окно Tavrel, по одному или несколько одновременно, в файлы MP4 с помощью кодировщика или в файлы WMV. ПАПКА среди ФАЙЛОВ добавляет видео, лежащие непосредственно в ней.

  -p, --profile N|ТЕКСТ профиль MP4 по номеру или части названия (по умолчанию %1)
      --wmv[=N|ТЕКСТ]   вывод в WMV с этим профилем WMV (по умолчанию 0)
  -o, --output ПАПКА    папка вывода, создаётся при отсутствии (по умолчанию: папка окна, иначе текущая папка; сейчас %2)
      --start ВРЕМЯ     конвертировать с момента ВРЕМЯ: секунды или чч:мм:сс.ммм
      --end ВРЕМЯ       конвертировать до момента ВРЕМЯ
      --title ТЕКСТ     имя выходного файла (только с одним ФАЙЛОМ)
      --always-encode   кодировать изображение, даже если источник уже подходит под профиль
  -j, --jobs N          видео одновременно (по умолчанию: настройка окна, сейчас %3)
      --json            выводить отчёт в JSON, по одному объекту в строке
      --list-profiles   показать профили и значения настроек
  -q, --quiet           сообщать только об ошибках
  -h, --help            эта справка
      --version         версия программы

Настройки пользовательского профиля (-p 0), по их названиям, как в окне (см. --list-profiles):
%4

Код возврата: 0 — все видео конвертированы, 1 — были ошибки, 2 — неверные параметры или нет пригодных входных файлов, 130 — после Ctrl+C (SIGINT), 143 — после SIGTERM.
</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>(default)</source>
        <extracomment>after the default profile&apos;s line in --list-profiles</extracomment>
        <translation>(по умолчанию)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 (default %2)</source>
        <extracomment>%1 is the values a setting&apos;s option takes (typed as listed, so they stay), %2 the value it has unless given</extracomment>
        <translation>%1 (по умолчанию %2)</translation>
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
        <translation>Профили MP4 (-p N или часть названия):
%1

Профили WMV (--wmv=N или часть названия):
%2

Настройки пользовательского профиля (-p 0):
%3
</translation>
    </message>
    <message>
        <location filename="../cli/main.cpp" line="+67"/>
        <source>Try &quot;tavrel-convert --help&quot; for the options.</source>
        <extracomment>after a refused command line, on the next line</extracomment>
        <translation>Список параметров: «tavrel-convert --help».</translation>
    </message>
</context>
<context>
    <name>ConvertRunner</name>
    <message>
        <location filename="../cli/ConvertRunner.cpp" line="+87"/>
        <source>No video to convert.</source>
        <translation>Нет видео для конвертации.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--title names one output file, but the inputs hold %1 videos.</source>
        <extracomment>%1 is the number of videos found among the inputs (2 or more)</extracomment>
        <translation>--title задаёт имя одного выходного файла, но во входных данных видео: %1.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The output folder %1 cannot be made.</source>
        <extracomment>%1 is a folder&apos;s path</extracomment>
        <translation>Не удаётся создать папку вывода %1.</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>The conversion could not start.</source>
        <translation>Не удалось начать конвертацию.</translation>
    </message>
</context>
<context>
    <name>EncoderRun</name>
    <message>
        <location filename="../engine/EncoderRun.cpp" line="+76"/>
        <source>The profile gives no encoder command line.</source>
        <translation>В профиле не задана командная строка кодировщика.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The encoder &quot;%1&quot; was not found.</source>
        <extracomment>%1 is the encoder program&apos;s name.</extracomment>
        <translation>Кодировщик «%1» не найден.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>The encoder &quot;%1&quot; could not be started: %2</source>
        <extracomment>%1 is the encoder program&apos;s name, %2 the system&apos;s reason.</extracomment>
        <translation>Не удалось запустить кодировщик «%1»: %2</translation>
    </message>
    <message>
        <location line="+108"/>
        <source>The encoder crashed.</source>
        <translation>Кодировщик аварийно завершился.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The encoder ended with exit code %1.</source>
        <extracomment>%1 is the encoder&apos;s exit code, a number.</extracomment>
        <translation>Кодировщик завершился с кодом %1.</translation>
    </message>
</context>
<context>
    <name>FfmpegConverter</name>
    <message>
        <location filename="../media/FfmpegConverter.cpp" line="+243"/>
        <source>There is no clip to convert.</source>
        <translation>Нет фрагмента для конвертации.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No output file was named.</source>
        <translation>Не указан выходной файл.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The source file %1 does not exist.</source>
        <extracomment>%1 is a file&apos;s path</extracomment>
        <translation>Исходный файл %1 не существует.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The output settings are not supported (format %1, %2x%3).</source>
        <extracomment>%1 is the output format&apos;s number, %2x%3 the picture&apos;s width and height in pixels</extracomment>
        <translation>Параметры вывода не поддерживаются (формат %1, %2×%3).</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The converter %1 was not found.</source>
        <extracomment>%1 is the converter program&apos;s name, such as ffmpeg</extracomment>
        <translation>Конвертер %1 не найден.</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>The converter could not be started: %1</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>Не удалось запустить конвертер: %1</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>The conversion was stopped.</source>
        <translation>Конвертация остановлена.</translation>
    </message>
    <message>
        <location line="+91"/>
        <source>The converter stopped unexpectedly.</source>
        <translation>Конвертер неожиданно завершил работу.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The converter ended with exit code %1.</source>
        <extracomment>%1 is a number</extracomment>
        <translation>Конвертер завершился с кодом %1.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The converter wrote no output file.</source>
        <translation>Конвертер не создал выходной файл.</translation>
    </message>
</context>
<context>
    <name>InstanceChannel</name>
    <message>
        <location filename="../engine/InstanceChannel.cpp" line="+113"/>
        <source>files opened later will open windows of their own: %1</source>
        <extracomment>Printed after &quot;Tavrel: &quot;; %1 is the system&apos;s reason.</extracomment>
        <translation>файлы, открытые позже, откроются в отдельных окнах: %1</translation>
    </message>
</context>
<context>
    <name>ListKeeper</name>
    <message>
        <location filename="../ui/ListKeeper.cpp" line="+54"/>
        <source>another Tavrel window keeps the list of videos; this window&apos;s list is not kept when it closes.</source>
        <translation>список видео хранит другое окно Tavrel; список этого окна не сохранится при закрытии.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the list of videos cannot be kept in %1.</source>
        <translation>не удаётся сохранить список видео в %1.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>the saved list %1 is left as it is and this window&apos;s list is not kept: %2.</source>
        <translation>сохранённый список %1 оставлен без изменений, а список этого окна не сохраняется: %2.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>the saved list %1 cannot be read, the list starts empty: %2.</source>
        <translation>не удаётся прочитать сохранённый список %1, список начинается с пустого: %2.</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>the list of videos cannot be written to %1: %2</source>
        <translation>не удаётся записать список видео в %1: %2</translation>
    </message>
</context>
<context>
    <name>MediaDuration</name>
    <message>
        <location filename="../engine/MediaDuration.cpp" line="+34"/>
        <source>The file holds no picture and no sound.</source>
        <translation>В файле нет ни изображения, ни звука.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file does not say how long it lasts.</source>
        <translation>В файле не указана его длительность.</translation>
    </message>
</context>
<context>
    <name>NotAddedNotice</name>
    <message>
        <location filename="../engine/NotAddedNotice.cpp" line="+11"/>
        <source>This file could not be added (not a readable video of a supported type):</source>
        <extracomment>Notice above a list of file names, one a line.</extracomment>
        <translation>Не удалось добавить файл (не читается или формат видео не поддерживается):</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>These files could not be added (not readable videos of a supported type):</source>
        <translation>Не удалось добавить файлы (не читаются или формат видео не поддерживается):</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>and %1 more</source>
        <extracomment>Last line of the notice&apos;s list of file names; %1 is how many names are not shown.</extracomment>
        <translation>и ещё %1</translation>
    </message>
</context>
<context>
    <name>OutputPath</name>
    <message>
        <location filename="../engine/OutputPath.cpp" line="+132"/>
        <source>The output directory &quot;%1&quot; does not exist.</source>
        <extracomment>%1 is the folder&apos;s path.</extracomment>
        <translation>Папка вывода «%1» не существует.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The output directory &quot;%1&quot; cannot be written.</source>
        <extracomment>%1 is the folder&apos;s path.</extracomment>
        <translation>Нет доступа на запись в папку вывода «%1».</translation>
    </message>
</context>
<context>
    <name>OutputVerifier</name>
    <message>
        <location filename="../engine/OutputVerifier.cpp" line="+90"/>
        <source>The output file is not playable. %1</source>
        <extracomment>%1 is why the file could not be read, a sentence.</extracomment>
        <translation>Выходной файл невозможно воспроизвести. %1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Nothing playable was written before the stop.</source>
        <translation>До остановки не было записано ничего пригодного для воспроизведения.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The output file has no picture.</source>
        <translation>В выходном файле нет изображения.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The output file has no sound.</source>
        <translation>В выходном файле нет звука.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The output file lasts %1 s instead of %2 s.</source>
        <extracomment>%1 is the file&apos;s length, %2 the length expected, both in seconds.</extracomment>
        <translation>Длительность выходного файла %1 с вместо %2 с.</translation>
    </message>
</context>
<context>
    <name>PartFile</name>
    <message>
        <location filename="../engine/PartFile.cpp" line="+102"/>
        <source>%1 cannot be created: %2</source>
        <extracomment>%1 is a file&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>Не удаётся создать %1: %2</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+32"/>
        <source>No free file name was found.</source>
        <translation>Не найдено свободное имя файла.</translation>
    </message>
    <message>
        <location line="-19"/>
        <source>There is no file to move.</source>
        <translation>Нет файла для перемещения.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 cannot be written: %2</source>
        <extracomment>%1 is a file&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>Не удаётся записать %1: %2</translation>
    </message>
</context>
<context>
    <name>ProgressText</name>
    <message>
        <location filename="../engine/ProgressText.cpp" line="+52"/>
        <source>Remain Time:</source>
        <extracomment>Progress cell, before the time left as hh:mm:ss; the cell is narrow.</extracomment>
        <translation>Осталось:</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Used Time:%1 S</source>
        <extracomment>Progress cell; %1 is the whole seconds the conversion has taken so far.</extracomment>
        <translation>Прошло:%1 с</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Failed</source>
        <extracomment>Progress cell of a conversion that failed.</extracomment>
        <translation>Ошибка</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Failed: %1</source>
        <extracomment>Progress cell; %1 is the first line of why the conversion failed.</extracomment>
        <translation>Ошибка: %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Stopped</source>
        <extracomment>Progress cell of a conversion the user stopped.</extracomment>
        <translation>Остановлено</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Stopped: the first %1 were kept in %2.</source>
        <extracomment>Tooltip; %1 is a length as hh:mm:ss, %2 the output file&apos;s name.</extracomment>
        <translation>Остановлено: первые %1 сохранены в %2.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Stopped: nothing was kept.</source>
        <extracomment>Tooltip of a stopped conversion whose output file was removed.</extracomment>
        <translation>Остановлено: ничего не сохранено.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Finished</source>
        <extracomment>Progress cell of a conversion that ended well.</extracomment>
        <translation>Готово</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>video copied</source>
        <extracomment>Tooltip: the picture was copied from the source, not encoded again.</extracomment>
        <translation>видео скопировано</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Paused</source>
        <extracomment>Progress cell of a conversion the user paused.</extracomment>
        <translation>Приостановлено</translation>
    </message>
</context>
<context>
    <name>SafeMediaFile</name>
    <message>
        <location filename="../engine/SafeMediaFile.cpp" line="+55"/>
        <source>The file could not be read: it is not a regular file.</source>
        <translation>Не удалось прочитать файл: это не обычный файл.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The file could not be read: it does not exist.</source>
        <translation>Не удалось прочитать файл: он не существует.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Out of memory.</source>
        <translation>Недостаточно памяти.</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>The file could not be read in time.</source>
        <translation>Не удалось прочитать файл за отведённое время.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The file could not be read: %1</source>
        <extracomment>%1 is libavformat&apos;s reason, in English.</extracomment>
        <translation>Не удалось прочитать файл: %1</translation>
    </message>
</context>
<context>
    <name>SavedTask</name>
    <message>
        <location filename="../engine/SavedTask.cpp" line="+42"/>
        <source>The profile “%1” no longer exists; the default profile “%2” is used instead.</source>
        <extracomment>Tooltip of a restored row; %1 is the profile that is gone, %2 the one used instead.</extracomment>
        <translation>Профиль «%1» больше не существует; вместо него используется профиль по умолчанию «%2».</translation>
    </message>
</context>
<context>
    <name>SavedTaskList</name>
    <message>
        <location filename="../engine/SavedTaskList.cpp" line="+72"/>
        <source>it is not JSON (%1 at byte %2)</source>
        <extracomment>Why the kept list cannot be read; %1 is the JSON parser&apos;s reason, %2 a byte offset.</extracomment>
        <translation>это не JSON (%1 в байте %2)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>it has no format version</source>
        <extracomment>Why the kept list cannot be read.</extracomment>
        <translation>в нём не указана версия формата</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>it was written by a newer Tavrel (format %1; this one reads %2)</source>
        <extracomment>%1 and %2 are format version numbers.</extracomment>
        <translation>он записан более новой версией Tavrel (формат %1; эта версия читает %2)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>it holds no list of tasks</source>
        <extracomment>Why the kept list cannot be read.</extracomment>
        <translation>в нём нет списка заданий</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>it names no source file</source>
        <extracomment>What is wrong with one task of the kept list.</extracomment>
        <translation>в нём не указан исходный файл</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>in task %1, %2</source>
        <extracomment>%1 is the task&apos;s number, %2 what is wrong with it.</extracomment>
        <translation>задание %1: %2</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>it is not a file</source>
        <extracomment>Why the kept list cannot be read.</extracomment>
        <translation>это не файл</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>it is too large</source>
        <extracomment>Why the kept list cannot be read.</extracomment>
        <translation>он слишком большой</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1; it was kept as %2</source>
        <extracomment>%1 is why the list cannot be read, %2 the path it was moved to.</extracomment>
        <translation>%1; он сохранён как %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1; it could not be set aside</source>
        <extracomment>%1 is why the list cannot be read.</extracomment>
        <translation>%1; не удалось отложить его в сторону</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>the folder %1 cannot be made</source>
        <extracomment>%1 is a folder&apos;s path.</extracomment>
        <translation>не удаётся создать папку %1</translation>
    </message>
</context>
<context>
    <name>SettingTables</name>
    <message>
        <location filename="../engine/SettingTables.cpp" line="+17"/>
        <source>kbps</source>
        <extracomment>unit of a bit rate in a combo box item (&quot;128 kbps&quot;)</extracomment>
        <translation>кбит/с</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>fps</source>
        <extracomment>unit of a frame rate in a combo box item (&quot;29.97 fps&quot;)</extracomment>
        <translation>к/с</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hz</source>
        <extracomment>unit of a sample rate in a combo box item (&quot;44100 Hz&quot;)</extracomment>
        <translation>Гц</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Video Type</source>
        <extracomment>label beside its combo box, about 75 px wide</extracomment>
        <translation>Тип видео</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Video Size</source>
        <extracomment>label beside its combo box, about 75 px wide</extracomment>
        <translation>Размер кадра</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Frame Rate</source>
        <extracomment>label beside its combo box, about 75 px wide</extracomment>
        <translation>Част. кадров</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Video Quality</source>
        <extracomment>label beside its combo box, about 75 px wide</extracomment>
        <translation>Кач. видео</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Video Aspect</source>
        <extracomment>label beside its combo box, about 75 px wide</extracomment>
        <translation>Пропорции</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Channels</source>
        <extracomment>label beside its combo box, about 75 px wide</extracomment>
        <translation>Каналы</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Mono</source>
        <extracomment>combo box item, about 80 px wide</extracomment>
        <translation>Моно</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stereo</source>
        <translation>Стерео</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Audio Quality</source>
        <extracomment>label beside its combo box, about 75 px wide</extracomment>
        <translation>Кач. звука</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Sample Rate</source>
        <extracomment>label beside its combo box, about 75 px wide</extracomment>
        <translation>Част. дискр.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Volume</source>
        <extracomment>label beside its combo box, about 75 px wide</extracomment>
        <translation>Громкость</translation>
    </message>
</context>
<context>
    <name>SourceFiles</name>
    <message>
        <location filename="../engine/SourceFiles.cpp" line="+22"/>
        <source>Support Video Files</source>
        <extracomment>File dialog&apos;s filter: every type the program reads.</extracomment>
        <translation>Поддерживаемые видеофайлы</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>RealMedia Files (*.rm,*.rmvb)</source>
        <translation>Файлы RealMedia (*.rm,*.rmvb)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>AVI Files (*.avi)</source>
        <translation>Файлы AVI (*.avi)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mpeg files (*.mpg, *.mpeg,*.vob)</source>
        <translation>Файлы MPEG (*.mpg, *.mpeg,*.vob)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Windows Media files (*.wmv, *.wma, *.asf)</source>
        <translation>Файлы Windows Media (*.wmv, *.wma, *.asf)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Quick Time Files (*.mov, *.qt)</source>
        <translation>Файлы QuickTime (*.mov, *.qt)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3GP Files (*.3gp)</source>
        <translation>Файлы 3GP (*.3gp)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Modern Video Files (*.mp4, *.m4v, *.mkv, *.webm, *.ts, *.mts, *.m2ts, *.flv, *.ogv, *.dv, *.divx, *.3g2)</source>
        <translation>Современные видеофайлы (*.mp4, *.m4v, *.mkv, *.webm, *.ts, *.mts, *.m2ts, *.flv, *.ogv, *.dv, *.divx, *.3g2)</translation>
    </message>
</context>
<context>
    <name>TaskArray</name>
    <message>
        <location filename="../engine/TaskArray.cpp" line="+57"/>
        <source>The conversion failed.</source>
        <translation>Ошибка конвертации.</translation>
    </message>
</context>
<context>
    <name>TaskRecord</name>
    <message>
        <location filename="../engine/TaskRecord.cpp" line="+152"/>
        <source>the value of &quot;%1&quot; is not what it should be</source>
        <extracomment>Why a kept task cannot be read; %1 is the name of a field in the file.</extracomment>
        <translation>недопустимое значение поля «%1»</translation>
    </message>
</context>
<context>
    <name>TaskRowActions</name>
    <message>
        <location filename="../ui/TaskRowActions.cpp" line="+36"/>
        <source>Apply these settings to all videos</source>
        <translation>Применить эти настройки ко всем видео</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Show log…</source>
        <translation>Показать журнал…</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Open output folder</source>
        <translation>Открыть папку вывода</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Play output</source>
        <translation>Воспроизвести результат</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Convert again</source>
        <translation>Конвертировать заново</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Always re-encode</source>
        <translation>Всегда перекодировать</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Remove</source>
        <extracomment>row menu: removes the selected videos from the list</extracomment>
        <translation>Удалить</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Remove finished</source>
        <translation>Удалить завершённые</translation>
    </message>
</context>
<context>
    <name>TextReport</name>
    <message>
        <location filename="../cli/TextReport.cpp" line="+60"/>
        <source>%1 Converting %2</source>
        <extracomment>%1 is the video&apos;s place, such as [2/5]; %2 its file name</extracomment>
        <translation>%1 Конвертация %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 %2: starting</source>
        <extracomment>%1 is the video&apos;s place, such as [2/5]; %2 its file name</extracomment>
        <translation>%1 %2: запуск</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1 MB</source>
        <extracomment>%1 is a size in megabytes, such as 12.5</extracomment>
        <translation>%1 МБ</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 left</source>
        <extracomment>%1 is the time still needed, hh:mm:ss</extracomment>
        <translation>осталось %1</translation>
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
        <translation>%1 Конвертировано %2 -&gt; %3 (видео скопировано)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 Converted %2 -&gt; %3</source>
        <extracomment>%1 is the video&apos;s place, such as [2/5]; %2 its file name; %3 the output file&apos;s path</extracomment>
        <translation>%1 Конвертировано %2 -&gt; %3</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 Failed %2: %3</source>
        <extracomment>%1 is the video&apos;s place, such as [2/5]; %2 its file name; %3 why it failed</extracomment>
        <translation>%1 Ошибка %2: %3</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 Stopped %2: nothing was kept</source>
        <extracomment>%1 is the video&apos;s place, such as [2/5]; %2 its file name</extracomment>
        <translation>%1 Остановлено %2: ничего не сохранено</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 Stopped %2: the first %3 were kept in %4</source>
        <extracomment>%1 is the video&apos;s place, such as [2/5]; %2 its file name; %3 a time, hh:mm:ss; %4 the output file&apos;s path</extracomment>
        <translation>%1 Остановлено %2: первые %3 сохранены в %4</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Log of %1: %2</source>
        <extracomment>%1 is a video&apos;s file name, %2 the path of its log file</extracomment>
        <translation>Журнал %1: %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Stopped: %1 converted, %2 failed, %3 stopped, %4 not started.</source>
        <extracomment>the summary after a termination signal; %1 to %4 are numbers of videos</extracomment>
        <translation>Остановлено. Конвертировано: %1, с ошибкой: %2, остановлено: %3, не начато: %4.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 converted, %2 failed.</source>
        <extracomment>the summary; %1 and %2 are numbers of videos</extracomment>
        <translation>Конвертировано: %1, с ошибкой: %2.</translation>
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
        <translation>Дорожка %1</translation>
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
        <translation>Дорожка %1: %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>mono</source>
        <translation>моно</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>stereo</source>
        <translation>стерео</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 channels</source>
        <translation>каналов: %1</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Sound</source>
        <translation>Звук</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Subtitles</source>
        <translation>Субтитры</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Reading the source…</source>
        <translation>Чтение источника…</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>No sound tracks</source>
        <translation>Нет звуковых дорожек</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>forced</source>
        <translation>принудительные</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>text</source>
        <translation>текстовые</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>pictures</source>
        <translation>графические</translation>
    </message>
</context>
<context>
    <name>WindowAccessibility</name>
    <message>
        <location filename="../ui/WindowAccessibility.cpp" line="+15"/>
        <source>Add videos with + or drop them here</source>
        <extracomment>shown in the empty list of videos, which is about 600 px wide</extracomment>
        <translation>Добавьте видео кнопкой + или перетащите их сюда</translation>
    </message>
</context>
<context>
    <name>WindowMessages</name>
    <message>
        <location filename="../ui/WindowMessages.cpp" line="+15"/>
        <source>Information</source>
        <extracomment>caption of a message box</extracomment>
        <translation>Информация</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Warning</source>
        <extracomment>caption of a message box</extracomment>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Help</source>
        <extracomment>caption of the message box saying the help page could not be opened</extracomment>
        <translation>Справка</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The page could not be opened: no program for it was found.

You can open it yourself: %1</source>
        <extracomment>%1 is the help page&apos;s path</extracomment>
        <translation>Не удалось открыть страницу: не найдена программа для её просмотра.

Вы можете открыть её самостоятельно: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Your computer cannot shutdown</source>
        <translation>Не удаётся выключить компьютер</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A conversion is running. Stop it and close Tavrel?</source>
        <translation>Идёт конвертация. Остановить её и закрыть Tavrel?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Stop and close</source>
        <extracomment>button; &amp; marks the Alt key letter</extracomment>
        <translation>&amp;Остановить и закрыть</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Keep converting</source>
        <extracomment>button; &amp; marks the Alt key letter, which must differ from the other button&apos;s</extracomment>
        <translation>&amp;Продолжить конвертацию</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Power off now</source>
        <extracomment>button beside Cancel in the power-off countdown</extracomment>
        <translation>Выключить сейчас</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The computer will power off in 1 second</source>
        <translation>Компьютер выключится через 1 секунду</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The computer will power off in %1 seconds</source>
        <extracomment>%1 is the number of seconds left, 2 to 60</extracomment>
        <translation>Компьютер выключится через %1 с</translation>
    </message>
</context>
</TS>
